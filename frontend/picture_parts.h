// The parts every exported picture is put together from, each drawn into a
// rectangle of an SVG document: the title line, the demonstration's window,
// the run chart, the comparison's chart, a table of figures and the
// time-sequence diagrams. A slide of one view, a comparison's page of
// windows, chart and table, and a handout's pages all use the same parts, so
// they look alike on the desktop, the page and from the exporter.
//
// No toolkit: the desktop and the exporter render the documents with Qt's
// SVG renderer (to PNG or PDF), the page with the browser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/form.h"
#include "frontend/ladder_drawing.h"
#include "frontend/svg_writer.h"
#include "history/run_figures.h"
#include "history/run_trace.h"

namespace pictures {

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
};

// The size of a picture's ordinary text: a slide 1080 pixels high gets 20.
double textPixelsFor(double pictureHeight);

// The title line at the top of `area`, cut with "…" where it would run
// past it; returns the height it took.
double drawTitle(svg::Writer& out, const Rect& area, const std::string& title, double pixels);

// The demonstration's window as `form` shows it, as large as fits `area`,
// centred; with the colour-blind safe palette and state marks when asked.
void drawWindow(svg::Writer& out, const Rect& area, const Form1& form, bool safeColours, bool stateMarks);

// The run chart of ticks from..to: transmit window, threshold (only where
// Slow Start is in force), flight size, receive window, the markers and the
// avoidance shading, with a legend of every figure and every kind of marker.
void drawRunChart(svg::Writer& out, const Rect& area, const RunTrace& trace, std::int32_t from,
                  std::int32_t to, double pixels);

// One line of a comparison's chart.
struct ComparedRun {
    const RunTrace* trace;
    std::string label;
};
// Each configuration's transmit window (above) and goodput over the last 200
// ticks (below), in its colour and its own dash, and lifted a little off the
// others, so that lines that coincide (two windows at 8) still show as two.
void drawComparisonChart(svg::Writer& out, const Rect& area, const std::vector<ComparedRun>& runs,
                         std::int32_t from, std::int32_t to, double pixels);

// The figures of one or more runs, a column each, under their labels; the
// columns' labels in the comparison's colours when `coloured`.
void drawFiguresTable(svg::Writer& out, const Rect& area, const std::vector<std::string>& labels,
                      const std::vector<RunFigures>& figures, bool coloured, double pixels);

// Time-sequence diagrams side by side (one or more), each under its label
// when there are several, scaled so that ticks from..to fill `area`.
void drawDiagrams(svg::Writer& out, const Rect& area, const std::vector<ladder::Description>& diagrams,
                  const std::vector<std::string>& labels, const ladder::Palette& palette, bool stateMarks,
                  double pixels);

} // namespace pictures

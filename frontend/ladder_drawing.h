// How every front end lays out and colours the time-sequence diagram, and
// the diagram as an SVG drawing (what the exporter writes, no display needed).
//
// The description (history/ladder_description.h) says what is drawn; this
// says where and in which colour, so that the window, the page and the
// exported drawing look alike. Pixels are logical pixels at 100 %.
//
//   |tick| window |  marks  |S          R|  drops  |
//   |  50|  2-5   | timeout |\____       |         |
//
// Where each text goes is frontend/ladder_placement.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/colours.h"
#include "history/ladder_description.h"

namespace svg {
class Writer;
}

namespace ladder {

struct Layout {
    double width = 640;        // the whole drawing
    double pixelsPerTick = 2;  // downward
    double scale = 1;          // zoom: 2 at 200 %, applied to everything
    double header = 34;        // the axes' names above tick `from`
    double senderMargin = 200; // ticks, window notes and marks left of the sender's axis
    double receiverMargin = 84;
    double fontSize = 11;

    double senderX() const { return senderMargin * scale; }
    double receiverX() const { return (width - receiverMargin) * scale; }
    double x(double across) const { return senderX() + across * (receiverX() - senderX()); }
    double y(double tick, std::int32_t from) const
    {
        return (header + (tick - from) * pixelsPerTick) * scale;
    }
    double tickAt(double y, std::int32_t from) const { return from + (y / scale - header) / pixelsPerTick; }
    double acrossAt(double x) const { return (x - senderX()) / (receiverX() - senderX()); }
    // The height of the drawing of ticks from .. to.
    double height(std::int32_t from, std::int32_t to) const { return y(to, from) + 16 * scale; }
    // Where the tick numbers and window notes are written (right edges);
    // the marks' texts end a little left of the sender's axis.
    double tickNumbersRight() const { return 34 * scale; }
    double windowNotesRight() const { return 88 * scale; }
    // A click this many pixels from a line (at 100 %) still picks it; as the
    // tolerance of Description::lineAt, in ticks.
    static constexpr double PickPixels = 6;
    double pickTolerance() const { return PickPixels / (pixelsPerTick * scale); }
};

// Model colours, 0x00BBGGRR; the View options' colour-blind safe palette
// takes the safe colour of the sender state each line stands for.
struct Palette {
    Colour packet, resend, ack, lost, timeout, state, window, axis, text, cursor;
};
Palette palette(bool safeColours);
Colour colourOf(const Palette& palette, LineKind kind);
// A mark's colour: state changes, drops, and timeouts with the fast-retransmit entries.
Colour markColour(const Palette& palette, MarkKind kind);
// The state mark drawn before a line's label when the View options show
// marks ("F" sent once, "S" sent again; ACKs carry none).
std::string_view stateMark(LineKind kind);
// The label as drawn: with its state mark when marks are shown.
std::string labelText(const Line& line, bool stateMarks);
bool dashed(LineKind kind); // duplicate ACKs are dashed

// The most ticks one drawing of the diagram holds: at 2 pixels a tick,
// 20,000 pixels, already taller than any page or screen makes useful, and a
// picture's memory grows with its height.
inline constexpr std::int32_t MostDrawnTicks = 10000;

// The tick numbers written down the left edge: every `tickNumberStep` ticks.
std::int32_t tickNumberStep(const Layout& layout);

struct Placement;

// The description as a standalone SVG document.
std::string toSvg(const Description& description, const Layout& layout, const Palette& palette,
                  bool stateMarks);

// The diagrams of a comparison side by side on one time axis, each under its
// configuration's label: every description should cover the same ticks.
std::string comparisonSvg(const std::vector<Description>& descriptions,
                          const std::vector<std::string>& labels, const Layout& layout,
                          const Palette& palette, bool stateMarks);

// Draws the description with its texts placed by `placement` into `out`,
// with the drawing's origin at out's current origin (a group moves it).
void drawInto(svg::Writer& out, const Description& description, const Layout& layout, const Palette& palette,
              const Placement& placement);

// The parts of a line's course that lie within ticks from..to, each as a
// polyline of its own (a line cut by the range's edges).
std::vector<std::vector<Point>> visibleParts(const Description& description, const Line& line);

// "#rrggbb" of a model colour.
std::string cssColour(Colour colour);

} // namespace ladder

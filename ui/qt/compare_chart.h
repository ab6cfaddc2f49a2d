// The comparison's chart: each configuration's transmit window (above) and
// its goodput over the last 200 ticks (below) against the tick number, one
// colour and dash per configuration, all on the same ticks.
//
// Drawn by hand rather than with Qt Charts: two or three runs are redrawn
// as they go, and a series there redraws every point it holds. Here a
// repaint reads one tick per pixel column, however long the runs are (a
// window's single-tick dips may then fall between columns; the goodput, an
// average over 200 ticks, never does). Repaints come at most ten times a
// second, whatever the speed of the clock.
//
// A click on the plot asks to rewind every configuration to that tick.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/qt/tick_paced_refresh.h"

class RunTrace;

class CompareChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int RefreshMilliseconds = 100;

    struct Line {
        const RunTrace* trace;
        QString label;
    };

    explicit CompareChart(QWidget* parent = nullptr);

    // The runs to draw, in the comparison's order.
    void setLines(std::vector<Line> lines);
    // The runs moved on or went back: redraw soon.
    void follow();

    static QColor colour(std::size_t index);
    static Qt::PenStyle dash(std::size_t index);

    // The tick under a point of the widget, when it lies on a plot.
    std::optional<std::int32_t> tickAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void rewindRequested(std::int32_t tick);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Works out the frame to draw and asks for a repaint of what differs.
    void refresh();
    // One plot as a repaint draws it.
    struct Plot {
        QRect titled;                 // with its title above
        QRect area;                   // under its title
        double top = 0;               // the value at the plot's top edge
        double step = 0;              // between grid lines
        std::vector<QPolygonF> lines; // per line, in pixels; level stretches by their ends only
        double yOf(double value) const;
    };
    // Everything a repaint draws that moves with the runs: what the refresh
    // compares with what is on screen, so that it repaints only what changed.
    struct Frame {
        QSize size;
        qreal pixelRatio = 0;
        QFont font;
        std::int32_t firstTick = 0;
        std::int32_t lastTick = 0;
        std::array<Plot, 2> plots; // the transmit windows above, the goodputs below
    };
    // What the background picture was drawn for.
    struct Background {
        QSize size;
        qreal pixelRatio = 0;
        QFont font;
        double windowsTop = 0;
        double goodputsTop = 0;
        std::size_t lines = 0;
        bool operator==(const Background&) const = default;
    };
    std::int32_t firstTick() const;
    std::int32_t lastTick() const;
    QRect plotsArea() const;
    // Empty when the chart is too small to hold its plots.
    std::optional<Frame> frameNow() const;
    // Where the chart's pixels can differ between two frames.
    QRegion changedBetween(const std::optional<Frame>& before, const std::optional<Frame>& after) const;
    QRect tickAxisBlock(const Plot& goodputs) const;
    Plot plotOf(const QRect& titled, double top, double (*value)(const RunTrace&, std::int32_t)) const;
    void drawBackground(QPainter& painter, const QRegion& region, const QRect& legend, const Frame& frame);
    QRect legendLabelPlace(const QRect& legend, std::size_t index) const;
    void drawLegendLabels(QPainter& painter, const QRect& legend) const;
    // A plot's area as last drawn, its lines over its part of the background.
    struct PlotPicture {
        QImage image;
        QRect area;
        Background background;
        std::vector<QPolygonF> lines;
    };
    void drawPlot(QPainter& painter, const QRegion& region, const QString& title, const Plot& plot,
                  PlotPicture& picture) const;
    void drawTickAxis(QPainter& painter, const QRegion& region, const Frame& frame) const;

    std::vector<Line> lines_;
    TickPacedRefresh refresh_{RefreshMilliseconds, [this] { refresh(); }, this};
    QImage background_;
    Background backgroundKey_;
    std::array<PlotPicture, 2> plotPictures_;
    // The frame on screen, except where a repaint is already asked for, and
    // the one the refresh worked out for the repaint it asked for: valid
    // while no call of follow() came in between.
    std::optional<Frame> shown_;
    std::optional<Frame> pending_;
    std::uint64_t follows_ = 0;
    std::uint64_t pendingFollows_ = 0;
};

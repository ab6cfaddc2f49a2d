// The run chart: transmit window, slow-start threshold, flight size and
// receive window in packets against the tick number, with markers for
// timeouts, fast-retransmit entries, packets and ACKs lost by clicks, packets
// dropped by the in-order receiver, and changes of the sender state.
//
// Behind the lines, the ticks in which the window grows by congestion
// avoidance are shaded ("Avoidance" in the legend). The sender's state name never says so (avoidance
// runs inside slow start), so the chart is where a class can point at it.
//
// Drawn with Qt Charts. Its line series redraw every point they hold whenever
// anything changes, so they never hold the whole run: only the ticks on
// screen, one point per tick while that fits the plot, and otherwise the
// lowest and highest value of each bucket of ticks (steps and sawtooth
// edges survive; a tick's worth of detail would be below a pixel anyway).
// While the chart follows the run, a new tick appends its points; the loaded
// range is rebuilt only when it has grown to twice what is shown, so the cost
// of a tick does not grow with the length of the run.
//
// The cursor is a vertical line on one tick: a click on the plot puts it
// there, as does selecting an entry of the event log. A double click, or
// "Rewind to tick" in the context menu, asks to rewind the run to that tick.
#pragma once

#include <QChartView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/run_trace.h"

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class RunChart : public QChartView {
    Q_OBJECT

public:
    static constexpr int FigureCount = 4;      // transmit window, threshold, flight size, receive window
    static constexpr int MarkerKindCount = 6;  // one series per marker bit
    static constexpr double DefaultSpan = 600; // ticks shown while following: 30 s at 1x
    static constexpr double MinimumSpan = 20;
    // Buckets across the plot before ticks are merged: about one per pixel.
    static constexpr int MaxBuckets = 800;

    explicit RunChart(const RunTrace& trace, QWidget* parent = nullptr);

    // The ACKs of the tick after `before` meet a window that avoidance grows:
    // Avoidance is in force, the sender is in slow start (where avoidance
    // runs) and the window has reached the threshold. Tick t is shaded, from
    // t - 1 to t, when this holds for sample t - 1.
    static bool growsByAvoidance(const TickSample& before);

    // Takes in what the trace gained since the last call; cheap when nothing did.
    void follow();
    // Loads the ticks on screen afresh: after a rewind, or before an export.
    void reload();
    // Shows another run; the cursor goes.
    void setTrace(const RunTrace& trace);

    double firstShown() const { return first_; }
    double lastShown() const { return last_; }
    double span() const { return last_ - first_; }
    bool following() const { return following_; }
    // Following keeps the latest tick at the right edge as the run goes on.
    void setFollowing(bool on);
    // Shows the ticks first..last and stops following.
    void showRange(double first, double last);
    // Zooms by `factor` (below 1 zooms in) keeping `anchor` where it is.
    void zoomBy(double factor, double anchor);
    void showWholeRun();

    std::optional<std::int32_t> cursorTick() const { return cursor_; }
    // Moves the cursor, scrolling it into view; emits cursorMoved.
    void setCursorTick(std::int32_t tick);

    // What the series hold now: for tests, and to show the loading stays bounded.
    QLineSeries* figureSeries(int index) const { return figures_[static_cast<std::size_t>(index)]; }
    QScatterSeries* markerSeries(int index) const { return markers_[static_cast<std::size_t>(index)]; }
    // The threshold's stretches of ticks with Slow Start, the legend's series first.
    std::vector<QLineSeries*> thresholdSeries() const;
    // The shading's outline: for each run of shaded ticks a..b, the points
    // (a-1, 0), (a-1, top), (b, top), (b, 0).
    QLineSeries* avoidanceOutline() const { return avoidanceOutline_; }
    std::int32_t loadedFirst() const { return loadedFirst_; }
    std::int32_t loadedLast() const { return loadedLast_; }
    std::int32_t bucketTicks() const { return step_; }

signals:
    void viewChanged(); // the range shown or the run's length changed
    void cursorMoved(std::int32_t tick);
    void rewindRequested(std::int32_t tick);
    void pictureRequested(); // its context menu's Export Picture...

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::int32_t lastTick() const { return trace_->ticks(); }
    // The tick under a point of the view, if it lies on the plot.
    std::optional<std::int32_t> tickAt(QPoint viewPoint) const;
    // The range shown while following, for the run as long as it is now.
    void placeFollowingRange();
    void setAxisRange(double first, double last);
    void load(std::int32_t first, std::int32_t last);
    void append(std::int32_t from, std::int32_t to);
    void fitValueAxis();
    // Adds tick `tick` to the shading, extending the last shaded run if it ends just before.
    void shadeTick(std::int32_t tick);
    void showOptionalLegendEntries();
    // The threshold over ticks first..last: a line for each stretch of ticks with Slow Start.
    void loadThreshold(std::int32_t first, std::int32_t last);
    void appendThreshold(std::int32_t from, std::int32_t to);
    // Stretch `index`: the legend's series for the first, a series made on demand for each later one.
    QLineSeries* thresholdStretch(std::size_t index);

    const RunTrace* trace_;
    std::array<QLineSeries*, FigureCount> figures_{};
    std::array<QScatterSeries*, MarkerKindCount> markers_{};
    QAreaSeries* avoidance_ = nullptr;
    QLineSeries* avoidanceOutline_ = nullptr; // the area's upper edge, owned by it
    std::int32_t shadedThrough_ = -1;         // last tick of the last shaded run loaded
    bool dropsInLegend_ = true;
    bool avoidanceInLegend_ = true;
    // The threshold means nothing without Slow Start: the ARQ presets'
    // charts leave it out, line and legend entry (the model keeps it).
    bool thresholdMeaningful_ = false;
    bool thresholdInLegend_ = true;
    // A line cannot break, so each stretch of ticks with Slow Start after the
    // first has a series of its own, without a legend entry.
    std::vector<QLineSeries*> laterThresholds_;
    std::size_t thresholdStretches_ = 0; // stretches holding points
    bool thresholdOpen_ = false;         // the last tick loaded had Slow Start
    QValueAxis* tickAxis_ = nullptr;
    QValueAxis* packetAxis_ = nullptr;

    bool following_ = true;
    double followSpan_ = DefaultSpan;
    double first_ = 0;
    double last_ = DefaultSpan;

    // The ticks whose points the series hold, and how many ticks one bucket merges.
    std::int32_t loadedFirst_ = 0;
    std::int32_t loadedLast_ = -1;
    std::int32_t step_ = 1;
    Markers lastMarkers_ = 0; // of loadedLast_: user events may add to them between ticks
    double highest_ = 0;      // largest figure loaded, for the packet axis
    double packetTop_ = 0;

    std::optional<std::int32_t> cursor_;
};

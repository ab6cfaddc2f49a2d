#include "ui/qt/run_chart.h"

#include <QAreaSeries>
#include <QContextMenuEvent>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "frontend/chart_looks.h"
#include "ui/qt/screen_units.h"
#include "ui/qt/translation.h"

namespace {

constexpr std::size_t ThresholdFigure = 1; // in Figures below

struct FigureLook {
    const char* name;
    double (TickSample::*value)() const;
    QColor colour;
    qreal width;
    Qt::PenStyle style;
};

const std::array<FigureLook, RunChart::FigureCount> Figures = {{
    {"Tx window", &TickSample::txWindow, toQColor(chart_looks::Figures[0].colour), 2.5, Qt::SolidLine},
    {"SSThresh", &TickSample::ssThresh, toQColor(chart_looks::Figures[1].colour), 2, Qt::DashLine},
    {"Flight size", &TickSample::flight, toQColor(chart_looks::Figures[2].colour), 1.5, Qt::SolidLine},
    {"Rx window", &TickSample::rxWindow, toQColor(chart_looks::Figures[3].colour), 2, Qt::DotLine},
}};

// Where a marker sits: losses along the bottom, the rest on the transmit
// window, a timeout or fast-retransmit entry at the tip of the tooth it cuts.
enum class MarkerPlace { Peak, Window, Bottom };

struct MarkerLook {
    Markers bit;
    const char* name;
    QScatterSeries::MarkerShape shape;
    QColor colour;
    qreal size;
    MarkerPlace place;
};

const std::array<MarkerLook, RunChart::MarkerKindCount> MarkerKinds = {{
    {marker::Timeout, "Timeout", QScatterSeries::MarkerShapeTriangle,
     toQColor(chart_looks::MarkerKinds[0].colour), 13, MarkerPlace::Peak},
    {marker::FastRetransmit, "Fast retransmit", QScatterSeries::MarkerShapeStar,
     toQColor(chart_looks::MarkerKinds[1].colour), 15, MarkerPlace::Peak},
    {marker::PacketLost, "Packet lost", QScatterSeries::MarkerShapeRectangle,
     toQColor(chart_looks::MarkerKinds[2].colour), 10, MarkerPlace::Bottom},
    {marker::AckLost, "ACK lost", QScatterSeries::MarkerShapeRotatedRectangle,
     toQColor(chart_looks::MarkerKinds[3].colour), 11, MarkerPlace::Bottom},
    {marker::StateChange, "State change", QScatterSeries::MarkerShapeCircle,
     toQColor(chart_looks::MarkerKinds[4].colour), 7, MarkerPlace::Window},
    {marker::OutOfOrderDrop, "Dropped", QScatterSeries::MarkerShapePentagon,
     toQColor(chart_looks::MarkerKinds[5].colour), 10, MarkerPlace::Bottom},
}};

constexpr std::size_t DropMarkers = 5; // the out-of-order drops' place in MarkerKinds

// Far above any window: the plot clips the shading to its own height.
constexpr double ShadeTop = 1000;
const QColor AvoidanceShade = [] {
    QColor shade = toQColor(chart_looks::AvoidanceShade);
    shade.setAlpha(chart_looks::AvoidanceShadeAlpha);
    return shade;
}();

constexpr double LossLane = 0.5; // packets: just above the axis
constexpr double SmallestPacketTop = 4;

double markerY(const RunTrace& trace, std::int32_t tick, MarkerPlace place)
{
    const double window = trace.sample(tick).txWindow();
    switch (place) {
    case MarkerPlace::Peak:
        return tick > trace.firstTick() ? std::max(window, trace.sample(tick - 1).txWindow()) : window;
    case MarkerPlace::Window:
        return window;
    case MarkerPlace::Bottom:
        break;
    }
    return LossLane;
}

} // namespace

RunChart::RunChart(const RunTrace& trace, QWidget* parent) : QChartView(parent), trace_(&trace)
{
    // The tick axis runs left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    auto* chart = new QChart;
    chart->setDropShadowEnabled(false);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    // A column on the right: a row along the bottom cuts its entries short
    // once the zoom makes their texts long, and drops the text of the last.
    chart->legend()->setAlignment(Qt::AlignRight);
    setChart(chart); // the view owns it

    tickAxis_ = new QValueAxis;
    tickAxis_->setTitleText(tr("tick (50 ms at 1\u00d7)"));
    tickAxis_->setLabelFormat(QStringLiteral("%d"));
    tickAxis_->setTickType(QValueAxis::TicksDynamic);
    tickAxis_->setTickAnchor(0);
    packetAxis_ = new QValueAxis;
    packetAxis_->setTitleText(tr("packets"));
    packetAxis_->setLabelFormat(QStringLiteral("%d"));
    packetAxis_->setTickType(QValueAxis::TicksDynamic);
    packetAxis_->setTickAnchor(0);
    chart->addAxis(tickAxis_, Qt::AlignBottom);
    chart->addAxis(packetAxis_, Qt::AlignLeft);

    // Added first, so that every line and marker is drawn over it.
    avoidanceOutline_ = new QLineSeries;
    avoidance_ = new QAreaSeries(avoidanceOutline_);
    avoidance_->setName(tr("Avoidance"));
    avoidance_->setPen(Qt::NoPen);
    avoidance_->setBrush(AvoidanceShade);
    chart->addSeries(avoidance_);
    avoidance_->attachAxis(tickAxis_);
    avoidance_->attachAxis(packetAxis_);

    for (std::size_t i = 0; i < Figures.size(); ++i) {
        auto* series = new QLineSeries;
        series->setName(translation::shown(Figures[i].name));
        series->setPen(QPen(Figures[i].colour, Figures[i].width, Figures[i].style));
        chart->addSeries(series);
        series->attachAxis(tickAxis_);
        series->attachAxis(packetAxis_);
        figures_[i] = series;
    }
    for (std::size_t i = 0; i < MarkerKinds.size(); ++i) {
        auto* series = new QScatterSeries;
        series->setName(translation::shown(MarkerKinds[i].name));
        series->setMarkerShape(MarkerKinds[i].shape);
        series->setMarkerSize(MarkerKinds[i].size);
        series->setColor(MarkerKinds[i].colour);
        series->setBorderColor(MarkerKinds[i].colour.darker(140));
        chart->addSeries(series);
        series->attachAxis(tickAxis_);
        series->attachAxis(packetAxis_);
        markers_[i] = series;
    }
    // A click on a legend entry hides or shows its series.
    for (QLegendMarker* entry : chart->legend()->markers()) {
        connect(entry, &QLegendMarker::clicked, this, [entry] {
            entry->series()->setVisible(!entry->series()->isVisible());
            entry->setVisible(true);
            QColor label = entry->labelBrush().color();
            label.setAlphaF(entry->series()->isVisible() ? 1.0 : 0.4);
            entry->setLabelBrush(label);
        });
    }

    // The threshold's later stretches are shown and hidden with the legend's line.
    connect(figures_[ThresholdFigure], &QAbstractSeries::visibleChanged, this, [this] {
        for (QLineSeries* stretch : laterThresholds_)
            stretch->setVisible(figures_[ThresholdFigure]->isVisible());
    });
    showOptionalLegendEntries();

    setMinimumSize(480, 260);
    placeFollowingRange();
    load(0, lastTick());
}

bool RunChart::growsByAvoidance(const TickSample& before) { return chart_looks::growsByAvoidance(before); }

// ---------------------------------------------------------------------------
// Following the run and loading points

void RunChart::follow()
{
    const std::int32_t end = lastTick();
    if (end < loadedLast_) {
        reload(); // the run was cut short without a word: start afresh
        return;
    }
    const bool markersChanged = loadedLast_ >= 0 && trace_->sample(loadedLast_).markers() != lastMarkers_;
    if (end == loadedLast_ && !markersChanged) return;

    if (!following_) {
        // New ticks land beyond the range shown, unless the range reaches past the run's end.
        if (markersChanged || loadedLast_ < last_)
            load(static_cast<std::int32_t>(first_), static_cast<std::int32_t>(std::ceil(last_)));
        emit viewChanged();
        return;
    }

    placeFollowingRange();
    const auto first = static_cast<std::int32_t>(first_);
    const std::int32_t wanted = end - first + 1;
    const std::int32_t step = std::max(1, (wanted + MaxBuckets - 1) / MaxBuckets);
    const std::int32_t loaded = end - loadedFirst_ + 1;
    if (!markersChanged && step == 1 && step_ == 1 && loaded <= wanted + wanted / 2) {
        append(loadedLast_ + 1, end);
    } else if (!markersChanged && step > 1 && step == step_ && end - loadedLast_ < step_) {
        // Less than a bucket's worth of new ticks: less than a pixel. Wait for more.
    } else {
        load(first, end);
    }
}

void RunChart::setTrace(const RunTrace& trace)
{
    trace_ = &trace;
    cursor_.reset();
    loadedLast_ = -1;
    setFollowing(true);
    reload();
}

void RunChart::reload()
{
    if (following_) placeFollowingRange();
    load(static_cast<std::int32_t>(first_), static_cast<std::int32_t>(std::ceil(last_)));
    viewport()->update();
}

void RunChart::load(std::int32_t first, std::int32_t last)
{
    const RunTrace& trace = *trace_;
    last = std::clamp(last, trace.firstTick(), lastTick());
    first = std::clamp(first, trace.firstTick(), last);
    step_ = std::max(1, (last - first + 1 + MaxBuckets - 1) / MaxBuckets);
    first -= first % step_; // buckets stay put as the range moves
    first = std::max(first, trace.firstTick());
    highest_ = 0;
    thresholdMeaningful_ = false;
    for (std::int32_t tick = first; tick <= last && !thresholdMeaningful_; ++tick)
        thresholdMeaningful_ = trace.sample(tick).slowStart;

    const auto at = [&trace](std::int32_t tick) -> const TickSample& { return trace.sample(tick); };
    for (std::size_t f = 0; f < Figures.size(); ++f) {
        if (f == ThresholdFigure) continue;
        const auto value = Figures[f].value;
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>((last - first) / step_ + 1) * (step_ == 1 ? 1 : 2));
        for (std::int32_t bucket = first; bucket <= last; bucket += step_) {
            const std::int32_t end = std::min(last, bucket + step_ - 1);
            std::int32_t low = bucket;
            std::int32_t high = bucket;
            for (std::int32_t tick = bucket + 1; tick <= end; ++tick) {
                if ((at(tick).*value)() < (at(low).*value)()) low = tick;
                if ((at(tick).*value)() > (at(high).*value)()) high = tick;
            }
            // The lowest and the highest of the bucket, in the order they happened.
            const std::int32_t earlier = std::min(low, high);
            const std::int32_t later = std::max(low, high);
            points.append(QPointF(earlier, (at(earlier).*value)()));
            if (later != earlier) points.append(QPointF(later, (at(later).*value)()));
            highest_ = std::max(highest_, (at(high).*value)());
        }
        figures_[f]->replace(points);
    }
    loadThreshold(first, last);

    for (std::size_t k = 0; k < MarkerKinds.size(); ++k) {
        QList<QPointF> points;
        for (std::int32_t bucket = first; bucket <= last; bucket += step_) {
            const std::int32_t end = std::min(last, bucket + step_ - 1);
            // One marker of a kind per bucket: the first.
            for (std::int32_t tick = bucket; tick <= end; ++tick) {
                if ((at(tick).markers() & MarkerKinds[k].bit) == 0) continue;
                points.append(QPointF(tick, markerY(trace, tick, MarkerKinds[k].place)));
                break;
            }
        }
        markers_[k]->replace(points);
    }

    // Shading stays exact to the tick at every zoom: runs of ticks are few.
    avoidanceOutline_->clear();
    shadedThrough_ = -1;
    for (std::int32_t tick = std::max(first, std::int32_t{1}); tick <= last; ++tick)
        shadeTick(tick);

    loadedFirst_ = first;
    loadedLast_ = last;
    lastMarkers_ = at(last).markers();
    fitValueAxis();
    showOptionalLegendEntries();
}

void RunChart::append(std::int32_t from, std::int32_t to)
{
    const RunTrace& trace = *trace_;
    for (std::int32_t tick = from; tick <= to && !thresholdMeaningful_; ++tick)
        thresholdMeaningful_ = trace.sample(tick).slowStart;
    for (std::size_t f = 0; f < Figures.size(); ++f) {
        if (f == ThresholdFigure) continue;
        QList<QPointF> points;
        points.reserve(to - from + 1);
        for (std::int32_t tick = from; tick <= to; ++tick) {
            const double value = (trace.sample(tick).*Figures[f].value)();
            points.append(QPointF(tick, value));
            highest_ = std::max(highest_, value);
        }
        figures_[f]->append(points);
    }
    appendThreshold(from, to);
    for (std::int32_t tick = std::max(from, std::int32_t{1}); tick <= to; ++tick)
        shadeTick(tick);
    for (std::int32_t tick = from; tick <= to; ++tick) {
        const Markers markers = trace.sample(tick).markers();
        if (markers == 0) continue;
        for (std::size_t k = 0; k < MarkerKinds.size(); ++k) {
            if ((markers & MarkerKinds[k].bit) != 0)
                markers_[k]->append(tick, markerY(trace, tick, MarkerKinds[k].place));
        }
    }
    loadedLast_ = to;
    lastMarkers_ = trace.sample(to).markers();
    fitValueAxis();
    showOptionalLegendEntries();
}

// Drops come only from the in-order receiver and shading only with
// Avoidance; most runs show one or neither, and both entries at once would
// crowd the others out of the legend's one line. Each is listed while the
// ticks loaded have something of it.
void RunChart::showOptionalLegendEntries()
{
    const auto show = [this](QAbstractSeries* series, bool any, bool& shown) {
        if (any == shown) return;
        shown = any;
        for (QLegendMarker* entry : chart()->legend()->markers(series))
            entry->setVisible(any);
    };
    show(markers_[DropMarkers], markers_[DropMarkers]->count() > 0, dropsInLegend_);
    show(avoidance_, avoidanceOutline_->count() > 0, avoidanceInLegend_);
    figures_[ThresholdFigure]->setVisible(thresholdMeaningful_);
    show(figures_[ThresholdFigure], thresholdMeaningful_, thresholdInLegend_);
}

void RunChart::loadThreshold(std::int32_t first, std::int32_t last)
{
    const RunTrace& trace = *trace_;
    std::vector<QList<QPointF>> stretches;
    bool open = false;
    const auto add = [&](std::int32_t tick) {
        if (!open) stretches.emplace_back();
        open = true;
        stretches.back().append(QPointF(tick, trace.sample(tick).ssThresh()));
        highest_ = std::max(highest_, trace.sample(tick).ssThresh());
    };
    for (std::int32_t bucket = first; bucket <= last; bucket += step_) {
        // As the other lines: the lowest and the highest of a bucket in their
        // order, but of its ticks with Slow Start only; one without ends the stretch.
        std::int32_t low = -1;
        std::int32_t high = -1;
        const auto flush = [&] {
            if (low < 0) return;
            add(std::min(low, high));
            if (low != high) add(std::max(low, high));
            low = high = -1;
        };
        for (std::int32_t tick = bucket; tick <= std::min(last, bucket + step_ - 1); ++tick) {
            const TickSample& sample = trace.sample(tick);
            if (!sample.slowStart) {
                flush();
                open = false;
                continue;
            }
            if (low < 0 || sample.ssThresh() < trace.sample(low).ssThresh()) low = tick;
            if (high < 0 || sample.ssThresh() > trace.sample(high).ssThresh()) high = tick;
        }
        flush();
    }
    for (std::size_t i = 0; i < stretches.size(); ++i)
        thresholdStretch(i)->replace(stretches[i]);
    for (std::size_t i = stretches.size(); i < std::max<std::size_t>(thresholdStretches_, 1); ++i)
        thresholdStretch(i)->clear();
    thresholdStretches_ = stretches.size();
    thresholdOpen_ = open;
}

void RunChart::appendThreshold(std::int32_t from, std::int32_t to)
{
    for (std::int32_t tick = from; tick <= to; ++tick) {
        const TickSample& sample = trace_->sample(tick);
        if (!sample.slowStart) {
            thresholdOpen_ = false;
            continue;
        }
        if (!thresholdOpen_) thresholdStretch(thresholdStretches_++)->clear();
        thresholdOpen_ = true;
        thresholdStretch(thresholdStretches_ - 1)->append(tick, sample.ssThresh());
        highest_ = std::max(highest_, sample.ssThresh());
    }
}

QLineSeries* RunChart::thresholdStretch(std::size_t index)
{
    if (index == 0) return figures_[ThresholdFigure];
    while (laterThresholds_.size() < index) {
        auto* series = new QLineSeries;
        series->setPen(figures_[ThresholdFigure]->pen());
        chart()->addSeries(series);
        series->attachAxis(tickAxis_);
        series->attachAxis(packetAxis_);
        for (QLegendMarker* entry : chart()->legend()->markers(series))
            entry->setVisible(false);
        series->setVisible(figures_[ThresholdFigure]->isVisible());
        laterThresholds_.push_back(series);
    }
    return laterThresholds_[index - 1];
}

std::vector<QLineSeries*> RunChart::thresholdSeries() const
{
    std::vector<QLineSeries*> stretches{figures_[ThresholdFigure]};
    for (std::size_t i = 1; i < thresholdStretches_; ++i)
        stretches.push_back(laterThresholds_[i - 1]);
    return stretches;
}

void RunChart::shadeTick(std::int32_t tick)
{
    if (tick <= trace_->firstTick() || !growsByAvoidance(trace_->sample(tick - 1))) return;
    const int count = avoidanceOutline_->count();
    if (shadedThrough_ == tick - 1 && count >= 4) {
        avoidanceOutline_->replace(count - 2, QPointF(tick, ShadeTop));
        avoidanceOutline_->replace(count - 1, QPointF(tick, 0));
    } else {
        avoidanceOutline_->append(
            {QPointF(tick - 1, 0), QPointF(tick - 1, ShadeTop), QPointF(tick, ShadeTop), QPointF(tick, 0)});
    }
    shadedThrough_ = tick;
}

void RunChart::fitValueAxis()
{
    const double top = std::max(SmallestPacketTop, std::ceil(highest_) + 1);
    if (top == packetTop_) return;
    packetTop_ = top;
    packetAxis_->setRange(0, top);
    packetAxis_->setTickInterval(top <= 10 ? 1 : top <= 20 ? 2 : 5);
}

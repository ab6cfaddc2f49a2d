// The chart's range, cursor and mouse: what a user does with the
// chart once it shows the run (run_chart.h says what is drawn).
#include "ui/qt/run_chart.h"

#include <QContextMenuEvent>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "frontend/chart_looks.h"
#include "ui/qt/screen_units.h"

namespace {

constexpr double ZoomPerWheelStep = 1.25;
const QColor CursorColour = toQColor(chart_looks::CursorColour);

// 1, 2 or 5 times a power of ten, so that about eight labels fit.
double niceInterval(double span)
{
    const double raw = std::max(span / 8, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * magnitude >= raw) return multiple * magnitude;
    }
    return 10 * magnitude;
}

} // namespace

// ---------------------------------------------------------------------------
// The range shown: following, scrolling and zooming

void RunChart::placeFollowingRange()
{
    const double first = std::max(0.0, lastTick() - followSpan_);
    setAxisRange(first, first + followSpan_);
}

void RunChart::setAxisRange(double first, double last)
{
    const bool spanChanged = std::abs((last - first) - (last_ - first_)) > 1e-9;
    if (first != first_ || last != last_ || tickAxis_->max() != last) {
        first_ = first;
        last_ = last;
        tickAxis_->setRange(first, last);
    }
    if (spanChanged || tickAxis_->tickInterval() <= 0) tickAxis_->setTickInterval(niceInterval(last - first));
    emit viewChanged();
}

void RunChart::setFollowing(bool on)
{
    following_ = on;
    if (on) reload();
    emit viewChanged();
}

void RunChart::showRange(double first, double last)
{
    following_ = false;
    const double span = std::max(last - first, MinimumSpan);
    first = std::max(0.0, first);
    setAxisRange(first, first + span);
    load(static_cast<std::int32_t>(first_), static_cast<std::int32_t>(std::ceil(last_)));
    viewport()->update();
}

void RunChart::zoomBy(double factor, double anchor)
{
    const double widest = std::max(static_cast<double>(lastTick()), DefaultSpan);
    const double span = std::clamp(this->span() * factor, MinimumSpan, widest);
    if (following_) {
        followSpan_ = span;
        reload();
        return;
    }
    const double share = (anchor - first_) / this->span();
    const double first = anchor - share * span;
    showRange(first, first + span);
}

void RunChart::showWholeRun() { showRange(0, std::max(static_cast<double>(lastTick()), MinimumSpan)); }

void RunChart::setCursorTick(std::int32_t tick)
{
    tick = std::clamp(tick, std::int32_t{0}, lastTick());
    cursor_ = tick;
    if (tick < first_ || tick > last_) showRange(tick - span() / 2, tick + span() / 2);
    viewport()->update();
    emit cursorMoved(tick);
}

// ---------------------------------------------------------------------------
// The cursor and the mouse

std::optional<std::int32_t> RunChart::tickAt(QPoint viewPoint) const
{
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPoint));
    if (!chart()->plotArea().contains(inChart)) return std::nullopt;
    const double tick = chart()->mapToValue(inChart, figures_[0]).x();
    return std::clamp(static_cast<std::int32_t>(std::lround(tick)), std::int32_t{0}, lastTick());
}

void RunChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!cursor_ || *cursor_ < first_ || *cursor_ > last_) return;
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    const double x = chart()->mapToScene(chart()->mapToPosition(QPointF(*cursor_, 0), figures_[0])).x();
    painter->save();
    painter->setPen(QPen(CursorColour, 1.5, Qt::DashLine));
    painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter->setPen(CursorColour);
    painter->drawText(QPointF(x + 4, plot.top() + painter->fontMetrics().ascent() + 2),
                      tr("tick %1").arg(*cursor_));
    painter->restore();
}

void RunChart::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    const double anchor = chart()->mapToValue(inChart, figures_[0]).x();
    zoomBy(std::pow(ZoomPerWheelStep, -steps), anchor);
    event->accept();
}

void RunChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const auto tick = tickAt(event->position().toPoint())) setCursorTick(*tick);
    }
    QChartView::mousePressEvent(event);
}

void RunChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const auto tick = tickAt(event->position().toPoint())) {
            setCursorTick(*tick);
            emit rewindRequested(*tick);
            return;
        }
    }
    QChartView::mouseDoubleClickEvent(event);
}

void RunChart::contextMenuEvent(QContextMenuEvent* event)
{
    const auto tick = tickAt(event->pos());
    if (!tick) return;
    QMenu menu(this);
    menu.addAction(tr("Put Cursor on Tick %1").arg(*tick), this, [this, tick] { setCursorTick(*tick); });
    menu.addAction(tr("Rewind to Tick %1").arg(*tick), this, [this, tick] {
        setCursorTick(*tick);
        emit rewindRequested(*tick);
    });
    menu.addSeparator();
    menu.addAction(tr("Export Picture\u2026"), this, [this] { emit pictureRequested(); });
    menu.exec(event->globalPos());
}

void RunChart::showEvent(QShowEvent* event)
{
    QChartView::showEvent(event);
    reload(); // it did not follow while hidden
}

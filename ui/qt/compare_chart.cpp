#include "ui/qt/compare_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "frontend/chart_looks.h"
#include "history/run_figures.h"
#include "history/run_trace.h"
#include "ui/qt/screen_units.h"

namespace {

// Ticks shown at least, so that a run just begun does not fill the width.
constexpr std::int32_t ShortestSpan = 400;
constexpr int Gap = 10; // pixels between the plots and around them

double windowAt(const RunTrace& trace, std::int32_t tick) { return trace.sample(tick).txWindow(); }
double goodputAt100(const RunTrace& trace, std::int32_t tick) { return goodputAt(trace, tick); }

// 1, 2 or 5 times a power of ten, at least `least`.
double niceStep(double least)
{
    const double power = std::pow(10.0, std::floor(std::log10(std::max(least, 1e-9))));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= least) return factor * power;
    }
    return 10 * power;
}

} // namespace

CompareChart::CompareChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("compareChart"));
    setToolTip(tr("Click a tick to take every configuration back to it"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh_.setSingleShot(true);
    refresh_.setInterval(RefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void CompareChart::setLines(std::vector<Line> lines)
{
    lines_ = std::move(lines);
    update();
}

void CompareChart::follow()
{
    if (!refresh_.isActive()) refresh_.start();
}

// The dashes tell the configurations apart on a grey print too.
QColor CompareChart::colour(std::size_t index)
{
    return toQColor(chart_looks::ConfigurationColours[index % chart_looks::ConfigurationColours.size()]);
}

Qt::PenStyle CompareChart::dash(std::size_t index)
{
    constexpr std::array<Qt::PenStyle, 3> Dashes = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    return Dashes[index % Dashes.size()];
}

QSize CompareChart::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 90, metrics.lineSpacing() * 24};
}

QSize CompareChart::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 40, metrics.lineSpacing() * 14};
}

std::int32_t CompareChart::firstTick() const
{
    std::int32_t first = 0;
    for (const Line& line : lines_)
        first = std::max(first, line.trace->firstTick());
    return first;
}

std::int32_t CompareChart::lastTick() const
{
    std::int32_t last = firstTick();
    for (const Line& line : lines_)
        last = std::max(last, line.trace->ticks());
    return std::max(last, firstTick() + ShortestSpan);
}

// Both plots share this width; the legend is above, the tick axis below.
QRect CompareChart::plotsArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("000.0")) + Gap;
    const int top = metrics.lineSpacing() + Gap / 2;
    const int bottom = 2 * metrics.lineSpacing() + Gap;
    return rect().adjusted(left, top, -Gap - metrics.averageCharWidth() * 2, -bottom);
}

std::optional<std::int32_t> CompareChart::tickAt(QPoint point) const
{
    const QRect area = plotsArea();
    if (lines_.empty() || area.width() < 2 || point.x() < area.left() || point.x() > area.right() ||
        point.y() < 0 || point.y() > area.bottom())
        return std::nullopt;
    const double span = lastTick() - firstTick();
    return firstTick() +
           static_cast<std::int32_t>(std::lround((point.x() - area.left()) * span / (area.width() - 1)));
}

void CompareChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (const auto tick = tickAt(event->position().toPoint())) emit rewindRequested(*tick);
}

void CompareChart::paintEvent(QPaintEvent*)
{
    refresh_.stop();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = plotsArea();
    if (area.width() < 10 || area.height() < 4 * Gap) return;
    const int plotHeight = (area.height() - Gap) / 2;
    const QRect windows(area.left(), area.top(), area.width(), plotHeight);
    const QRect goodputs(area.left(), area.bottom() - plotHeight + 1, area.width(), plotHeight);
    drawLegend(painter, QRect(area.left(), 0, area.width(), area.top()));
    drawPlot(painter, windows, tr("Transmit window (packets)"), 4, &windowAt);
    drawPlot(painter, goodputs, tr("Goodput (packets per 100 ticks, over the last 200)"), 1, &goodputAt100);
    drawTickAxis(painter, goodputs);
}

void CompareChart::drawLegend(QPainter& painter, const QRect& area) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = area.left();
    const int y = area.top() + metrics.lineSpacing() / 2 + Gap / 2;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        painter.setPen(QPen(colour(i), 3, dash(i)));
        painter.drawLine(x, y, x + 30, y);
        painter.setPen(Qt::black);
        const QRect text(x + 36, area.top() + Gap / 2, metrics.horizontalAdvance(lines_[i].label) + 2,
                         metrics.lineSpacing());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, lines_[i].label);
        x = text.right() + 3 * metrics.averageCharWidth();
    }
}

// The title on a line of its own above the plot, where no line can cross it.
void CompareChart::drawPlot(QPainter& painter, const QRect& titled, const QString& title, double top,
                            double (*value)(const RunTrace&, std::int32_t)) const
{
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(Qt::black);
    painter.drawText(titled, Qt::AlignLeft | Qt::AlignTop, title);
    const QRect area = titled.adjusted(0, metrics.lineSpacing() + 2, 0, 0);
    const std::int32_t first = firstTick();
    const double span = lastTick() - first;
    const int columns = area.width();
    // One tick per pixel column: what a repaint reads does not grow with the run.
    std::vector<std::vector<QPointF>> points(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const RunTrace& trace = *lines_[i].trace;
        for (int column = 0; column < columns; ++column) {
            const auto tick = first + static_cast<std::int32_t>(std::lround(column * span / (columns - 1)));
            if (tick < trace.firstTick()) continue;
            if (tick > trace.ticks()) break;
            const double y = value(trace, tick);
            top = std::max(top, y);
            points[i].emplace_back(area.left() + column, y);
        }
    }
    // Room above the highest line, so that a window held at its limit is
    // not drawn on the plot's edge.
    top *= 1.15;
    const double step = niceStep(top / 4);
    top = std::ceil(top / step) * step;
    const auto yOf = [&](double y) { return area.bottom() - y / top * (area.height() - 1); };

    for (double y = 0; y <= top + step / 2; y += step) {
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(area.left(), yOf(y)), QPointF(area.right(), yOf(y)));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(0, yOf(y) - metrics.lineSpacing() / 2.0, area.left() - 4, metrics.lineSpacing()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    }
    painter.setPen(Qt::gray);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    painter.save();
    painter.setClipRect(area);
    for (std::size_t i = 0; i < points.size(); ++i) {
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(points[i].size()));
        for (const QPointF& point : points[i])
            line << QPointF(point.x(), yOf(point.y()));
        painter.setPen(QPen(colour(i), 2.5, dash(i)));
        painter.drawPolyline(line);
    }
    painter.restore();
}

void CompareChart::drawTickAxis(QPainter& painter, const QRect& area) const
{
    const QFontMetrics metrics = fontMetrics();
    const std::int32_t first = firstTick();
    const double span = lastTick() - first;
    const double pixelsPerTick = (area.width() - 1) / span;
    const double step = niceStep(metrics.horizontalAdvance(QStringLiteral("000000")) / pixelsPerTick);
    painter.setPen(Qt::black);
    for (double tick = std::ceil(first / step) * step; tick <= first + span; tick += step) {
        const double x = area.left() + (tick - first) * pixelsPerTick;
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        painter.drawText(QRectF(x - 40, area.bottom() + 4, 80, metrics.lineSpacing()), Qt::AlignHCenter,
                         QString::number(tick));
    }
    painter.drawText(
        QRect(area.left(), area.bottom() + 4 + metrics.lineSpacing(), area.width(), metrics.lineSpacing()),
        Qt::AlignHCenter, tr("tick (50 ms at 1\u00d7)"));
}

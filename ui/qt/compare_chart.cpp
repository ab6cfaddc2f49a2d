#include "ui/qt/compare_chart.h"

#include <QMouseEvent>
#include <QPaintEvent>
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

// How wide a piece of a line is drawn as one outline, in pixels.
constexpr double PieceWidth = 48;
// How far the end of a piece (a cap where the line has a join, or where a
// dash goes on) can change what is drawn: a square cap's corner lies half
// the width times the square root of two from the path, 1.77 pixels here.
constexpr double EndReach = 2;

// A chart line drawn in pieces of about PieceWidth pixels, each clipped to
// its own columns: the rasterizer's cost grows faster than the number of
// dashes and joins in one outline (a dotted goodput took five times what a
// solid one did). Neighbouring pieces overlap by a few pixels and meet at a
// pixel boundary at least EndReach from where either one ends, and the line
// runs left to right, so within its columns each piece's outline is the
// whole line's; a dashed piece takes up the pattern where the line stands
// at its first point. Every pixel comes out as the single outline draws it.
void drawLine(QPainter& painter, const QPolygonF& line, QPen pen, const QRect& area)
{
    painter.setPen(pen);
    // Level stretches get points of their own every PieceWidth pixels, so
    // that they can be cut too: a level line is the same with them.
    QPolygonF path;
    path.reserve(line.size());
    for (qsizetype k = 0; k < line.size(); ++k) {
        if (k > 0 && line[k].y() == line[k - 1].y())
            for (double x = line[k - 1].x() + PieceWidth; x < line[k].x() - PieceWidth / 2; x += PieceWidth)
                path << QPointF(x, line[k].y());
        path << line[k];
    }
    const qsizetype last = path.size() - 1;
    double travelled = 0; // along the path to the piece's first point
    const double firstOffset = pen.dashOffset();
    const double width = pen.widthF();
    qsizetype first = 0;
    int clipLeft = area.left();
    while (true) {
        qsizetype next = first;
        while (next < last && path[next].x() < path[first].x() + PieceWidth)
            ++next;
        const int cut = static_cast<int>(std::ceil(path[next].x() + EndReach));
        qsizetype end = next;
        while (end < last && path[end].x() < cut + EndReach)
            ++end;
        if (next >= last || path[end].x() < cut + EndReach) break;
        painter.setClipRect(QRect(clipLeft, area.top(), cut - clipLeft, area.height()));
        painter.drawPolyline(path.constData() + first, static_cast<int>(end - first + 1));
        for (qsizetype k = first; k < next; ++k)
            travelled += QLineF(path[k], path[k + 1]).length();
        pen.setDashOffset(firstOffset + travelled / width);
        painter.setPen(pen);
        first = next;
        clipLeft = cut;
    }
    painter.setClipRect(QRect(clipLeft, area.top(), area.right() + 1 - clipLeft, area.height()));
    painter.drawPolyline(path.constData() + first, static_cast<int>(last - first + 1));
    painter.setClipRect(area);
}

// Copies an opaque picture onto the painter a band of rows at a time. The
// raster engine hands a copy of more than about a hundred rows to its thread
// pool in pieces and waits for them: ten times a second, the wake-ups of
// the pool's threads cost more than the copy. At a pixel ratio other than 1
// a band's edge could fall inside a pixel, so the picture goes whole.
void drawPictureInBands(QPainter& painter, QPoint at, const QImage& picture)
{
    constexpr int BandRows = 64; // the engine keeps up to 95 rows on its own thread
    if (picture.devicePixelRatio() != 1) {
        painter.drawImage(at, picture);
        return;
    }
    for (int top = 0; top < picture.height(); top += BandRows) {
        const QRect band(0, top, picture.width(), std::min(BandRows, picture.height() - top));
        painter.drawImage(at + band.topLeft(), picture, band);
    }
}

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
    // Time runs left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    setObjectName(QStringLiteral("compareChart"));
    setToolTip(tr("Click a tick to take every configuration back to it"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Only what changed since the last repaint is repainted: the legend and the
// titles never change as the runs go on, and a plot's lines often hold (a
// window without congestion control never moves).
void CompareChart::refresh()
{
    pending_ = frameNow();
    pendingFollows_ = follows_;
    const QRegion changed = changedBetween(shown_, pending_);
    if (!changed.isEmpty()) update(changed);
}

void CompareChart::setLines(std::vector<Line> lines)
{
    lines_ = std::move(lines);
    shown_.reset();
    pending_.reset();
    update();
}

void CompareChart::follow()
{
    ++follows_;
    refresh_.request();
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

void CompareChart::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    std::optional<Frame> frame;
    if (pending_ && pendingFollows_ == follows_ && pending_->size == size() &&
        pending_->pixelRatio == devicePixelRatioF() && pending_->font == font())
        frame = std::move(pending_);
    else
        frame = frameNow();
    pending_.reset();
    // What changed outside this repaint's region is repainted next, so that
    // the screen never keeps a part of an older frame.
    const QRegion& region = event->region();
    const QRegion missed = changedBetween(shown_, frame).subtracted(region);
    if (!missed.isEmpty()) update(missed);
    shown_ = frame;
    if (!frame) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const QRect area = plotsArea();
    const QRect legend(area.left(), 0, area.width(), area.top());
    drawBackground(painter, region, legend, *frame);
    painter.setRenderHint(QPainter::Antialiasing);
    if (region.intersects(legend)) drawLegendLabels(painter, legend);
    drawPlot(painter, region, tr("Transmit window (packets)"), frame->plots[0], plotPictures_[0]);
    drawPlot(painter, region, tr("Goodput (packets per 100 ticks, over the last 200)"), frame->plots[1],
             plotPictures_[1]);
    drawTickAxis(painter, region, *frame);
}

std::optional<CompareChart::Frame> CompareChart::frameNow() const
{
    const QRect area = plotsArea();
    if (area.width() < 10 || area.height() < 4 * Gap) return std::nullopt;
    const int plotHeight = (area.height() - Gap) / 2;
    const QRect windows(area.left(), area.top(), area.width(), plotHeight);
    const QRect goodputs(area.left(), area.bottom() - plotHeight + 1, area.width(), plotHeight);
    Frame frame;
    frame.size = size();
    frame.pixelRatio = devicePixelRatioF();
    frame.font = font();
    frame.firstTick = firstTick();
    frame.lastTick = lastTick();
    frame.plots = {plotOf(windows, 4, &windowAt), plotOf(goodputs, 1, &goodputAt100)};
    return frame;
}

namespace {

bool sameLines(const std::vector<QPolygonF>& a, const std::vector<QPolygonF>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const QPolygonF& x, const QPolygonF& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const QPointF& p, const QPointF& q) {
            return p.x() == q.x() && p.y() == q.y(); // exactly: QPointF's == is fuzzy
        });
    });
}

// Pixels an antialiased line or frame reaches beyond the rectangle it is drawn on.
constexpr int Spill = 2;

} // namespace

// A plot's lines change only its area (they are clipped to it); a new scale
// changes its grid, its frame and its labels, the whole titled block. The
// tick axis, below the lower plot, moves whenever the span of ticks does.
QRegion CompareChart::changedBetween(const std::optional<Frame>& before,
                                     const std::optional<Frame>& after) const
{
    if (!before || !after || before->size != after->size || before->pixelRatio != after->pixelRatio ||
        before->font != after->font)
        return rect();
    QRegion changed;
    for (std::size_t k = 0; k < after->plots.size(); ++k) {
        const Plot& was = before->plots[k];
        const Plot& is = after->plots[k];
        if (was.titled != is.titled || was.top != is.top || was.step != is.step)
            changed += QRect(0, is.titled.top() - Spill, width(), is.titled.height() + 2 * Spill);
        else if (!sameLines(was.lines, is.lines))
            changed += is.area.adjusted(-Spill, -Spill, Spill, Spill); // whole device pixels at any scale
    }
    if (before->firstTick != after->firstTick || before->lastTick != after->lastTick)
        changed += tickAxisBlock(after->plots[1]);
    return changed;
}

// The tick marks and their numbers; the marks reach up into the plot's
// frame. The axis's caption below them stays.
QRect CompareChart::tickAxisBlock(const Plot& goodputs) const
{
    const int top = goodputs.area.bottom() - Spill;
    return {0, top, width(), Spill + 4 + fontMetrics().lineSpacing()};
}

// The title takes a line of its own above the plot, where no line can cross it.
CompareChart::Plot CompareChart::plotOf(const QRect& titled, double top,
                                        double (*value)(const RunTrace&, std::int32_t)) const
{
    Plot plot;
    plot.titled = titled;
    plot.area = titled.adjusted(0, fontMetrics().lineSpacing() + 2, 0, 0);
    const std::int32_t first = firstTick();
    const std::int64_t span = lastTick() - first;
    const std::int64_t columns = plot.area.width();
    // One tick per pixel column: what a repaint reads does not grow with the run.
    std::vector<std::vector<QPointF>> points(lines_.size()); // x in pixels, y as a value
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const RunTrace& trace = *lines_[i].trace;
        std::int32_t lastRead = -1;
        double y = 0;
        for (std::int64_t column = 0; column < columns; ++column) {
            // column * span / (columns - 1) rounded half up, in whole numbers: a
            // frame reads some two thousand columns, ten times a second.
            const auto tick =
                first + static_cast<std::int32_t>((2 * column * span + columns - 1) / (2 * (columns - 1)));
            if (tick < trace.firstTick()) continue;
            if (tick > trace.ticks()) break;
            // Neighbouring columns share a tick while the run is shorter than the plot is wide.
            if (tick != lastRead) {
                y = value(trace, tick);
                lastRead = tick;
            }
            top = std::max(top, y);
            points[i].emplace_back(plot.area.left() + static_cast<int>(column), y);
        }
    }
    // Room above the highest line, so that a window held at its limit is
    // not drawn on the plot's edge.
    top *= 1.15;
    plot.step = niceStep(top / 4);
    plot.top = std::ceil(top / plot.step) * plot.step;

    plot.lines.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::vector<QPointF>& column = points[i];
        plot.lines[i].reserve(static_cast<qsizetype>(column.size()));
        // The ends of each level stretch only: the line is the same, and a
        // window or a goodput stays level for many columns, each a point the
        // stroker would dash and antialias for nothing.
        for (std::size_t k = 0; k < column.size(); ++k) {
            const bool level = k > 0 && k + 1 < column.size() && column[k - 1].y() == column[k].y() &&
                               column[k + 1].y() == column[k].y();
            if (!level) plot.lines[i] << QPointF(column[k].x(), plot.yOf(column[k].y()));
        }
    }
    return plot;
}

double CompareChart::Plot::yOf(double y) const { return area.bottom() - y / top * (area.height() - 1); }

// What changes only with the chart's size or the plots' scales: the white,
// the legend's line samples, the grid lines and frames. Drawn once for them
// and copied: antialiased lines are dear to draw, and the chart is redrawn
// ten times a second. The texts are drawn on the chart itself, as every
// other text of the window is.
void CompareChart::drawBackground(QPainter& painter, const QRegion& region, const QRect& legend,
                                  const Frame& frame)
{
    const qreal ratio = devicePixelRatioF();
    const Background key{size(), ratio, font(), frame.plots[0].top, frame.plots[1].top, lines_.size()};
    if (background_.isNull() || !(key == backgroundKey_)) {
        background_ = QImage(size() * ratio, QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        QPainter image(&background_);
        image.fillRect(rect(), Qt::white);
        image.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics metrics = fontMetrics();
        int x = legend.left();
        const int y = legend.top() + metrics.lineSpacing() / 2 + Gap / 2;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            image.setPen(QPen(colour(i), 3, dash(i)));
            image.drawLine(x, y, x + 30, y);
            x = legendLabelPlace(legend, i).right() + 3 * metrics.averageCharWidth();
        }
        for (const Plot& shown : frame.plots) {
            const Plot* plot = &shown;
            image.setPen(QColor(225, 225, 225));
            for (double value = 0; value <= plot->top + plot->step / 2; value += plot->step)
                image.drawLine(QPointF(plot->area.left(), plot->yOf(value)),
                               QPointF(plot->area.right(), plot->yOf(value)));
            image.setPen(Qt::gray);
            image.drawRect(plot->area.adjusted(0, 0, -1, -1));
        }
        backgroundKey_ = key;
    }
    // Not under the plots' pictures, which are opaque and cover their areas
    // exactly: copying it there cost as much as the pictures. (At a
    // fractional pixel ratio an area's edge may fall inside a pixel.)
    QRegion outside = region;
    if (ratio == std::round(ratio)) {
        for (const Plot& plot : frame.plots)
            outside -= plot.area;
    }
    if (outside.isEmpty()) return;
    painter.setClipRegion(outside);
    painter.drawImage(0, 0, background_);
    painter.setClipping(false);
}

QRect CompareChart::legendLabelPlace(const QRect& legend, std::size_t index) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = legend.left();
    for (std::size_t i = 0;; ++i) {
        const QRect text(x + 36, legend.top() + Gap / 2, metrics.horizontalAdvance(lines_[i].label) + 2,
                         metrics.lineSpacing());
        if (i == index) return text;
        x = text.right() + 3 * metrics.averageCharWidth();
    }
}

void CompareChart::drawLegendLabels(QPainter& painter, const QRect& legend) const
{
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        painter.drawText(legendLabelPlace(legend, i), Qt::AlignLeft | Qt::AlignVCenter, lines_[i].label);
}

void CompareChart::drawPlot(QPainter& painter, const QRegion& region, const QString& title, const Plot& plot,
                            PlotPicture& picture) const
{
    // Each text only where the repaint reaches it: laying it out costs as
    // much as drawing it.
    const QFontMetrics metrics = fontMetrics();
    const int lineSpacing = metrics.lineSpacing();
    painter.setPen(Qt::black);
    const QRect titleLine(plot.titled.left() - lineSpacing, plot.titled.top() - lineSpacing / 2,
                          plot.titled.width() + 2 * lineSpacing, lineSpacing * 3 / 2 + 1);
    if (region.intersects(titleLine)) painter.drawText(plot.titled, Qt::AlignLeft | Qt::AlignTop, title);
    for (double y = 0; y <= plot.top + plot.step / 2; y += plot.step) {
        const QRectF place(0, plot.yOf(y) - lineSpacing / 2.0, plot.area.left() - 4, lineSpacing);
        if (region.intersects(place.toAlignedRect().adjusted(0, -Spill, Spill, Spill)))
            painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    }
    if (!region.intersects(plot.area)) return;

    // The lines, drawn over the plot's part of the background, as a picture
    // that stays while they do: a transmit window often holds for minutes.
    if (picture.image.isNull() || picture.area != plot.area || !(picture.background == backgroundKey_) ||
        !sameLines(picture.lines, plot.lines)) {
        const qreal ratio = background_.devicePixelRatio();
        picture.image = background_.copy(QRect(plot.area.topLeft() * ratio, plot.area.size() * ratio));
        picture.image.setDevicePixelRatio(ratio);
        QPainter image(&picture.image);
        image.setRenderHint(QPainter::Antialiasing);
        image.translate(-plot.area.topLeft());
        image.setClipRect(plot.area);
        for (std::size_t i = 0; i < plot.lines.size(); ++i)
            drawLine(image, plot.lines[i], QPen(colour(i), 2.5, dash(i)), plot.area);
        picture.area = plot.area;
        picture.background = backgroundKey_;
        picture.lines = plot.lines;
    }
    drawPictureInBands(painter, plot.area.topLeft(), picture.image);
}

void CompareChart::drawTickAxis(QPainter& painter, const QRegion& region, const Frame& frame) const
{
    const QRect& area = frame.plots[1].area;
    const QFontMetrics metrics = fontMetrics();
    const std::int32_t first = frame.firstTick;
    const double span = frame.lastTick - first;
    const double pixelsPerTick = (area.width() - 1) / span;
    const double step = niceStep(metrics.horizontalAdvance(QStringLiteral("000000")) / pixelsPerTick);
    painter.setPen(Qt::black);
    if (region.intersects(tickAxisBlock(frame.plots[1]))) {
        for (double tick = std::ceil(first / step) * step; tick <= first + span; tick += step) {
            const double x = area.left() + (tick - first) * pixelsPerTick;
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
            painter.drawText(QRectF(x - 40, area.bottom() + 4, 80, metrics.lineSpacing()), Qt::AlignHCenter,
                             QString::number(tick));
        }
    }
    // Its text keeps to its line, under the numbers' line.
    const QRect caption(area.left(), area.bottom() + 4 + metrics.lineSpacing(), area.width(),
                        metrics.lineSpacing());
    if (region.intersects(caption))
        painter.drawText(caption, Qt::AlignHCenter, tr("tick (50 ms at 1\u00d7)"));
}

#include "ui/qt/ladder_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "frontend/ladder_placement.h"
#include "frontend/marker_shapes.h"
#include "history/run_history.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_exports.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/screen_units.h"

namespace {

QPolygonF polygonOf(const std::vector<double>& xy)
{
    QPolygonF polygon;
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
        polygon << QPointF(xy[i], xy[i + 1]);
    return polygon;
}

void paintSymbol(QPainter& painter, const ladder::PlacedSymbol& symbol, double scale)
{
    const QColor colour = toQColor(symbol.colour);
    if (symbol.cross) {
        const double r = symbol.size / 2;
        painter.setPen(QPen(colour, 2 * scale));
        painter.drawLine(QPointF(symbol.x - r, symbol.y - r), QPointF(symbol.x + r, symbol.y + r));
        painter.drawLine(QPointF(symbol.x - r, symbol.y + r), QPointF(symbol.x + r, symbol.y - r));
        return;
    }
    painter.setPen(QPen(colour, 0.5 * scale));
    painter.setBrush(colour);
    painter.drawPolygon(polygonOf(marker_shapes::outline(symbol.shape, symbol.x, symbol.y, symbol.size)));
    painter.setBrush(Qt::NoBrush);
}

void paintText(QPainter& painter, const ladder::PlacedText& text, const QFont& font)
{
    const QColor colour = toQColor(text.colour);
    const QRectF box(QPointF(text.box.left, text.box.top), QPointF(text.box.right, text.box.bottom));
    if (text.backed) painter.fillRect(box, QColor(255, 255, 255, 235));
    if (text.leader) {
        painter.setPen(QPen(colour, 0.75));
        painter.drawLine(QPointF(text.leaderX1, text.leaderY1), QPointF(text.leaderX2, text.leaderY2));
    }
    QFont used = font;
    used.setBold(text.bold);
    painter.setFont(used);
    painter.setPen(colour);
    const Qt::Alignment across = text.centred      ? Qt::AlignHCenter
                                 : text.alignRight ? Qt::AlignRight
                                                   : Qt::AlignLeft;
    // Measured generously: a little more room on the free side, never clipped.
    const QRectF room = box.adjusted(text.alignRight ? -20 : 0, 0, text.alignRight ? 0 : 20, 0);
    painter.drawText(text.centred ? box.adjusted(-20, 0, 20, 0) : room,
                     static_cast<int>(across | Qt::AlignVCenter), QString::fromStdString(text.text));
}

} // namespace

ladder::Placement paintLadder(QPainter& painter, const ladder::Description& d, const ladder::Layout& layout,
                              const ladder::Palette& palette, bool stateMarks,
                              std::optional<std::int32_t> cursor, bool withKey)
{
    using namespace ladder;
    const double s = layout.scale;
    const auto y = [&](double tick) { return layout.y(tick, d.from); };
    const double top = y(d.from);
    const double bottom = y(d.to);
    Placement placement = place(d, layout, palette, stateMarks);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(layout.fontSize * s))));

    painter.setPen(QPen(toQColor(palette.axis), 2 * s));
    for (const double x : {layout.senderX(), layout.receiverX()})
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    QPolygonF course;
    for (const Line& line : d.lines) {
        QPen pen(toQColor(colourOf(palette, line.kind)), (line.kind == LineKind::Resend ? 2 : 1.25) * s);
        if (dashed(line.kind)) pen.setDashPattern({4, 2.4});
        painter.setPen(pen);
        for (const std::vector<Point>& part : visibleParts(d, line)) {
            course.clear();
            for (const Point& p : part)
                course << QPointF(layout.x(p.across), y(p.tick));
            painter.drawPolyline(course);
        }
    }
    for (const Mark& mark : d.marks) {
        const double at = y(mark.tick);
        const double axis = mark.atReceiver ? layout.receiverX() : layout.senderX();
        painter.setPen(QPen(toQColor(markColour(palette, mark.kind)), 2 * s));
        painter.drawLine(QPointF(axis - 5 * s, at), QPointF(axis + 5 * s, at));
    }
    for (const PlacedSymbol& symbol : placement.symbols)
        if (withKey || symbol.role != TextRole::Key) paintSymbol(painter, symbol, s);
    for (const PlacedText& text : placement.texts)
        if (withKey || text.role != TextRole::Key) paintText(painter, text, font);
    if (cursor && *cursor >= d.from && *cursor <= d.to) {
        painter.setPen(QPen(toQColor(palette.cursor), 1.5 * s, Qt::DashLine));
        painter.drawLine(QPointF(0, y(*cursor)), QPointF(layout.width * s, y(*cursor)));
    }
    painter.restore();
    return placement;
}

void paintLadderKey(QPainter& painter, const ladder::Placement& placement, const ladder::Layout& layout,
                    double top)
{
    if (placement.key.empty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, top - placement.keyTop);
    painter.fillRect(
        QRectF(0, placement.keyTop, layout.width * layout.scale, placement.height - placement.keyTop),
        Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(layout.fontSize * layout.scale))));
    for (const ladder::PlacedSymbol& symbol : placement.symbols)
        if (symbol.role == ladder::TextRole::Key) paintSymbol(painter, symbol, layout.scale);
    for (const ladder::PlacedText& text : placement.texts)
        if (text.role == ladder::TextRole::Key) paintText(painter, text, font);
    painter.restore();
}

LadderView::LadderView(const RunHistory& history, QWidget* parent)
    : QAbstractScrollArea(parent), history_(history), palette_(ladder::palette(false))
{
    setObjectName(QStringLiteral("ladderView"));
    // Sender left, receiver right in every language, as the diagram is drawn.
    setLayoutDirection(Qt::LeftToRight);
    setWindowTitle(tr("Time-Sequence Diagram"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setAccessibleName(tr("Time-sequence diagram of the run"));
    verticalScrollBar()->setObjectName(QStringLiteral("ladderScroll"));
    refresh_.setInterval(RefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &LadderView::refreshNow);
    resize(560, 720);
}

void LadderView::setZoom(int percent)
{
    layout_.scale = std::max(25, percent) / 100.0;
    refreshNow();
}

void LadderView::setSafeColours(bool on)
{
    palette_ = ladder::palette(on);
    viewport()->update();
}

void LadderView::setStateMarks(bool on)
{
    stateMarks_ = on;
    viewport()->update();
}

void LadderView::setFollowing(bool on)
{
    following_ = on;
    refreshNow();
}

void LadderView::setCursorTick(std::int32_t tick)
{
    if (cursor_ == tick) return;
    cursor_ = tick;
    const double at = layout_.y(tick, history_.trace().firstTick());
    QScrollBar* bar = verticalScrollBar();
    if (at < bar->value() || at > bar->value() + viewport()->height()) {
        following_ = false;
        bar->setValue(static_cast<int>(at - viewport()->height() / 2));
    }
    viewport()->update();
}

void LadderView::updateScrollRange()
{
    layout_.width = std::max(360.0, viewport()->width() / layout_.scale);
    const RunTrace& trace = history_.trace();
    const double whole = layout_.height(trace.firstTick(), trace.ticks());
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, static_cast<int>(std::ceil(whole)) - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(static_cast<int>(10 * layout_.pixelsPerTick * layout_.scale));
    if (following_) bar->setValue(bar->maximum());
}

void LadderView::refreshNow()
{
    updateScrollRange();
    viewport()->update();
}

void LadderView::paintEvent(QPaintEvent*)
{
    const RunTrace& trace = history_.trace();
    const std::int32_t origin = trace.firstTick();
    const int scroll = verticalScrollBar()->value();
    const std::int32_t first =
        std::max(origin, static_cast<std::int32_t>(layout_.tickAt(scroll, origin)) - 1);
    const std::int32_t last =
        static_cast<std::int32_t>(layout_.tickAt(scroll + viewport()->height(), origin)) + 1;
    ladder::describeInto(shown_, history_.ladder(), trace, first, std::min(last, trace.ticks()));

    QPainter painter(viewport());
    // Drawn as part of the whole run's drawing, whose origin is the first tick kept.
    painter.save();
    painter.translate(0, layout_.y(shown_.from, origin) - layout_.y(shown_.from, shown_.from) - scroll);
    const ladder::Placement placement =
        paintLadder(painter, shown_, layout_, palette_, stateMarks_, cursor_, false);
    painter.restore();
    // The key to any symbols stays in view, along the bottom.
    if (!placement.key.empty())
        paintLadderKey(painter, placement, layout_,
                       viewport()->height() - (placement.height - placement.keyTop));
}

std::int32_t LadderView::tickAt(const QPoint& point) const
{
    const RunTrace& trace = history_.trace();
    const double tick = layout_.tickAt(point.y() + verticalScrollBar()->value(), trace.firstTick());
    return std::clamp(static_cast<std::int32_t>(std::lround(tick)), trace.firstTick(), trace.ticks());
}

void LadderView::mousePressEvent(QMouseEvent* event)
{
    // A click on a line picks the tick it left, whose log lines tell of its sending.
    std::int32_t tick = tickAt(event->pos());
    const double exact =
        layout_.tickAt(event->position().y() + verticalScrollBar()->value(), history_.trace().firstTick());
    const int line = shown_.lineAt(exact, layout_.acrossAt(event->position().x()), layout_.pickTolerance());
    if (line >= 0) tick = shown_.lines[static_cast<std::size_t>(line)].left;
    following_ = false;
    cursor_ = tick;
    viewport()->update();
    emit cursorPicked(tick);
}

void LadderView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Export Picture\u2026"), this, [this] { emit pictureRequested(); });
    menu.exec(event->globalPos());
}

void LadderView::mouseDoubleClickEvent(QMouseEvent* event) { emit rewindRequested(tickAt(event->pos())); }

void LadderView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void LadderView::scrollContentsBy(int, int)
{
    following_ = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    viewport()->update();
}

void LadderView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    refresh_.start();
    refreshNow();
    emit shownChanged(true);
}

void LadderView::hideEvent(QHideEvent* event)
{
    QAbstractScrollArea::hideEvent(event);
    refresh_.stop();
    emit shownChanged(false);
}

void showLadderView(MainWindow& window, QAction* action, bool shown)
{
    auto* view = window.findChild<LadderView*>(QStringLiteral("ladderView"));
    if (view == nullptr) {
        if (!shown) return;
        view = new LadderView(window.history(), &window);
        view->setWindowFlag(Qt::Window);
        RunChart* chart = window.runPanel()->chart();
        QObject::connect(view, &LadderView::cursorPicked, chart, &RunChart::setCursorTick);
        QObject::connect(chart, &RunChart::cursorMoved, view, &LadderView::setCursorTick);
        QObject::connect(view, &LadderView::rewindRequested, &window,
                         [&window](std::int32_t tick) { window.rewindTo(tick); });
        QObject::connect(view, &LadderView::shownChanged, action, &QAction::setChecked);
        QObject::connect(view, &LadderView::pictureRequested, &window, [&window, view] {
            window.pictureExports().askAndExportPicture(pictures::View::Diagram, view);
        });
    }
    if (shown) {
        const FormView* options = window.clientArea();
        view->setZoom(options->zoom());
        view->setSafeColours(options->safeColours());
        view->setStateMarks(options->stateMarks());
    }
    view->setVisible(shown);
}

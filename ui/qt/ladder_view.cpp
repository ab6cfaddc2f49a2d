#include "ui/qt/ladder_view.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "history/run_history.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/screen_units.h"

namespace {

// One column of texts, each left out when it would overwrite the one before.
class Column {
public:
    Column(QPainter& painter, double x, Qt::Alignment align, double spacing)
        : painter_(painter), x_(x), align_(align), spacing_(spacing)
    {
    }
    void write(double y, const QString& text, QColor colour)
    {
        if (y - last_ < spacing_) return;
        last_ = y;
        const double w = 400;
        const QRectF box(align_ & Qt::AlignRight ? x_ - w : x_, y - spacing_, w, 2 * spacing_);
        painter_.setPen(colour);
        painter_.drawText(box, static_cast<int>(align_ | Qt::AlignVCenter), text);
    }

private:
    QPainter& painter_;
    double x_;
    Qt::Alignment align_;
    double spacing_;
    double last_ = -1e9;
};

void haloText(QPainter& painter, QPointF centre, const QString& text, QColor colour)
{
    const QRectF box(centre.x() - 200, centre.y() - 20, 400, 40);
    const QRectF used = painter.boundingRect(box, Qt::AlignCenter, text);
    painter.fillRect(used.adjusted(-1, 0, 1, 0), QColor(255, 255, 255, 220));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

void paintLadder(QPainter& painter, const ladder::Description& d, const ladder::Layout& layout,
                 const ladder::Palette& palette, bool stateMarks, std::optional<std::int32_t> cursor)
{
    using namespace ladder;
    const double s = layout.scale;
    const auto y = [&](double tick) { return layout.y(tick, d.from); };
    const double top = y(d.from);
    const double bottom = y(d.to);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::lround(layout.fontSize * s)));
    painter.setFont(font);

    for (const auto& [x, name] :
         {std::pair{layout.senderX(), "Sender"}, std::pair{layout.receiverX(), "Receiver"}}) {
        painter.setPen(QPen(toQColor(palette.axis), 2 * s));
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(toQColor(palette.text));
        painter.drawText(QRectF(x - 100, top - 24 * s, 200, 16 * s), Qt::AlignCenter,
                         QString::fromLatin1(name));
        painter.setFont(font);
    }
    Column ticks(painter, layout.tickNumbersRight(), Qt::AlignRight, layout.textSpacing());
    const std::int32_t step = tickNumberStep(layout);
    for (std::int32_t tick = (d.from + step - 1) / step * step; tick <= d.to; tick += step)
        ticks.write(y(tick), QString::number(tick), toQColor(palette.axis));
    Column windows(painter, layout.windowNotesRight(), Qt::AlignRight, layout.textSpacing());
    for (const WindowNote& note : d.windows)
        windows.write(y(note.tick), QStringLiteral("%1-%2").arg(note.first).arg(note.last),
                      toQColor(palette.window));

    painter.setClipRect(QRectF(0, top, layout.width * s + 1, bottom - top), Qt::IntersectClip);
    QPolygonF course;
    for (const Line& line : d.lines) {
        course.clear();
        for (const Point* p = d.begin(line); p != d.end(line); ++p)
            course << QPointF(layout.x(p->across), y(p->tick));
        QPen pen(toQColor(colourOf(palette, line.kind)), (line.kind == LineKind::Resend ? 2 : 1.25) * s);
        if (dashed(line.kind)) pen.setDashPattern({4, 2.4});
        painter.setPen(pen);
        painter.drawPolyline(course);
    }
    for (const Line& line : d.lines) {
        const QColor colour = toQColor(colourOf(palette, line.kind));
        haloText(painter, QPointF(layout.x(line.labelAt.across), y(line.labelAt.tick)),
                 QString::fromStdString(labelText(line, stateMarks)), colour);
        if (line.ending == Ending::Lost) {
            const Point& end = d.end(line)[-1];
            const QPointF at(layout.x(end.across), y(end.tick));
            const double r = 5 * s;
            painter.setPen(QPen(toQColor(palette.lost), 2 * s));
            painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        }
    }
    painter.setClipping(false);

    Column senderMarks(painter, layout.marksRight(), Qt::AlignRight, layout.textSpacing());
    Column receiverMarks(painter, layout.receiverX() + 6 * s, Qt::AlignLeft, layout.textSpacing());
    for (const Mark& mark : d.marks) {
        const double at = y(mark.tick);
        const double axis = mark.atReceiver ? layout.receiverX() : layout.senderX();
        const Colour colour = markColour(palette, mark.kind);
        painter.setPen(QPen(toQColor(colour), 2 * s));
        painter.drawLine(QPointF(axis - 5 * s, at), QPointF(axis + 5 * s, at));
        (mark.atReceiver ? receiverMarks : senderMarks)
            .write(at, QString::fromStdString(mark.text), toQColor(colour));
    }
    if (cursor && *cursor >= d.from && *cursor <= d.to) {
        painter.setPen(QPen(toQColor(palette.cursor), 1.5 * s, Qt::DashLine));
        painter.drawLine(QPointF(0, y(*cursor)), QPointF(layout.width * s, y(*cursor)));
    }
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
    painter.translate(0, layout_.y(shown_.from, origin) - layout_.y(shown_.from, shown_.from) - scroll);
    paintLadder(painter, shown_, layout_, palette_, stateMarks_, cursor_);
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
    }
    if (shown) {
        const FormView* options = window.clientArea();
        view->setZoom(options->zoom());
        view->setSafeColours(options->safeColours());
        view->setStateMarks(options->stateMarks());
    }
    view->setVisible(shown);
}

#include "ui/qt/run_panel.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/qt/event_log_view.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/translation.h"

namespace {

constexpr double ZoomStep = 1.5;

} // namespace

RunPanel::RunPanel(const RunTrace& trace, QWidget* parent)
    : QWidget(parent, Qt::Window), trace_(&trace), chart_(new RunChart(trace, this)),
      scroll_(new QScrollBar(Qt::Horizontal, this)), log_(new EventLogView(trace, this)),
      cursorLabel_(new QLabel(this)),
      runPicker_(new QComboBox(this)), toolBars_{new QToolBar(this), new QToolBar(this), new QToolBar(this)},
      toolRows_(new QVBoxLayout)
{
    setObjectName(QStringLiteral("runPanel"));
    setWindowTitle(tr("Chart and Log"));
    chart_->setObjectName(QStringLiteral("runChart"));
    scroll_->setObjectName(QStringLiteral("chartScroll"));
    cursorLabel_->setObjectName(QStringLiteral("cursorLabel"));

    // In three parts, the run's, the chart's view and the rewind, so that a
    // narrow panel (beside the client area in full screen, at a large zoom)
    // can stack them rather than push tools into the overflow menu.
    QToolBar* tools = toolBars_[0];
    runPicker_->setObjectName(QStringLiteral("runPicker"));
    runPicker_->setToolTip(
        tr("The run the chart, the log and the CSV export show; each Reset begins a new run"));
    runPicker_->addItem(tr("Run 1 (current)"));
    runTraces_.push_back(&trace);
    tools->addWidget(runPicker_);
    connect(runPicker_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(runTraces_.size()))
            showTrace(*runTraces_[static_cast<std::size_t>(index)],
                      runLadders_.empty() ? nullptr : runLadders_[static_cast<std::size_t>(index)],
                      index == 0);
    });
    tools->addSeparator();
    followAction_ = tools->addAction(tr("Follow Run"));
    followAction_->setObjectName(QStringLiteral("actionFollow"));
    followAction_->setCheckable(true);
    followAction_->setChecked(true);
    followAction_->setToolTip(tr("Keep the latest tick at the right edge"));
    connect(followAction_, &QAction::toggled, chart_, &RunChart::setFollowing);

    tools = toolBars_[1];
    QAction* zoomIn = tools->addAction(tr("Zoom In"));
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomIn->setToolTip(
        tr("Fewer ticks across the chart (%1)").arg(QKeySequence(QKeySequence::ZoomIn).toString()));
    connect(zoomIn, &QAction::triggered, this,
            [this] { chart_->zoomBy(1 / ZoomStep, (chart_->firstShown() + chart_->lastShown()) / 2); });
    QAction* zoomOut = tools->addAction(tr("Zoom Out"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomOut->setToolTip(
        tr("More ticks across the chart (%1)").arg(QKeySequence(QKeySequence::ZoomOut).toString()));
    connect(zoomOut, &QAction::triggered, this,
            [this] { chart_->zoomBy(ZoomStep, (chart_->firstShown() + chart_->lastShown()) / 2); });
    QAction* whole = tools->addAction(tr("Whole Run"));
    whole->setToolTip(tr("Every tick so far"));
    connect(whole, &QAction::triggered, chart_, &RunChart::showWholeRun);
    tools = toolBars_[2];
    rewindAction_ = tools->addAction(tr("Rewind to Cursor"));
    rewindAction_->setObjectName(QStringLiteral("actionRewindToCursor"));
    rewindAction_->setToolTip(tr("Go back to the tick under the cursor and pause there; "
                                 "what happened after it is dropped (also: double click on the chart)"));
    rewindAction_->setEnabled(false);
    connect(rewindAction_, &QAction::triggered, this, [this] {
        if (const auto tick = chart_->cursorTick()) emit rewindRequested(*tick);
    });

    auto* chartArea = new QWidget(this);
    auto* chartLayout = new QVBoxLayout(chartArea);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->setSpacing(0);
    toolRows_->setSpacing(0);
    chartLayout->addLayout(toolRows_);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(scroll_);
    // Under the chart rather than in the tool bar: at a large zoom the tool
    // bar runs out of room, and the tick must stay in sight.
    chartLayout->addWidget(cursorLabel_);
    // As many to a row as fit whole (three, two or one): a wrapped title
    // would be cut when the splitter squeezes the row.
    figureGrid_ = new QGridLayout;
    figureGrid_->setContentsMargins(6, 2, 6, 2);
    for (std::size_t row = 0; row < figures::RowTitles.size(); ++row) {
        auto* cell = new QLabel(this);
        cell->setObjectName(QStringLiteral("figure_%1").arg(row));
        cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // The columns follow the panel's width (fitFigureColumns), never the other way round.
        cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        figureCells_.push_back(cell);
    }

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(chartArea);
    // Above the log rather than in the chart's area: in a narrow panel they
    // wrap, and the log, which scrolls, gives up the room rather than the chart.
    auto* logArea = new QWidget(this);
    auto* logLayout = new QVBoxLayout(logArea);
    logLayout->setContentsMargins(0, 0, 0, 0);
    logLayout->setSpacing(0);
    logLayout->addLayout(figureGrid_);
    logLayout->addWidget(log_, 1);
    split->addWidget(logArea);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
    resize(960, 720);
    fitToolRows();
    fitFigureColumns();

    connect(chart_, &RunChart::viewChanged, this, &RunPanel::showRangeOnScrollBar);
    connect(chart_, &RunChart::cursorMoved, this, [this](std::int32_t tick) {
        showCursor();
        // A cursor put there from the log keeps the entry the user picked.
        if (!cursorFromLog_) log_->selectTick(tick);
    });
    connect(chart_, &RunChart::rewindRequested, this, [this](std::int32_t tick) {
        if (showsCurrent_) emit rewindRequested(tick);
    });
    connect(log_, &EventLogView::tickSelected, this, [this](std::int32_t tick) {
        cursorFromLog_ = true;
        chart_->setCursorTick(tick);
        cursorFromLog_ = false;
    });
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int first) {
        if (first >= scroll_->maximum()) {
            chart_->setFollowing(true);
        } else {
            chart_->showRange(first, first + chart_->span());
        }
    });

    refresh_.setSingleShot(true);
    refresh_.setInterval(RefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &RunPanel::refreshNow);
    showCursor();
}

void RunPanel::showRuns(const RunHistory& history)
{
    runTraces_.clear();
    runLadders_.clear();
    const QSignalBlocker quiet(runPicker_);
    runPicker_->clear();
    // The current run first, then the earlier ones, newest first.
    for (std::size_t i = history.runCount(); i-- > 0;) {
        const RunHistory::Run& run = history.run(i);
        QString text = tr("Run %1").arg(run.number);
        if (!run.title.empty()) text += QStringLiteral(": ") + QString::fromStdString(run.title);
        if (i + 1 == history.runCount()) text += tr(" (current)");
        runPicker_->addItem(text);
        runTraces_.push_back(&run.trace);
        runLadders_.push_back(&run.ladder);
    }
    runPicker_->setCurrentIndex(0);
    showTrace(history.trace(), &history.ladder(), true);
}

void RunPanel::showTrace(const RunTrace& trace, const LadderTrace* ladder, bool current)
{
    trace_ = &trace;
    ladder_ = ladder;
    figuresTick_ = -1;
    showsCurrent_ = current;
    chart_->setTrace(trace);
    log_->setTrace(trace);
    rewoundSinceRefresh_ = false;
    showCursor();
}

void RunPanel::follow()
{
    if (isVisible() && !refresh_.isActive()) refresh_.start();
}

void RunPanel::rewound()
{
    rewoundSinceRefresh_ = true;
    if (isVisible()) refreshNow();
}

void RunPanel::refreshNow()
{
    refresh_.stop();
    if (rewoundSinceRefresh_) {
        rewoundSinceRefresh_ = false;
        chart_->reload();
        log_->reset();
        figuresTick_ = -1;
    } else {
        chart_->follow();
        log_->follow();
    }
    showCursor();
    showFigures();
}

void RunPanel::showFigures()
{
    if (ladder_ == nullptr || trace_->ticks() == figuresTick_) return;
    figuresTick_ = trace_->ticks();
    shownFigures_ = figuresOf(*trace_, *ladder_);
    for (std::size_t row = 0; row < figureCells_.size(); ++row)
        figureCells_[row]->setText(QStringLiteral("%1: <b>%2</b>")
                                       .arg(translation::shown(figures::RowTitles[row]),
                                            QString::fromStdString(figures::cell(shownFigures_, row))));
}

void RunPanel::showRangeOnScrollBar()
{
    const QSignalBlocker quiet(scroll_);
    const int span = static_cast<int>(std::lround(chart_->span()));
    scroll_->setRange(0, std::max(0, trace_->ticks() - span));
    scroll_->setPageStep(std::max(1, span));
    scroll_->setSingleStep(std::max(1, span / 20));
    scroll_->setValue(chart_->following() ? scroll_->maximum() : static_cast<int>(chart_->firstShown()));
    if (followAction_ && followAction_->isChecked() != chart_->following()) {
        const QSignalBlocker quietAction(followAction_);
        followAction_->setChecked(chart_->following());
    }
}

void RunPanel::showCursor()
{
    const auto tick = chart_->cursorTick();
    const bool onRun = tick && *tick <= trace_->ticks() && *tick >= trace_->firstTick();
    // Earlier runs can be looked at, not rewound into.
    rewindAction_->setEnabled(onRun && showsCurrent_);
    cursorLabel_->setText(
        onRun ? tr("  cursor: tick %1 of %2").arg(*tick).arg(trace_->ticks())
              : tr("  tick %1 (click the chart to put the cursor on a tick)").arg(trace_->ticks()));
}

void RunPanel::showEvent(QShowEvent* event)
{
    // The first time, beside the main window rather than over it.
    if (!placed_ && parentWidget()) {
        move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
        placed_ = true;
    }
    QWidget::showEvent(event);
    log_->reset(); // it did not follow while hidden; the chart reloads on its own show
    rewoundSinceRefresh_ = false;
    figuresTick_ = -1; // a rewind while hidden may have landed on the same tick
    showCursor();
    showFigures();
    emit shownChanged(true);
}

void RunPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    refresh_.stop();
    emit shownChanged(false);
}

void RunPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitToolRows();
    fitFigureColumns();
}

void RunPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitToolRows();
        figureColumns_ = 0;
        fitFigureColumns();
    }
}

void RunPanel::fitFigureColumns()
{
    // Room for the longest title with a three-figure number.
    const QFontMetrics metrics = figureCells_.front()->fontMetrics();
    int widest = 0;
    for (const char* title : figures::RowTitles)
        widest =
            std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(title) + QStringLiteral(": 000.0")));
    const QMargins margins = figureGrid_->contentsMargins();
    const int room =
        contentsRect().width() - margins.left() - margins.right() + figureGrid_->horizontalSpacing();
    const int columns = std::clamp(room / (widest + figureGrid_->horizontalSpacing()), 1, 3);
    if (columns == figureColumns_) return;
    figureColumns_ = columns;
    for (QLabel* cell : figureCells_)
        figureGrid_->removeWidget(cell);
    for (std::size_t row = 0; row < figureCells_.size(); ++row)
        figureGrid_->addWidget(figureCells_[row], static_cast<int>(row) / columns,
                               static_cast<int>(row) % columns);
}

void RunPanel::fitToolRows()
{
    // The panel's own width: the chart's area is laid out to it only after this.
    const QMargins margins = layout() != nullptr ? layout()->contentsMargins() : QMargins();
    const int room = contentsRect().width() - margins.left() - margins.right();
    std::vector<int> rowOf;
    int row = 0;
    int used = 0;
    for (const QToolBar* tools : toolBars_) {
        const int width = tools->sizeHint().width();
        if (used > 0 && used + width > room) {
            ++row;
            used = 0;
        }
        rowOf.push_back(row);
        used += width;
    }
    if (rowOf == toolRowOf_) return;
    toolRowOf_ = rowOf;
    // The rows go; the tool bars stay with the chart's area and join the new rows.
    while (QLayoutItem* line = toolRows_->takeAt(0))
        delete line;
    QHBoxLayout* line = nullptr;
    for (std::size_t index = 0; index < toolBars_.size(); ++index) {
        if (index == 0 || rowOf[index] != rowOf[index - 1]) {
            line = new QHBoxLayout;
            line->setSpacing(0);
            toolRows_->addLayout(line);
        }
        line->addWidget(toolBars_[index],
                        index + 1 == toolBars_.size() || rowOf[index + 1] != rowOf[index] ? 1 : 0);
    }
}

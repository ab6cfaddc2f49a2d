#include "ui/qt/compare_window.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "core/numbers.h"
#include "frontend/run_clock.h"
#include "ui/qt/compare_chart.h"
#include "ui/qt/compare_diagram.h"
#include "ui/qt/figures_table.h"
#include "ui/qt/form_view.h"
#include "ui/qt/losses_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_exports.h"
#include "ui/qt/status_line_slot.h"
#include "ui/qt/tick_timer.h"
#include "ui/qt/translation.h"

namespace {

QString buttonText(const std::string& caption)
{
    return QStringLiteral("&") + QString::fromStdString(caption);
}

constexpr int Margin = 4;
constexpr int Spacing = 8;
// What a window manager adds around a window: its borders, and the title bar.
constexpr QSize FrameAllowance(16, 40);

} // namespace

CompareWindow::CompareWindow(std::unique_ptr<Comparison> comparison, MainWindow& owner)
    : QMainWindow(&owner, Qt::Window), comparison_(std::move(comparison)), owner_(owner),
      clock_(new TickTimer(QStringLiteral("compareClock"), owner.speed(), this))
{
    setObjectName(QStringLiteral("compareWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    QString title;
    for (const std::string& label : comparison_->labels())
        title += (title.isEmpty() ? QString() : tr(" \u00b7 ")) + QString::fromStdString(label);
    setWindowTitle(tr("Compare: %1").arg(title));

    for (std::size_t i = 0; i < comparison_->size(); ++i)
        comparison_->form(i).showMessageBox = [this, i](const std::string& text) { showMessageBox(i, text); };

    connect(clock_, &TickTimer::fired, this, &CompareWindow::runTick);
    buildControls();
    buildViews();
    setZoom(largestZoomThatFits());
    // As tall as the screen allows, up to what the chart would like: the
    // chart takes what is left under the views.
    if (const QScreen* shown = screen()) {
        const QSize room = shown->availableGeometry().size() - FrameAllowance;
        resize(sizeHint().expandedTo(minimumSizeHint()).boundedTo(room));
    }
    showComparison();
}

CompareWindow::~CompareWindow()
{
    // The models must not call back into a window that is going away.
    for (std::size_t i = 0; i < comparison_->size(); ++i)
        comparison_->form(i).showMessageBox = nullptr;
    // The views and the chart read the comparison's models and records,
    // which would otherwise go before the child widgets do.
    delete takeCentralWidget();
}

QTableWidget* CompareWindow::table() const { return table_; }

// Keys as in the main window: F5, F6, Ctrl with the arrows.
void CompareWindow::buildControls()
{
    QToolBar* tools = addToolBar(tr("Run"));
    tools->setObjectName(QStringLiteral("compareTools"));
    tools->setMovable(false);
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys) {
        QAction* action = tools->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        return action;
    };
    startReset_ = add("compareStartReset", QString(), QKeySequence(Qt::Key_F5));
    connect(startReset_, &QAction::triggered, this, [this] { runEvent(0, {EventKind::StartReset, 0, 0}); });
    pauseCont_ = add("comparePauseCont", QString(), QKeySequence(Qt::Key_F6));
    connect(pauseCont_, &QAction::triggered, this, [this] { runEvent(0, {EventKind::PauseCont, 0, 0}); });
    connect(add("compareStep", tr("S&tep"), QKeySequence(Qt::CTRL | Qt::Key_Right)), &QAction::triggered,
            this, &CompareWindow::step);
    stepBack_ = add("compareStepBack", tr("Step &Back"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    connect(stepBack_, &QAction::triggered, this, &CompareWindow::stepBack);
    tools->addSeparator();
    speedBox_ = new QComboBox(tools);
    speedBox_->setObjectName(QStringLiteral("compareSpeed"));
    speedBox_->setToolTip(tr("Speed of the shared clock"));
    for (int i = 0; i < static_cast<int>(run_clock::Speeds.size()); ++i)
        speedBox_->addItem(QString::fromStdString(run_clock::speedName(i)));
    speedBox_->setCurrentIndex(clock_->speed());
    connect(speedBox_, &QComboBox::activated, this, &CompareWindow::setSpeed);
    tools->addWidget(speedBox_);
    tools->addSeparator();
    connect(add("compareLosses", tr("&Losses\u2026"), QKeySequence()), &QAction::triggered, this,
            &CompareWindow::askLosses);
    connect(add("compareDiagram", tr("&Diagram\u2026"), QKeySequence()), &QAction::triggered, this,
            [this] { showComparisonDiagram(this, *comparison_); });
    connect(add("compareSave", tr("&Save\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, [this] { owner_.askAndSaveScript(comparison_->script(), comparison_->ticks(), this); });
    connect(add("compareExportPicture", tr("E&xport Picture\u2026"), QKeySequence()), &QAction::triggered,
            this, [this] { owner_.pictureExports().askAndExportComparison(*comparison_, this); });
    connect(add("compareHandout", tr("&Handout\u2026"), QKeySequence()), &QAction::triggered, this,
            [this] { owner_.pictureExports().askAndExportHandout(comparison_.get(), this); });
    tools->addSeparator();
    connect(add("compareZoomOut", tr("Smaller"), QKeySequence(QKeySequence::ZoomOut)), &QAction::triggered,
            this, [this] {
                const auto below = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                                [this](int step) { return step < zoom_; });
                if (below != ZoomSteps.rend()) setZoom(*below);
            });
    connect(add("compareZoomIn", tr("Larger"), QKeySequence(QKeySequence::ZoomIn)), &QAction::triggered, this,
            [this] {
                const auto above = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                                [this](int step) { return step > zoom_; });
                if (above != ZoomSteps.end()) setZoom(*above);
            });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("compareStatus"));
    status_->setTextFormat(Qt::PlainText);
    statusBar()->setSizeGripEnabled(false);
    statusSlot_ = new StatusLineSlot(status_, this);
    statusBar()->addWidget(statusSlot_, 1);
}

void CompareWindow::buildViews()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Spacing);
    auto* viewRow = new QHBoxLayout;
    viewRow->setSpacing(Spacing);
    for (std::size_t i = 0; i < comparison_->size(); ++i) {
        auto* column = new QVBoxLayout;
        auto* title = new QLabel(QString::fromStdString(comparison_->label(i)), central);
        title->setObjectName(QStringLiteral("compareTitle_%1").arg(i));
        title->setTextFormat(Qt::PlainText);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        // The label in the chart's colour for this configuration, so the two are matched at a glance.
        title->setStyleSheet(QStringLiteral("color: %1").arg(CompareChart::colour(i).name()));
        auto* view = new FormView(
            comparison_->form(i), [this, i](const UserEvent& event) { runEvent(i, event); }, central);
        view->setObjectName(QStringLiteral("compareView_%1").arg(i));
        view->allowZoomBelowActualSize();
        views_.push_back(view);
        column->setSpacing(2);
        column->addWidget(title);
        column->addWidget(view);
        column->addStretch(1);
        viewRow->addLayout(column);
    }
    viewRow->addStretch(1);
    layout->addLayout(viewRow);

    auto* below = new QHBoxLayout;
    chart_ = new CompareChart(central);
    std::vector<CompareChart::Line> lines;
    for (std::size_t i = 0; i < comparison_->size(); ++i)
        lines.push_back({&comparison_->history(i).trace(), QString::fromStdString(comparison_->label(i))});
    chart_->setLines(std::move(lines));
    connect(chart_, &CompareChart::rewindRequested, this, &CompareWindow::rewindTo);
    below->addWidget(chart_, 1);

    table_ = new FiguresTable(static_cast<int>(figures::RowTitles.size()),
                              static_cast<int>(comparison_->size()), central);
    table_->setObjectName(QStringLiteral("compareTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    QStringList rows;
    for (const char* title : figures::RowTitles)
        rows << QString::fromUtf8(title);
    table_->setVerticalHeaderLabels(rows);
    for (std::size_t i = 0; i < comparison_->size(); ++i) {
        auto* header = new QTableWidgetItem(QString::fromStdString(comparison_->label(i)));
        header->setForeground(CompareChart::colour(i));
        table_->setHorizontalHeaderItem(static_cast<int>(i), header);
        for (int row = 0; row < table_->rowCount(); ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, static_cast<int>(i), item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* side = new QVBoxLayout;
    side->addWidget(table_);
    auto* hint = new QLabel(tr("Each configuration loses the same packets and ACKs. A click on the chart "
                               "takes all of them back to that tick; a packet or ACK you lose in one "
                               "window is lost in the others too."),
                            central);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);
    side->addWidget(hint);
    side->addStretch(1);
    below->addLayout(side);
    layout->addLayout(below, 1);
    setCentralWidget(central);
}

// ============================================================================
// Running events and the clock
// ============================================================================

void CompareWindow::runEvent(std::size_t index, const UserEvent& event)
{
    if (eventRunning_ || index >= comparison_->size()) return;
    eventRunning_ = true;
    views_[index]->noteEvent(event);
    comparison_->apply(index, event);
    eventRunning_ = false;
    showComparison();
}

void CompareWindow::runTick()
{
    if (eventRunning_) return;
    eventRunning_ = true;
    comparison_->tick();
    eventRunning_ = false;
    for (FormView* view : views_)
        view->showModel();
    showControls();
    figuresRefresh_.request();
    chart_->follow();
    syncClock();
}

void CompareWindow::step()
{
    if (eventRunning_) return;
    eventRunning_ = true;
    comparison_->step();
    eventRunning_ = false;
    showComparison();
}

void CompareWindow::stepBack()
{
    if (comparison_->ticks() > 0) rewindTo(comparison_->ticks() - 1);
}

bool CompareWindow::rewindTo(std::int32_t tick)
{
    if (eventRunning_) return false;
    eventRunning_ = true;
    const bool rewound = comparison_->rewindTo(tick);
    eventRunning_ = false;
    figuresTick_ = -1;
    showComparison();
    return rewound;
}

void CompareWindow::setSpeed(int index)
{
    if (!run_clock::isSpeed(index)) return;
    clock_->setSpeed(index);
    if (speedBox_->currentIndex() != index) speedBox_->setCurrentIndex(index);
    syncClock();
    showStatus();
}

int CompareWindow::tickInterval() const { return clock_->interval(comparison_->form(0).Timer1.Interval); }

void CompareWindow::syncClock()
{
    clock_->sync(comparison_->running(), comparison_->form(0).Timer1.Interval);
}

// The model's one message box, titled with the configuration it came from;
// the shared clock waits until it is closed, as the main window's does.
void CompareWindow::showMessageBox(std::size_t index, const std::string& text)
{
    clock_->setMessageBoxOpen(true);
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdString(comparison_->label(index)),
                                translation::shown(text), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this] {
        clock_->setMessageBoxOpen(false);
        syncClock();
    });
    box->open();
}

// ============================================================================
// Losses, saving and the zoom
// ============================================================================

void CompareWindow::askLosses()
{
    LossesDialog dialog(comparison_->losses(), this);
    if (dialog.exec() == QDialog::Accepted) setLosses(dialog.settings());
}

void CompareWindow::setLosses(const LossSettings& losses)
{
    comparison_->setLosses(losses);
    showComparison();
}

bool CompareWindow::save(const QString& path) { return owner_.saveScript(path, comparison_->script()); }

void CompareWindow::setZoom(int percent)
{
    zoom_ = std::clamp(percent, ZoomSteps.front(), ZoomSteps.back());
    for (FormView* view : views_)
        view->setZoom(zoom_);
}

int CompareWindow::largestZoomThatFits() const
{
    const QScreen* shown = screen() != nullptr ? screen() : owner_.screen();
    if (shown == nullptr) return ZoomSteps.back();
    const QSize room = shown->availableGeometry().size() - FrameAllowance;
    const auto count = static_cast<int>(comparison_->size());
    // Beside the views: the margins and the gaps between them. Below: the
    // chart at its smallest readable height and the controls.
    const int besideViews = 2 * Margin + (count - 1) * Spacing;
    const QWidget* title = findChild<QWidget*>(QStringLiteral("compareTitle_0"));
    const int belowViews = 2 * Margin + 2 * Spacing + (title != nullptr ? title->sizeHint().height() : 0) +
                           chart_->minimumSizeHint().height() +
                           findChild<QToolBar*>(QStringLiteral("compareTools"))->sizeHint().height() +
                           statusBar()->sizeHint().height();
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step) {
        const double scale = *step / 100.0 / geometry::TwipsPerPixel;
        const double width = count * std::ceil(geometry::ClientWidth * scale) + besideViews;
        const double height = std::ceil(geometry::ClientHeight * scale) + belowViews;
        if (width <= room.width() && height <= room.height()) return *step;
    }
    return ZoomSteps.front();
}

// ============================================================================
// Showing the comparison
// ============================================================================

void CompareWindow::showComparison()
{
    for (FormView* view : views_)
        view->showModel();
    showControls();
    showStatus();
    showFigures();
    chart_->follow();
    syncClock();
}

void CompareWindow::showControls()
{
    const Form1& first = comparison_->form(0);
    const QString start = buttonText(first.cmdReset.Caption);
    if (startReset_->text() != start) startReset_->setText(start);
    const QString pause = buttonText(first.cmdPause.Caption);
    if (pauseCont_->text() != pause) pauseCont_->setText(pause);
    const bool canStepBack = comparison_->ticks() > 0;
    if (stepBack_->isEnabled() != canStepBack) stepBack_->setEnabled(canStepBack);
}

void CompareWindow::showStatus()
{
    const std::string dot = " \u00b7 ";
    const std::string text = "Tick " + std::to_string(comparison_->ticks()) + dot +
                             run_clock::speedName(clock_->speed()) + dot +
                             losses::summary(comparison_->losses());
    if (text == shownStatus_) return;
    shownStatus_ = text;
    statusSlot_->setText(translation::shown(text));
}

// Only when the tick moved: the figures read the runs' records.
void CompareWindow::showFigures()
{
    if (figuresTick_ == comparison_->ticks()) return;
    figuresTick_ = comparison_->ticks();
    const std::vector<RunFigures> all = comparison_->figures();
    std::vector<std::vector<QString>> texts(all.size());
    for (std::size_t column = 0; column < all.size(); ++column) {
        for (std::size_t row = 0; row < figures::RowTitles.size(); ++row)
            texts[column].push_back(QString::fromStdString(figures::cell(all[column], row)));
    }
    table_->setTexts(texts);
}

#include "ui/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QUrl>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "core/app_version.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "ui/qt/form_view.h"
#include "ui/qt/ladder_view.h"
#include "ui/qt/lessons_dialog.h"
#include "ui/qt/practice_panel.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/window_placement.h"
#include "ui/qt/zoom_style.h"

namespace {

// "&Start", "&Reset", "&Pause", "&Cont": the menu says what the button says.
QString menuText(const std::string& caption) { return QStringLiteral("&") + QString::fromStdString(caption); }

} // namespace

const QString MainWindow::WindowCaption = QStringLiteral("Quill's Sliding Window Demo");

// ============================================================================
// Building the window and its menus
// ============================================================================

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(WindowCaption);

    form_.showMessageBox = [this](const std::string& text) { showMessageBox(text); };
    form_.Form_Load();
    history_.emplace(form_);
    // Before any call of the history: a phone that joins rebuilds the run from its very start.
    classroom_ = std::make_unique<ClassroomSession>(form_, *history_);

    // Built as a child of this window from the start, so that the focus it
    // gives Start survives until the window is first shown.
    clientArea_ = new FormView(
        form_, [this](const UserEvent& event) { runEvent(event); }, this);
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea_);
    // The client area keeps its size; the window is that plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    clock_.setObjectName(QStringLiteral("Timer1"));
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &MainWindow::runTick);

    setAcceptDrops(true);
    buildMenus();
    buildStatusBar();
    showModel();
}

MainWindow::~MainWindow()
{
    if (panel_ != nullptr && panel_->isVisible()) rememberPanelPlace();
    // The model must not call back into a window that is going away.
    form_.showMessageBox = nullptr;
    // The panel reads the history's runs, which go before the child widgets would.
    const std::unique_ptr<RunPanel> panel(panel_);
    panel_ = nullptr;
}

QAction* MainWindow::addMenuAction(QMenu* menu, const QString& name, const QString& text,
                                   const QKeySequence& keys)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(keys);
    return action;
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildRunMenu();
    buildOptionsMenu();
    buildNetworkMenu();
    buildClassroomActions(menuBar()->findChild<QMenu*>(QStringLiteral("runMenu")),
                          menuBar()->findChild<QMenu*>(QStringLiteral("fileMenu")));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    panelAction_ = addMenuAction(view, QStringLiteral("actionPanel"), tr("&Chart and Log"),
                                 QKeySequence(Qt::CTRL | Qt::Key_L));
    panelAction_->setCheckable(true);
    connect(panelAction_, &QAction::toggled, this, &MainWindow::showPanel);
    buildViewMenu(view);
    QAction* ladder =
        addMenuAction(view, QStringLiteral("actionLadder"), tr("&Time-Sequence Diagram"), QKeySequence());
    ladder->setCheckable(true);
    connect(ladder, &QAction::toggled, this,
            [this, ladder](bool shown) { showLadderView(*this, ladder, shown); });
    buildShareActions(view);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    connect(addMenuAction(help, QStringLiteral("actionLessons"), tr("&Lessons..."), QKeySequence()),
            &QAction::triggered, this, &MainWindow::showLessons);
    connect(
        addMenuAction(help, QStringLiteral("actionKeys"), tr("&Keys and Mouse"), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, this, &MainWindow::showKeys);
    connect(addMenuAction(help, QStringLiteral("actionAbout"), tr("&About"), QKeySequence()),
            &QAction::triggered, this, &MainWindow::showAbout);

    // Every menu of the bar, the submenus too, as wide as its texts at any zoom.
    auto* style = new MenuStyle;
    style->setParent(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setStyle(style);
}

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(addMenuAction(file, QStringLiteral("actionOpenRun"), tr("&Open Run..."),
                          QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::askAndOpen);
    connect(addMenuAction(file, QStringLiteral("actionSaveRun"), tr("&Save Run As..."),
                          QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::askAndSave);
    file->addSeparator();
    connect(addMenuAction(file, QStringLiteral("actionExportPng"), tr("Export Chart as &PNG..."),
                          QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, [this] {
                askAndExport(tr("Export Chart as PNG"), tr("PNG images (*.png)"), QStringLiteral("png"),
                             &MainWindow::exportChartPng);
            });
    connect(addMenuAction(file, QStringLiteral("actionExportSvg"), tr("Export Chart as S&VG..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
            &QAction::triggered, this, [this] {
                askAndExport(tr("Export Chart as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral("svg"),
                             &MainWindow::exportChartSvg);
            });
    connect(addMenuAction(file, QStringLiteral("actionExportCsv"), tr("Export Run as &CSV..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
            &QAction::triggered, this, [this] {
                askAndExport(tr("Export Run as CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"),
                             &MainWindow::exportRunCsv);
            });
    panelKeys_ += file->actions();
    file->addSeparator();
    connect(
        addMenuAction(file, QStringLiteral("actionQuit"), tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &QAction::triggered, this, &QWidget::close);
}

// Keys as a debugger has them: F5 starts, F6 pauses; the arrows with Ctrl
// step forwards and back; Ctrl+1 to Ctrl+5 pick the speed.
void MainWindow::buildRunMenu()
{
    QMenu* run = menuBar()->addMenu(tr("&Run"));
    run->setObjectName(QStringLiteral("runMenu"));
    startReset_ = addMenuAction(run, QStringLiteral("actionStartReset"), menuText(form_.cmdReset.Caption),
                                QKeySequence(Qt::Key_F5));
    connect(startReset_, &QAction::triggered, this, [this] {
        runEvent(UserEvent{EventKind::StartReset, 0, 0});
    });
    pauseCont_ = addMenuAction(run, QStringLiteral("actionPauseCont"), menuText(form_.cmdPause.Caption),
                               QKeySequence(Qt::Key_F6));
    connect(pauseCont_, &QAction::triggered, this, [this] {
        runEvent(UserEvent{EventKind::PauseCont, 0, 0});
    });
    run->addSeparator();
    connect(addMenuAction(run, QStringLiteral("actionStep"), tr("S&tep One Tick"),
                          QKeySequence(Qt::CTRL | Qt::Key_Right)),
            &QAction::triggered, this, &MainWindow::step);
    stepBack_ = addMenuAction(run, QStringLiteral("actionStepBack"), tr("Step &Back One Tick"),
                              QKeySequence(Qt::CTRL | Qt::Key_Left));
    connect(stepBack_, &QAction::triggered, this, &MainWindow::stepBack);
    connect(addMenuAction(run, QStringLiteral("actionCompare"), tr("&Compare\u2026"), QKeySequence()),
            &QAction::triggered, this, &MainWindow::askCompare);
    practice_ = new PracticePanel(this);
    QAction* practice = addMenuAction(run, QStringLiteral("actionPractice"), tr("&Practice"), QKeySequence());
    practice->setCheckable(true);
    connect(practice, &QAction::toggled, practice_, &PracticePanel::setOn);
    connect(practice_, &PracticePanel::clockHoldChanged, this, &MainWindow::syncClock);
    connect(practice_, &PracticePanel::eventMarked, this, [this](std::int32_t tick, int packet) {
        clientArea_->setMarkedPacket(packet);
        if (tick >= 0 && panel_ != nullptr && panel_->showsCurrentRun()) panel_->chart()->setCursorTick(tick);
    });
    run->addSeparator();

    QMenu* speed = run->addMenu(tr("Spee&d"));
    speedGroup_ = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(run_clock::Speeds.size()); ++i) {
        QAction* action = addMenuAction(
            speed, QStringLiteral("actionSpeed_%1").arg(i), QString::fromStdString(run_clock::speedName(i)),
            QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_1 + i))));
        action->setCheckable(true);
        action->setChecked(i == speed_);
        speedGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setSpeed(i); });
    }

    panelKeys_ += run->actions();
    panelKeys_ += speed->actions();
}

RunPanel* MainWindow::runPanel()
{
    if (panel_ != nullptr) return panel_;
    panel_ = new RunPanel(history_->trace(), this);
    connect(panel_, &RunPanel::rewindRequested, this, [this](int tick) { rewindTo(tick); });
    connect(panel_, &RunPanel::shownChanged, panelAction_, &QAction::setChecked);
    connect(panel_, &RunPanel::shownChanged, this, [this](bool shown) {
        if (shown) {
            placePanel();
        } else {
            rememberPanelPlace();
        }
    });
    // The export and run keys work in the panel's window too, and Ctrl+L closes it from within.
    panel_->addActions(panelKeys_);
    panel_->addAction(panelAction_);
    panel_->showRuns(*history_);
    panel_->follow();
    window_placement::chartTextsFollowFont(*panel_);
    return panel_;
}

// ============================================================================
// Running events and the clock
// ============================================================================

// Nothing may run inside a tick or another event: an action that arrives
// while one is running (from a message box's event loop, say) is dropped.
void MainWindow::runEvent(const UserEvent& event)
{
    if (eventRunning_) return;
    eventRunning_ = true;
    clientArea_->noteEvent(event);
    history_->apply(form_, event);
    if (event.kind == EventKind::Tick) {
        practice_->afterTick(form_, history_->ticks(), history_->ticksToNextScripted());
    } else {
        practice_->userActed();
    }
    eventRunning_ = false;
    showModel();
}

void MainWindow::runTick()
{
    if (eventRunning_) return;
    eventRunning_ = true;
    history_->tick(form_);
    practice_->afterTick(form_, history_->ticks(), history_->ticksToNextScripted());
    eventRunning_ = false;
    showModel();
}

int MainWindow::tickInterval() const { return run_clock::tickInterval(form_.Timer1.Interval, speed_); }

void MainWindow::syncClock()
{
    if (clock_.interval() != tickInterval()) clock_.setInterval(tickInterval());
    const bool shouldRun = run_clock::runs(form_.Timer1.Enabled, {.messageBox = messageBoxOpen_,
                                                                  .practice = practice_->holdsClock(),
                                                                  .classroom = classroom_->holdsClock()});
    if (shouldRun && !clock_.isActive()) {
        clock_.start();
    } else if (!shouldRun && clock_.isActive()) {
        clock_.stop();
    }
}

// ============================================================================
// Stepping, rewinding and the speed
// ============================================================================

void MainWindow::step()
{
    if (eventRunning_) return;
    eventRunning_ = true;
    history_->step(form_);
    practice_->afterTick(form_, history_->ticks(), history_->ticksToNextScripted());
    eventRunning_ = false;
    showModel();
}

void MainWindow::stepBack()
{
    if (history_->ticks() > 0) rewindTo(history_->ticks() - 1);
}

bool MainWindow::rewindTo(std::int32_t tick)
{
    if (eventRunning_) return false;
    eventRunning_ = true;
    const bool rewound = history_->rewindTo(form_, tick, RunHistory::Landing::Paused);
    practice_->userActed();
    eventRunning_ = false;
    if (rewound && panel_ != nullptr) panel_->rewound();
    showModel();
    return rewound;
}

void MainWindow::setSpeed(int index)
{
    if (!run_clock::isSpeed(index)) return;
    speed_ = index;
    speedGroup_->actions().at(index)->setChecked(true);
    syncClock();
}

// ============================================================================
// Showing the model
// ============================================================================

void MainWindow::showModel()
{
    showRunChanges();
    clientArea_->showModel();
    showMenus();
    showStatus();
    if (panel_ != nullptr) panel_->follow();
    syncClock();
}

// A new run (a Reset, a file) or a dropped one: the panel's picker and the title follow.
void MainWindow::showRunChanges()
{
    if (shownRunsVersion_ == history_->runsVersion()) return;
    shownRunsVersion_ = history_->runsVersion();
    if (panel_ != nullptr) panel_->showRuns(*history_);
    const std::string& title = history_->title();
    setWindowTitle(title.empty()
                       ? WindowCaption
                       : WindowCaption + QStringLiteral(" \u2014 ") + QString::fromStdString(title));
}

void MainWindow::showMenus()
{
    if (shownStartCaption_ != form_.cmdReset.Caption) {
        startReset_->setText(menuText(form_.cmdReset.Caption));
        shownStartCaption_ = form_.cmdReset.Caption;
    }
    if (shownPauseCaption_ != form_.cmdPause.Caption) {
        pauseCont_->setText(menuText(form_.cmdPause.Caption));
        shownPauseCaption_ = form_.cmdPause.Caption;
    }
    showOptionsMenu();
    const bool canStepBack = history_->ticks() > 0;
    if (stepBack_->isEnabled() != canStepBack) stepBack_->setEnabled(canStepBack);
    const bool anyLosses = history_->losses().any();
    if (noLosses_->isEnabled() != anyLosses) noLosses_->setEnabled(anyLosses);
}

#include "ui/qt/main_window.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "frontend/protocol_presets.h"
#include "frontend/run_clock.h"
#include "frontend/run_link.h"
#include "frontend/run_player.h"
#include "ui/qt/classroom_actions.h"
#include "ui/qt/compare_window.h"
#include "ui/qt/form_view.h"
#include "ui/qt/ladder_view.h"
#include "ui/qt/link_sharing.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/panel_dock.h"
#include "ui/qt/practice_panel.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_files.h"
#include "ui/qt/run_menus.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/status_line.h"
#include "ui/qt/tick_timer.h"
#include "ui/qt/view_menu.h"
#include "ui/qt/zoom_style.h"

const QString MainWindow::WindowCaption = QStringLiteral("Quill's Sliding Window Demo");

// ============================================================================
// Building the window and its parts
// ============================================================================

MainWindow::MainWindow(QWidget* parent, const std::function<void()>& beforeFirstText) : QMainWindow(parent)
{
    setWindowTitle(WindowCaption);
    // The menu bar measures no text when it is made, but its constructor
    // loads the style's extension icon (and Qt's image plugins with it):
    // made first, that happens while the fonts are still being listed.
    menuBar();

    form_.showMessageBox = [this](const std::string& text) { showMessageBox(text); };
    form_.Form_Load();
    history_.emplace(form_);
    // Before any call of the history: a phone that joins rebuilds the run from its very start.
    classroom_ = std::make_unique<ClassroomActions>(*this, form_, *history_);
    if (beforeFirstText) beforeFirstText();

    // Built as a child of this window from the start, so that the focus it
    // gives Start survives until the window is first shown.
    clientArea_ = new FormView(
        form_, [this](const UserEvent& event) { runEvent(event); }, this);
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea_);
    // The client area keeps its size; the window is that plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    clock_ = new TickTimer(QStringLiteral("Timer1"), run_clock::NormalSpeed, this);
    connect(clock_, &TickTimer::fired, this, &MainWindow::runTick);

    practice_ = new PracticePanel(this);
    connect(practice_, &PracticePanel::clockHoldChanged, this, &MainWindow::syncClock);
    connect(practice_, &PracticePanel::eventMarked, this, [this](std::int32_t tick, int packet) {
        clientArea_->setMarkedPacket(packet);
        RunPanel* panel = panel_->built();
        if (tick >= 0 && panel != nullptr && panel->showsCurrentRun()) panel->chart()->setCursorTick(tick);
    });

    panel_ = std::make_unique<PanelDock>(*this, *clientArea_, preferences_, *history_, panelKeys_,
                                         [this](int tick) { rewindTo(tick); });
    view_ = std::make_unique<ViewMenu>(*this, *clientArea_, preferences_, *panel_);
    files_ = std::make_unique<RunFiles>(*this, *panel_, preferences_);
    panel_->onPictureRequested(
        [this] { files_->pictures().askAndExportPicture(pictures::View::Chart, panel_->panel()); });
    sharing_ = std::make_unique<LinkSharing>(
        *this, preferences_, [this] { return runlink::linkParts(*history_, clock_->speed()); },
        [this](const QString& sentence) { files_->refuse(sentence); });
    menus_ = std::make_unique<RunMenus>(*this);
    ClassroomSession* session = classroom_->session();
    connect(session, &ClassroomSession::clockHoldChanged, this, &MainWindow::syncClock);
    connect(session, &ClassroomSession::continueRequested, this, [this] {
        if (!form_.Timer1.Enabled) runEvent(UserEvent{EventKind::PauseCont, 0, 0});
    });

    setAcceptDrops(true);
    buildMenus();
    status_ = std::make_unique<StatusLine>(*statusBar());
    showModel();
}

MainWindow::~MainWindow()
{
    // The model must not call back into a window that is going away.
    form_.showMessageBox = nullptr;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    files_->buildMenu(file, panelKeys_);
    menus_->buildRun(menuBar(), practice_, panelKeys_);
    classroom_->buildActions(menuBar()->actions().constLast()->menu(), file);
    menus_->buildOptions(menuBar());
    menus_->buildNetwork(menuBar());

    QMenu* view = menuBar()->addMenu(tr("&View"));
    panel_->buildAction(view);
    view_->build(view, panelKeys_);
    QAction* ladder =
        addMenuAction(view, QStringLiteral("actionLadder"), tr("&Time-Sequence Diagram"), QKeySequence());
    ladder->setCheckable(true);
    connect(ladder, &QAction::toggled, this,
            [this, ladder](bool shown) { showLadderView(*this, ladder, shown); });
    sharing_->buildActions(view);
    buildHelpMenu();

    // Every menu of the bar, the submenus too, as wide as its texts at any zoom.
    auto* style = new MenuStyle;
    style->setParent(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setStyle(style);
}

void MainWindow::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    connect(addMenuAction(help, QStringLiteral("actionLessons"), tr("&Lessons..."), QKeySequence()),
            &QAction::triggered, this, [this] { files_->showLessons(); });
    connect(
        addMenuAction(help, QStringLiteral("actionKeys"), tr("&Keys and Mouse"), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, this, &MainWindow::showKeys);
    connect(addMenuAction(help, QStringLiteral("actionAbout"), tr("&About"), QKeySequence()),
            &QAction::triggered, this, &MainWindow::showAbout);
}

RunPanel* MainWindow::runPanel() { return panel_->panel(); }

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
        practice_->afterTick(form_, *history_);
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
    practice_->afterTick(form_, *history_);
    eventRunning_ = false;
    showModel();
}

int MainWindow::tickInterval() const { return clock_->interval(form_.Timer1.Interval); }

void MainWindow::syncClock()
{
    clock_->sync(form_.Timer1.Enabled, form_.Timer1.Interval,
                 {.practice = practice_->holdsClock(), .classroom = classroom_->session()->holdsClock()});
}

// ============================================================================
// Stepping, rewinding and the speed
// ============================================================================

void MainWindow::step()
{
    if (eventRunning_) return;
    eventRunning_ = true;
    history_->step(form_);
    practice_->afterTick(form_, *history_);
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
    if (rewound && panel_->built() != nullptr) panel_->built()->rewound();
    showModel();
    return rewound;
}

std::int32_t MainWindow::goToTick(std::int32_t tick)
{
    if (eventRunning_) return history_->ticks();
    eventRunning_ = true;
    const std::int32_t before = history_->ticks();
    const std::int32_t reached = run_player::goTo(form_, *history_, tick);
    practice_->userActed();
    eventRunning_ = false;
    if (reached <= before && panel_->built() != nullptr) panel_->built()->rewound();
    showModel();
    return reached;
}

void MainWindow::setSpeed(int index)
{
    if (!run_clock::isSpeed(index)) return;
    clock_->setSpeed(index);
    menus_->showSpeed(index);
    syncClock();
}

int MainWindow::speed() const { return clock_->speed(); }

// ============================================================================
// Showing the model
// ============================================================================

void MainWindow::showModel()
{
    showRunChanges();
    clientArea_->showModel();
    menus_->show(form_, *history_);
    status_->show(form_, *history_, clock_->speedFactor());
    if (RunPanel* panel = panel_->built()) panel->follow();
    syncClock();
}

// A new run (a Reset, a file) or a dropped one: the panel's picker and the title follow.
void MainWindow::showRunChanges()
{
    if (shownRunsVersion_ == history_->runsVersion()) return;
    shownRunsVersion_ = history_->runsVersion();
    if (RunPanel* panel = panel_->built()) panel->showRuns(*history_);
    const std::string& title = history_->title();
    setWindowTitle(title.empty()
                       ? WindowCaption
                       : WindowCaption + QStringLiteral(" \u2014 ") + QString::fromStdString(title));
}

// ============================================================================
// Runs, files and lessons
// ============================================================================

bool MainWindow::applyProtocol(const std::string& name)
{
    const presets::ProtocolPreset* preset = presets::findPreset(name);
    if (preset == nullptr) return false;
    // Computed once: each click changes what the next would have to be.
    for (const UserEvent& event : presets::presetEvents(form_, *preset))
        runEvent(event);
    return true;
}

void MainWindow::openScript(const RunScript& script)
{
    if (eventRunning_) return;
    if (!script.alongside.empty()) {
        openComparison(script);
        // Over the comparison it belongs to rather than behind it.
        files_->showNote(script, compare_ != nullptr ? static_cast<QWidget*>(compare_) : this);
        return;
    }
    eventRunning_ = true;
    history_->open(form_, script);
    practice_->session().setLesson(script.questions);
    practice_->userActed();
    eventRunning_ = false;
    if (RunPanel* panel = panel_->built()) panel->rewound();
    showModel();
    files_->showNote(script, this);
}

bool MainWindow::openRunFile(const QString& path) { return files_->openRunFile(path); }
bool MainWindow::openLesson(const QString& name) { return files_->openLesson(name); }
bool MainWindow::saveRun(const QString& path) { return files_->saveRun(path); }
bool MainWindow::saveScript(const QString& path, const RunHistory::SavedRun& saved)
{
    return files_->saveScript(path, saved);
}
void MainWindow::askAndSaveScript(const RunHistory::SavedRun& saved, std::int32_t ticks, QWidget* over)
{
    files_->askAndSaveScript(saved, ticks, over);
}
const QString& MainWindow::lastRefusal() const { return files_->lastRefusal(); }
PictureExports& MainWindow::pictureExports() { return files_->pictures(); }
bool MainWindow::exportChartPng(const QString& path) { return files_->exportChartPng(path); }
bool MainWindow::exportChartSvg(const QString& path) { return files_->exportChartSvg(path); }
void MainWindow::refuse(const QString& sentence) { files_->refuse(sentence); }

bool MainWindow::startClassroom(const ClassroomSession::Options& options)
{
    QString error;
    if (classroom_->start(options, &error)) return true;
    files_->keepRefusal(error);
    return false;
}
ClassroomSession* MainWindow::classroom() const { return classroom_->session(); }
ClassroomPanel* MainWindow::classroomPanel() const { return classroom_->panel(); }
bool MainWindow::exportClassAnswers(const QString& path)
{
    QString error;
    if (classroom_->exportAnswers(path, &error)) return true;
    files_->keepRefusal(error);
    return false;
}
bool MainWindow::exportRunCsv(const QString& path) { return files_->exportRunCsv(path); }
bool MainWindow::exportRunCapture(const QString& path, capture::Point at)
{
    return files_->exportRunCapture(path, at);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    openRunFile(urls.front().toLocalFile());
}

// ============================================================================
// The network and comparisons
// ============================================================================

void MainWindow::setLosses(const LossSettings& losses)
{
    history_->setLosses(losses);
    showModel();
}

void MainWindow::openComparison(const std::vector<Comparison::Configuration>& configurations)
{
    showComparison(std::make_unique<Comparison>(configurations, history_->losses()));
}

void MainWindow::openComparison(const RunScript& script)
{
    showComparison(std::make_unique<Comparison>(script));
}

void MainWindow::showComparison(std::unique_ptr<Comparison> comparison)
{
    // One comparison at a time: two shared clocks would only confuse a class.
    if (compare_ != nullptr) {
        compare_->close();
        delete compare_;
    }
    compare_ = new CompareWindow(std::move(comparison), *this);
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

CompareWindow* MainWindow::compareWindow() const { return compare_; }

// ============================================================================
// View options, preferences and sharing
// ============================================================================

void MainWindow::setZoom(int percent) { view_->setZoom(percent); }
int MainWindow::zoom() const { return view_->zoom(); }
void MainWindow::zoomIn() { view_->zoomIn(); }
void MainWindow::zoomOut() { view_->zoomOut(); }
int MainWindow::largestZoomThatFits(int wanted) const { return view_->largestZoomThatFits(wanted); }
void MainWindow::setFullScreenView(bool on) { view_->setFullScreen(on); }
void MainWindow::setSafeColours(bool on) { view_->setSafeColours(on); }
void MainWindow::setStateMarks(bool on) { view_->setStateMarks(on); }
LegendDialog* MainWindow::legend() { return view_->legend(); }

void MainWindow::usePreferences(QSettings* settings)
{
    // Taken up before anything is written back, so that applying one does
    // not overwrite the next.
    preferences_.use(nullptr);
    if (settings != nullptr) view_->takeUp(*settings);
    preferences_.use(settings);
    sharing_->takeUpPageAddress();
}

QString MainWindow::lastFolder() const { return preferences_.lastFolder(); }
void MainWindow::rememberFolder(const QString& filePath) { preferences_.rememberFolder(filePath); }

QString MainWindow::setPageAddress(const QString& address) { return sharing_->setPageAddress(address); }
const QString& MainWindow::pageAddress() const { return sharing_->pageAddress(); }
QString MainWindow::linkToRun(QString* refusal) const { return sharing_->linkToRun(refusal); }
void MainWindow::showLinkQr() { sharing_->showLinkQr(); }
bool MainWindow::copyLink() { return sharing_->copyLink(); }
QrDialog* MainWindow::qrDialog() const { return sharing_->qrDialog(); }

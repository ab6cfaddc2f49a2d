// The main window: the demonstration's client area under a menu bar.
//
// It owns the model and everything that drives it. Every user action and
// every tick goes through one place, runEvent, which hands it to the run
// history (so the run is recorded completely) and then shows the outcome: the
// client area, the menus that follow the buttons, and the run panel while it
// is open. The window itself decides nothing about the simulation.
//
// The menus add what the buttons of the client area do not: a single step, a
// step back, the speed of the clock, the options the window has no place for,
// the chart and log panel, exports and help. None of them changes what a tick does; the speed changes only
// the real time between ticks.
//
// Object names, for tests: the clock is "Timer1"; the client area
// "clientArea"; menu actions are "actionStartReset", "actionPauseCont",
// "actionStep", "actionStepBack", "actionPractice", "actionSpeed_<index>",
// "actionInOrderReceiver", "actionPanel", "actionCompare", "actionLosses",
// "actionNoLosses",
// "actionOpenRun", "actionSaveRun", "actionExportPng", "actionExportSvg",
// "actionExportCsv", "actionQuit", "actionLessons", "actionKeys", "actionAbout";
// the view's "actionZoomIn", "actionZoomOut", "actionActualSize",
// "actionFullScreen", "actionSafeColours", "actionStateMarks", "actionLegend".
//
// The view options (zoom, palette, marks) and the remembered preferences live
// in main_window_view.cpp; full screen, with the panel beside the client area
// when it is open, in main_window_full_screen.cpp. The zoom reaches every text
// of the program: the client area draws itself anew, and the menus, dialogs,
// tooltips and the panel follow the application's fonts (zoomed_fonts.h).
//
// Run files (File -> Open Run..., Save Run As..., or a file dropped on the
// window) and lessons (Help -> Lessons) open as a new run paused at its
// start; the recorded actions play as the clock runs. A file that cannot be
// read is refused with one sentence, and the run on screen stays as it was.
//
// Where each part lives:
//   main_window.cpp          building the window and its menus; running events
//                            and the clock; stepping, rewinding and the speed;
//                            showing the model
//   main_window_files.cpp    exports, run files and lessons
//   main_window_dialogs.cpp  the modal message box, keys and mouse, About
//   main_window_view.cpp     view options and remembered preferences
//   main_window_full_screen.cpp  full screen, sharing it with the panel
//   main_window_network.cpp  the losses the network deals, and comparisons
//   main_window_classroom.cpp  Run > Classroom Session... and the class's answers
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "frontend/comparison.h"
#include "frontend/run_clock.h"
#include "history/losses.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/zoomed_fonts.h"

class ClassroomPanel;
class CompareWindow;
class FormView;
class QAction;
class QLabel;
class QActionGroup;
class LegendDialog;
class PracticePanel;
class QMenu;
class QSettings;
class QrDialog;
class RunPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The window's caption, before any lesson or file title is added to it.
    static const QString WindowCaption;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }
    const RunHistory& history() const { return *history_; }
    FormView* clientArea() const { return clientArea_; }
    // The chart and log panel, built the first time anything needs it: most
    // lessons never open it, and building it would slow every start-up.
    RunPanel* runPanel();
    // Run > Practice: the questions about the run on screen.
    PracticePanel* practicePanel() const { return practice_; }

    // Copies the model into the widgets and starts or stops the clock to
    // match Timer1. Runs by itself after every event and tick; tests that
    // change the model directly call it to see the result on screen.
    void showModel();

    // Applies a user's action, recorded, as a click in the client area does.
    void runEvent(const UserEvent& event);
    // Exactly one tick. A run not yet started is started first and a running
    // clock is paused (recorded clicks on Start and Pause), so that the step
    // is what the user sees next and the buttons read Reset and Cont.
    void step();
    // Rebuilds the state right after the previous tick.
    void stepBack();
    // Rebuilds the state right after `tick` and holds the playback there;
    // what was recorded after it plays again as the run goes forward, until
    // the user does something of their own, which branches the run.
    bool rewindTo(std::int32_t tick);

    // Index into run_clock::Speeds.
    void setSpeed(int index);
    int speed() const { return speed_; }
    // The clock's interval at the current speed, in milliseconds.
    int tickInterval() const;

    // Opens a run file; false, with the refusal shown and kept in
    // lastRefusal(), when it cannot be read.
    bool openRunFile(const QString& path);
    bool openLesson(const QString& name);
    // Sets the protocol preset of that name ("go-back-n") through the user's
    // own clicks and slider moves; false for a name no preset has.
    bool applyProtocol(const std::string& name);
    // A run file with configurations alongside opens in the Compare window.
    void openScript(const RunScript& script);
    bool saveRun(const QString& path);
    // Writes `saved` (a run, or a comparison's) to `path`, or refuses with
    // its error; remembers the folder.
    bool saveScript(const QString& path, const RunHistory::SavedRun& saved);
    // Asks where, over `over`, and saves there.
    void askAndSaveScript(const RunHistory::SavedRun& saved, std::int32_t ticks, QWidget* over);

    // Network -> Losses...: what the network deals the run from now on.
    void setLosses(const LossSettings& losses);
    const LossSettings& losses() const { return history_->losses(); }
    // Run -> Compare...: the configurations side by side in a Compare
    // window, with this window's losses; or a saved comparison. Replaces
    // a comparison open already.
    void openComparison(const std::vector<Comparison::Configuration>& configurations);
    void openComparison(const RunScript& script);
    CompareWindow* compareWindow() const;
    const QString& lastRefusal() const { return lastRefusal_; }

    // View options: only how the model is drawn, never what it does.
    static constexpr std::array<int, 7> ZoomSteps = {100, 125, 150, 175, 200, 250, 300};
    void setZoom(int percent);
    int zoom() const;
    void zoomIn();
    void zoomOut();
    void setFullScreenView(bool on);
    void setSafeColours(bool on);
    void setStateMarks(bool on);
    LegendDialog* legend();

    // Remembers zoom, palette, marks, the last folder and the panel's place
    // in `settings` from now on, after taking up what it holds. Without it
    // nothing is remembered. The simulation's own state never is, nor the
    // speed: every start is the documented start, at 1x. A remembered zoom
    // at which the window would not fit on its screen opens at the largest
    // step that fits.
    void usePreferences(QSettings* settings);
    // The largest zoom step, up to `wanted`, at which the whole window (menus
    // and the frame a window manager adds included) fits on its screen; the
    // smallest step when none does.
    int largestZoomThatFits(int wanted) const;
    // The folder of the last file read or written, for the next file dialog.
    QString lastFolder() const;
    void rememberFolder(const QString& filePath);

    // Sharing (main_window_share.cpp): the published page's address, the
    // link to the run on screen (empty, with the refusal, when it cannot
    // travel) and its QR code.
    void setPageAddress(const QString& address);
    const QString& pageAddress() const { return pageAddress_; }
    QString linkToRun(QString* refusal = nullptr) const;
    void showLinkQr();
    QrDialog* qrDialog() const { return qrDialog_; }

    // Run > Classroom Session... (main_window_classroom.cpp): the session
    // hears the run from the start; starting it opens its panel. False, with
    // the reason in lastRefusal(), when it cannot listen or find the page.
    bool startClassroom(const ClassroomSession::Options& options = {});
    ClassroomSession* classroom() const { return classroom_.get(); }
    ClassroomPanel* classroomPanel() const { return classroomPanel_; }
    bool exportClassAnswers(const QString& path);

    bool exportChartPng(const QString& path);
    bool exportChartSvg(const QString& path);
    bool exportRunCsv(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void askAndOpen();
    void askAndSave();
    void showLessons();
    void refuse(const QString& sentence);
    void showRunChanges();
    void buildRunMenu();
    void buildOptionsMenu();
    void showOptionsMenu();
    void buildNetworkMenu();
    void askLosses();
    void askCompare();
    void showComparison(std::unique_ptr<Comparison> comparison);
    void showNote(const RunScript& script);
    void buildStatusBar();
    void buildClassroomActions(QMenu* run, QMenu* file);
    void showStatus();
    void buildViewMenu(QMenu* view);
    void buildShareActions(QMenu* view);
    void showShareAction();
    void takeUpPageAddress();
    void placePanel();
    void rememberPanelPlace();
    void showPanel(bool shown);
    void dockPanel();
    void undockPanel();
    void remember(const char* key, const QVariant& value);
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& keys);

    void runTick();
    void syncClock();
    void showMenus();
    void askAndExport(const QString& title, const QString& filter, const QString& suffix,
                      bool (MainWindow::*write)(const QString&));
    void showMessageBox(const std::string& text);
    void showKeys();
    void showAbout();

    Form1 form_;
    std::optional<RunHistory> history_;
    FormView* clientArea_ = nullptr;
    RunPanel* panel_ = nullptr;
    PracticePanel* practice_ = nullptr;
    QTimer clock_{this};
    int speed_ = run_clock::NormalSpeed;
    bool eventRunning_ = false;
    bool messageBoxOpen_ = false;

    QAction* startReset_ = nullptr;
    QAction* pauseCont_ = nullptr;
    QAction* stepBack_ = nullptr;
    QAction* panelAction_ = nullptr;
    QAction* inOrderReceiver_ = nullptr;    // checked while the model's box is ticked
    QAction* goBackN_ = nullptr;            // likewise for the go-back-N sender
    std::vector<QAction*> protocolActions_; // one per preset, checked while it is in force
    QLabel* status_ = nullptr;
    std::string shownStatus_;
    QLabel* statusLosses_ = nullptr; // the losses dealt, beside the status line
    std::string shownLosses_;
    // Actions whose keys also work in the panel's window.
    QList<QAction*> panelKeys_;
    QActionGroup* speedGroup_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    QAction* safeColoursAction_ = nullptr;
    QAction* stateMarksAction_ = nullptr;
    LegendDialog* legend_ = nullptr;
    QSettings* settings_ = nullptr;
    bool panelPlaced_ = false;
    QRect undockedPanel_; // the panel's place as a window while it is docked in full screen
    ZoomedFonts fonts_;
    std::string shownStartCaption_;
    std::string shownPauseCaption_;
    std::uint64_t shownRunsVersion_ = 0;
    QString lastRefusal_;
    QString pageAddress_;
    QAction* qrAction_ = nullptr;
    QrDialog* qrDialog_ = nullptr;
    QAction* noLosses_ = nullptr;
    QPointer<CompareWindow> compare_;
    ClassroomPanel* classroomPanel_ = nullptr;
    QAction* exportClassAnswers_ = nullptr;
    // Last, so that it goes first: it stops hearing the history before the history goes.
    std::unique_ptr<ClassroomSession> classroom_;
};

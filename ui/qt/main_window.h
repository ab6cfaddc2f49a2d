// The main window: the demonstration's client area under a menu bar.
//
// It owns the model and its record and is their one road: every user action
// and every tick goes through runEvent (or a step, a rewind, an opened run),
// which hands it to the run history, so the run is recorded completely, and
// then shows the outcome. The window itself decides nothing about the
// simulation. It wires a few objects that each own their part of the
// window's state:
//   TickTimer   the clock and its speed (tick_timer.h)
//   RunMenus    the Run, Options and Network menus (run_menus.h)
//   ViewMenu    zoom, full screen, palette, marks, the legend (view_menu.h)
//   PanelDock   the chart and log panel and its place (panel_dock.h)
//   RunFiles    exports, run files and lessons (run_files.h)
//   LinkSharing the link to the run and its QR code (link_sharing.h)
//   StatusLine  the line under the client area (status_line.h)
//   Preferences what is remembered between sessions (preferences.h)
//   ClassroomActions  a classroom session, its panel and the class's answers
//               (classroom_actions.h)
// The model's modal message box, the keys list and About are in
// main_window_dialogs.cpp. The public surface below is what tests, the
// program and the Compare window use; it forwards to those objects.
//
// Object names, for tests: the clock is "Timer1"; the client area
// "clientArea"; menu actions are "actionStartReset", "actionPauseCont",
// "actionStep", "actionStepBack", "actionPractice", "actionSpeed_<index>",
// "actionInOrderReceiver", "actionPanel", "actionCompare", "actionLosses",
// "actionNoLosses",
// "actionOpenRun", "actionSaveRun", "actionExportPng", "actionExportSvg",
// "actionExportCsv", "actionExportPcap", "actionExportClassAnswers", "actionQuit",
// "actionClassroom", "actionLessons", "actionKeys", "actionAbout";
// the view's "actionZoomIn", "actionZoomOut", "actionActualSize",
// "actionFullScreen", "actionSafeColours", "actionStateMarks", "actionLegend".
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "frontend/comparison.h"
#include "frontend/packet_capture.h"
#include "history/losses.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/preferences.h"

class ClassroomActions;
class ClassroomPanel;
class CompareWindow;
class FormView;
class LegendDialog;
class LinkSharing;
class PanelDock;
class PictureExports;
class PracticePanel;
class QAction;
class QMenu;
class QSettings;
class QrDialog;
class RunFiles;
class RunMenus;
class RunPanel;
class StatusLine;
class TickTimer;
class ViewMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The window's caption, before any lesson or file title is added to it.
    static const QString WindowCaption;

    // beforeFirstText, when given, runs once the parts that measure no text
    // are built and before the first text is: the program waits there for
    // the fonts it reads beside its start-up (font_config_preload.h).
    explicit MainWindow(QWidget* parent = nullptr, const std::function<void()>& beforeFirstText = {});
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
    // Run > Go to Tick...: rewinds to `tick` when it was reached, else steps
    // on to it as Step would; paused there. Returns the tick reached.
    std::int32_t goToTick(std::int32_t tick);

    // Index into run_clock::Speeds.
    void setSpeed(int index);
    int speed() const;
    // The clock's interval at the current speed, in milliseconds.
    int tickInterval() const;

    // Opens a run file; false, with the refusal shown and kept in
    // lastRefusal(), when it cannot be read.
    bool openRunFile(const QString& path);
    bool openLesson(const QString& name);
    // Sets the protocol preset of that name ("go-back-n") through the user's
    // own clicks and slider moves; false for a name no preset has.
    bool applyProtocol(const std::string& name);
    // Opens a run paused at its start; a run file with configurations
    // alongside opens in the Compare window.
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
    const QString& lastRefusal() const;

    // View options: only how the model is drawn, never what it does.
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

    // Sharing: the published page's address, the link to the run on screen
    // (empty, with the refusal, when it cannot travel) and its QR code.
    // Sets where the page is published (an http, https or file address; ""
    // forgets it). Returns the sentence refusing any other, which is not kept.
    QString setPageAddress(const QString& address);
    const QString& pageAddress() const;
    QString linkToRun(QString* refusal = nullptr) const;
    void showLinkQr();
    bool copyLink();
    QrDialog* qrDialog() const;

    // Pictures of every view, the figures and the handout (File > Export Picture... and on).
    PictureExports& pictureExports();
    bool exportChartPng(const QString& path);
    bool exportChartSvg(const QString& path);
    bool exportRunCsv(const QString& path);
    // The run the panel shows (the current one without the panel) as a packet
    // capture listening at `at`.
    bool exportRunCapture(const QString& path, capture::Point at);

    // The refusal box (named "refusal"), its sentence as plain text; the run
    // on screen is untouched.
    void refuse(const QString& sentence);

    // Run > Classroom Session...: starting it opens its panel. False, with
    // the reason in lastRefusal() (and no box), when it cannot listen or find
    // the page.
    bool startClassroom(const ClassroomSession::Options& options = {});
    ClassroomSession* classroom() const;
    ClassroomPanel* classroomPanel() const;
    // File > Export Class Answers: every question with its counts, no personal data.
    bool exportClassAnswers(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildHelpMenu();
    void showRunChanges();
    void showComparison(std::unique_ptr<Comparison> comparison);
    void runTick();
    void syncClock();
    void showMessageBox(const std::string& text);
    void showKeys();
    void showAbout();

    Form1 form_;
    std::optional<RunHistory> history_;
    Preferences preferences_;
    FormView* clientArea_ = nullptr;
    PracticePanel* practice_ = nullptr;
    TickTimer* clock_ = nullptr;
    // Actions whose keys also work in the panel's window.
    QList<QAction*> panelKeys_;
    // After the history, so that the panel goes before the runs it reads.
    std::unique_ptr<PanelDock> panel_;
    std::unique_ptr<ViewMenu> view_;
    std::unique_ptr<RunFiles> files_;
    std::unique_ptr<LinkSharing> sharing_;
    std::unique_ptr<RunMenus> menus_;
    std::unique_ptr<StatusLine> status_;
    QPointer<CompareWindow> compare_;
    bool eventRunning_ = false;
    std::uint64_t shownRunsVersion_ = 0;
    // Last, so that it goes first: it stops hearing the history before the history goes.
    std::unique_ptr<ClassroomActions> classroom_;
};

// Every way a run leaves the desktop program or comes into it: the File
// menu's exports (the chart as PNG or SVG, the run as CSV), run files
// (File > Open Run..., Save Run As..., or a file dropped on the window) and
// the built-in lessons (Help > Lessons). A run file or lesson opens as a new
// run paused at its start; one that cannot be read is refused with one
// sentence, and the run on screen stays as it was. Every file is written to
// a temporary file beside it and renamed into place only when whole.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "frontend/packet_capture.h"
#include "history/run_history.h"
#include "ui/qt/picture_exports.h"

class MainWindow;
class PanelDock;
class Preferences;
class QAction;
class QMenu;
class QWidget;
struct RunScript;

class RunFiles {
public:
    RunFiles(MainWindow& window, PanelDock& panel, Preferences& preferences);

    // The File menu; its export keys join `panelKeys`.
    void buildMenu(QMenu* file, QList<QAction*>& panelKeys);

    // The chart of the whole current run, titled, for a 1920 x 1080 slide.
    bool exportChartPng(const QString& path);
    bool exportChartSvg(const QString& path);
    bool exportRunCsv(const QString& path);
    // The run the panel shows (the current one without the panel) as a packet
    // capture listening at `at`.
    bool exportRunCapture(const QString& path, capture::Point at);

    // Pictures of every view, the figures and the handout.
    PictureExports& pictures() { return pictures_; }

    // Opens a run file or lesson through the window; false, with the
    // refusal shown and kept in lastRefusal(), when it cannot be read.
    bool openRunFile(const QString& path);
    bool openLesson(const QString& name);
    bool saveRun(const QString& path);
    // Writes `saved` (a run, or a comparison's) to `path`, or refuses with
    // its error; remembers the folder.
    bool saveScript(const QString& path, const RunHistory::SavedRun& saved);
    // Asks where, over `over`, and saves there.
    void askAndSaveScript(const RunHistory::SavedRun& saved, std::int32_t ticks, QWidget* over);

    // A lesson's note for the teacher, beside the window (over `over`), not modal.
    void showNote(const RunScript& script, QWidget* over);
    void showLessons();
    // The refusal names what is wrong; the run on screen is untouched.
    void refuse(const QString& sentence);
    const QString& lastRefusal() const { return lastRefusal_; }
    // Keeps a refusal in lastRefusal() without showing it.
    void keepRefusal(const QString& sentence) { lastRefusal_ = sentence; }

private:
    void askAndOpen();
    void askAndExportCapture();
    void askAndExport(const QString& title, const QString& filter, const QString& suffix,
                      bool (RunFiles::*write)(const QString&));

    MainWindow& window_;
    PanelDock& panel_;
    Preferences& preferences_;
    PictureExports pictures_;
    QString lastRefusal_;
};

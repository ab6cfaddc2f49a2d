// The chart and log panel's place: built the first time anything needs it
// (most lessons never open it, and building it would slow every start-up), a
// window of its own beside a normal main window, where it was last time and
// always wholly on the main window's screen. A full-screen window would
// cover it, or it would cover the animation, so in full screen the panel
// moves into the main window, to the right of the client area, and goes back
// to its own window, where it was, on leaving.
#pragma once

#include <QList>
#include <QRect>
#include <functional>

class FormView;
class Preferences;
class QAction;
class QMainWindow;
class QMenu;
class RunHistory;
class RunPanel;

class PanelDock {
public:
    // `keys` are the actions whose keys also work in the panel's window;
    // `rewind` goes back to a tick picked in it.
    PanelDock(QMainWindow& window, FormView& clientArea, Preferences& preferences, const RunHistory& history,
              const QList<QAction*>& keys, std::function<void(int)> rewind);
    // Remembers a shown panel's place; the panel goes before the history it reads.
    ~PanelDock();
    PanelDock(const PanelDock&) = delete;
    PanelDock& operator=(const PanelDock&) = delete;

    // View > Chart and Log (Ctrl+L).
    void buildAction(QMenu* view);

    // The panel, built now if it was not yet.
    RunPanel* panel();
    // The panel if it has been built, else nullptr.
    RunPanel* built() const { return panel_; }

    // What the chart's Export Picture... does.
    void onPictureRequested(std::function<void()> exportPicture)
    {
        exportPicture_ = std::move(exportPicture);
    }

    // Opened in full screen, the panel opens beside the client area.
    void show(bool shown);
    void place();
    // Only a place the panel had as a window of its own beside a normal window.
    void rememberPlace();
    void dock();
    void undock();

private:
    QMainWindow& window_;
    FormView& clientArea_;
    Preferences& preferences_;
    const RunHistory& history_;
    const QList<QAction*>& keys_;
    std::function<void(int)> rewind_;
    std::function<void()> exportPicture_;
    RunPanel* panel_ = nullptr;
    QAction* action_ = nullptr;
    bool placed_ = false;
    QRect undocked_; // the panel's place as a window while it is docked in full screen
};

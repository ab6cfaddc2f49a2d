// The main window's view options: zoom for the projector, full screen, the
// colour-blind safe palette and state marks, and the legend. None of it
// reaches the model: the client area maps what the model holds to what is
// drawn. The zoom reaches every text of the program: the client area draws
// itself anew, and the menus, dialogs, tooltips and the panel follow the
// application's fonts (zoomed_fonts.h).
#pragma once

#include <QList>
#include <array>

#include "ui/qt/zoomed_fonts.h"

class FormView;
class LegendDialog;
class PanelDock;
class Preferences;
class QAction;
class QMainWindow;
class QMenu;
class QSettings;

class ViewMenu {
public:
    static constexpr std::array<int, 7> ZoomSteps = {100, 125, 150, 175, 200, 250, 300};

    ViewMenu(QMainWindow& window, FormView& clientArea, Preferences& preferences, PanelDock& panel);
    ViewMenu(const ViewMenu&) = delete;
    ViewMenu& operator=(const ViewMenu&) = delete;

    // Adds the zoom, full screen and palette items to `view`, and their keys to `panelKeys`.
    void build(QMenu* view, QList<QAction*>& panelKeys);
    // Zoom, palette and marks as `settings` remember them; a zoom at which
    // the window would not fit on its screen opens at the largest step that fits.
    void takeUp(const QSettings& settings);

    void setZoom(int percent);
    int zoom() const;
    // Zooming in stops at the largest step at which the window still fits on its screen.
    void zoomIn();
    void zoomOut();
    int largestZoomThatFits(int wanted) const;
    // Full screen fills the screen with the client area as large as it fits,
    // proportions kept; the menu bar stays for the mouse, the keys work as ever.
    void setFullScreen(bool on);
    void setSafeColours(bool on);
    void setStateMarks(bool on);
    LegendDialog* legend();

private:
    QMainWindow& window_;
    FormView& clientArea_;
    Preferences& preferences_;
    PanelDock& panel_;
    QAction* fullScreen_ = nullptr;
    QAction* safeColours_ = nullptr;
    QAction* stateMarks_ = nullptr;
    LegendDialog* legend_ = nullptr;
    ZoomedFonts fonts_;
};

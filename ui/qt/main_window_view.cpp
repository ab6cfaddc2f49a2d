// The main window's view options and remembered preferences: zoom for the
// projector, the colour-blind safe palette and state marks, the legend, the
// presenter's keys, and what is kept between sessions.
//
// None of it reaches the model: the client area maps what the model holds to
// what is drawn, and the preferences hold only how the window looks.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "ui/qt/form_view.h"
#include "ui/qt/legend_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/window_placement.h"

namespace {

constexpr const char* ZoomKey = "view/zoom";
constexpr const char* SafeColoursKey = "view/safeColours";
constexpr const char* StateMarksKey = "view/stateMarks";
constexpr const char* FolderKey = "files/lastFolder";
constexpr const char* PanelKey = "panel/geometry";
// Time enough for a window manager to frame a window it has just mapped.
constexpr int FramedDelayMilliseconds = 200;

} // namespace

void MainWindow::buildViewMenu(QMenu* view)
{
    view->addSeparator();
    connect(addMenuAction(view, QStringLiteral("actionZoomIn"), tr("Zoom &In"), QKeySequence()),
            &QAction::triggered, this, &MainWindow::zoomIn);
    // Ctrl+= is Ctrl++ without Shift on most keyboards; both work.
    view->actions().constLast()->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    connect(addMenuAction(view, QStringLiteral("actionZoomOut"), tr("Zoom &Out"),
                          QKeySequence(Qt::CTRL | Qt::Key_Minus)),
            &QAction::triggered, this, &MainWindow::zoomOut);
    connect(addMenuAction(view, QStringLiteral("actionActualSize"), tr("&Actual Size"),
                          QKeySequence(Qt::CTRL | Qt::Key_0)),
            &QAction::triggered, this, [this] { setZoom(100); });
    fullScreenAction_ = addMenuAction(view, QStringLiteral("actionFullScreen"), tr("&Full Screen"),
                                      QKeySequence(Qt::Key_F11));
    fullScreenAction_->setCheckable(true);
    connect(fullScreenAction_, &QAction::triggered, this, &MainWindow::setFullScreenView);
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, [this] { setFullScreenView(false); });

    view->addSeparator();
    safeColoursAction_ = addMenuAction(view, QStringLiteral("actionSafeColours"),
                                       tr("Colour-blind safe colours"), QKeySequence());
    safeColoursAction_->setCheckable(true);
    connect(safeColoursAction_, &QAction::toggled, this, &MainWindow::setSafeColours);
    stateMarksAction_ =
        addMenuAction(view, QStringLiteral("actionStateMarks"), tr("State marks"), QKeySequence());
    stateMarksAction_->setCheckable(true);
    connect(stateMarksAction_, &QAction::toggled, this, &MainWindow::setStateMarks);
    connect(addMenuAction(view, QStringLiteral("actionLegend"), tr("&Legend"), QKeySequence()),
            &QAction::triggered, this, [this] {
                legend()->show();
                legend()->raise();
            });

    // A presenter's clicker sends Page Down and Page Up.
    if (auto* step = findChild<QAction*>(QStringLiteral("actionStep")))
        step->setShortcuts({step->shortcut(), QKeySequence(Qt::Key_PageDown)});
    if (auto* back = findChild<QAction*>(QStringLiteral("actionStepBack")))
        back->setShortcuts({back->shortcut(), QKeySequence(Qt::Key_PageUp)});
    panelKeys_ += view->actions();
}

int MainWindow::zoom() const { return clientArea_->zoom(); }

void MainWindow::setZoom(int percent)
{
    clientArea_->setZoom(percent);
    const double factor = clientArea_->zoom() / 100.0;
    fonts_.apply(factor);
    remember(ZoomKey, clientArea_->zoom());
    if (legend_ != nullptr) legend_->setScale(factor);
    if (panel_ != nullptr) {
        window_placement::chartTextsFollowFont(*panel_);
        if (panel_->isVisible()) placePanel();
    }
}

// Zooming in stops at the largest step at which the window still fits on its screen.
void MainWindow::zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    if (next == ZoomSteps.end()) return;
    // Full screen draws the client area to fit the screen at any zoom.
    setZoom(isFullScreen() ? *next : std::max(zoom(), largestZoomThatFits(*next)));
}

int MainWindow::largestZoomThatFits(int wanted) const
{
    const QScreen* on = screen();
    if (on == nullptr) return wanted;
    const QSize available = on->availableGeometry().size();
    // Before the window is first shown, the frame is not known yet: allow for
    // a title bar and thin borders.
    const QMargins frame = isVisible() ? QMargins(geometry().left() - frameGeometry().left(),
                                                  geometry().top() - frameGeometry().top(),
                                                  frameGeometry().right() - geometry().right(),
                                                  frameGeometry().bottom() - geometry().bottom())
                                       : window_placement::AssumedFrame;
    // The menu bar and whatever else lines the client area grow with the zoom, as their texts do.
    const QSize lining = sizeHint() - clientArea_->size();
    const double now = zoom() / 100.0;
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step) {
        if (*step > wanted) continue;
        const double factor = *step / 100.0;
        const QSize client(
            static_cast<int>(std::lround(geometry::ClientWidth * factor / geometry::TwipsPerPixel)),
            static_cast<int>(std::lround(geometry::ClientHeight * factor / geometry::TwipsPerPixel)));
        const QSize window = client + lining * (factor / now) +
                             QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        if (window.width() <= available.width() && window.height() <= available.height()) return *step;
    }
    return ZoomSteps.front();
}

void MainWindow::zoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    setZoom(next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1));
}

void MainWindow::setSafeColours(bool on)
{
    safeColoursAction_->setChecked(on);
    clientArea_->setSafeColours(on);
    if (legend_ != nullptr) legend_->showPalette(on, clientArea_->stateMarks());
    remember(SafeColoursKey, on);
}

void MainWindow::setStateMarks(bool on)
{
    stateMarksAction_->setChecked(on);
    clientArea_->setStateMarks(on);
    if (legend_ != nullptr) legend_->showPalette(clientArea_->safeColours(), on);
    remember(StateMarksKey, on);
}

LegendDialog* MainWindow::legend()
{
    if (legend_ == nullptr) {
        legend_ = new LegendDialog(this);
        legend_->setScale(clientArea_->zoom() / 100.0);
        legend_->showPalette(clientArea_->safeColours(), clientArea_->stateMarks());
    }
    return legend_;
}

void MainWindow::usePreferences(QSettings* settings)
{
    // Taken up before anything is written back, so that applying one does
    // not overwrite the next.
    settings_ = nullptr;
    if (settings != nullptr) {
        const int zoom = settings->value(ZoomKey, 100).toInt();
        const bool safe = settings->value(SafeColoursKey, false).toBool();
        const bool marks = settings->value(StateMarksKey, false).toBool();
        setZoom(largestZoomThatFits(zoom));
        setSafeColours(safe);
        setStateMarks(marks);
    }
    settings_ = settings;
    takeUpPageAddress();
}

void MainWindow::remember(const char* key, const QVariant& value)
{
    if (settings_ != nullptr) settings_->setValue(QLatin1String(key), value);
}

QString MainWindow::lastFolder() const
{
    const QString folder = settings_ != nullptr ? settings_->value(FolderKey).toString() : QString();
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

void MainWindow::rememberFolder(const QString& filePath)
{
    remember(FolderKey, QFileInfo(filePath).absolutePath());
}

// Where it was last time if that is known, at a size that follows the zoom
// otherwise; and always wholly on the screen that holds this window. A place
// kept from a full or maximised screen is not taken up: it would open a
// normal window the size of the screen.
void MainWindow::placePanel()
{
    if (!panel_->isWindow()) return; // beside the client area in full screen
    if (!panelPlaced_) {
        panelPlaced_ = true;
        const QByteArray saved =
            settings_ != nullptr ? settings_->value(PanelKey).toByteArray() : QByteArray();
        const bool restored = !saved.isEmpty() && panel_->restoreGeometry(saved) &&
                              (panel_->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)) == 0;
        if (!restored) {
            panel_->setWindowState(Qt::WindowNoState);
            const double factor = clientArea_->zoom() / 100.0;
            panel_->resize(static_cast<int>(window_placement::PanelWidth * factor),
                           static_cast<int>(window_placement::PanelHeight * factor));
        }
    }
    window_placement::keepOnScreenOf(*panel_, *this);
    // A window manager frames the panel only once it is shown: placed again
    // then, it fits the frame it really has.
    QTimer::singleShot(FramedDelayMilliseconds, panel_, [this] {
        if (panel_->isVisible() && panel_->isWindow()) window_placement::keepOnScreenOf(*panel_, *this);
    });
}

// Only a place the panel had as a window of its own beside a normal window.
void MainWindow::rememberPanelPlace()
{
    if (panel_->isWindow() && !isFullScreen() && !panel_->isFullScreen() && !panel_->isMaximized())
        remember(PanelKey, panel_->saveGeometry());
}

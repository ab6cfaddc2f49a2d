// The main window's view options and remembered preferences: zoom and full
// screen for the projector, the colour-blind safe palette and state marks,
// the legend, the presenter's keys, and what is kept between sessions.
//
// None of it reaches the model: the client area maps what the model holds to
// what is drawn, and the preferences hold only how the window looks.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <algorithm>

#include "ui/qt/form_view.h"
#include "ui/qt/legend_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/window_placement.h"

namespace {

constexpr const char* ZoomKey = "view/zoom";
constexpr const char* SafeColoursKey = "view/safeColours";
constexpr const char* StateMarksKey = "view/stateMarks";
constexpr const char* SpeedKey = "run/speed";
constexpr const char* FolderKey = "files/lastFolder";
constexpr const char* PanelKey = "panel/geometry";

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
    remember(ZoomKey, clientArea_->zoom());
    if (panel_ != nullptr) {
        window_placement::scaleTexts(*panel_, clientArea_->zoom() / 100.0);
        if (panel_->isVisible()) placePanel();
    }
}

void MainWindow::zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    setZoom(next == ZoomSteps.end() ? ZoomSteps.back() : *next);
}

void MainWindow::zoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    setZoom(next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1));
}

// Full screen fills the screen with the client area as large as it fits,
// proportions kept; the menu bar stays for the mouse, the keys work as ever.
void MainWindow::setFullScreenView(bool on)
{
    fullScreenAction_->setChecked(on);
    if (on == isFullScreen()) return;
    if (on) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        clientArea_->setFitToSize(true);
        showFullScreen();
    } else {
        clientArea_->setFitToSize(false);
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
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
        const int speed = settings->value(SpeedKey, NormalSpeed).toInt();
        setZoom(zoom);
        setSafeColours(safe);
        setStateMarks(marks);
        setSpeed(speed);
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
// otherwise; and always wholly on the screen that holds this window.
void MainWindow::placePanel()
{
    if (!panelPlaced_) {
        panelPlaced_ = true;
        const QByteArray saved =
            settings_ != nullptr ? settings_->value(PanelKey).toByteArray() : QByteArray();
        if (saved.isEmpty() || !panel_->restoreGeometry(saved)) {
            const double factor = clientArea_->zoom() / 100.0;
            panel_->resize(static_cast<int>(window_placement::PanelWidth * factor),
                           static_cast<int>(window_placement::PanelHeight * factor));
        }
    }
    window_placement::keepOnScreenOf(*panel_, *this);
}

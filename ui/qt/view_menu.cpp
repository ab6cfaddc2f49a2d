#include "ui/qt/view_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "ui/qt/form_view.h"
#include "ui/qt/language_menu.h"
#include "ui/qt/legend_dialog.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/panel_dock.h"
#include "ui/qt/preferences.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/window_placement.h"

namespace {

constexpr const char* ZoomKey = "view/zoom";
constexpr const char* SafeColoursKey = "view/safeColours";
constexpr const char* StateMarksKey = "view/stateMarks";

} // namespace

ViewMenu::ViewMenu(QMainWindow& window, FormView& clientArea, Preferences& preferences, PanelDock& panel)
    : window_(window), clientArea_(clientArea), preferences_(preferences), panel_(panel)
{
}

void ViewMenu::build(QMenu* view, QList<QAction*>& panelKeys)
{
    view->addSeparator();
    QObject::connect(
        addMenuAction(view, QStringLiteral("actionZoomIn"), QObject::tr("Zoom &In"), QKeySequence()),
        &QAction::triggered, &window_, [this] { zoomIn(); });
    // Ctrl+= is Ctrl++ without Shift on most keyboards; both work.
    view->actions().constLast()->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    QObject::connect(addMenuAction(view, QStringLiteral("actionZoomOut"), QObject::tr("Zoom &Out"),
                                   QKeySequence(Qt::CTRL | Qt::Key_Minus)),
                     &QAction::triggered, &window_, [this] { zoomOut(); });
    QObject::connect(addMenuAction(view, QStringLiteral("actionActualSize"), QObject::tr("&Actual Size"),
                                   QKeySequence(Qt::CTRL | Qt::Key_0)),
                     &QAction::triggered, &window_, [this] { setZoom(100); });
    fullScreen_ = addMenuAction(view, QStringLiteral("actionFullScreen"), QObject::tr("&Full Screen"),
                                QKeySequence(Qt::Key_F11));
    fullScreen_->setCheckable(true);
    QObject::connect(fullScreen_, &QAction::triggered, &window_, [this](bool on) { setFullScreen(on); });
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    QObject::connect(leave, &QShortcut::activated, &window_, [this] { setFullScreen(false); });

    view->addSeparator();
    safeColours_ = addMenuAction(view, QStringLiteral("actionSafeColours"),
                                 QObject::tr("Colour-blind safe colours"), QKeySequence());
    safeColours_->setCheckable(true);
    QObject::connect(safeColours_, &QAction::toggled, &window_, [this](bool on) { setSafeColours(on); });
    stateMarks_ =
        addMenuAction(view, QStringLiteral("actionStateMarks"), QObject::tr("State marks"), QKeySequence());
    stateMarks_->setCheckable(true);
    QObject::connect(stateMarks_, &QAction::toggled, &window_, [this](bool on) { setStateMarks(on); });
    QObject::connect(
        addMenuAction(view, QStringLiteral("actionLegend"), QObject::tr("&Legend"), QKeySequence()),
        &QAction::triggered, &window_, [this] {
            legend()->show();
            legend()->raise();
        });
    addLanguageMenu(view, window_, preferences_);

    // A presenter's clicker sends Page Down and Page Up.
    if (auto* step = window_.findChild<QAction*>(QStringLiteral("actionStep")))
        step->setShortcuts({step->shortcut(), QKeySequence(Qt::Key_PageDown)});
    if (auto* back = window_.findChild<QAction*>(QStringLiteral("actionStepBack")))
        back->setShortcuts({back->shortcut(), QKeySequence(Qt::Key_PageUp)});
    panelKeys += view->actions();
}

void ViewMenu::takeUp(const QSettings& settings)
{
    const int zoom = settings.value(ZoomKey, 100).toInt();
    const bool safe = settings.value(SafeColoursKey, false).toBool();
    const bool marks = settings.value(StateMarksKey, false).toBool();
    setZoom(largestZoomThatFits(zoom));
    setSafeColours(safe);
    setStateMarks(marks);
}

int ViewMenu::zoom() const { return clientArea_.zoom(); }

void ViewMenu::setZoom(int percent)
{
    clientArea_.setZoom(percent);
    const double factor = clientArea_.zoom() / 100.0;
    fonts_.apply(factor);
    preferences_.remember(ZoomKey, clientArea_.zoom());
    if (legend_ != nullptr) legend_->setScale(factor);
    if (RunPanel* panel = panel_.built()) {
        window_placement::chartTextsFollowFont(*panel);
        if (panel->isVisible()) panel_.place();
    }
}

void ViewMenu::zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    if (next == ZoomSteps.end()) return;
    // Full screen draws the client area to fit the screen at any zoom.
    setZoom(window_.isFullScreen() ? *next : std::max(zoom(), largestZoomThatFits(*next)));
}

int ViewMenu::largestZoomThatFits(int wanted) const
{
    const QScreen* on = window_.screen();
    if (on == nullptr) return wanted;
    const QSize available = on->availableGeometry().size();
    // Before the window is first shown, the frame is not known yet: allow for
    // a title bar and thin borders.
    const QRect inner = window_.geometry();
    const QRect outer = window_.frameGeometry();
    const QMargins frame = window_.isVisible()
                               ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                          outer.right() - inner.right(), outer.bottom() - inner.bottom())
                               : window_placement::AssumedFrame;
    // The menu bar and whatever else lines the client area grow with the zoom, as their texts do.
    const QSize lining = window_.sizeHint() - clientArea_.size();
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

void ViewMenu::zoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom());
    setZoom(next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1));
}

void ViewMenu::setFullScreen(bool on)
{
    fullScreen_->setChecked(on);
    if (on == window_.isFullScreen()) return;
    if (on) {
        window_.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        clientArea_.setFitToSize(true);
        if (panel_.built() != nullptr && panel_.built()->isVisible()) panel_.dock();
        window_.showFullScreen();
    } else {
        panel_.undock();
        clientArea_.setFitToSize(false);
        window_.showNormal();
        window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void ViewMenu::setSafeColours(bool on)
{
    safeColours_->setChecked(on);
    clientArea_.setSafeColours(on);
    if (legend_ != nullptr) legend_->showPalette(on, clientArea_.stateMarks());
    preferences_.remember(SafeColoursKey, on);
}

void ViewMenu::setStateMarks(bool on)
{
    stateMarks_->setChecked(on);
    clientArea_.setStateMarks(on);
    if (legend_ != nullptr) legend_->showPalette(clientArea_.safeColours(), on);
    preferences_.remember(StateMarksKey, on);
}

LegendDialog* ViewMenu::legend()
{
    if (legend_ == nullptr) {
        legend_ = new LegendDialog(&window_);
        legend_->setScale(clientArea_.zoom() / 100.0);
        legend_->showPalette(clientArea_.safeColours(), clientArea_.stateMarks());
    }
    return legend_;
}

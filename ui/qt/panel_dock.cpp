#include "ui/qt/panel_dock.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <memory>

#include "history/run_history.h"
#include "ui/qt/form_view.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/preferences.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/window_placement.h"

namespace {

constexpr const char* PanelKey = "panel/geometry";
// Time enough for a window manager to frame a window it has just mapped.
constexpr int FramedDelayMilliseconds = 200;
// The client area's share of the screen's width while the panel is beside it.
constexpr int ClientAreaShare = 60; // percent

} // namespace

PanelDock::PanelDock(QMainWindow& window, FormView& clientArea, Preferences& preferences,
                     const RunHistory& history, const QList<QAction*>& keys, std::function<void(int)> rewind)
    : window_(window), clientArea_(clientArea), preferences_(preferences), history_(history), keys_(keys),
      rewind_(std::move(rewind))
{
}

PanelDock::~PanelDock()
{
    if (panel_ != nullptr && panel_->isVisible()) rememberPlace();
    const std::unique_ptr<RunPanel> panel(panel_);
    panel_ = nullptr;
}

void PanelDock::buildAction(QMenu* view)
{
    action_ = addMenuAction(view, QStringLiteral("actionPanel"), QObject::tr("&Chart and Log"),
                            QKeySequence(Qt::CTRL | Qt::Key_L));
    action_->setCheckable(true);
    QObject::connect(action_, &QAction::toggled, &window_, [this](bool shown) { show(shown); });
}

RunPanel* PanelDock::panel()
{
    if (panel_ != nullptr) return panel_;
    panel_ = new RunPanel(history_.trace(), &window_);
    QObject::connect(panel_, &RunPanel::rewindRequested, &window_, [this](int tick) { rewind_(tick); });
    QObject::connect(panel_->chart(), &RunChart::pictureRequested, &window_, [this] {
        if (exportPicture_) exportPicture_();
    });
    QObject::connect(panel_, &RunPanel::shownChanged, action_, &QAction::setChecked);
    QObject::connect(panel_, &RunPanel::shownChanged, &window_, [this](bool shown) {
        if (shown) {
            place();
        } else {
            rememberPlace();
        }
    });
    // The export and run keys work in the panel's window too, and Ctrl+L closes it from within.
    panel_->addActions(keys_);
    panel_->addAction(action_);
    panel_->showRuns(history_);
    panel_->follow();
    window_placement::chartTextsFollowFont(*panel_);
    return panel_;
}

void PanelDock::show(bool shown)
{
    if (!shown && panel_ == nullptr) return;
    if (shown && window_.isFullScreen()) dock();
    panel()->setVisible(shown);
}

// Where it was last time if that is known, at a size that follows the zoom
// otherwise; and always wholly on the screen that holds the main window. A
// place kept from a full or maximised screen is not taken up: it would open a
// normal window the size of the screen.
void PanelDock::place()
{
    if (!panel_->isWindow()) return; // beside the client area in full screen
    if (!placed_) {
        placed_ = true;
        const QByteArray saved = preferences_.value(PanelKey).toByteArray();
        const bool restored = !saved.isEmpty() && panel_->restoreGeometry(saved) &&
                              (panel_->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)) == 0;
        if (!restored) {
            panel_->setWindowState(Qt::WindowNoState);
            const double factor = clientArea_.zoom() / 100.0;
            panel_->resize(static_cast<int>(window_placement::PanelWidth * factor),
                           static_cast<int>(window_placement::PanelHeight * factor));
        }
    }
    window_placement::keepOnScreenOf(*panel_, window_);
    // A window manager frames the panel only once it is shown: placed again
    // then, it fits the frame it really has.
    QTimer::singleShot(FramedDelayMilliseconds, panel_, [this] {
        if (panel_->isVisible() && panel_->isWindow()) window_placement::keepOnScreenOf(*panel_, window_);
    });
}

void PanelDock::rememberPlace()
{
    if (panel_->isWindow() && !window_.isFullScreen() && !panel_->isFullScreen() && !panel_->isMaximized())
        preferences_.remember(PanelKey, panel_->saveGeometry());
}

void PanelDock::dock()
{
    RunPanel* shownPanel = panel();
    if (!shownPanel->isWindow()) return;
    if (placed_) {
        undocked_ = shownPanel->geometry();
        rememberPlace(); // kept as a window's place, not the full screen's
    }
    const bool shown = shownPanel->isVisible();
    // The panel is not closed, only moved: nothing must take it for a close.
    const QSignalBlocker quiet(shownPanel);
    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("fullScreenSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(window_.takeCentralWidget());
    split->addWidget(shownPanel);
    split->setStretchFactor(0, ClientAreaShare);
    split->setStretchFactor(1, 100 - ClientAreaShare);
    window_.setCentralWidget(split);
    const int width = window_.screen() != nullptr ? window_.screen()->geometry().width() : window_.width();
    split->setSizes({width * ClientAreaShare / 100, width * (100 - ClientAreaShare) / 100});
    shownPanel->setVisible(shown);
}

void PanelDock::undock()
{
    if (panel_ == nullptr || panel_->isWindow()) return;
    const bool shown = panel_->isVisible();
    {
        const QSignalBlocker quiet(panel_);
        const std::unique_ptr<QWidget> split(window_.takeCentralWidget());
        window_.setCentralWidget(&clientArea_);
        panel_->setParent(&window_, Qt::Window);
        if (undocked_.isValid()) panel_->setGeometry(undocked_);
        panel_->setVisible(shown);
    }
    if (shown) place();
}

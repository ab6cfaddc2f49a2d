// Full screen for the projector, shared with the chart and log panel.
//
// The panel is a window of its own beside a normal main window. A
// full-screen window would cover it, or it would cover the animation, so in
// full screen the panel moves into the main window, to the right of the
// client area, and goes back to its own window, where it was, on leaving.
#include <QLayout>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <memory>

#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/run_panel.h"

namespace {

// The client area's share of the screen's width while the panel is beside it.
constexpr int ClientAreaShare = 60; // percent

} // namespace

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
        if (panel_ != nullptr && panel_->isVisible()) dockPanel();
        showFullScreen();
    } else {
        undockPanel();
        clientArea_->setFitToSize(false);
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

// View -> Chart and Log: opened in full screen, the panel opens beside the client area.
void MainWindow::showPanel(bool shown)
{
    if (!shown && panel_ == nullptr) return;
    if (shown && isFullScreen()) dockPanel();
    runPanel()->setVisible(shown);
}

void MainWindow::dockPanel()
{
    RunPanel* panel = runPanel();
    if (!panel->isWindow()) return;
    if (panelPlaced_) {
        undockedPanel_ = panel->geometry();
        rememberPanelPlace(); // kept as a window's place, not the full screen's
    }
    const bool shown = panel->isVisible();
    // The panel is not closed, only moved: nothing must take it for a close.
    const QSignalBlocker quiet(panel);
    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("fullScreenSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(takeCentralWidget());
    split->addWidget(panel);
    split->setStretchFactor(0, ClientAreaShare);
    split->setStretchFactor(1, 100 - ClientAreaShare);
    setCentralWidget(split);
    const int width = screen() != nullptr ? screen()->geometry().width() : this->width();
    split->setSizes({width * ClientAreaShare / 100, width * (100 - ClientAreaShare) / 100});
    panel->setVisible(shown);
}

void MainWindow::undockPanel()
{
    if (panel_ == nullptr || panel_->isWindow()) return;
    const bool shown = panel_->isVisible();
    {
        const QSignalBlocker quiet(panel_);
        const std::unique_ptr<QWidget> split(takeCentralWidget());
        setCentralWidget(clientArea_);
        panel_->setParent(this, Qt::Window);
        if (undockedPanel_.isValid()) panel_->setGeometry(undockedPanel_);
        panel_->setVisible(shown);
    }
    if (shown) placePanel();
}

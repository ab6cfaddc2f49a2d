// The main window's network: the Network menu (the losses the network
// deals the run, at random and planned) and Run -> Compare, which runs two
// or three configurations side by side with the same losses.
//
// The losses are the history's: it deals them after each live tick as the
// model's own loss gesture, recorded like a user's, so the window only
// hands them over.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/qt/compare_dialog.h"
#include "ui/qt/compare_window.h"
#include "ui/qt/losses_dialog.h"
#include "ui/qt/main_window.h"

void MainWindow::buildNetworkMenu()
{
    QMenu* network = menuBar()->addMenu(tr("&Network"));
    connect(addMenuAction(network, QStringLiteral("actionLosses"), tr("&Losses\u2026"), QKeySequence()),
            &QAction::triggered, this, &MainWindow::askLosses);
    noLosses_ = addMenuAction(network, QStringLiteral("actionNoLosses"), tr("&No Losses"), QKeySequence());
    connect(noLosses_, &QAction::triggered, this, [this] {
        // The seed stays, so that losses set again later fall as they did.
        LossSettings none;
        none.seed = history_->losses().seed;
        setLosses(none);
    });
}

void MainWindow::askLosses()
{
    LossesDialog dialog(history_->losses(), this);
    if (dialog.exec() == QDialog::Accepted) setLosses(dialog.settings());
}

void MainWindow::setLosses(const LossSettings& losses)
{
    history_->setLosses(losses);
    showModel();
}

void MainWindow::askCompare()
{
    CompareDialog dialog(form_, history_->losses(), this);
    if (dialog.exec() == QDialog::Accepted) openComparison(dialog.configurations());
}

void MainWindow::openComparison(const std::vector<Comparison::Configuration>& configurations)
{
    showComparison(std::make_unique<Comparison>(configurations, history_->losses()));
}

void MainWindow::openComparison(const RunScript& script)
{
    showComparison(std::make_unique<Comparison>(script));
}

void MainWindow::showComparison(std::unique_ptr<Comparison> comparison)
{
    // One comparison at a time: two shared clocks would only confuse a class.
    if (compare_ != nullptr) {
        compare_->close();
        delete compare_;
    }
    compare_ = new CompareWindow(std::move(comparison), *this);
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

CompareWindow* MainWindow::compareWindow() const { return compare_; }

// The main window's protocol choices and its status line: the Options menu
// (the receiver and sender rules the client area has no box for, and the
// protocol presets), and the line under the client area that says which
// protocol and receiver rule are running.
//
// A preset is applied as the user's own clicks and slider moves, one event
// at a time through runEvent, so the run records it and a replay repeats it.
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "frontend/protocol_presets.h"
#include "frontend/run_status.h"
#include "ui/qt/main_window.h"
#include "ui/qt/status_line_slot.h"

// Protocol options that the original window has no place for. They are
// model state like the check boxes: a click is recorded and replayed.
void MainWindow::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    QMenu* protocols = options->addMenu(tr("&Protocol"));
    protocols->setObjectName(QStringLiteral("menuProtocol"));
    auto* group = new QActionGroup(this);
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        QAction* action = addMenuAction(protocols, QStringLiteral("actionProtocol_%1").arg(preset.name),
                                        QString::fromUtf8(preset.title), QKeySequence());
        action->setCheckable(true);
        group->addAction(action);
        const std::string name = preset.name;
        connect(action, &QAction::triggered, this, [this, name] { applyProtocol(name); });
        protocolActions_.push_back(action);
    }
    options->addSeparator();

    const auto addRule = [&](const CheckBox& box, OptionBox id, const QString& name) {
        QAction* action = addMenuAction(options, name, QString::fromStdString(box.Caption), QKeySequence());
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, id] {
            runEvent(UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(id), 0});
        });
        return action;
    };
    inOrderReceiver_ = addRule(form_.chkInOrderReceiver, OptionBox::InOrderReceiver,
                               QStringLiteral("actionInOrderReceiver"));
    goBackN_ = addRule(form_.chkGoBackN, OptionBox::GoBackN, QStringLiteral("actionGoBackN"));
}

bool MainWindow::applyProtocol(const std::string& name)
{
    const presets::ProtocolPreset* preset = presets::findPreset(name);
    if (preset == nullptr) return false;
    // Computed once: each click changes what the next would have to be.
    for (const UserEvent& event : presets::presetEvents(form_, *preset))
        runEvent(event);
    return true;
}

void MainWindow::showOptionsMenu()
{
    const auto mirror = [](QAction* action, const CheckBox& box) {
        const bool ticked = box.Value == 1;
        if (action->isChecked() != ticked) action->setChecked(ticked);
        if (action->isEnabled() != box.Enabled) action->setEnabled(box.Enabled);
    };
    mirror(inOrderReceiver_, form_.chkInOrderReceiver);
    mirror(goBackN_, form_.chkGoBackN);

    const presets::ProtocolPreset* inForce = presets::presetInForce(form_);
    const auto all = presets::protocolPresets();
    for (std::size_t i = 0; i < protocolActions_.size(); ++i) {
        const bool checked = inForce == &all[i];
        if (protocolActions_[i]->isChecked() != checked) protocolActions_[i]->setChecked(checked);
    }
}

// Below the client area, which keeps its exact size: the window grows by the
// status bar's height.
void MainWindow::buildStatusBar()
{
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    // A lesson's title from a file is shown as it is written, never as markup.
    status_->setTextFormat(Qt::PlainText);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(new StatusLineSlot(status_, this), 1);
    // The losses on the right, apart: the line is cut at the window's fixed
    // width, and what the network deals must stay in sight.
    statusLosses_ = new QLabel(this);
    statusLosses_->setObjectName(QStringLiteral("statusLosses"));
    statusLosses_->setTextFormat(Qt::PlainText);
    statusLosses_->hide();
    statusBar()->addPermanentWidget(statusLosses_);
}

void MainWindow::showStatus()
{
    run_status::StatusParts parts = run_status::describe(form_, *history_, Speeds[speed_]);
    if (parts.losses != shownLosses_) {
        shownLosses_ = parts.losses;
        statusLosses_->setText(QString::fromStdString(parts.losses));
        statusLosses_->setVisible(!parts.losses.empty());
    }
    parts.losses.clear();
    const std::string text = run_status::line(parts);
    if (text == shownStatus_) return;
    shownStatus_ = text;
    status_->setText(QString::fromStdString(text));
    // Whole in the tooltip where the window's width cuts it.
    status_->setToolTip(QString::fromStdString(text));
}

#include "ui/qt/run_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

#include "frontend/protocol_presets.h"
#include "frontend/run_clock.h"
#include "frontend/run_player.h"
#include "history/run_history.h"
#include "ui/qt/compare_dialog.h"
#include "ui/qt/losses_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_actions.h"
#include "ui/qt/practice_panel.h"

namespace {

// "&Start", "&Reset", "&Pause", "&Cont": the menu says what the button says.
QString menuText(const std::string& caption) { return QStringLiteral("&") + QString::fromStdString(caption); }

} // namespace

RunMenus::RunMenus(MainWindow& window) : window_(window) {}

// Keys as a debugger has them: F5 starts, F6 pauses; the arrows with Ctrl
// step forwards and back; Ctrl+1 to Ctrl+5 pick the speed.
void RunMenus::buildRun(QMenuBar* bar, PracticePanel* practice, QList<QAction*>& panelKeys)
{
    QMenu* run = bar->addMenu(QObject::tr("&Run"));
    const Form1& form = window_.form();
    startReset_ = addMenuAction(run, QStringLiteral("actionStartReset"), menuText(form.cmdReset.Caption),
                                QKeySequence(Qt::Key_F5));
    QObject::connect(startReset_, &QAction::triggered, &window_, [this] {
        window_.runEvent(UserEvent{EventKind::StartReset, 0, 0});
    });
    pauseCont_ = addMenuAction(run, QStringLiteral("actionPauseCont"), menuText(form.cmdPause.Caption),
                               QKeySequence(Qt::Key_F6));
    QObject::connect(pauseCont_, &QAction::triggered, &window_, [this] {
        window_.runEvent(UserEvent{EventKind::PauseCont, 0, 0});
    });
    run->addSeparator();
    QObject::connect(addMenuAction(run, QStringLiteral("actionStep"), QObject::tr("S&tep One Tick"),
                                   QKeySequence(Qt::CTRL | Qt::Key_Right)),
                     &QAction::triggered, &window_, [this] { window_.step(); });
    stepBack_ = addMenuAction(run, QStringLiteral("actionStepBack"), QObject::tr("Step &Back One Tick"),
                              QKeySequence(Qt::CTRL | Qt::Key_Left));
    QObject::connect(stepBack_, &QAction::triggered, &window_, [this] { window_.stepBack(); });
    QObject::connect(addMenuAction(run, QStringLiteral("actionGoToTick"), QObject::tr("&Go to Tick\u2026"),
                                   QKeySequence(Qt::CTRL | Qt::Key_G)),
                     &QAction::triggered, &window_, [this] { askGoToTick(); });
    QObject::connect(
        addMenuAction(run, QStringLiteral("actionCompare"), QObject::tr("&Compare\u2026"), QKeySequence()),
        &QAction::triggered, &window_, [this] { askCompare(); });
    QAction* practiceAction =
        addMenuAction(run, QStringLiteral("actionPractice"), QObject::tr("&Practice"), QKeySequence());
    practiceAction->setCheckable(true);
    QObject::connect(practiceAction, &QAction::toggled, practice, &PracticePanel::setOn);
    run->addSeparator();

    QMenu* speed = run->addMenu(QObject::tr("Spee&d"));
    speeds_ = new QActionGroup(&window_);
    for (int i = 0; i < static_cast<int>(run_clock::Speeds.size()); ++i) {
        QAction* action = addMenuAction(
            speed, QStringLiteral("actionSpeed_%1").arg(i), QString::fromStdString(run_clock::speedName(i)),
            QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_1 + i))));
        action->setCheckable(true);
        action->setChecked(i == window_.speed());
        speeds_->addAction(action);
        QObject::connect(action, &QAction::triggered, &window_, [this, i] { window_.setSpeed(i); });
    }
    panelKeys += run->actions();
    panelKeys += speed->actions();
}

// Protocol options that the original window has no place for. They are
// model state like the check boxes: a click is recorded and replayed. A
// preset is applied as the user's own clicks and slider moves.
void RunMenus::buildOptions(QMenuBar* bar)
{
    QMenu* options = bar->addMenu(QObject::tr("&Options"));
    QMenu* protocols = options->addMenu(QObject::tr("&Protocol"));
    protocols->setObjectName(QStringLiteral("menuProtocol"));
    auto* group = new QActionGroup(&window_);
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        QAction* action = addMenuAction(protocols, QStringLiteral("actionProtocol_%1").arg(preset.name),
                                        QString::fromUtf8(preset.title), QKeySequence());
        action->setCheckable(true);
        group->addAction(action);
        const std::string name = preset.name;
        QObject::connect(action, &QAction::triggered, &window_,
                         [this, name] { window_.applyProtocol(name); });
        protocolActions_.push_back(action);
    }
    options->addSeparator();

    const auto addRule = [&](const CheckBox& box, OptionBox id, const QString& name) {
        QAction* action = addMenuAction(options, name, QString::fromStdString(box.Caption), QKeySequence());
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, &window_, [this, id] {
            window_.runEvent(UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(id), 0});
        });
        return action;
    };
    const Form1& form = window_.form();
    inOrderReceiver_ =
        addRule(form.chkInOrderReceiver, OptionBox::InOrderReceiver, QStringLiteral("actionInOrderReceiver"));
    goBackN_ = addRule(form.chkGoBackN, OptionBox::GoBackN, QStringLiteral("actionGoBackN"));
    tahoeRule_ = addRule(form.chkTahoeRule, OptionBox::TahoeRule, QStringLiteral("actionTahoeRule"));
}

// The losses the network deals, at random and planned. They are the
// history's: it deals them after each live tick as the model's own loss
// gesture, recorded like a user's, so the window only hands them over.
void RunMenus::buildNetwork(QMenuBar* bar)
{
    QMenu* network = bar->addMenu(QObject::tr("&Network"));
    QObject::connect(
        addMenuAction(network, QStringLiteral("actionLosses"), QObject::tr("&Losses\u2026"), QKeySequence()),
        &QAction::triggered, &window_, [this] { askLosses(); });
    noLosses_ =
        addMenuAction(network, QStringLiteral("actionNoLosses"), QObject::tr("&No Losses"), QKeySequence());
    QObject::connect(noLosses_, &QAction::triggered, &window_, [this] {
        // The seed stays, so that losses set again later fall as they did.
        LossSettings none;
        none.seed = window_.losses().seed;
        window_.setLosses(none);
    });
}

void RunMenus::askLosses()
{
    LossesDialog dialog(window_.losses(), &window_);
    if (dialog.exec() == QDialog::Accepted) window_.setLosses(dialog.settings());
}

// Two or three configurations side by side in a Compare window, with this window's losses.
// Rewinds to a tick reached, or steps on to a later one, paused there.
void RunMenus::askGoToTick()
{
    const RunHistory& history = window_.history();
    bool chosen = false;
    const int tick = QInputDialog::getInt(
        &window_, QObject::tr("Go to Tick"),
        QObject::tr("Tick (now %1; a later tick plays on to it, an earlier one rewinds):")
            .arg(history.ticks()),
        history.ticks(), history.recorder().firstTick(), history.ticks() + run_player::MostTicksForward, 1,
        &chosen);
    if (chosen) window_.goToTick(tick);
}

void RunMenus::askCompare()
{
    CompareDialog dialog(window_.form(), window_.losses(), &window_);
    if (dialog.exec() == QDialog::Accepted) window_.openComparison(dialog.configurations());
}

void RunMenus::show(const Form1& form, const RunHistory& history)
{
    if (shownStartCaption_ != form.cmdReset.Caption) {
        startReset_->setText(menuText(form.cmdReset.Caption));
        shownStartCaption_ = form.cmdReset.Caption;
    }
    if (shownPauseCaption_ != form.cmdPause.Caption) {
        pauseCont_->setText(menuText(form.cmdPause.Caption));
        shownPauseCaption_ = form.cmdPause.Caption;
    }
    showOptions(form);
    const bool canStepBack = history.ticks() > 0;
    if (stepBack_->isEnabled() != canStepBack) stepBack_->setEnabled(canStepBack);
    const bool anyLosses = history.losses().any();
    if (noLosses_->isEnabled() != anyLosses) noLosses_->setEnabled(anyLosses);
}

void RunMenus::showSpeed(int index) { speeds_->actions().at(index)->setChecked(true); }

void RunMenus::showOptions(const Form1& form)
{
    const auto mirror = [](QAction* action, const CheckBox& box) {
        const bool ticked = box.Value == 1;
        if (action->isChecked() != ticked) action->setChecked(ticked);
        if (action->isEnabled() != box.Enabled) action->setEnabled(box.Enabled);
    };
    mirror(inOrderReceiver_, form.chkInOrderReceiver);
    mirror(goBackN_, form.chkGoBackN);
    mirror(tahoeRule_, form.chkTahoeRule);

    const presets::ProtocolPreset* inForce = presets::presetInForce(form);
    const auto all = presets::protocolPresets();
    for (std::size_t i = 0; i < protocolActions_.size(); ++i) {
        const bool checked = inForce == &all[i];
        if (protocolActions_[i]->isChecked() != checked) protocolActions_[i]->setChecked(checked);
    }
}

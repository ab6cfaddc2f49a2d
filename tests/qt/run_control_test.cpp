// The menu bar's run control: the menus and their keys, a single step, a step
// back, the clock's speed, and a client area that looks exactly as it did
// before any of it existed.
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <vector>

#include "core/app_version.h"
#include "core/state_digest.h"
#include "frontend/run_clock.h"
#include "tests/qt/window_support.h"
#include "ui/qt/form_view.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

namespace {

QTimer* clock(const MainWindow& window) { return find<QTimer>(window, QStringLiteral("Timer1")); }

// The title of the menu bar's menu that holds `action`, without its "&".
QString menuOf(const MainWindow& window, const QAction* action)
{
    for (QAction* entry : window.menuBar()->actions()) {
        const QMenu* menu = entry->menu();
        if (!menu) continue;
        const QList<QMenu*> menus = menu->findChildren<QMenu*>() << const_cast<QMenu*>(menu);
        for (const QMenu* m : menus) {
            if (m->actions().contains(const_cast<QAction*>(action)))
                return QString(menu->title()).remove('&');
        }
    }
    return {};
}

} // namespace

class RunControlTest : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheirActionsWithTheirKeys();
    void menuTextsFollowTheButtonsAndKeysWork();
    void aStepRunsExactlyOneTickAndPausesARunningClock();
    void stepBackRebuildsEachEarlierStateAndTheRunGoesOn();
    void goToTickLandsWhereSteppingLandsForwardAndBack();
    void speedChangesOnlyTheIntervalBetweenTicks();
    void inOrderReceiverEntryIsRecordedAndFollowsTheModel();
    void tahoesRuleEntryActsWithFastRetransmitAndTheStatusLineNamesTheRule();
    void clientAreaLooksAsIfNothingWereAdded();
    void aboutBoxNamesTheVersionOfThisBuild();
};

void RunControlTest::menusHoldTheirActionsWithTheirKeys()
{
    MainWindow window;
    struct Expected {
        const char* name;
        const char* menu;
        QKeySequence keys;
    };
    const std::vector<Expected> expected = {
        {"actionStartReset", "Run", QKeySequence(Qt::Key_F5)},
        {"actionPauseCont", "Run", QKeySequence(Qt::Key_F6)},
        {"actionStep", "Run", QKeySequence(Qt::CTRL | Qt::Key_Right)},
        {"actionStepBack", "Run", QKeySequence(Qt::CTRL | Qt::Key_Left)},
        {"actionSpeed_0", "Run", QKeySequence(Qt::CTRL | Qt::Key_1)},
        {"actionSpeed_4", "Run", QKeySequence(Qt::CTRL | Qt::Key_5)},
        {"actionInOrderReceiver", "Options", QKeySequence()},
        {"actionPanel", "View", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"actionExportPng", "File", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"actionExportSvg", "File", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
        {"actionExportCsv", "File", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"actionSaveRun", "File", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionOpenRun", "File", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionKeys", "Help", QKeySequence(Qt::Key_F1)},
        {"actionAbout", "Help", QKeySequence()},
    };
    for (const Expected& e : expected) {
        const QAction* entry = action(window, e.name);
        QCOMPARE(menuOf(window, entry), QLatin1String(e.menu));
        QCOMPARE(entry->shortcut(), e.keys);
    }

    // The speeds are one checkable group with 1x ticked.
    for (int i = 0; i < 5; ++i) {
        const QAction* speed = action(window, qPrintable(QStringLiteral("actionSpeed_%1").arg(i)));
        QVERIFY(speed->isCheckable());
        QCOMPARE(speed->isChecked(), i == run_clock::NormalSpeed);
        QVERIFY(speed->actionGroup() && speed->actionGroup()->isExclusive());
    }
    QCOMPARE(action(window, "actionSpeed_2")->text(), QStringLiteral("1\u00d7"));
    QCOMPARE(action(window, "actionSpeed_0")->text(), QStringLiteral("0.25\u00d7"));
    QVERIFY(action(window, "actionPanel")->isCheckable());
    QVERIFY(!action(window, "actionStepBack")->isEnabled()); // nothing to go back to at start-up
}

void RunControlTest::menuTextsFollowTheButtonsAndKeysWork()
{
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* startReset = action(window, "actionStartReset");
    QAction* pauseCont = action(window, "actionPauseCont");
    QCOMPARE(startReset->text(), QStringLiteral("&Start"));
    QCOMPARE(pauseCont->text(), QStringLiteral("&Pause"));

    QTest::keyClick(window.windowHandle(), Qt::Key_F5);
    QVERIFY(clock(window)->isActive());
    QCOMPARE(startReset->text(), QStringLiteral("&Reset"));
    QTRY_VERIFY(window.history().ticks() >= 2); // so that a step back lands after Start

    QTest::keyClick(window.windowHandle(), Qt::Key_F6);
    QVERIFY(!clock(window)->isActive());
    QCOMPARE(pauseCont->text(), QStringLiteral("&Cont"));
    QCOMPARE(find<QPushButton>(window, QStringLiteral("cmdPause"))->text(), QStringLiteral("Cont"));

    const auto ticks = window.history().ticks();
    QTest::keyClick(window.windowHandle(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(window.history().ticks(), ticks + 1);
    QTest::keyClick(window.windowHandle(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(window.history().ticks(), ticks);

    QTest::keyClick(window.windowHandle(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(window.runPanel()->isVisible());
    QVERIFY(action(window, "actionPanel")->isChecked());
    // The run keys work from the panel's window as well, and Ctrl+L closes it.
    window.runPanel()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.runPanel()));
    QTest::keyClick(window.runPanel()->windowHandle(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(window.history().ticks(), ticks + 1);
    QTest::keyClick(window.runPanel()->windowHandle(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(!window.runPanel()->isVisible());
    QVERIFY(!action(window, "actionPanel")->isChecked());

    // The menu entries do what the buttons do, recorded like them.
    pauseCont->trigger();
    QVERIFY(clock(window)->isActive());
    QCOMPARE(window.history().trace().log().back().text, "Cont pressed");
}

void RunControlTest::aStepRunsExactlyOneTickAndPausesARunningClock()
{
    MainWindow window;

    // Before any Start: the step presses Start and Pause, so the buttons read
    // Reset and Cont, and then runs one tick.
    Form1 expected = window.form();
    expected.showMessageBox = nullptr;
    expected.cmdReset_Click();
    expected.cmdPause_Click();
    expected.Timer1_Timer();
    window.step();
    QCOMPARE(window.history().ticks(), 1);
    QVERIFY(state(window.form()) == state(expected));
    QCOMPARE(window.form().cmdReset.Caption, "Reset");
    QCOMPARE(window.form().cmdPause.Caption, "Cont");
    QVERIFY(!clock(window)->isActive());
    window.runEvent({EventKind::StartReset, 0, 0}); // Reset: a new run, not started

    // Running: the step pauses first, then runs one tick, and the clock stays off.
    window.runEvent({EventKind::StartReset, 0, 0});
    QTRY_VERIFY(window.history().ticks() >= 4);
    const auto before = window.history().ticks();
    window.step();
    QCOMPARE(window.history().ticks(), before + 1);
    QVERIFY(!clock(window)->isActive());
    QCOMPARE(window.form().cmdPause.Caption, "Cont");
    QTest::qWait(200);
    QCOMPARE(window.history().ticks(), before + 1);

    // Paused: each step is Timer1_Timer once, nothing more.
    for (int i = 0; i < 5; ++i) {
        expected = window.form();
        expected.showMessageBox = nullptr;
        expected.Timer1_Timer();
        window.step();
        QVERIFY(state(window.form()) == state(expected));
    }
}

void RunControlTest::stepBackRebuildsEachEarlierStateAndTheRunGoesOn()
{
    MainWindow window;
    startCongestionControlRun(window);
    std::vector<Form1> seen;
    for (int i = 0; i < 200; ++i) {
        if (i == 50) QVERIFY(loseAPacket(window));
        window.step();
        seen.push_back(window.form());
    }
    QCOMPARE(window.history().ticks(), 200);

    // Back, tick by tick, past the loss: each state as it was.
    for (int tick = 199; tick >= 41; --tick) {
        window.stepBack();
        QCOMPARE(window.history().ticks(), tick);
        QVERIFY2(state(window.form()) == state(seen[static_cast<std::size_t>(tick - 1)]),
                 qPrintable(QString::number(tick)));
    }
    QVERIFY(window.rewindTo(30));
    QVERIFY(state(window.form()) == state(seen[29]));
    QVERIFY(!clock(window)->isActive());

    // Stepping forward replays what was recorded: the loss happens again.
    steps(window, 90);
    QCOMPARE(window.history().ticks(), 120);
    QVERIFY(state(window.form()) == state(seen[119]));

    // An action of the user's own branches the run: the loss is gone, so the run goes another way.
    QVERIFY(window.rewindTo(30));
    window.runEvent({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::DelayedAck), 0});
    window.runEvent({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::DelayedAck), 0});
    QVERIFY(!window.history().replaying());
    steps(window, 90);
    QVERIFY(!(state(window.form()) == state(seen[119])));
    Form1 replayed = window.history().recorder().stateAt(120);
    QVERIFY(state(window.form()) == state(replayed));
}

void RunControlTest::goToTickLandsWhereSteppingLandsForwardAndBack()
{
    // Random losses: a tick reached another way than by Step would show at once.
    LossSettings losses;
    losses.packetPercent = 10;
    losses.ackPercent = 5;
    losses.seed = 35;
    MainWindow stepped;
    stepped.setLosses(losses);
    startCongestionControlRun(stepped);
    std::vector<std::uint64_t> digests;
    for (int i = 0; i < 500; ++i) {
        stepped.step();
        digests.push_back(stateDigest(stepped.form()));
    }
    MainWindow jumped;
    jumped.setLosses(losses);
    startCongestionControlRun(jumped);
    QVERIFY(action(jumped, "actionGoToTick") != nullptr);
    QCOMPARE(jumped.goToTick(500), 500);
    QCOMPARE(stateDigest(jumped.form()), digests[499]);
    QVERIFY(!clock(jumped)->isActive());
    // Back to a tick reached, then on again past it: the same states.
    QCOMPARE(jumped.goToTick(137), 137);
    QCOMPARE(stateDigest(jumped.form()), digests[136]);
    QCOMPARE(jumped.goToTick(420), 420);
    QCOMPARE(stateDigest(jumped.form()), digests[419]);
    // A tick before the run's start lands on its first.
    QCOMPARE(jumped.goToTick(-5), 0);
}

void RunControlTest::speedChangesOnlyTheIntervalBetweenTicks()
{
    MainWindow window;
    const int expectedIntervals[] = {200, 100, 50, 25, 13};
    for (int i = 0; i < 5; ++i) {
        action(window, qPrintable(QStringLiteral("actionSpeed_%1").arg(i)))->trigger();
        QCOMPARE(window.speed(), i);
        QCOMPARE(window.tickInterval(), expectedIntervals[i]);
    }
    QCOMPARE(window.form().Timer1.Interval, 50); // the model's clock is untouched

    // At 4x, the clock runs the same ticks as ever: the run equals one driven
    // by hand through the engine with the same events.
    window.runEvent({EventKind::StartReset, 0, 0});
    QCOMPARE(clock(window)->interval(), 13);
    QTRY_VERIFY(window.history().ticks() >= 40);
    window.runEvent({EventKind::PauseCont, 0, 0});
    const auto ticks = window.history().ticks();

    Form1 byHand;
    byHand.Form_Load();
    byHand.cmdReset_Click();
    for (int i = 0; i < ticks; ++i)
        byHand.Timer1_Timer();
    byHand.cmdPause_Click();
    QVERIFY(state(window.form()) == state(byHand));

    action(window, "actionSpeed_2")->trigger();
    window.runEvent({EventKind::PauseCont, 0, 0});
    QCOMPARE(clock(window)->interval(), 50);
}

void RunControlTest::inOrderReceiverEntryIsRecordedAndFollowsTheModel()
{
    MainWindow window;
    QAction* inOrder = action(window, "actionInOrderReceiver");
    QCOMPARE(inOrder->text(), QStringLiteral("Receiver keeps only in-order packets"));
    QVERIFY(inOrder->isCheckable());
    QVERIFY(!inOrder->isChecked());

    window.runEvent({EventKind::StartReset, 0, 0});
    window.step();
    inOrder->trigger();
    QCOMPARE(window.form().UseInOrderReceiver, True);
    QVERIFY(inOrder->isChecked());
    QCOMPARE(window.history().trace().log().back().text, "Receiver keeps only in-order packets on");

    // Going back to before the click takes the check mark away with it.
    window.step();
    window.rewindTo(1);
    QCOMPARE(window.form().UseInOrderReceiver, False);
    QVERIFY(!inOrder->isChecked());
}

// Tahoe's rule says what fast retransmit does: greyed out until Fast
// Retransmit is in force, then recorded like the boxes, and the status line
// names the fast-retransmit rule in force.
void RunControlTest::tahoesRuleEntryActsWithFastRetransmitAndTheStatusLineNamesTheRule()
{
    MainWindow window;
    QAction* tahoe = action(window, "actionTahoeRule");
    QCOMPARE(menuOf(window, tahoe), QLatin1String("Options"));
    QCOMPARE(tahoe->text(), QStringLiteral("Fast retransmit restarts slow start (Tahoe)"));
    QVERIFY(tahoe->isCheckable() && !tahoe->isChecked());
    QVERIFY(!tahoe->isEnabled());
    const auto status = [&window] { return window.findChild<QLabel*>(QStringLiteral("statusLine"))->text(); };
    QVERIFY(!status().contains(QStringLiteral("Fast retransmit")));

    for (const OptionBox box : {OptionBox::SlowStart, OptionBox::FastRetransmit})
        window.runEvent({EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
    QVERIFY(tahoe->isEnabled());
    QVERIFY(status().contains(QStringLiteral("Fast retransmit as Reno: fast recovery")));
    tahoe->trigger();
    QCOMPARE(window.form().UseTahoeRule, True);
    QVERIFY(tahoe->isChecked());
    QCOMPARE(window.history().trace().log().back().text, "Fast retransmit restarts slow start (Tahoe) on");
    QVERIFY(status().contains(QStringLiteral("Fast retransmit as Tahoe: back to one packet")));
}

void RunControlTest::clientAreaLooksAsIfNothingWereAdded()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    startCongestionControlRun(window);
    action(window, "actionPanel")->trigger();
    steps(window, 60);
    QVERIFY(loseAPacket(window));
    steps(window, 30);
    window.runPanel()->close();

    // The same state in a bare client area, as the window was before the
    // menus, the history and the panel: not one pixel differs.
    Form1 copy = window.form();
    FormView bare(copy, [](const UserEvent&) {});
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bare));
    for (QWidget* view : {static_cast<QWidget*>(window.clientArea()), static_cast<QWidget*>(&bare)}) {
        if (QWidget* focused = view->focusWidget()) focused->clearFocus();
    }
    const QImage withMenus = window.clientArea()->grab().toImage();
    const QImage without = bare.grab().toImage();
    QCOMPARE(withMenus.size(), QSize(855, 595));
    QVERIFY(withMenus == without);
}

void RunControlTest::aboutBoxNamesTheVersionOfThisBuild()
{
    MainWindow window;
    window.show();
    QString aboutText;
    // The box is modal: read and close it from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        aboutText = box->text();
        box->accept();
    });
    action(window, "actionAbout")->trigger();
    QVERIFY(aboutText.contains(QStringLiteral("Version %1").arg(QString::fromUtf8(app::Version))));
}

QTEST_MAIN(RunControlTest)
#include "run_control_test.moc"

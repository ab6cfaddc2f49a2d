// Run > Practice on the desktop: the question holds the clock, keys answer
// it, the explanation follows the event, and any action of the user's own
// withdraws a question still waiting for its event.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "tests/qt/window_support.h"
#include "ui/qt/form_view.h"
#include "ui/qt/practice_panel.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

class PracticePanelTest : public QObject {
    Q_OBJECT

private slots:
    void questionHoldsTheClockKeysAnswerAndActionsWithdraw();
    void windowFitsItsTextAndTheScreen();
};

void PracticePanelTest::questionHoldsTheClockKeysAnswerAndActionsWithdraw()
{
    MainWindow window;
    window.show();
    PracticePanel* panel = window.practicePanel();
    const auto* timer = find<QTimer>(window, QStringLiteral("Timer1"));
    window.runPanel();
    window.runEvent({EventKind::StartReset, 0, 0});
    // Its widgets wait for the first time Practice is switched on.
    QVERIFY(panel->findChild<QLabel*>(QStringLiteral("practicePrompt")) == nullptr);
    action(window, "actionPractice")->trigger();
    QVERIFY(panel->isVisible());
    const auto tickUntil = [&](auto done) {
        for (int i = 0; i < 5000 && !done(); ++i)
            window.runEvent({EventKind::Tick, 0, 0});
        return done();
    };

    QVERIFY(tickUntil([&] { return panel->holdsClock(); }));
    QVERIFY(!timer->isActive());
    QTest::keyClick(&window, Qt::Key_1);
    QCOMPARE(panel->session().chosen(), 0);
    QVERIFY(timer->isActive());
    QVERIFY(tickUntil([&] { return panel->session().phase() == practice::Session::Phase::Explaining; }));
    const QString explanation = find<QLabel>(*panel, QStringLiteral("practiceExplanation"))->text();
    QVERIFY(explanation.contains(QString::fromStdString(panel->session().question()->explanation)));
    // The event is marked on the window and the chart while it is explained.
    QCOMPARE(window.clientArea()->markedPacket(), panel->session().question()->packet);
    QCOMPARE(window.runPanel()->chart()->cursorTick(),
             std::optional<std::int32_t>(panel->session().eventTick()));

    // Esc skips the next question; Pause while it waits withdraws the one
    // after. Practice switched off and on again asks without the usual pause.
    const auto restart = [&] {
        action(window, "actionPractice")->trigger();
        action(window, "actionPractice")->trigger();
    };
    restart();
    QCOMPARE(window.clientArea()->markedPacket(), -1);
    QVERIFY(tickUntil([&] { return panel->holdsClock(); }));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!panel->holdsClock());
    QVERIFY(tickUntil([&] { return panel->session().phase() == practice::Session::Phase::Explaining; }));
    QVERIFY(panel->session().records().back().skipped);
    restart();
    QVERIFY(tickUntil([&] { return panel->holdsClock(); }));
    window.runEvent({EventKind::PauseCont, 0, 0});
    QVERIFY(!panel->holdsClock());
    QVERIFY(panel->session().records().back().withdrawn);
    QVERIFY(!find<QLabel>(*panel, QStringLiteral("practiceExplanation"))->text().isEmpty());
}

// Each question's prompt and explanation show whole, with nothing to scroll
// on an ordinary screen, and the window never reaches past the screen's free area.
void PracticePanelTest::windowFitsItsTextAndTheScreen()
{
    MainWindow window;
    window.show();
    PracticePanel* panel = window.practicePanel();
    window.runEvent({EventKind::StartReset, 0, 0});
    action(window, "actionPractice")->trigger();
    const auto* scroll = find<QScrollArea>(*panel, QStringLiteral("practiceScroll"));
    const auto* explanation = find<QLabel>(*panel, QStringLiteral("practiceExplanation"));
    const QRect free = panel->screen()->availableGeometry();
    int explained = 0;
    for (int i = 0; i < 6000 && explained < 3; ++i) {
        window.runEvent({EventKind::Tick, 0, 0});
        if (panel->holdsClock()) panel->choose(panel->session().question()->right);
        if (panel->session().phase() != practice::Session::Phase::Explaining) continue;
        ++explained;
        QCoreApplication::processEvents();
        QVERIFY(free.contains(panel->frameGeometry()));
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
        QVERIFY(explanation->height() >= explanation->heightForWidth(explanation->width()));
        QVERIFY(explanation->text().size() > 40);
        // Off and on again: the next question comes without the usual pause.
        action(window, "actionPractice")->trigger();
        action(window, "actionPractice")->trigger();
    }
    QCOMPARE(explained, 3);
}

QTEST_MAIN(PracticePanelTest)
#include "practice_panel_test.moc"

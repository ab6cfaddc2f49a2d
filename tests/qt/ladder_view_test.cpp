// The time-sequence diagram in the window: it draws the shared description
// of what is in view, and shares one cursor with the chart and the log.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "history/ladder_description.h"
#include "tests/qt/window_support.h"
#include "ui/qt/ladder_view.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

class LadderViewTest : public QObject {
    Q_OBJECT

private slots:
    void theDiagramFollowsTheRunAndSharesTheCursor();
};

void LadderViewTest::theDiagramFollowsTheRunAndSharesTheCursor()
{
    MainWindow window;
    window.show();
    QVERIFY(window.openLesson(QStringLiteral("lost-ack")));
    steps(window, 200);
    action(window, "actionLadder")->trigger();
    auto* view = window.findChild<LadderView*>(QStringLiteral("ladderView"));
    QVERIFY(view != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    view->setFollowing(false);
    view->verticalScrollBar()->setValue(0);
    view->viewport()->repaint();

    // What it drew is the shared description of the ticks in view.
    const ladder::Description& shown = view->shown();
    const ladder::Description expected =
        ladder::describe(window.history().ladder(), window.history().trace(), shown.from, shown.to);
    QCOMPARE(shown.from, 0);
    QVERIFY(!shown.lines.empty());
    QCOMPARE(shown.lines.size(), expected.lines.size());
    QCOMPARE(shown.lines.back().label, expected.lines.back().label);

    // A click on a line puts the chart's cursor on the tick it left, and back.
    const ladder::Line& line = shown.lines[1];
    const ladder::Layout& layout = view->layout();
    const ladder::Point* course = shown.begin(line);
    const double tickThere = course[0].tick + 0.5 * (course[1].tick - course[0].tick);
    const double acrossThere = course[0].across + 0.5 * (course[1].across - course[0].across);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(std::lround(layout.x(acrossThere))),
                             static_cast<int>(std::lround(layout.y(tickThere, 0)))));
    QCOMPARE(window.runPanel()->chart()->cursorTick(), line.left);
    window.runPanel()->chart()->setCursorTick(150);
    QCOMPARE(view->cursorTick(), 150);

    // A double click rewinds the run there.
    QSignalSpy asked(view, &LadderView::rewindRequested);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       QPoint(10, static_cast<int>(std::lround(layout.y(120, 0)))));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(window.history().ticks(), asked.front().front().toInt());
}

QTEST_MAIN(LadderViewTest)
#include "ladder_view_test.moc"

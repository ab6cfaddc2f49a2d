// Losses and comparisons in the window: the Losses dialog hands its settings
// to the run and the status bar names them, the chart panel shows the
// run's figures, and the Compare window's one set of controls drives every
// configuration, its table shows the comparison's figures, and a saved
// comparison opens again to the same figures.
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "frontend/ladder_drawing.h"
#include "tests/qt/window_support.h"
#include "ui/qt/compare_chart.h"
#include "ui/qt/compare_window.h"
#include "ui/qt/form_view.h"
#include "ui/qt/losses_dialog.h"
#include "ui/qt/run_panel.h"
#include "ui/qt/tick_paced_refresh.h"

using namespace window_support;

namespace {

LossSettings someLosses()
{
    LossSettings losses;
    losses.packetPercent = 10;
    losses.ackPercent = 5;
    losses.seed = 11;
    losses.planned.push_back({PlannedLoss::What::Packet, 3, 1});
    return losses;
}

// Every cell of the table against the comparison's own figures.
void checkTable(CompareWindow& compare)
{
    const std::vector<RunFigures> all = compare.comparison().figures();
    QTableWidget* table = compare.table();
    QCOMPARE(table->columnCount(), static_cast<int>(all.size()));
    for (std::size_t column = 0; column < all.size(); ++column) {
        for (std::size_t row = 0; row < figures::RowTitles.size(); ++row)
            QCOMPARE(table->item(static_cast<int>(row), static_cast<int>(column))->text(),
                     QString::fromStdString(figures::cell(all[column], row)));
    }
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    void theLossesDialogSetsTheRunsLossesAndThePanelShowsItsFigures();
    void oneSetOfControlsDrivesEveryConfigurationAndTheTableFollows();
    void aSavedComparisonOpensAgainToTheSameFigures();
    void whatIsRepaintedInPartIsWhatAWholeRepaintDraws();
    void aPacedRefreshComesWithTheTickThatFindsItDueAndAfterTheLast();
};

void CompareTest::theLossesDialogSetsTheRunsLossesAndThePanelShowsItsFigures()
{
    MainWindow window;
    const QString before = find<QLabel>(window, QStringLiteral("statusLine"))->text();
    QVERIFY(!before.contains(QStringLiteral("Losses")));
    QVERIFY(!action(window, "actionNoLosses")->isEnabled());

    // Filled in as a teacher would, while the dialog runs modally.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<LossesDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        find<QSpinBox>(*dialog, QStringLiteral("packetPercent"))->setValue(10);
        find<QSpinBox>(*dialog, QStringLiteral("ackPercent"))->setValue(5);
        find<QDoubleSpinBox>(*dialog, QStringLiteral("seed"))->setValue(11);
        find<QSpinBox>(*dialog, QStringLiteral("plannedNumber"))->setValue(3);
        auto* add = find<QPushButton>(*dialog, QStringLiteral("addPlanned"));
        add->click();
        add->click(); // a repeat is not planned twice
        find<QSpinBox>(*dialog, QStringLiteral("plannedNumber"))->setValue(9);
        add->click();
        auto* list = find<QListWidget>(*dialog, QStringLiteral("plannedList"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("packet 3"));
        find<QPushButton>(*dialog, QStringLiteral("removePlanned"))->click(); // the one just added
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    action(window, "actionLosses")->trigger();
    QCOMPARE(window.losses(), someLosses());
    // Any seed a link or a file carries comes back from the dialog unchanged.
    LossSettings highSeed = someLosses();
    highSeed.seed = 4'000'000'000u;
    QCOMPARE(LossesDialog(highSeed).settings(), highSeed);
    // Beside the status line, which stays as it was, so that the window's width never cuts them.
    QCOMPARE(find<QLabel>(window, QStringLiteral("statusLine"))->text(), before);
    QCOMPARE(find<QLabel>(window, QStringLiteral("statusLosses"))->text(),
             QString::fromStdString(losses::summary(someLosses())));

    // The run deals them; the panel's figures are the run's.
    window.runEvent({EventKind::StartReset, 0, 0});
    steps(window, 500);
    RunPanel* panel = window.runPanel();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    panel->refreshNow();
    const RunFigures figures = figuresOf(window.history());
    QVERIFY(figures.retransmissions > 0);
    QCOMPARE(panel->shownFigures(), figures);
    QCOMPARE(find<QLabel>(*panel, QStringLiteral("figure_1"))->text(),
             QStringLiteral("Retransmissions: <b>%1</b>").arg(figures.retransmissions));

    action(window, "actionNoLosses")->trigger();
    QVERIFY(!window.losses().any());
    QCOMPARE(window.losses().seed, 11u);
    QCOMPARE(find<QLabel>(window, QStringLiteral("statusLine"))->text().contains(QStringLiteral("Losses")),
             false);
}

void CompareTest::oneSetOfControlsDrivesEveryConfigurationAndTheTableFollows()
{
    MainWindow window;
    window.setLosses(someLosses());
    window.openComparison(Comparison::readPresetList("stop-and-wait,go-back-n,selective-repeat"));
    CompareWindow* compare = window.compareWindow();
    QVERIFY(compare != nullptr);
    Comparison& comparison = compare->comparison();
    QCOMPARE(comparison.size(), 3u);
    QCOMPARE(comparison.losses(), someLosses());

    find<QAction>(*compare, QStringLiteral("compareStartReset"))->trigger();
    QVERIFY(comparison.running());
    for (int i = 0; i < 400; ++i)
        find<QAction>(*compare, QStringLiteral("compareStep"))->trigger();
    QVERIFY(!comparison.running());
    for (std::size_t i = 0; i < comparison.size(); ++i)
        QCOMPARE(comparison.history(i).ticks(), 400);
    checkTable(*compare);
    // Go-back-N pays more resends for the same losses than selective repeat.
    const std::vector<RunFigures> figures = comparison.figures();
    QVERIFY(figures[1].retransmissions > figures[2].retransmissions);

    find<QAction>(*compare, QStringLiteral("compareStepBack"))->trigger();
    for (std::size_t i = 0; i < comparison.size(); ++i)
        QCOMPARE(comparison.history(i).ticks(), 399);
    QVERIFY(compare->rewindTo(250));
    for (std::size_t i = 0; i < comparison.size(); ++i)
        QCOMPARE(comparison.history(i).ticks(), 250);
    checkTable(*compare);
    // The views show the models they were given: each sender's state line.
    for (std::size_t i = 0; i < comparison.size(); ++i)
        QCOMPARE(find<QLabel>(*compare->view(i), QStringLiteral("lblState"))->text(),
                 QString::fromStdString(comparison.form(i).lblState.Caption));
}

void CompareTest::aSavedComparisonOpensAgainToTheSameFigures()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("compare.swrun"));
    std::vector<RunFigures> saved;
    std::int32_t savedTicks = 0;
    {
        MainWindow window;
        window.setLosses(someLosses());
        window.openComparison(Comparison::readPresetList("go-back-n,selective-repeat"));
        CompareWindow* compare = window.compareWindow();
        compare->runEvent(0, {EventKind::StartReset, 0, 0});
        for (int i = 0; i < 300; ++i)
            compare->step();
        saved = compare->comparison().figures();
        savedTicks = compare->comparison().ticks();
        // The diagrams of both, side by side: a picture as wide as two.
        find<QAction>(*compare, QStringLiteral("compareDiagram"))->trigger();
        auto* picture = compare->findChild<QLabel*>(QStringLiteral("compareDiagram"));
        QVERIFY(picture != nullptr);
        QVERIFY(picture->pixmap().width() >= 2 * ladder::Layout{}.width);
        QVERIFY(compare->save(path));
    }

    MainWindow window;
    QVERIFY(window.openRunFile(path));
    CompareWindow* compare = window.compareWindow();
    QVERIFY(compare != nullptr);
    QCOMPARE(compare->comparison().size(), 2u);
    QCOMPARE(compare->comparison().losses(), someLosses());
    QCOMPARE(compare->comparison().ticks(), 0);
    while (compare->comparison().ticks() < savedTicks)
        compare->step();
    QCOMPARE(compare->comparison().figures(), saved);
    checkTable(*compare);
}

// The chart repaints only the parts of it that changed, the table only the
// cells whose figures changed, and the status lines only from where their
// text changed: what the screen then shows must be
// what repainting them whole draws, through small and large steps, scales
// that grow on both axes, moving windows (Reno) and a rewind.
void CompareTest::whatIsRepaintedInPartIsWhatAWholeRepaintDraws()
{
    MainWindow window;
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 7;
    window.setLosses(losses);
    window.show();
    window.openComparison(Comparison::readPresetList("stop-and-wait,reno,selective-repeat"));
    CompareWindow* compare = window.compareWindow();
    compare->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    const auto onScreen = [](QWidget* widget) {
        const QRect place(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
        return widget->screen()
            ->grabWindow(widget->window()->winId(), place.x(), place.y(), place.width(), place.height())
            .toImage();
    };
    const auto sameAsWhole = [&onScreen](QWidget* widget) {
        const QImage partly = onScreen(widget);
        widget->repaint();
        const QImage whole = onScreen(widget);
        return !whole.isNull() && partly == whole;
    };
    QWidget* chart = compare->chart();
    auto* compareStatus = find<QLabel>(*compare, QStringLiteral("compareStatus"));
    auto* statusLine = find<QLabel>(window, QStringLiteral("statusLine"));
    window.runEvent({EventKind::StartReset, 0, 0});
    compare->runEvent(0, {EventKind::StartReset, 0, 0});
    int tick = 0;
    for (const int steps : {1, 1, 7, 60, 200, 1, 250, 1, 1, 400, -150, 1, 30, 300}) {
        if (steps < 0) {
            QVERIFY(compare->rewindTo(tick + steps));
        } else {
            for (int i = 0; i < steps; ++i)
                compare->step();
            window_support::steps(window, steps);
        }
        tick = compare->comparison().ticks();
        QTest::qWait(CompareChart::RefreshMilliseconds * 3); // the chart's refresh, and its repaint
        QVERIFY2(sameAsWhole(chart), qPrintable(QStringLiteral("chart at tick %1").arg(tick)));
        QVERIFY2(sameAsWhole(compare->table()->viewport()),
                 qPrintable(QStringLiteral("table at tick %1").arg(tick)));
        checkTable(*compare);
        QVERIFY2(sameAsWhole(compareStatus), qPrintable(compareStatus->text()));
        QVERIFY2(sameAsWhole(statusLine), qPrintable(statusLine->text()));
    }
    QVERIFY(tick > 1000);
}

// Twenty ticks a second ask for a refresh each: one is done at once, the
// rest of a burst waits, the last state still comes in once they stop, and
// a tick that comes an interval later refreshes at once again.
void CompareTest::aPacedRefreshComesWithTheTickThatFindsItDueAndAfterTheLast()
{
    constexpr int Interval = 100;
    int refreshes = 0;
    QObject owner;
    TickPacedRefresh paced(
        Interval, [&refreshes] { ++refreshes; }, &owner);
    for (int tick = 0; tick < 5; ++tick)
        paced.request();
    QCOMPARE(refreshes, 1);
    QTRY_COMPARE_WITH_TIMEOUT(refreshes, 2, 10 * Interval);
    QTest::qWait(Interval * 3 / 2);
    QCOMPARE(refreshes, 2); // nothing asked for since
    paced.request();
    QCOMPARE(refreshes, 3);
}

QTEST_MAIN(CompareTest)
#include "compare_test.moc"

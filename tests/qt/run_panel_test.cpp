// The chart and log panel and the exports: a point per tick, the sawtooth of
// a lossy run, rewinding from the chart, the log's side filter, and files
// that hold what they should.
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "tests/qt/window_support.h"
#include "ui/qt/event_log_view.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

namespace {

constexpr int TxWindowSeries = 0;
constexpr int ThresholdSeries = 1;
constexpr int TimeoutMarkers = 0;
constexpr int FastRetransmitMarkers = 1;
constexpr int PacketLostMarkers = 2;

RunChart* chartOf(MainWindow& window) { return window.runPanel()->chart(); }

// A lossy run with the congestion controls on: a packet lost every 700 ticks.
void runWithLosses(MainWindow& window, int ticks)
{
    startCongestionControlRun(window);
    for (int tick = 1; tick <= ticks; ++tick) {
        if (tick % 700 == 0) loseAPacket(window);
        window.step();
    }
}

QList<double> xs(const QXYSeries* series)
{
    QList<double> values;
    for (const QPointF& point : series->points())
        values << point.x();
    return values;
}

} // namespace

class RunPanelTest : public QObject {
    Q_OBJECT

private slots:
    void theChartTakesAPointPerTickWhileOpen();
    void aLossyRunDrawsTheSawtoothWithItsMarkers();
    void avoidanceShadingCoversExactlyTheTicksOfLinearGrowth();
    void aLongRunKeepsTheChartsLoadBounded();
    void rewindingFromTheChartDropsTheFutureAndTheRunGoesOn();
    void theLogFiltersBySideAndMovesTheCursor();
    void theThresholdIsDrawnOnlyOverTicksWithSlowStart();
    void exportsWriteTheChartAndOneRowPerTick();
};

void RunPanelTest::theChartTakesAPointPerTickWhileOpen()
{
    MainWindow window;
    window.show();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
    window.runEvent({EventKind::StartReset, 0, 0});
    steps(window, 50);
    window.runPanel()->refreshNow();

    const auto& samples = window.history().trace().samples();
    for (int figure = 0; figure < RunChart::FigureCount; ++figure) {
        if (figure == ThresholdSeries) continue; // without Slow Start, no point: see below
        const QList<QPointF> points = chartOf(window)->figureSeries(figure)->points();
        QCOMPARE(points.size(), 51); // tick 0 (start-up) to tick 50
        for (int tick = 0; tick <= 50; ++tick)
            QCOMPARE(points[tick].x(), tick);
    }
    const QList<QPointF> window16 = chartOf(window)->figureSeries(TxWindowSeries)->points();
    QCOMPARE(window16[50].y(), samples[50].txWindow());

    // Closed, it does no work; opened again, it catches up at once.
    window.runPanel()->close();
    steps(window, 30);
    QCOMPARE(chartOf(window)->figureSeries(TxWindowSeries)->count(), 51);
    action(window, "actionPanel")->trigger();
    QCOMPARE(chartOf(window)->figureSeries(TxWindowSeries)->count(), 81);

    // Without a refresh, live ticks come in within a tenth of a second.
    window.runEvent({EventKind::PauseCont, 0, 0});
    QTRY_VERIFY(chartOf(window)->figureSeries(TxWindowSeries)->count() > 90);
}

void RunPanelTest::aLossyRunDrawsTheSawtoothWithItsMarkers()
{
    MainWindow window;
    window.show();
    runWithLosses(window, 3000);
    action(window, "actionPanel")->trigger();
    chartOf(window)->showWholeRun();
    QCOMPARE(chartOf(window)->bucketTicks(), 4); // 3001 ticks over 800 buckets

    const auto& samples = window.history().trace().samples();
    const auto at = [&samples](double tick) -> const TickSample& {
        return samples[static_cast<std::size_t>(tick)];
    };
    // Each loss is answered by fast retransmit: the threshold is cut to half
    // the window, the window deflates to it when the recovery ends, and grows
    // again: tooth after tooth.
    const QList<double> entries = xs(chartOf(window)->markerSeries(FastRetransmitMarkers));
    QCOMPARE(entries.size(), 4);
    for (const double tick : entries) {
        const double peak = at(tick - 1).txWindow();
        const double threshold = at(tick).ssThresh();
        QVERIFY2(threshold >= 2 && threshold <= (peak + 1) / 2,
                 qPrintable(QStringLiteral("tick %1: %2 -> %3").arg(tick).arg(peak).arg(threshold)));
        if (tick + 500 > 3000) continue;
        bool deflated = false;
        for (double later = tick + 1; later <= tick + 300; ++later)
            deflated = deflated || at(later).txWindow() == threshold;
        QVERIFY(deflated);
        QVERIFY(at(tick + 500).txWindow() > threshold);
    }
    QCOMPARE(chartOf(window)->markerSeries(PacketLostMarkers)->count(), 4);
    QCOMPARE(chartOf(window)->markerSeries(TimeoutMarkers)->count(), 0);
    QVERIFY(chartOf(window)->figureSeries(1)->isVisible()); // the threshold, with Slow Start

    // Without Slow Start the threshold means nothing: the chart leaves it out
    // (line and legend entry), the model keeps it.
    QVERIFY(window.applyProtocol("go-back-n"));
    window.runEvent({EventKind::StartReset, 0, 0});
    window.runEvent({EventKind::StartReset, 0, 0});
    steps(window, 50);
    chartOf(window)->showWholeRun();
    QVERIFY(!chartOf(window)->figureSeries(1)->isVisible());
    const auto legend = chartOf(window)->chart()->legend()->markers(chartOf(window)->figureSeries(1));
    QVERIFY(!legend.isEmpty() && !legend.front()->isVisible());
    QVERIFY(window.history().trace().sample(50).ssThresh() > 0);
}

// After every fast-retransmit the window deflates to the threshold and grows
// by avoidance, a fraction of a segment an ACK; slow start and the recovery's
// inflation grow it by whole segments. Only the former is shaded.
void RunPanelTest::avoidanceShadingCoversExactlyTheTicksOfLinearGrowth()
{
    MainWindow window;
    window.show();
    runWithLosses(window, 3000);
    action(window, "actionPanel")->trigger();
    chartOf(window)->showWholeRun();

    std::vector<bool> shaded(3001, false);
    const QList<QPointF> outline = chartOf(window)->avoidanceOutline()->points();
    QCOMPARE(outline.size() % 4, 0);
    for (qsizetype run = 0; run < outline.size(); run += 4) {
        for (int tick = static_cast<int>(outline[run].x()) + 1;
             tick <= static_cast<int>(outline[run + 2].x()); ++tick)
            shaded[static_cast<std::size_t>(tick)] = true;
    }

    const auto& samples = window.history().trace().samples();
    int linear = 0;
    int wholeSegments = 0;
    for (std::size_t tick = 1; tick < shaded.size(); ++tick) {
        const std::int32_t growth = samples[tick].txWindowBytes - samples[tick - 1].txWindowBytes;
        if (growth <= 0) continue;
        const bool byAvoidance = growth < samples[tick].segmentBytes;
        QVERIFY2(shaded[tick] == byAvoidance,
                 qPrintable(QStringLiteral("tick %1 grew by %2").arg(tick).arg(growth)));
        ++(byAvoidance ? linear : wholeSegments);
    }
    QVERIFY(linear > 20);
    QVERIFY(wholeSegments > 10);
}

void RunPanelTest::aLongRunKeepsTheChartsLoadBounded()
{
    MainWindow window;
    window.show();
    action(window, "actionPanel")->trigger();
    startCongestionControlRun(window);
    // Ten minutes of run, the panel following as it goes.
    for (int tick = 1; tick <= 12000; ++tick) {
        if (tick % 1500 == 0) loseAPacket(window);
        window.step();
        if (tick % 250 == 0) window.runPanel()->refreshNow();
    }
    window.runPanel()->refreshNow();
    RunChart* chart = chartOf(window);
    QVERIFY(chart->following());
    QCOMPARE(chart->loadedLast(), 12000);
    // Never more than half as much again as the 600 ticks on screen.
    QVERIFY(chart->figureSeries(TxWindowSeries)->count() <= 901);

    chart->showWholeRun();
    QVERIFY(chart->figureSeries(TxWindowSeries)->count() <= 2 * RunChart::MaxBuckets + 2);
    QCOMPARE(chart->loadedFirst(), 0);
    QVERIFY(xs(chart->figureSeries(TxWindowSeries)).back() >= 11985);
}

void RunPanelTest::rewindingFromTheChartDropsTheFutureAndTheRunGoesOn()
{
    MainWindow window;
    window.show();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
    startCongestionControlRun(window);
    steps(window, 60);
    const Form1 atTick60 = window.form();
    QVERIFY(loseAPacket(window));
    steps(window, 140);
    window.runPanel()->refreshNow();
    RunChart* chart = chartOf(window);
    QCOMPARE(chart->markerSeries(PacketLostMarkers)->count(), 1);

    // The rewind itself, through the cursor and the panel's action.
    chart->setCursorTick(60);
    find<QAction>(*window.runPanel(), QStringLiteral("actionRewindToCursor"))->trigger();
    QCOMPARE(window.history().ticks(), 60);
    QVERIFY(state(window.form()) == state(atTick60));
    window.runPanel()->refreshNow();
    QCOMPARE(chart->markerSeries(PacketLostMarkers)->count(), 0);
    QCOMPARE(chart->figureSeries(TxWindowSeries)->count(), 61);
    const auto& log = window.history().trace().log();
    QVERIFY(
        std::none_of(log.begin(), log.end(), [](const LogEntry& e) { return e.text.ends_with(" lost"); }));

    // And on from there, as a new branch the chart follows.
    steps(window, 20);
    window.runPanel()->refreshNow();
    QCOMPARE(chart->figureSeries(TxWindowSeries)->count(), 81);
    QCOMPARE(chart->loadedLast(), 80);

    // A double click on the plot rewinds to the tick under the mouse.
    QSignalSpy asked(chart, &RunChart::rewindRequested);
    const QPointF at = chart->chart()->mapToPosition(QPointF(30, 1), chart->figureSeries(TxWindowSeries));
    QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {},
                       chart->mapFromScene(chart->chart()->mapToScene(at)));
    QCOMPARE(asked.count(), 1);
    const int picked = asked.front().front().toInt();
    QVERIFY(std::abs(picked - 30) <= 1);
    QCOMPARE(window.history().ticks(), picked);
    QCOMPARE(chart->cursorTick(), picked);
}

void RunPanelTest::theLogFiltersBySideAndMovesTheCursor()
{
    MainWindow window;
    window.show();
    action(window, "actionPanel")->trigger();
    startCongestionControlRun(window);
    steps(window, 150);
    QVERIFY(loseAPacket(window));
    steps(window, 150);
    window.runPanel()->refreshNow();
    EventLogView* log = window.runPanel()->log();
    const int all = log->visibleRows();
    QCOMPARE(all, static_cast<int>(window.history().trace().log().size()));

    int sum = 0;
    for (const LogSource only : {LogSource::Sender, LogSource::Receiver, LogSource::User}) {
        for (const LogSource side : {LogSource::Sender, LogSource::Receiver, LogSource::User})
            log->setSideShown(side, side == only);
        QVERIFY(log->visibleRows() > 0);
        for (int row = 0; row < log->visibleRows(); ++row)
            QVERIFY(log->sideOfRow(row) == only);
        sum += log->visibleRows();
    }
    QCOMPARE(sum, all);

    // Still showing only the user's rows: options, sliders, Start, the pause
    // of the first step, and the loss in words.
    QVERIFY(log->visibleRows() >= 7);
    bool lossLogged = false;
    for (int row = 0; row < log->visibleRows(); ++row)
        lossLogged = lossLogged || (log->tickOfRow(row) == 150 && log->textOfRow(row).endsWith(" lost"));
    QVERIFY(lossLogged);

    // The side boxes are the filter's switches.
    auto* sender = find<QCheckBox>(*log, QStringLiteral("logShow_sender"));
    sender->click();
    QVERIFY(sender->isChecked());
    QVERIFY(log->visibleRows() > 7);

    // Selecting an entry puts the chart's cursor on its tick.
    const int last = log->visibleRows() - 1;
    log->selectRow(last);
    QCOMPARE(chartOf(window)->cursorTick(), log->tickOfRow(last));
    QCOMPARE(log->selectedRow(), last); // not the first entry of that tick
    log->selectRow(0);
    QCOMPARE(chartOf(window)->cursorTick(), 0);
}

void RunPanelTest::exportsWriteTheChartAndOneRowPerTick()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindow window;
    runWithLosses(window, 800);

    // The panel need not be open.
    QVERIFY(!window.runPanel()->isVisible());
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(window.exportChartPng(png));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(1920, 1080)); // a 16:9 slide
    // The coloured lines of the figures are drawn, not just the axes.
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            coloured += image.pixelColor(x, y).hsvSaturation() > 150 ? 1 : 0;
    QVERIFY2(coloured > 500, qPrintable(QString::number(coloured)));

    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    QVERIFY(window.exportChartSvg(svg));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray drawing = svgFile.readAll();
    QVERIFY(drawing.contains("<svg"));
    QVERIFY(drawing.contains("<path") || drawing.contains("<polyline"));

    const QString csv = dir.filePath(QStringLiteral("run.csv"));
    QVERIFY(window.exportRunCsv(csv));
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QByteArray rows = csvFile.readAll();
    // Records end in CR LF; several entries of one tick share a field, split by LF alone.
    QCOMPARE(rows.count("\r\n"), 1 + 801);
    QVERIFY(rows.startsWith("tick,tx_window,"));
    QVERIFY(rows.left(rows.indexOf("\r\n")).endsWith(",goodput,recent_goodput")); // the exporter's columns
    QVERIFY(rows.contains("\r\n800,"));
    QVERIFY(rows.contains("packet-lost"));

    QVERIFY(!window.exportRunCsv(dir.filePath(QStringLiteral("no/such/folder/run.csv"))));
}

QTEST_MAIN(RunPanelTest)
#include "run_panel_test.moc"

// The threshold means something only while Slow Start is in force: the line
// breaks over the ticks without it, live and when the range is loaded anew.
void RunPanelTest::theThresholdIsDrawnOnlyOverTicksWithSlowStart()
{
    MainWindow window;
    window.show();
    action(window, "actionPanel")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window.runPanel()));
    const UserEvent slowStart{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::SlowStart), 0};
    window.runEvent(slowStart);
    window.runEvent({EventKind::StartReset, 0, 0});
    for (int stretch = 0; stretch < 3; ++stretch) {
        steps(window, 100);
        window.runPanel()->refreshNow();
        window.runEvent(slowStart); // off at tick 100, on again at 200, off at 300
    }
    steps(window, 50);
    window.runPanel()->refreshNow();

    const auto& samples = window.history().trace().samples();
    const auto check = [&] {
        const std::vector<QLineSeries*> stretches = chartOf(window)->thresholdSeries();
        QCOMPARE(stretches.size(), std::size_t{2});
        for (QLineSeries* stretch : stretches) {
            QVERIFY(stretch->isVisible() && stretch->count() > 10);
            for (const QPointF& point : stretch->points())
                QVERIFY2(samples[static_cast<std::size_t>(point.x())].slowStart,
                         qPrintable(QString::number(point.x())));
        }
        QVERIFY(stretches[0]->points().back().x() < 101 && stretches[1]->points().front().x() > 199);
    };
    check(); // as the ticks came in
    chartOf(window)->showWholeRun();
    check(); // loaded at once
}

// Plays a run with slow start, avoidance, fast retransmit and a packet lost
// every 700 ticks, opens the chart and log panel over the whole run with the
// cursor on the second loss, and saves what the screen shows:
//
//   chart_screenshot OUTPUT_DIR [SECONDS]
//
// writes panel.png and window.png, then lets the run go on live for SECONDS
// (default 0) with the chart following it, for a look at the whole screen.
// Run under xvfb-run for the real X platform; the picture in docs/chart.png
// is panel.png.
#include <QApplication>
#include <QDir>
#include <QScatterSeries>
#include <QTest>
#include <cstdio>

#include "tests/qt/window_support.h"
#include "ui/qt/event_log_view.h"
#include "ui/qt/run_chart.h"
#include "ui/qt/run_panel.h"

using namespace window_support;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: chart_screenshot OUTPUT_DIR [SECONDS]\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    startCongestionControlRun(window);
    int losses = 0;
    for (int tick = 1; tick <= 4200; ++tick) {
        if (tick % 700 == 0 && loseAPacket(window)) ++losses;
        window.step();
    }

    RunPanel* panel = window.runPanel();
    panel->resize(1000, 720);
    window.findChild<QAction*>(QStringLiteral("actionPanel"))->trigger();
    if (!QTest::qWaitForWindowExposed(panel)) return 1;
    panel->chart()->showWholeRun();

    // The cursor on the second loss, through the log as a user would.
    EventLogView* log = panel->log();
    for (int row = 0, seen = 0; row < log->visibleRows(); ++row) {
        if (!log->textOfRow(row).endsWith(QStringLiteral(" lost")) || ++seen < 2) continue;
        log->selectRow(row);
        break;
    }
    QTest::qWait(500);

    const bool saved = panel->grab().save(output.filePath(QStringLiteral("panel.png"))) &&
                       window.grab().save(output.filePath(QStringLiteral("window.png")));
    std::printf("%d ticks, %d losses, %d fast-retransmit points; saved in %s\n", window.history().ticks(),
                losses, static_cast<int>(panel->chart()->markerSeries(1)->count()),
                qPrintable(output.absolutePath()));
    if (argc == 3) {
        panel->chart()->zoomBy(0.25, window.history().ticks());
        panel->chart()->setFollowing(true);
        window.runEvent({EventKind::PauseCont, 0, 0});
        QTest::qWait(QString::fromLocal8Bit(argv[2]).toInt() * 1000);
    }
    return saved && losses == 6 ? 0 : 1;
}

// The Compare window under the window probe: stop-and-wait, go-back-N and
// selective repeat side by side at 5 % packet loss, started through the
// window's own Start, so that its CPU can be set against one window's.
//
//   window_probe_compare first-frame LAUNCH_NS | animate SECONDS
#include <QApplication>
#include <QTimer>

#include "bench/window_probe.h"
#include "ui/qt/compare_window.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    MainWindow owner;
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 7;
    owner.setLosses(losses);
    owner.openComparison(Comparison::readPresetList("stop-and-wait,go-back-n,selective-repeat"));
    CompareWindow& window = *owner.compareWindow();
    long ticks = 0;
    QObject::connect(window.findChild<QTimer*>(QStringLiteral("compareClock")), &QTimer::timeout,
                     [&ticks] { ++ticks; });
    ProbeHooks hooks;
    hooks.startRun = [&window] { window.runEvent(0, {EventKind::StartReset, 0, 0}); };
    hooks.fastForward = [&window](long ticks) {
        for (long tick = 0; tick < ticks; ++tick)
            window.comparison().tick();
        window.showComparison();
    };
    hooks.ticksRun = [&ticks] { return ticks; };
    return runWindowProbe(argc, argv, window, hooks);
}

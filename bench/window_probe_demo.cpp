// The demonstration's window, built exactly as the program's main() builds
// it, under the window probe. "Start" is clicked through the button itself.
//
//   window_probe_demo first-frame LAUNCH_NS | animate SECONDS [ZOOM_PERCENT]
//
// With a zoom, the client area is drawn at that size (a projector's 200 %).
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "bench/window_probe.h"
#include "ui/qt/font_config_preload.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[])
{
    FontConfigPreload fontConfig;
    QApplication application(argc, argv);
    fontConfig.applicationMade();
    MainWindow window(nullptr, [&fontConfig] { fontConfig.wait(); });
    if (argc == 4) {
        window.setZoom(std::atoi(argv[3]));
        argc = 3;
    }
    long ticks = 0;
    QObject::connect(window.findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout,
                     [&ticks] { ++ticks; });
    ProbeHooks hooks;
    hooks.startRun = [&window] {
        if (auto* start = window.findChild<QPushButton*>(QStringLiteral("cmdReset"))) start->click();
    };
    hooks.fastForward = [&window](long ticks) {
        for (long tick = 0; tick < ticks; ++tick)
            window.runEvent(UserEvent{EventKind::Tick, 0, 0});
    };
    hooks.ticksRun = [&ticks] { return ticks; };
    return runWindowProbe(argc, argv, window, hooks);
}

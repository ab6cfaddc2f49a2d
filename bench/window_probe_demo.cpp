// The demonstration's window, built exactly as the program's main() builds
// it, under the window probe. "Start" is clicked through the button itself.
#include <QApplication>
#include <QPushButton>

#include "bench/window_probe.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    MainWindow window;
    long ticks = 0;
    QObject::connect(window.findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout,
                     [&ticks] { ++ticks; });
    ProbeHooks hooks;
    hooks.startRun = [&window] {
        if (auto* start = window.findChild<QPushButton*>(QStringLiteral("cmdReset"))) start->click();
    };
    hooks.ticksRun = [&ticks] { return ticks; };
    return runWindowProbe(argc, argv, window, hooks);
}

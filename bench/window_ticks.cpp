// Runs the demonstration's window for a given number of ticks, each followed
// by the repaint it asks for, inside one function: a driver for callgrind,
// whose count of the window's instructions per tick does not move with the
// machine's load as its CPU time does.
//
//   valgrind --tool=callgrind --toggle-collect='*runWindowTicks*' window_ticks TICKS [ZOOM_PERCENT]
//
// The window's own clock is kept from firing; each tick is the event the
// clock would send, then the event loop runs until the frame is out.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/main_window.h"

namespace {

[[gnu::noinline]] void runWindowTicks(MainWindow& window, long ticks)
{
    for (long tick = 0; tick < ticks; ++tick) {
        window.runEvent(UserEvent{EventKind::Tick, 0, 0});
        QApplication::processEvents(); // the layout and the repaint the tick asked for
    }
}

// Long enough for the window to be mapped, exposed and drawn once.
void settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const long ticks = argc > 1 ? std::atol(argv[1]) : 200;
    MainWindow window;
    if (argc > 2) window.setZoom(std::atoi(argv[2]));
    auto* clock = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    if (clock == nullptr) return EXIT_FAILURE;
    clock->blockSignals(true); // the ticks below stand in for it
    window.show();
    settle();
    if (auto* start = window.findChild<QPushButton*>(QStringLiteral("cmdReset"))) start->click();
    settle();
    runWindowTicks(window, ticks);
    std::printf("%ld ticks at %d %%\n", ticks, window.zoom());
    return EXIT_SUCCESS;
}

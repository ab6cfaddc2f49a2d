// The baseline: an empty Qt window of the demonstration's size, under the same probe.
#include <QApplication>
#include <QWidget>

#include "bench/window_probe.h"

int main(int argc, char* argv[])
{
    constexpr int Width = 855; // the demonstration's client area in logical pixels
    constexpr int Height = 595;
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(Width, Height);
    return runWindowProbe(argc, argv, window, ProbeHooks{});
}

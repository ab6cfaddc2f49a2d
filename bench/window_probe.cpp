#include "bench/window_probe.h"

#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Calls back once, after the window's first paint has been flushed: the flush
// follows the paint events in the same pass, so a zero timer posted from the
// first paint event runs once the frame is out.
class FirstFrameWatcher : public QObject {
public:
    explicit FirstFrameWatcher(std::function<void()> onShown) : onShown_(std::move(onShown)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, onShown_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onShown_;
    bool seen_ = false;
};

// Counts the paint events of every widget: with a window that touches only
// what changed, a tick repaints a handful of widgets, not all of them.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }

    long paints = 0;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakResidentKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

long long wallNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int usage(const char* program)
{
    std::fprintf(stderr, "usage: %s first-frame LAUNCH_NS | animate SECONDS\n", program);
    return EXIT_FAILURE;
}

} // namespace

int runWindowProbe(int argc, char* argv[], QWidget& window, const ProbeHooks& hooks)
{
    if (argc != 3) return usage(argv[0]);
    const std::string_view mode = argv[1];
    const long long argument = std::atoll(argv[2]);

    if (mode == "first-frame") {
        FirstFrameWatcher watcher([argument] {
            std::printf("first-frame-ms %.2f\n", (wallNanoseconds() - argument) / 1e6);
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS); // the tear-down is not part of the start-up
        });
        window.installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }

    if (mode == "animate" && argument > 0) {
        double cpuAtStart = 0;
        std::chrono::steady_clock::time_point wallAtStart;
        PaintCounter paintCounter;
        long ticksAtStart = 0;
        FirstFrameWatcher watcher([&] {
            if (hooks.startRun) hooks.startRun();
            if (hooks.fastForward) hooks.fastForward(ProbeHooks::FastForwardTicks);
            QApplication::processEvents(); // the fast-forward's frame is not part of the measure
            qApp->installEventFilter(&paintCounter);
            ticksAtStart = hooks.ticksRun ? hooks.ticksRun() : 0L;
            cpuAtStart = cpuSeconds();
            wallAtStart = std::chrono::steady_clock::now();
            QTimer::singleShot(std::chrono::seconds(argument), [&] {
                const double wall =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - wallAtStart).count();
                std::printf("cpu-percent %.3f\n", 100.0 * (cpuSeconds() - cpuAtStart) / wall);
                std::printf("peak-rss-kib %ld\n", peakResidentKib());
                std::printf("ticks %ld\n", (hooks.ticksRun ? hooks.ticksRun() : 0L) - ticksAtStart);
                std::printf("paints %ld\n", paintCounter.paints);
                std::printf("widgets %lld\n",
                            static_cast<long long>(window.findChildren<QWidget*>().size()) + 1);
                std::fflush(stdout);
                QApplication::quit();
            });
        });
        window.installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }
    return usage(argv[0]);
}

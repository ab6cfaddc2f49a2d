// An event dispatcher for a thread that watches hundreds of sockets: the
// classroom server's, with one socket per phone.
//
// Qt's own dispatchers on Linux hand every socket to poll() at each wake-up
// and then look through all of them for the few that are ready, so with 300
// phones every vote, every message from the window's thread and every timer
// costs a pass over 300 sockets, in the kernel and out of it. This one keeps
// the sockets registered with the kernel (epoll), so a wake-up costs what is
// ready, not what is open.
//
// What it does, and nothing more, is what a Qt event loop needs:
//   - socket notifiers (read, write, exception), level-triggered as poll()'s;
//   - timers, in a set ordered by when they are due (a thread has a few);
//   - events posted to the thread (QCoreApplication::postEvent wakes it by
//     an eventfd), and interrupt(), which makes the loop return;
// and QThread::quit() works as with any dispatcher.
//
// Install it with QThread::setEventDispatcher before the thread starts; the
// thread owns it from then on. makeEventDispatcher() gives one where the
// kernel has epoll (Linux) and null elsewhere (Qt's own serves there).
#pragma once

#include <QAbstractEventDispatcher>
#include <QList>
#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <set>
#include <unordered_map>
#include <utility>

class QSocketNotifier;

class EpollEventDispatcher final : public QAbstractEventDispatcher {
    Q_OBJECT

public:
    // Null where the kernel has no epoll (or refused us one).
    static std::unique_ptr<QAbstractEventDispatcher> make();

    // The kernel's handles, which make() opens: the epoll set and the eventfd in it.
    struct Handles {
        int epoll = -1;
        int wake = -1;
    };
    explicit EpollEventDispatcher(Handles handles);
    ~EpollEventDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;

private:
    using Clock = std::chrono::steady_clock;

    // A socket's notifiers, by QSocketNotifier::Type (read, write, exception).
    struct Watch {
        std::array<QSocketNotifier*, 3> notifiers{};
    };
    struct Timer {
        QObject* object = nullptr;
        qint64 interval = 0;
        Qt::TimerType type = Qt::CoarseTimer;
        Clock::time_point due;
        bool firing = false; // its event is being delivered: no second one meanwhile
    };

    void watch(int socket, const Watch& watch, bool known);
    void schedule(int timerId, Timer& timer, Clock::time_point from);
    int millisecondsToNextTimer() const;
    bool fireDueTimers();
    bool activate(int socket, std::uint32_t ready);
    void drainWakeUps();

    int epoll_ = -1;
    int wake_ = -1; // an eventfd: written by wakeUp() from any thread
    std::atomic<bool> wakeUpPending_{false};
    std::atomic<bool> interrupted_{false};
    std::unordered_map<int, Watch> watches_;          // by socket
    std::unordered_map<int, Timer> timers_;           // by timer id
    std::set<std::pair<Clock::time_point, int>> due_; // (when, timer id), soonest first
};

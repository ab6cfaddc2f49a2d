#include "ui/qt/epoll_event_dispatcher.h"

#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace {

// What a notifier of each type waits for; a hang-up or an error wakes every
// notifier of the socket, as poll() reports them to all of its interests.
constexpr std::array<std::uint32_t, 3> InterestOf = {EPOLLIN, EPOLLOUT, EPOLLPRI};
constexpr std::uint32_t Trouble = EPOLLHUP | EPOLLERR;

// Enough for one pass; more ready sockets than this wait for the next, at once.
constexpr int ReadyAtOnce = 256;

} // namespace

std::unique_ptr<QAbstractEventDispatcher> EpollEventDispatcher::make()
{
    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    if (epoll < 0) return nullptr;
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = wake;
    if (wake < 0 || epoll_ctl(epoll, EPOLL_CTL_ADD, wake, &event) != 0) {
        if (wake >= 0) close(wake);
        close(epoll);
        return nullptr;
    }
    return std::make_unique<EpollEventDispatcher>(Handles{epoll, wake});
}

EpollEventDispatcher::EpollEventDispatcher(Handles handles) : epoll_(handles.epoll), wake_(handles.wake) {}

EpollEventDispatcher::~EpollEventDispatcher()
{
    close(wake_);
    close(epoll_);
}

// ---------------------------------------------------------------------------
// Sockets

void EpollEventDispatcher::registerSocketNotifier(QSocketNotifier* notifier)
{
    const int socket = static_cast<int>(notifier->socket());
    const auto type = static_cast<std::size_t>(notifier->type());
    if (socket < 0 || type >= InterestOf.size()) return;
    const auto found = watches_.find(socket);
    const bool known = found != watches_.end();
    Watch& watch = known ? found->second : watches_[socket];
    watch.notifiers[type] = notifier;
    this->watch(socket, watch, known);
}

void EpollEventDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier)
{
    const int socket = static_cast<int>(notifier->socket());
    const auto type = static_cast<std::size_t>(notifier->type());
    const auto found = watches_.find(socket);
    if (found == watches_.end() || type >= InterestOf.size() || found->second.notifiers[type] != notifier)
        return;
    found->second.notifiers[type] = nullptr;
    const Watch& watch = found->second;
    if (watch.notifiers[0] || watch.notifiers[1] || watch.notifiers[2]) {
        this->watch(socket, watch, true);
        return;
    }
    // The socket may be closed already, which took it out of epoll: nothing to undo then.
    epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
    watches_.erase(found);
}

void EpollEventDispatcher::watch(int socket, const Watch& watch, bool known)
{
    epoll_event event{};
    for (std::size_t type = 0; type < InterestOf.size(); ++type)
        if (watch.notifiers[type] != nullptr) event.events |= InterestOf[type];
    event.data.fd = socket;
    if (epoll_ctl(epoll_, known ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, socket, &event) == 0) return;
    // Closed and reopened under the same number without the old notifiers
    // leaving first: the kernel forgot the old one, so this is a new one.
    if (known && errno == ENOENT) epoll_ctl(epoll_, EPOLL_CTL_ADD, socket, &event);
}

bool EpollEventDispatcher::activate(int socket, std::uint32_t ready)
{
    bool any = false;
    for (std::size_t type = 0; type < InterestOf.size(); ++type) {
        if ((ready & (InterestOf[type] | Trouble)) == 0) continue;
        // Looked up afresh each time: the notifier before may have removed
        // this one (a socket closing drops all of its notifiers).
        const auto found = watches_.find(socket);
        if (found == watches_.end()) return any;
        QSocketNotifier* notifier = found->second.notifiers[type];
        if (notifier == nullptr) continue;
        QEvent event(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &event);
        any = true;
    }
    return any;
}

// ---------------------------------------------------------------------------
// Timers

void EpollEventDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                                         QObject* object)
{
    unregisterTimer(timerId);
    Timer& timer = timers_[timerId];
    timer.object = object;
    timer.interval = std::max<qint64>(0, interval);
    timer.type = timerType;
    schedule(timerId, timer, Clock::now());
}

void EpollEventDispatcher::schedule(int timerId, Timer& timer, Clock::time_point from)
{
    timer.due = from + std::chrono::milliseconds(timer.interval);
    due_.emplace(timer.due, timerId);
}

bool EpollEventDispatcher::unregisterTimer(int timerId)
{
    const auto found = timers_.find(timerId);
    if (found == timers_.end()) return false;
    due_.erase({found->second.due, timerId});
    timers_.erase(found);
    return true;
}

bool EpollEventDispatcher::unregisterTimers(QObject* object)
{
    bool any = false;
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second.object != object) {
            ++it;
            continue;
        }
        due_.erase({it->second.due, it->first});
        it = timers_.erase(it);
        any = true;
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> EpollEventDispatcher::registeredTimers(QObject* object) const
{
    QList<TimerInfo> timers;
    for (const auto& [id, timer] : timers_)
        if (timer.object == object)
            timers.append(TimerInfo(id, static_cast<int>(timer.interval), timer.type));
    return timers;
}

int EpollEventDispatcher::remainingTime(int timerId)
{
    const auto found = timers_.find(timerId);
    if (found == timers_.end()) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(found->second.due - Clock::now()).count();
    return static_cast<int>(std::max<std::int64_t>(0, left));
}

int EpollEventDispatcher::millisecondsToNextTimer() const
{
    if (due_.empty()) return -1;
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(due_.begin()->first - Clock::now()).count();
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, 24 * 3600 * 1000));
}

bool EpollEventDispatcher::fireDueTimers()
{
    // Only those due now: a timer of 0 ms due again after its event waits for the next pass.
    const Clock::time_point now = Clock::now();
    std::vector<int> due;
    for (auto it = due_.begin(); it != due_.end() && it->first <= now; ++it)
        due.push_back(it->second);
    for (const int id : due) {
        auto found = timers_.find(id);
        if (found == timers_.end() || found->second.firing) continue;
        Timer& timer = found->second;
        due_.erase({timer.due, id});
        // The next time from when it was due, so that a repeating timer keeps
        // its pace; one that fell behind (a long event) starts afresh from now.
        const Clock::time_point next = timer.due + std::chrono::milliseconds(timer.interval);
        schedule(id, timer, next > now ? timer.due : now);
        timer.firing = true;
        QObject* object = timer.object;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        // The event may have stopped it, or started it again under the same id.
        found = timers_.find(id);
        if (found != timers_.end()) found->second.firing = false;
    }
    return !due.empty();
}

// ---------------------------------------------------------------------------
// The loop

void EpollEventDispatcher::wakeUp()
{
    // One write until the loop has woken: a burst of posted events costs one system call.
    if (wakeUpPending_.exchange(true)) return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
}

void EpollEventDispatcher::interrupt()
{
    interrupted_ = true;
    wakeUp();
}

void EpollEventDispatcher::drainWakeUps()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(wake_, &count, sizeof count);
    wakeUpPending_ = false;
}

bool EpollEventDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    interrupted_ = false;
    emit awake();
    QCoreApplication::sendPostedEvents();
    // An event posted meanwhile has written the eventfd, so waiting is safe:
    // epoll_wait returns at once for it.
    const bool wait = flags.testFlag(QEventLoop::WaitForMoreEvents) && !interrupted_;
    if (wait) emit aboutToBlock();
    const bool withTimers = !flags.testFlag(QEventLoop::X11ExcludeTimers);
    const int timeout = wait ? (withTimers ? millisecondsToNextTimer() : -1) : 0;

    std::array<epoll_event, ReadyAtOnce> ready; // filled by epoll_wait
    int count = 0;
    if (flags.testFlag(QEventLoop::ExcludeSocketNotifiers)) {
        // Sockets left alone: waiting on them would return at once for a ready one, again and again.
        pollfd wake{wake_, POLLIN, 0};
        if (poll(&wake, 1, timeout) == 1) {
            ready[0].data.fd = wake_;
            count = 1;
        }
    } else {
        count = std::max(0, epoll_wait(epoll_, ready.data(), ReadyAtOnce, timeout)); // < 0: a signal
    }
    bool handled = false;
    for (int i = 0; i < count; ++i) {
        if (ready[static_cast<std::size_t>(i)].data.fd == wake_) {
            drainWakeUps();
            handled = true;
        }
    }
    if (interrupted_) return handled;
    if (withTimers) handled = fireDueTimers() || handled;
    if (!flags.testFlag(QEventLoop::ExcludeSocketNotifiers)) {
        for (int i = 0; i < count && !interrupted_; ++i) {
            const epoll_event& event = ready[static_cast<std::size_t>(i)];
            if (event.data.fd != wake_) handled = activate(event.data.fd, event.events) || handled;
        }
    }
    return handled;
}

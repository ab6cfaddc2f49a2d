#include "ui/qt/tick_paced_refresh.h"

TickPacedRefresh::TickPacedRefresh(int intervalMilliseconds, std::function<void()> refresh, QObject* parent)
    : QObject(parent), interval_(intervalMilliseconds), refresh_(std::move(refresh))
{
    clock_.start();
    last_.setSingleShot(true);
    connect(&last_, &QTimer::timeout, this, [this] { refreshNow(); });
}

void TickPacedRefresh::request()
{
    const qint64 now = clock_.elapsed();
    if (due_ < 0 || now >= due_ - interval_ / 4) {
        refreshNow();
        return;
    }
    if (!last_.isActive()) last_.start(static_cast<int>(due_ - now) + interval_ / 2);
}

void TickPacedRefresh::refreshNow()
{
    const qint64 now = clock_.elapsed();
    // On the schedule while the ticks keep up with it; a pause starts a new one.
    due_ = due_ >= 0 && now - due_ < interval_ ? due_ + interval_ : now + interval_;
    last_.stop();
    refresh_();
}

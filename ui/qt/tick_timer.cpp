#include "ui/qt/tick_timer.h"

#include "frontend/run_clock.h"

TickTimer::TickTimer(const QString& name, int speed, QObject* parent) : QObject(parent), speed_(speed)
{
    timer_.setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickTimer::fired);
}

void TickTimer::setSpeed(int index)
{
    if (run_clock::isSpeed(index)) speed_ = index;
}

double TickTimer::speedFactor() const { return run_clock::Speeds[static_cast<std::size_t>(speed_)]; }

int TickTimer::interval(std::int32_t timerInterval) const
{
    return run_clock::tickInterval(timerInterval, speed_);
}

void TickTimer::sync(bool timerEnabled, std::int32_t timerInterval, run_clock::Holds holds)
{
    if (timer_.interval() != interval(timerInterval)) timer_.setInterval(interval(timerInterval));
    holds.messageBox = messageBoxOpen_;
    const bool shouldRun = run_clock::runs(timerEnabled, holds);
    if (shouldRun && !timer_.isActive()) {
        timer_.start();
    } else if (!shouldRun && timer_.isActive()) {
        timer_.stop();
    }
}

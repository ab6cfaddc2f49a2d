// The clock a desktop window runs its model on: one precise QTimer at
// Timer1's interval over the speed, running while the rule of
// frontend/run_clock.h says so. A tick runs to completion before anything
// else; while the model's message box is open the clock is stopped, so that
// no tick can start inside the one that asked.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "frontend/run_clock.h"

class TickTimer : public QObject {
    Q_OBJECT

public:
    // The timer carries `name` as its object name, for tests and measurements.
    TickTimer(const QString& name, int speed, QObject* parent);

    // Index into run_clock::Speeds; any other index is ignored.
    void setSpeed(int index);
    int speed() const { return speed_; }
    double speedFactor() const;
    // Milliseconds between ticks for a model whose Timer1 has `timerInterval`.
    int interval(std::int32_t timerInterval) const;

    // Starts or stops the timer to match the model's Timer1 and what holds the
    // clock (the message box's hold is this timer's own).
    void sync(bool timerEnabled, std::int32_t timerInterval, run_clock::Holds holds = {});
    void setMessageBoxOpen(bool open) { messageBoxOpen_ = open; }
    bool messageBoxOpen() const { return messageBoxOpen_; }

signals:
    void fired();

private:
    QTimer timer_{this};
    int speed_;
    bool messageBoxOpen_ = false;
};

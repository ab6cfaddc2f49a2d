// Runs a view's refresh at most about once an interval while a clock's ticks
// ask for it, and does it inside the tick that finds it due.
//
// A refresh from a timer of its own lands between two ticks, so its repaint
// goes out as a frame of its own: at 20 ticks a second and ten refreshes,
// half as many frames again, each a pass over the window and a round trip
// to the display server. Done inside the tick, its repaint joins the tick's
// frame. The refreshes keep their pace: they are due every interval on a
// schedule, and a tick takes the one that falls due within a quarter of an
// interval of it. When the ticks stop, a timer brings the last state in
// within an interval and a half.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class TickPacedRefresh : public QObject {
public:
    TickPacedRefresh(int intervalMilliseconds, std::function<void()> refresh, QObject* parent);

    // Something changed: refreshes now when a refresh is due, or soon.
    void request();

private:
    void refreshNow();

    int interval_;
    std::function<void()> refresh_;
    QElapsedTimer clock_;
    qint64 due_ = -1;   // ms on clock_ when the next refresh is due; -1: any time
    QTimer last_{this}; // brings the last state in once the ticks stop
};

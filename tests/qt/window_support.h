// Helpers for the window tests: finding controls and menu actions by name,
// and driving a run tick by tick through the window's own run control.
#pragma once

#include <QAction>
#include <QtGlobal>

#include "ui/qt/main_window.h"

namespace window_support {

template <typename Object> Object* find(const QObject& parent, const QString& name)
{
    auto* object = parent.findChild<Object*>(name);
    if (!object) qFatal("nothing named %s", qPrintable(name));
    return object;
}

inline QAction* action(const MainWindow& window, const char* name)
{
    return find<QAction>(window, QLatin1String(name));
}

inline const FormState& state(const Form1& form) { return form; }

inline UserEvent box(OptionBox which)
{
    return {EventKind::ClickCheckBox, static_cast<std::int16_t>(which), 0};
}
inline UserEvent slider(SliderId id, int value)
{
    return {EventKind::MoveSlider, static_cast<std::int16_t>(id), static_cast<std::int16_t>(value)};
}

inline void steps(MainWindow& window, int count)
{
    for (int i = 0; i < count; ++i)
        window.step();
}

// A double click on the lowest packet in flight: lost. False if none flies.
inline bool loseAPacket(MainWindow& window)
{
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
        if (!window.form().cmdPacket[static_cast<std::size_t>(slot)].Visible) continue;
        window.runEvent({EventKind::ClickPacket, slot, 0});
        window.runEvent({EventKind::ClickPacket, slot, 0});
        return true;
    }
    return false;
}

// Slow start, avoidance and fast retransmit, a receive window of 12 packets
// and 32 sequence numbers, then Start: the transmit window grows until the
// receiver's limit or a loss stops it.
inline void startCongestionControlRun(MainWindow& window)
{
    window.runEvent(box(OptionBox::SlowStart));
    window.runEvent(box(OptionBox::Avoidance));
    window.runEvent(box(OptionBox::FastRetransmit));
    window.runEvent(slider(SliderId::RxWindow, 5));
    window.runEvent(slider(SliderId::Sequences, 1));
    window.runEvent({EventKind::StartReset, 0, 0});
}

} // namespace window_support

// User events as data: everything a person can do in the window, plus the
// clock's tick, so that a run can be recorded, replayed, generated at random
// or read from a fuzzer's bytes and applied to a Form1 exactly as the window
// applies it.
#pragma once

#include <cstdint>
#include <string>

#include "core/form.h"

enum class EventKind : std::uint8_t {
    Tick,          // one firing of the clock
    StartReset,    // cmdReset clicked
    PauseCont,     // cmdPause clicked
    ClickPacket,   // target = packet flight slot 0..15
    ClickAck,      // target = ACK flight slot 0..15
    ClickCheckBox, // target = OptionBox
    MoveSlider,    // target = SliderId, value = the new position
};
inline constexpr int EventKindCount = 7;

enum class OptionBox : std::uint8_t {
    SlowStart,
    Avoidance,
    FastRetransmit,
    Selective,
    DelayedAck,
    AutoRtt,
    Slide,
    InOrderReceiver, // not drawn in the window; offered by menus
    GoBackN,         // likewise; added last so that recorded boxes keep their numbers
    TahoeRule        // likewise, after it
};
inline constexpr int OptionBoxCount = 10;

enum class SliderId : std::uint8_t { Timeout, TxWindow, RxWindow, Sequences };
inline constexpr int SliderCount = 4;

struct UserEvent {
    EventKind kind = EventKind::Tick;
    std::int16_t target = 0;
    std::int16_t value = 0;

    bool operator==(const UserEvent&) const = default;
};

CheckBox& optionBox(Form1& form, OptionBox box);
ScrollBar& slider(Form1& form, SliderId id);

// Applies the event as the window would: a tick runs only while the clock is
// enabled, clicks on hidden buttons and disabled boxes do nothing, and a
// slider move is clamped to the bar's range. Targets outside their range are
// ignored, so any bytes make a valid event.
void applyEvent(Form1& form, const UserEvent& event);

// A short description for logs, read before the event is applied:
// "Start clicked", "packet slot 3 clicked", "Tx Window Size moved to 4".
std::string describeEvent(const Form1& form, const UserEvent& event);

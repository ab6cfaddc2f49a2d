// The controls of the main window as plain data.
//
// Much of the simulation state lives in what the window shows: a cell's text
// colour is its packet's state, a flight button's Tag is the packet it carries.
// The model keeps those properties here and the window only mirrors them, so
// every value and comparison is the same with or without a screen.
// Positions and widths are whole twips; colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

#include "core/colours.h"

struct Label {
    std::string Caption;
    Colour ForeColor = colours::Black;
    std::int32_t Left = 0; // twips; only the strip cells move
    std::int32_t Top = 0;
    bool Visible = true;

    bool operator==(const Label&) const = default;
};

// One packet or ACK flight slot; free while hidden.
struct FlightButton {
    std::string Caption;
    std::int32_t Left = 0; // twips
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    bool Visible = false;
    std::string Tag; // decimal text: byte offset (packet) or encoded ACK
    // Has no look of its own: Travelling moves with the clock, Held stays put.
    Colour TravelMarker = colours::Travelling;

    bool operator==(const FlightButton&) const = default;
};

// The retransmission timer under a sender cell: Width is the time left.
struct TimeoutBar {
    std::int32_t Width = 0; // whole twips, 675 full
    std::string Tag;        // "1" running, "0" stopped

    bool operator==(const TimeoutBar&) const = default;
};

inline bool timerRunning(const TimeoutBar& bar) { return bar.Tag.size() == 1 && bar.Tag[0] == '1'; }
inline bool timerStopped(const TimeoutBar& bar) { return bar.Tag.size() == 1 && bar.Tag[0] == '0'; }
inline void startTimer(TimeoutBar& bar) { bar.Tag.assign(1, '1'); }
// Stops the timer and leaves the bar at the given width (0 empty, 675 full).
inline void stopTimer(TimeoutBar& bar, std::int32_t width)
{
    bar.Width = width;
    bar.Tag.assign(1, '0');
}

// The purple frame over a strip's window.
struct Frame {
    std::int32_t Left = 0; // twips
    std::int32_t Width = 0;
    bool Visible = true;

    bool operator==(const Frame&) const = default;
};

struct Button {
    std::string Caption;

    bool operator==(const Button&) const = default;
};

struct CheckBox {
    std::string Caption;
    std::int16_t Value = 0; // 1 ticked, 0 clear
    bool Enabled = true;

    bool operator==(const CheckBox&) const = default;
};

// The clock; the window runs Timer1_Timer every Interval ms while Enabled.
struct Clock {
    bool Enabled = false;
    int Interval = 50;

    bool operator==(const Clock&) const = default;
};

class Form1;

// A slider. Setting its value from code runs its change handler exactly as a
// user's move does, and only when the value really changes.
class ScrollBar {
public:
    using ChangeHandler = void (Form1::*)();

    ScrollBar(int min, int max, int smallChange, int largeChange, int value)
        : Min(min), Max(max), SmallChange(smallChange), LargeChange(largeChange), value_(value)
    {
    }

    int value() const { return value_; }
    // Values outside Min..Max are clamped: a bar cannot stand outside its range.
    void setValue(int value);

    // The owning form wires each bar to its handler (again after a copy).
    void bind(Form1* owner, ChangeHandler onChange)
    {
        owner_ = owner;
        onChange_ = onChange;
    }

    bool operator==(const ScrollBar& other) const
    {
        return Min == other.Min && Max == other.Max && SmallChange == other.SmallChange &&
               LargeChange == other.LargeChange && value_ == other.value_;
    }

    int Min;
    int Max;
    int SmallChange;
    int LargeChange;

private:
    int value_;
    Form1* owner_ = nullptr;
    ChangeHandler onChange_ = nullptr;
};

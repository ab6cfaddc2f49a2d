// The clock every front end runs the model on: the speeds a user can pick,
// the time between two ticks at each, and when the clock may run at all. The
// desktop's windows, the page and the links that carry a speed all read it
// here, so that 2× means the same everywhere.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/numbers.h"

namespace run_clock {

// Multiples of Timer1's own interval. A run always opens at 1×, so that a
// lecture never inherits the last one's 4×.
inline constexpr std::array<double, 5> Speeds = {0.25, 0.5, 1.0, 2.0, 4.0};
inline constexpr int NormalSpeed = 2;

constexpr bool isSpeed(int index) { return index >= 0 && index < static_cast<int>(Speeds.size()); }

// How menus and lists name a speed: "0.25×", "1×".
inline std::string speedName(int index)
{
    return numbers::shortestText(Speeds[static_cast<std::size_t>(index)]) + "\u00d7";
}

// Milliseconds between two ticks at `speedIndex`: Timer1's interval over the
// speed, to the nearest. The speed changes when ticks come, never what a tick does.
inline int tickInterval(std::int32_t timerInterval, int speedIndex)
{
    return static_cast<int>(std::lround(timerInterval / Speeds[static_cast<std::size_t>(speedIndex)]));
}

// What stops the clock besides the model's own Timer1.
struct Holds {
    bool messageBox = false; // the model's box is open, or waits to be shown
    bool practice = false;   // a practice question waits for its answer
    bool classroom = false;  // a question to the room is posed
};

// The clock runs while the model's timer is on and nothing holds it: no tick
// may run while the user reads the model's box or a question.
constexpr bool runs(bool timerEnabled, const Holds& holds)
{
    return timerEnabled && !holds.messageBox && !holds.practice && !holds.classroom;
}

} // namespace run_clock

// Plays a run with nobody at the controls, as the exporter does: the
// recording's actions at their ticks, and past its end the run going on live
// with no further actions (a tick as a Step runs it, whatever the clock).
#pragma once

#include <cstdint>
#include <functional>

class Form1;
class RunHistory;

namespace run_player {

// Plays up to `ticks` ticks and returns how many it played: fewer only for a
// run that never started. `afterTick` sees the model after each one.
std::int32_t play(Form1& form, RunHistory& history, std::int32_t ticks,
                  const std::function<void(const Form1&)>& afterTick = {});

// Go to Tick: the most ticks one goes forward, a few seconds of stepping at
// worst, so that a mistyped tick never holds the window.
inline constexpr std::int32_t MostTicksForward = 100000;

// Puts the current run at tick `tick`, paused: a tick already reached is
// rewound to (the recording after it kept, as a rewind keeps it); a later
// one is stepped to, one Step at a time, exactly as the user stepping there
// would (a run not yet started is started), at most MostTicksForward ticks
// on. Returns the tick reached: short of `tick` only where the run stopped
// (a finished run) or the forward bound was met.
std::int32_t goTo(Form1& form, RunHistory& history, std::int32_t tick);

} // namespace run_player

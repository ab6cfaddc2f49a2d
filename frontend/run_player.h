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

} // namespace run_player

// The time of one busy tick, measured the same way wherever the engine is
// compiled: natively for `busy_tick_time`, in WebAssembly for the page's
// benchmark hook. The same scenario, the same losses, the same clock source
// (std::chrono::steady_clock, which is performance.now() in a browser).
#pragma once

#include <chrono>

#include "bench/scenarios.h"

namespace bench {

// Nanoseconds per tick over `ticks` ticks of the busy state, warm-up excluded.
inline double busyTickNanoseconds(long ticks)
{
    const Form1 warm = busy();
    Form1 form = warm;
    LossInjector loss;
    const auto start = std::chrono::steady_clock::now();
    for (long tick = 1; tick <= ticks; ++tick) {
        if (tick % BusyRestoreTicks == 0) form = warm;
        loss.beforeTick(form);
        form.Timer1_Timer();
    }
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / static_cast<double>(ticks);
}

} // namespace bench

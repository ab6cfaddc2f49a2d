// Runs the busy state for a given number of ticks in a plain loop: a driver
// for profilers, with no timing framework in the way. Everything after the
// warm-up happens inside runTicks, so a profiler can count just that:
//
//   valgrind --tool=callgrind --toggle-collect=runTicks tick_loop 100000
//
//   tick_loop [ticks]     default 200000
#include <cstdio>
#include <cstdlib>

#include "bench/scenarios.h"

namespace {

[[gnu::noinline]] long runTicks(const Form1& warm, long ticks)
{
    Form1 form = warm;
    bench::LossInjector loss;
    for (long tick = 1; tick <= ticks; ++tick) {
        if (tick % bench::BusyRestoreTicks == 0) form = warm;
        loss.beforeTick(form);
        form.Timer1_Timer();
    }
    return loss.losses();
}

} // namespace

int main(int argc, char* argv[])
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 200000;
    const Form1 warm = bench::busy();
    const long losses = runTicks(warm, ticks);
    std::printf("%ld ticks of the busy state, %ld packets or ACKs lost\n", ticks, losses);
    return EXIT_SUCCESS;
}

// Runs the busy state for a given number of ticks and says what the run did:
// a plain driver for profilers (callgrind, perf), with no timing framework in
// the way.
//
//   tick_loop [ticks]     default 200000
#include <cstdio>
#include <cstdlib>

#include "bench/scenarios.h"

int main(int argc, char* argv[])
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 200000;
    const Form1 warm = bench::busy();
    Form1 form = warm;
    bench::LossInjector loss;
    bench::RunProfile profile;
    for (long tick = 0, sinceRestore = 0; tick < ticks; ++tick, ++sinceRestore) {
        if (sinceRestore == bench::BusyRestoreTicks) {
            form = warm;
            sinceRestore = 0;
        }
        loss.beforeTick(form);
        form.Timer1_Timer();
        profile.record(form);
    }
    const double n = static_cast<double>(profile.ticks);
    std::printf("%ld ticks, %ld losses; mean in flight: %.2f packets, %.2f ACKs; mean window %.2f packets\n",
                profile.ticks, loss.losses(), profile.packetsInFlight / n, profile.acksInFlight / n,
                profile.windowSegments / n);
    std::printf(
        "share of ticks by sender state: Normal %.2f SlowStart %.2f TimedOut %.2f FastRetransmit %.2f "
        "Selective %.2f\n",
        profile.ticksInState[0] / n, profile.ticksInState[1] / n, profile.ticksInState[2] / n,
        profile.ticksInState[4] / n, profile.ticksInState[5] / n);
    return profile.clockStopped ? EXIT_FAILURE : EXIT_SUCCESS;
}

// What one clock tick costs, how many ticks a second the engine runs headless,
// and how many heap allocations a tick makes; ends with a met / not met line
// for each target.
//
// Every time is the median over repetitions. A run evolves, so each state is
// restored from a saved copy at fixed intervals, outside the timed region.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/counting_allocator.h"
#include "bench/reporting.h"
#include "bench/scenarios.h"

namespace {

// The first ten seconds of a run: the first packets go out, arrive, and their
// ACKs come back (an undisturbed round trip is 146 ticks).
constexpr int StartStretchTicks = 200;
constexpr int Repetitions = 9;

constexpr double TickTargetNs = 200;
constexpr double ThroughputTarget = 5e6; // ticks per second

void BM_TickJustAfterStart(benchmark::State& state)
{
    const Form1 start = bench::justStarted();
    Form1 form = start;
    int ticks = 0;
    for (auto _ : state) {
        if (ticks == StartStretchTicks) {
            state.PauseTiming();
            form = start;
            ticks = 0;
            state.ResumeTiming();
        }
        form.Timer1_Timer();
        ++ticks;
    }
}

void BM_TickBusy(benchmark::State& state)
{
    const Form1 warm = bench::busy();
    Form1 form = warm;
    bench::LossInjector loss;
    int ticks = 0;
    for (auto _ : state) {
        if (ticks == bench::BusyRestoreTicks) {
            state.PauseTiming();
            form = warm;
            loss = {};
            ticks = 0;
            state.ResumeTiming();
        }
        loss.beforeTick(form); // a double click every 200 ticks; nothing otherwise
        form.Timer1_Timer();
        ++ticks;
    }
}

// Headless throughput: a plain loop, restores included, timed by the wall clock.
constexpr long HeadlessTicksPerIteration = 200000;

void BM_HeadlessBusy(benchmark::State& state)
{
    const Form1 warm = bench::busy();
    Form1 form = warm;
    for (auto _ : state) {
        bench::LossInjector loss;
        form = warm;
        for (long tick = 1; tick <= HeadlessTicksPerIteration; ++tick) {
            if (tick % bench::BusyRestoreTicks == 0) form = warm;
            loss.beforeTick(form);
            form.Timer1_Timer();
        }
        benchmark::DoNotOptimize(form.TxBase);
    }
    state.SetItemsProcessed(state.iterations() * HeadlessTicksPerIteration);
}

BENCHMARK(BM_TickJustAfterStart)->Repetitions(Repetitions)->ReportAggregatesOnly();
BENCHMARK(BM_TickBusy)->Repetitions(Repetitions)->ReportAggregatesOnly();
BENCHMARK(BM_HeadlessBusy)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

struct AllocationFigure {
    std::size_t allocations = 0;
    long ticks = 0;
    double perTick() const { return ticks == 0 ? 0.0 : static_cast<double>(allocations) / ticks; }
};

// Counts only around the ticks (and the clicks of the busy state); restoring
// a copy between stretches is not part of a tick.
AllocationFigure countBusyAllocations(bench::RunProfile& profile, long& losses)
{
    constexpr long Ticks = 100000;
    Form1 form = bench::busy();
    bench::LossInjector loss;
    const std::size_t before = bench::allocationsSoFar();
    for (long tick = 0; tick < Ticks; ++tick) {
        loss.beforeTick(form);
        form.Timer1_Timer();
        profile.record(form);
    }
    losses = loss.losses();
    return {bench::allocationsSoFar() - before, Ticks};
}

// The first ticks of a run give each caption and message slot its first long
// text, so they are counted from a freshly started form, not from a copy.
AllocationFigure countStartAllocations()
{
    Form1 form = bench::justStarted();
    const std::size_t before = bench::allocationsSoFar();
    for (int tick = 0; tick < StartStretchTicks; ++tick)
        form.Timer1_Timer();
    return {bench::allocationsSoFar() - before, StartStretchTicks};
}

} // namespace

int main(int argc, char* argv[])
{
    bench::MedianKeeper reporter;
    if (!bench::runBenchmarks(argc, argv, reporter)) return EXIT_FAILURE;

    bench::RunProfile profile;
    long losses = 0;
    const AllocationFigure busyAllocations = countBusyAllocations(profile, losses);
    const AllocationFigure startAllocations = countStartAllocations();

    const double n = static_cast<double>(profile.ticks);
    std::printf(
        "\nBusy state over %ld ticks: %ld packets or ACKs lost; on average %.1f packets and %.1f ACKs "
        "in flight, window %.1f packets; %d packets acknowledged%s\n",
        profile.ticks, losses, profile.packetsInFlight / n, profile.acksInFlight / n,
        profile.windowSegments / n, profile.lastTxBase - profile.firstTxBase,
        profile.clockStopped ? "; THE CLOCK STOPPED" : "");
    std::printf("Heap allocations per tick: %.4f in the first %ld ticks after Start (%zu), %.4f busy (%zu in "
                "%ld ticks)\n",
                startAllocations.perTick(), startAllocations.ticks, startAllocations.allocations,
                busyAllocations.perTick(), busyAllocations.allocations, busyAllocations.ticks);

    const auto* start = reporter.median("BM_TickJustAfterStart");
    const auto* busy = reporter.median("BM_TickBusy");
    const auto* headless = reporter.median("BM_HeadlessBusy");
    std::printf("\nEngine targets (medians of %d repetitions; tick cost is CPU time):\n", Repetitions);
    if (start != nullptr) {
        const double ns = start->GetAdjustedCPUTime();
        bench::printVerdict(ns <= TickTargetNs, "tick just after Start", bench::format("%.0f ns", ns),
                            "<= 200 ns");
    }
    if (busy != nullptr) {
        const double ns = busy->GetAdjustedCPUTime();
        bench::printVerdict(ns <= TickTargetNs, "tick in the busy state", bench::format("%.0f ns", ns),
                            "<= 200 ns");
    }
    if (headless != nullptr) {
        // Both clocks are shown; the verdict uses CPU time, which other work on
        // a shared machine does not inflate.
        const double ticksPerMs = HeadlessTicksPerIteration * 1e3; // times are in milliseconds
        const double perCpuSecond = ticksPerMs / headless->GetAdjustedCPUTime();
        const double perWallSecond = ticksPerMs / headless->GetAdjustedRealTime();
        bench::printVerdict(perCpuSecond >= ThroughputTarget, "headless ticks per second, busy state",
                            bench::format("%.2f million per CPU second", perCpuSecond / 1e6) +
                                bench::format(", %.2f million per wall-clock second", perWallSecond / 1e6),
                            ">= 5 million");
    }
    bench::printVerdict(busyAllocations.allocations == 0, "heap allocations per tick, busy state",
                        bench::format("%.4f", busyAllocations.perTick()), "0");
    return profile.clockStopped ? EXIT_FAILURE : EXIT_SUCCESS;
}

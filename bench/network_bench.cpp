// What the network's losses and comparisons cost in time: a busy run followed
// by its history without losses, with random losses dealt as it goes, and
// checked for losses that never come (the same run, so only the dealing
// differs); and one, or three, configurations ticking from one clock.
//
// For reference only: the two targets are ratios of these runs, and a ratio
// of two timings on a shared machine does not repeat (the caches, the
// allocator and the neighbours all move it), so bench/instruction-figures
// judges them on the instructions of the same runs (network_loop).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/network_scenarios.h"
#include "bench/reporting.h"

namespace {

using namespace bench::network;

constexpr int Repetitions = 9;

void follow(benchmark::State& state, const LossSettings& losses)
{
    const Form1 start = loaded();
    for (auto _ : state)
        benchmark::DoNotOptimize(followBusy(start, losses));
}

void BM_BusyRunWithoutLosses(benchmark::State& state) { follow(state, noLosses()); }
void BM_BusyRunWithRandomLosses(benchmark::State& state) { follow(state, tenPercent()); }
void BM_BusyRunCheckedForLosses(benchmark::State& state) { follow(state, neverFiring()); }

void compare(benchmark::State& state, const char* presets)
{
    const auto compared = configurations(presets);
    for (auto _ : state)
        benchmark::DoNotOptimize(playComparison(compared));
}

void BM_OneConfiguration(benchmark::State& state) { compare(state, "go-back-n"); }
void BM_ThreeProtocols(benchmark::State& state)
{
    compare(state, "stop-and-wait,go-back-n,selective-repeat");
}
void BM_ThreeTimesGoBackN(benchmark::State& state) { compare(state, "go-back-n,go-back-n,go-back-n"); }

BENCHMARK(BM_BusyRunWithoutLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyRunWithRandomLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyRunCheckedForLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneConfiguration)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeProtocols)->Repetitions(Repetitions)->ReportAggregatesOnly()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeTimesGoBackN)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

double perTickNs(const benchmark::BenchmarkReporter::Run* run, std::int32_t ticks)
{
    return run == nullptr ? 0 : run->GetAdjustedCPUTime() * 1e6 / ticks;
}

} // namespace

int main(int argc, char* argv[])
{
    // Interleaving the repetitions spreads a busy machine's noise over all the runs alike.
    std::vector<char*> arguments(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + std::min(argc, 1), interleave.data());
    int count = static_cast<int>(arguments.size());
    bench::MedianKeeper reporter;
    if (!bench::runBenchmarks(count, arguments.data(), reporter)) return EXIT_FAILURE;

    std::printf("\nCPU time per tick of the run (median of %d repetitions; the targets are judged on "
                "instructions below):\n",
                Repetitions);
    std::printf("  busy run followed: %.0f ns without losses, %.0f ns with 10 %% of packets and ACKs lost "
                "at random (a different run: fewer packets in flight), %.0f ns checked for losses that "
                "never come\n",
                perTickNs(reporter.median("BM_BusyRunWithoutLosses"), RunTicks),
                perTickNs(reporter.median("BM_BusyRunWithRandomLosses"), RunTicks),
                perTickNs(reporter.median("BM_BusyRunCheckedForLosses"), RunTicks));
    std::printf("  a comparison: %.0f ns for go-back-N alone, %.0f ns for three protocols, %.0f ns for "
                "go-back-N three times\n",
                perTickNs(reporter.median("BM_OneConfiguration"), CompareTicks),
                perTickNs(reporter.median("BM_ThreeProtocols"), CompareTicks),
                perTickNs(reporter.median("BM_ThreeTimesGoBackN"), CompareTicks));
    return EXIT_SUCCESS;
}

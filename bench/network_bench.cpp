// What the network's losses and comparisons cost: a busy run followed by its
// history without losses, with random losses dealt as it goes, and checked
// for losses that never come (the same run, so only the dealing differs); and
// three configurations ticking side by side against one.
// Ends with a met / not met line for each target.
//
// Every time is the fastest of the repetitions, per tick of one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/reporting.h"
#include "frontend/comparison.h"
#include "history/run_history.h"

namespace {

constexpr std::int32_t RunTicks = 6000;
constexpr std::int32_t CompareTicks = 3000;
constexpr int Repetitions = 15;
constexpr double LossCostTarget = 1.05;
constexpr double ThreeConfigurationsTarget = 3.0;

Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

LossSettings tenPercent()
{
    LossSettings losses;
    losses.packetPercent = 10;
    losses.ackPercent = 10;
    losses.seed = 7;
    return losses;
}

// The busy scenario of the engine's benchmark, reached through the history:
// windows of 16, Slow Start, Avoidance, Fast Retransmit and Selective Repeat, started.
void playBusy(Form1& form, RunHistory& history, const LossSettings& losses)
{
    history.setLosses(losses);
    for (const UserEvent& event :
         {UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::TxWindow), 1},
          UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::RxWindow), 1},
          UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::SlowStart), 0},
          UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::Avoidance), 0},
          UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::FastRetransmit), 0},
          UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::Selective), 0},
          UserEvent{EventKind::StartReset, 0, 0}})
        history.apply(form, event);
    while (history.ticks() < RunTicks)
        history.tick(form);
}

void followBusy(benchmark::State& state, const LossSettings& losses)
{
    const Form1 start = loaded();
    for (auto _ : state) {
        Form1 form = start;
        RunHistory history(form);
        playBusy(form, history, losses);
        benchmark::DoNotOptimize(form.TxBase);
    }
}

void BM_BusyRunWithoutLosses(benchmark::State& state) { followBusy(state, {}); }
void BM_BusyRunWithRandomLosses(benchmark::State& state) { followBusy(state, tenPercent()); }

// Losses that never fire: the history checks every trip crossing the middle
// of the network on every tick, as with random losses, but the run stays the
// lossless one, so the difference is the cost of dealing alone.
LossSettings neverFiring()
{
    LossSettings losses;
    losses.planned.push_back({PlannedLoss::What::Packet, 30000, 1}); // far past the last packet number
    return losses;
}

void BM_BusyRunCheckedForLosses(benchmark::State& state) { followBusy(state, neverFiring()); }

void compare(benchmark::State& state, const char* presets)
{
    std::vector<Comparison::Configuration> configurations;
    std::string names = presets;
    for (std::size_t from = 0; from <= names.size();) {
        const std::size_t comma = std::min(names.find(',', from), names.size());
        configurations.push_back(Comparison::presetConfiguration(names.substr(from, comma - from)));
        from = comma + 1;
    }
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 7;
    for (auto _ : state) {
        Comparison comparison(configurations, losses);
        comparison.apply(0, UserEvent{EventKind::StartReset, 0, 0});
        while (comparison.ticks() < CompareTicks)
            comparison.tick();
        benchmark::DoNotOptimize(comparison.form(0).TxBase);
    }
}

void BM_OneConfiguration(benchmark::State& state) { compare(state, "go-back-n"); }
void BM_ThreeProtocols(benchmark::State& state)
{
    compare(state, "stop-and-wait,go-back-n,selective-repeat");
}
void BM_ThreeTimesGoBackN(benchmark::State& state) { compare(state, "go-back-n,go-back-n,go-back-n"); }

// Ratios of runs a few percent apart need the least disturbed repetition
// of each: a median still moves by a tenth on a machine doing other work.
double fastest(const std::vector<double>& times)
{
    return times.empty() ? 0 : *std::min_element(times.begin(), times.end());
}

BENCHMARK(BM_BusyRunWithoutLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyRunWithRandomLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyRunCheckedForLosses)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneConfiguration)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeProtocols)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeTimesGoBackN)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("fastest", fastest)
    ->Unit(benchmark::kMillisecond);

double perTickNs(const benchmark::BenchmarkReporter::Run* run, std::int32_t ticks)
{
    return run == nullptr ? 0 : run->GetAdjustedCPUTime() * 1e6 / ticks;
}

} // namespace

int main(int argc, char* argv[])
{
    // The figures are ratios of runs measured apart: interleaving their
    // repetitions spreads a busy machine's noise over all of them alike.
    std::vector<char*> arguments(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + std::min(argc, 1), interleave.data());
    int count = static_cast<int>(arguments.size());
    bench::MedianKeeper reporter;
    if (!bench::runBenchmarks(count, arguments.data(), reporter)) return EXIT_FAILURE;

    const double bare = perTickNs(reporter.fastest("BM_BusyRunWithoutLosses"), RunTicks);
    const double dealt = perTickNs(reporter.fastest("BM_BusyRunWithRandomLosses"), RunTicks);
    const double checked = perTickNs(reporter.fastest("BM_BusyRunCheckedForLosses"), RunTicks);
    const double one = perTickNs(reporter.fastest("BM_OneConfiguration"), CompareTicks);
    const double three = perTickNs(reporter.fastest("BM_ThreeProtocols"), CompareTicks);
    const double threeSame = perTickNs(reporter.fastest("BM_ThreeTimesGoBackN"), CompareTicks);
    std::printf("\nNetwork targets (fastest of %d repetitions, CPU time per tick of the run):\n",
                Repetitions);
    if (bare > 0 && dealt > 0 && checked > 0) {
        std::printf(
            "  busy run followed: %.0f ns a tick without losses, %.0f ns with 10 %% of packets and ACKs "
            "lost at random (a different run: fewer packets in flight), %.0f ns checked for losses "
            "that never come\n",
            bare, dealt, checked);
        bench::printVerdict(checked <= bare * LossCostTarget, "dealing losses, on the same busy run",
                            bench::format("%.3f x", checked / bare), "<= 1.05 x");
    }
    if (one > 0 && three > 0 && threeSame > 0) {
        std::printf(
            "  a comparison: %.0f ns a tick for go-back-N alone, %.0f ns for three protocols, %.0f ns "
            "for go-back-N three times\n",
            one, three, threeSame);
        bench::printVerdict(threeSame <= one * ThreeConfigurationsTarget,
                            "three configurations from one clock, against one",
                            bench::format("%.2f x", threeSame / one), "<= 3 x");
    }
    return EXIT_SUCCESS;
}

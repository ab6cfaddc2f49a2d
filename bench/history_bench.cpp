// What the run history costs: rebuilding an earlier state by replay (a
// rewind), following a run live, opening a run file and playing it to its
// end, the memory a ten-minute run keeps and the peak of the whole record
// over a week of demonstration at 4x.
// Ends with a met / not met line for each target.
//
// Every time is the median over repetitions.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "bench/reporting.h"
#include "core/events.h"
#include "history/run_file.h"
#include "history/run_history.h"

namespace {

constexpr std::int32_t TenMinutes = 12000; // ticks of 50 ms
constexpr std::int32_t LossSpacingTicks = 200;
constexpr int Repetitions = 9;
constexpr double ReplayTargetMs = 50;

Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

std::int16_t firstVisible(const std::array<FlightButton, FlightSlots>& buttons)
{
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot)
        if (buttons[slot].Visible) return slot;
    return -1;
}

// A lesson's ten minutes: windows of 16, slow start with avoidance and fast
// retransmit, a packet or an ACK lost by a double click every 10 s, the
// receive window narrowed after 2.5 minutes, the transmit window after 5. Each user
// event goes to `event` and each tick to `tick`, so the same run can be
// played with or without a history.
template <typename OnEvent, typename OnTick> void playTenMinutes(Form1& form, OnEvent event, OnTick tick)
{
    const auto slider = [](SliderId id, int value) {
        return UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(id),
                         static_cast<std::int16_t>(value)};
    };
    const auto box = [](OptionBox b) {
        return UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(b), 0};
    };
    const UserEvent startReset{EventKind::StartReset, 0, 0};

    for (const UserEvent& e :
         {slider(SliderId::TxWindow, 1), slider(SliderId::RxWindow, 1), box(OptionBox::SlowStart),
          box(OptionBox::Avoidance), box(OptionBox::FastRetransmit), startReset})
        event(e);

    bool ackNext = false;
    for (std::int32_t t = 1; t <= TenMinutes; ++t) {
        if (t % LossSpacingTicks == 0) {
            const bool ack = ackNext && firstVisible(form.cmdACK) >= 0;
            const std::int16_t slot = firstVisible(ack ? form.cmdACK : form.cmdPacket);
            if (slot >= 0) {
                const UserEvent click{ack ? EventKind::ClickAck : EventKind::ClickPacket, slot, 0};
                event(click);
                event(click);
            }
            ackNext = !ackNext;
        }
        if (t == TenMinutes / 4) event(slider(SliderId::RxWindow, 5));
        if (t == TenMinutes / 2) event(slider(SliderId::TxWindow, 3));
        tick();
    }
}

void followTenMinutes(Form1& form, RunHistory& history)
{
    playTenMinutes(
        form, [&](const UserEvent& e) { history.apply(form, e); }, [&] { history.tick(form); });
}

void BM_ReplayTenMinutesFromStartup(benchmark::State& state)
{
    Form1 form = loaded();
    RunHistory history(form, std::numeric_limits<std::int32_t>::max()); // start-up is the only copy
    followTenMinutes(form, history);
    for (auto _ : state) {
        Form1 rebuilt = history.recorder().stateAt(TenMinutes);
        benchmark::DoNotOptimize(rebuilt.TxBase);
    }
}

// The longest replay with copies every DefaultCheckpointSpacing ticks: the
// tick just before a copy.
void BM_RewindWithCheckpoints(benchmark::State& state)
{
    Form1 form = loaded();
    RunHistory history(form);
    followTenMinutes(form, history);
    for (auto _ : state) {
        Form1 rebuilt = history.recorder().stateAt(TenMinutes - 1);
        benchmark::DoNotOptimize(rebuilt.TxBase);
    }
}

// The same ten minutes played on the bare model, and followed by a history.
void BM_PlayTenMinutesBare(benchmark::State& state)
{
    const Form1 start = loaded();
    for (auto _ : state) {
        Form1 form = start;
        playTenMinutes(
            form, [&](const UserEvent& e) { applyEvent(form, e); }, [&] { form.Timer1_Timer(); });
        benchmark::DoNotOptimize(form.TxBase);
    }
}

void BM_FollowTenMinutes(benchmark::State& state)
{
    const Form1 start = loaded();
    for (auto _ : state) {
        Form1 form = start;
        RunHistory history(form);
        followTenMinutes(form, history);
        benchmark::DoNotOptimize(history.trace().samples().back().txBase);
    }
}

// A teacher opens a saved ten-minute run and jumps to its end: the file is
// read, the run rebuilt from its settings and every tick played.
std::string tenMinuteRunFile()
{
    Form1 form = loaded();
    RunHistory history(form);
    followTenMinutes(form, history);
    return writeRunText(history.script().script);
}

void BM_OpenTenMinuteRunAndJumpToItsEnd(benchmark::State& state)
{
    const std::string text = tenMinuteRunFile();
    for (auto _ : state) {
        const RunFileResult read = readRunText(text);
        Form1 form = loaded();
        RunHistory history(form);
        history.open(form, *read.script);
        while (history.ticks() < read.script->ticks)
            history.tick(form);
        benchmark::DoNotOptimize(form.TxBase);
    }
}

BENCHMARK(BM_OpenTenMinuteRunAndJumpToItsEnd)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayTenMinutesFromStartup)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewindWithCheckpoints)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayTenMinutesBare)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FollowTenMinutes)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

struct MemoryFigure {
    std::size_t bytes = 0;
    std::size_t checkpoints = 0;
    std::size_t events = 0;
    std::size_t logEntries = 0;
};

// Heap in use while a ten-minute history is alive, less the heap before it.
MemoryFigure measureTenMinuteMemory()
{
    Form1 form = loaded();
    const std::size_t before = mallinfo2().uordblks;
    RunHistory history(form);
    followTenMinutes(form, history);
    const std::size_t after = mallinfo2().uordblks;
    return {after - before, history.recorder().checkpointCount(), history.recorder().events().size(),
            history.trace().log().size()};
}

// A week left running at 4x: 80 ticks a second. A run stops at the last
// packet number, so the demonstration is reset and started again every
// 250,000 ticks (about 3.5 hours at 1x), each time a new run in the record.
struct WeekFigure {
    std::size_t peakRecordBytes = 0; // as the history counts it against its budget
    std::size_t peakHeapBytes = 0;   // heap in use, less the heap before the history
    std::int64_t ticks = 0;
};

WeekFigure measureWeekAtFourTimes()
{
    constexpr std::int64_t WeekTicks = 7LL * 24 * 3600 * 20 * 4;
    constexpr std::int32_t RunTicks = 250'000;
    constexpr std::int32_t SampleEvery = 10'000;
    Form1 form = loaded();
    const std::size_t before = mallinfo2().uordblks;
    RunHistory history(form);
    const UserEvent startReset{EventKind::StartReset, 0, 0};
    WeekFigure week;
    history.apply(form, startReset);
    for (std::int32_t t = 1; week.ticks < WeekTicks; ++t) {
        if (t % RunTicks == 0) {
            history.apply(form, startReset); // Reset: a new run
            history.apply(form, startReset); // Start
        } else if (t % LossSpacingTicks == 0) {
            const std::int16_t slot = firstVisible(form.cmdPacket);
            if (slot >= 0) {
                history.apply(form, {EventKind::ClickPacket, slot, 0});
                history.apply(form, {EventKind::ClickPacket, slot, 0});
            }
        }
        history.tick(form);
        ++week.ticks;
        if (t % SampleEvery == 0) {
            week.peakRecordBytes = std::max(week.peakRecordBytes, history.approximateBytes());
            week.peakHeapBytes = std::max(week.peakHeapBytes, mallinfo2().uordblks - before);
        }
    }
    return week;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::MedianKeeper reporter;
    if (!bench::runBenchmarks(argc, argv, reporter)) return EXIT_FAILURE;

    const MemoryFigure memory = measureTenMinuteMemory();
    std::printf("\nA ten-minute history keeps %.0f KB: %zu model copies, %zu user events, %zu log entries, "
                "%d samples\n",
                memory.bytes / 1024.0, memory.checkpoints, memory.events, memory.logEntries, TenMinutes + 1);

    Form1 form = loaded();
    RunHistory tenMinutes(form);
    followTenMinutes(form, tenMinutes);
    const double bytesPerTick = static_cast<double>(tenMinutes.approximateBytes()) / TenMinutes;
    std::printf("The record keeps %.0f bytes a tick (ten minutes with a loss every 10 s)\n", bytesPerTick);
    const WeekFigure week = measureWeekAtFourTimes();
    std::printf("A week at 4x (%lld ticks): the record peaks at %.1f MB as counted, %.1f MB of heap\n",
                static_cast<long long>(week.ticks), week.peakRecordBytes / 1048576.0,
                week.peakHeapBytes / 1048576.0);

    const auto* replay = reporter.median("BM_ReplayTenMinutesFromStartup");
    const auto* rewind = reporter.median("BM_RewindWithCheckpoints");
    const auto* bare = reporter.median("BM_PlayTenMinutesBare");
    const auto* followed = reporter.median("BM_FollowTenMinutes");
    std::printf("\nHistory targets (medians of %d repetitions, CPU time):\n", Repetitions);
    if (replay != nullptr) {
        const double ms = replay->GetAdjustedCPUTime();
        bench::printVerdict(ms < ReplayTargetMs, "replaying a ten-minute run (12,000 ticks) from start-up",
                            bench::format("%.2f ms", ms), "well under 50 ms");
    }
    if (const auto* open = reporter.median("BM_OpenTenMinuteRunAndJumpToItsEnd")) {
        const double ms = open->GetAdjustedCPUTime();
        bench::printVerdict(ms <= 20, "opening a ten-minute run file (12,000 ticks) and jumping to its end",
                            bench::format("%.2f ms", ms), "<= 20 ms");
    }
    bench::printVerdict(week.peakHeapBytes <= RunHistory::DefaultBudgetBytes + (8u << 20),
                        "peak memory of the record over a simulated week at 4x",
                        bench::format("%.1f MB", week.peakHeapBytes / 1048576.0),
                        "within the 64 MB budget, give or take the allocator's slack");
    if (rewind != nullptr) {
        const double us = rewind->GetAdjustedCPUTime();
        std::printf("  longest rewind with a copy every %d ticks: %.0f us\n",
                    RunRecorder::DefaultCheckpointSpacing, us);
    }
    if (bare != nullptr && followed != nullptr) {
        const double perTickNs =
            (followed->GetAdjustedCPUTime() - bare->GetAdjustedCPUTime()) * 1e6 / TenMinutes;
        std::printf("  following a run live: %.0f ns a tick on top of the tick itself\n", perTickNs);
    }
    return EXIT_SUCCESS;
}

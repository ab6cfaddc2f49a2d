// Helpers for the capture tests: runs played as the exporter plays them, and
// the figures the program keeps of them.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/protocol_presets.h"
#include "frontend/run_player.h"
#include "history/lessons.h"
#include "history/run_history.h"

namespace capture_support {

// One run with its model, played to its end.
struct PlayedRun {
    std::string name;
    Form1 form;
    std::unique_ptr<RunHistory> history;
};

// A lesson of one run for its own length, as `sliding-window-run --lesson` plays it.
inline std::unique_ptr<PlayedRun> playLesson(const RunScript& script, const std::string& name)
{
    auto run = std::make_unique<PlayedRun>();
    run->name = name;
    run->form.Form_Load();
    run->history = std::make_unique<RunHistory>(run->form);
    run->history->open(run->form, script);
    run_player::play(run->form, *run->history, run->history->recordedEnd());
    return run;
}

// A protocol preset started at tick 0 with the given losses, for `ticks` ticks.
inline std::unique_ptr<PlayedRun> playPreset(const presets::ProtocolPreset& preset,
                                             const LossSettings& losses, std::int32_t ticks,
                                             const std::string& name)
{
    auto run = std::make_unique<PlayedRun>();
    run->name = name;
    run->form.Form_Load();
    run->history = std::make_unique<RunHistory>(run->form);
    for (const UserEvent& event : presets::presetEvents(run->form, preset))
        run->history->apply(run->form, event);
    run->history->apply(run->form, {EventKind::StartReset, 0, 0});
    run->history->setLosses(losses);
    run_player::play(run->form, *run->history, ticks);
    return run;
}

// A comparison lesson's configurations, each played as the exporter plays them.
inline std::unique_ptr<Comparison> playComparison(const RunScript& script)
{
    auto comparison = std::make_unique<Comparison>(script);
    for (std::size_t i = 0; i < comparison->size(); ++i)
        run_player::play(comparison->form(i), comparison->history(i), comparison->history(i).recordedEnd());
    return comparison;
}

// The ACKs that reached the sender, in the order it took them (tick, then flight button).
inline std::vector<ladder::Trip> acksAsTheSenderTookThem(const LadderTrace& ladder)
{
    std::vector<ladder::Trip> acks;
    for (const ladder::Trip& trip : ladder.trips())
        if (trip.direction == ladder::Direction::Ack && trip.ending == ladder::Ending::Arrived)
            acks.push_back(trip);
    std::stable_sort(acks.begin(), acks.end(), [](const ladder::Trip& a, const ladder::Trip& b) {
        return std::pair(a.ended, a.slot) < std::pair(b.ended, b.slot);
    });
    return acks;
}

// What a shell command wrote and how it ended.
struct CommandResult {
    int status = -1;
    std::string out;
};

inline CommandResult runCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[1 << 16];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, read);
    result.status = pclose(pipe);
    return result;
}

inline std::string quoted(const std::string& text) { return "'" + text + "'"; }

} // namespace capture_support

// The runs behind the network's two targets, shared by the timed benchmark
// (network_bench) and the driver whose instructions callgrind counts
// (network_loop): a busy run followed by its history without losses, with
// random losses, or checked for losses that never come; and a comparison of
// one or three configurations from one clock.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/comparison.h"
#include "history/run_history.h"

namespace bench::network {

constexpr std::int32_t RunTicks = 6000;
constexpr std::int32_t CompareTicks = 3000;

inline Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

inline LossSettings noLosses() { return {}; }

inline LossSettings tenPercent()
{
    LossSettings losses;
    losses.packetPercent = 10;
    losses.ackPercent = 10;
    losses.seed = 7;
    return losses;
}

// Losses that never fire: the history checks every trip crossing the middle
// of the network on every tick, as with random losses, but the run stays the
// lossless one, so the difference is the cost of dealing alone.
inline LossSettings neverFiring()
{
    LossSettings losses;
    losses.planned.push_back({PlannedLoss::What::Packet, 30000, 1}); // far past the last packet number
    return losses;
}

// The busy scenario of the engine's benchmark, reached through the history:
// windows of 16, Slow Start, Avoidance, Fast Retransmit and Selective Repeat,
// started, then followed for RunTicks ticks. Returns where the sender got.
inline std::int32_t followBusy(const Form1& loadedForm, const LossSettings& losses)
{
    Form1 form = loadedForm;
    RunHistory history(form);
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
    return form.TxBase;
}

// "go-back-n,go-back-n" into the presets' configurations.
inline std::vector<Comparison::Configuration> configurations(std::string_view presets)
{
    std::vector<Comparison::Configuration> all;
    for (std::size_t from = 0; from <= presets.size();) {
        const std::size_t comma = std::min(presets.find(',', from), presets.size());
        all.push_back(Comparison::presetConfiguration(presets.substr(from, comma - from)));
        from = comma + 1;
    }
    return all;
}

inline LossSettings fivePercentOfPackets()
{
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 7;
    return losses;
}

// Builds the comparison, presses its Start and plays CompareTicks ticks.
inline std::int32_t playComparison(const std::vector<Comparison::Configuration>& configurations)
{
    Comparison comparison(configurations, fivePercentOfPackets());
    comparison.apply(0, UserEvent{EventKind::StartReset, 0, 0});
    while (comparison.ticks() < CompareTicks)
        comparison.tick();
    return comparison.form(0).TxBase;
}

} // namespace bench::network

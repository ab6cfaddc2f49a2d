// The names and ranges a run file writes, shared by its writer and reader:
// the option and slider names, each slider's range, and the action names.
// A new option box or action joins the run-file format here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/events.h"
#include "core/form.h"

namespace runfile::names {

inline constexpr std::array<std::string_view, OptionBoxCount> OptionNames = {
    "slowStart", "avoidance",    "fastRetransmit",  "selectiveRepeat", "delayedAcks",
    "autoRtt",   "slideNumbers", "inOrderReceiver", "goBackNSender",   "tahoeRule"};
// The format version that brought each option; an older file plays without it.
inline constexpr std::array<std::int64_t, OptionBoxCount> OptionSince = {1, 1, 1, 1, 1, 1, 1, 1, 2, 4};

static_assert(!OptionNames.back().empty(), "every option box needs its name in run files");

inline constexpr std::array<std::string_view, SliderCount> SliderNames = {"timeout", "txWindow", "rxWindow",
                                                                          "highestSequence"};

// The figure each slider shows, as the file writes it, and its range.
struct SliderFigure {
    int lowest;
    int highest;
};
inline constexpr std::array<SliderFigure, SliderCount> SliderFigures = {{{1, 20}, {1, 16}, {1, 16}, {0, 31}}};

// The bars hold positions; the two window bars and the sequence bar are
// upside down: 17 - packets, 32 - highest sequence number.
inline int positionOf(SliderId slider, int figure)
{
    switch (slider) {
    case SliderId::Timeout:
        return figure;
    case SliderId::TxWindow:
    case SliderId::RxWindow:
        return 17 - figure;
    case SliderId::Sequences:
        break;
    }
    return 32 - figure;
}

inline int figureOf(SliderId slider, int position) { return positionOf(slider, position); }

struct ActionName {
    EventKind kind;
    std::string_view name;
};
inline constexpr std::array<ActionName, 6> ActionNames = {{{EventKind::StartReset, "startReset"},
                                                           {EventKind::PauseCont, "pauseCont"},
                                                           {EventKind::ClickPacket, "clickPacket"},
                                                           {EventKind::ClickAck, "clickAck"},
                                                           {EventKind::ClickCheckBox, "toggleOption"},
                                                           {EventKind::MoveSlider, "moveSlider"}}};

inline std::string_view actionName(EventKind kind)
{
    for (const ActionName& entry : ActionNames)
        if (entry.kind == kind) return entry.name;
    return "tick";
}

// What a lesson's question asks about, as the file names it.
inline constexpr std::array<std::string_view, 5> QuestionAsks = {"text", "ssThresh", "txWindow", "resent",
                                                                 "asksFor"};
// A lesson asks a few dozen questions at most; the texts are shortened as shown.
inline constexpr std::size_t MostQuestions = 200;
// A comparison runs two or three configurations: one at the top, the rest alongside.
inline constexpr std::size_t MostAlongside = 2;
inline constexpr std::size_t PromptLength = 300;
inline constexpr std::size_t ChoiceLength = 80;
inline constexpr std::size_t ExplanationLength = 2000;

} // namespace runfile::names

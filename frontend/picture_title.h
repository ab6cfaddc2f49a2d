// The title line every exported picture carries, so that a slide or a
// handout says which run it shows: the lesson's or run's title, the protocol
// (a preset by name, or the options and sliders of a custom set), the
// losses, and the ticks.
//
//   Go-back-N recovering one lost packet · Go-back-N (textbook) · No losses · ticks 0–600
//
// One composer for the desktop, the page and the exporter; a picture may be
// asked for without it.
#pragma once

#include <cstdint>
#include <string>

#include "core/form.h"
#include "history/losses.h"
#include "history/run_history.h"

class Comparison;

namespace pictures {

struct TitleParts {
    std::string title;    // "Go-back-N recovering one lost packet", "Run 2", "Comparison"
    std::string protocol; // "Go-back-N (textbook)", "Go-back-N with Delayed ACKs, window 4, ..."
    std::string losses;   // "Losses: 5 % of packets (seed 7)", "No losses"
    std::string ticks;    // "ticks 0–600", "tick 250"
};

// The parts joined by " · ", the empty ones left out.
std::string titleLine(const TitleParts& parts);

// The protocol a model's boxes and sliders make: a preset's title, or what
// it is in words ("Go-back-N", "Selective repeat", "TCP-like", "Stop-and-wait",
// "Sliding window", with the boxes ticked beyond those) and its settings:
// "Go-back-N with Delayed ACKs, window 4, receive window 8, highest sequence
// number 15, timeout 6".
std::string settingsText(const Form1& form);

// "ticks 0–600", or "tick 250" for a single one.
std::string ticksText(std::int32_t from, std::int32_t to);

// The title of ticks from..to of `run` (one of a history's runs): its own
// title or "Run N", the protocol at `from` (and at `to`, where it changed),
// and `losses`.
TitleParts runTitle(const RunHistory::Run& run, const LossSettings& losses, std::int32_t from,
                    std::int32_t to);
// The same for a comparison: its title (the first run's, or "Comparison"),
// its configurations' labels, and its losses.
TitleParts comparisonTitle(const Comparison& comparison, std::int32_t from, std::int32_t to);

} // namespace pictures

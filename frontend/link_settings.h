// The settings a link carries: the five options, Auto RTT, Slide Numbers,
// the four sliders, whether to start running, the speed and whether the
// page shows the window alone.
//
//   ?options=slowstart,avoidance,fastretransmit&tx=8&seq=16&run=1
//
// Parameters (each optional; a missing one leaves the start-up setting):
//   options  the ticked options among slowstart, avoidance, fastretransmit,
//            selective, delayedack ("none" or empty for none of them)
//   autortt  1 or 0 (Auto RTT)           slide  1 or 0 (Slide Numbers)
//   inorder  1 or 0 (Receiver keeps only in-order packets)
//   gobackn  1 or 0 (Sender resends the whole window on a timeout)
//   protocol a protocol preset's name ("go-back-n", see protocol_presets.h),
//            applied before the other parameters, which then change it
//   timeout  1..20, the timeout setting  tx, rx  1..16 packets (the windows)
//   seq      0..31, the highest sequence number
//   run      1 starts the run            speed  0.25, 0.5, 1, 2 or 4
//   embed    1 shows the window alone, for an iframe
//   practice 1 starts in practice mode (questions about the run)
//   lesson   a built-in lesson's name ("fast-retransmit"): the page opens
//            it paused at its start, with its own settings in place of the
//            link's (speed and embed still count)
// A value that is not one of these, or that the model refuses (a box it has
// disabled), is ignored: that setting keeps its start-up value and the
// outcome names the parameter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/form.h"

class RunHistory;

namespace links {

inline constexpr double Speeds[] = {0.25, 0.5, 1.0, 2.0, 4.0};
inline constexpr int NormalSpeed = 2;
inline constexpr std::size_t MaxNotices = 10;

struct LinkOutcome {
    bool run = false;
    bool embed = false;
    bool practice = false;
    int speedIndex = NormalSpeed;
    // A known lesson the link names, for the caller to open; "" for none.
    std::string lesson;
    // One sentence per ignored parameter, naming it (its name and value
    // shortened and stripped of invisible characters), at most MaxNotices,
    // then one saying how many more.
    std::vector<std::string> ignored;
};

// Applies the settings of `query` (the part after '?', with or without the
// '?') to a form at start-up, as the user's clicks and slider moves that
// `history` records. Starting the run is left to the caller.
LinkOutcome applyLink(Form1& form, RunHistory& history, std::string_view query);

// The query that reproduces the form's settings (without '?'). While a
// protocol preset is in force it is named instead of its settings: what the
// preset leaves open follows it (Slide Numbers when ticked; the starting
// window where the preset uses Slow Start, whose sender moves that slider).
std::string linkQuery(const Form1& form, int speedIndex);

} // namespace links

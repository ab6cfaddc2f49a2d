// The settings a link carries: the five options, Auto RTT, Slide Numbers,
// the four sliders, the network's losses, whether to start running, the
// speed, whether the page shows the window alone and protocols to compare.
//
//   ?options=slowstart,avoidance,fastretransmit&tx=8&seq=16&run=1
//
// Parameters (each optional; a missing one leaves the start-up setting):
//   options  the ticked options among slowstart, avoidance, fastretransmit,
//            selective, delayedack ("none" or empty for none of them)
//   autortt  1 or 0 (Auto RTT)           slide  1 or 0 (Slide Numbers)
//   inorder  1 or 0 (Receiver keeps only in-order packets)
//   gobackn  1 or 0 (Sender resends the whole window on a timeout)
//   tahoe    1 or 0 (Fast retransmit restarts slow start (Tahoe)); counts
//            only where Fast Retransmit is ticked too
//   protocol a protocol preset's name ("go-back-n", see protocol_presets.h),
//            applied before the other parameters, which then change it
//   timeout  1..20, the timeout setting  tx, rx  1..16 packets (the windows)
//   seq      0..31, the highest sequence number
//   run      1 starts the run            speed  0.25, 0.5, 1, 2 or 4
//   embed    1 shows the window alone, for an iframe
//   practice 1 starts in practice mode (questions about the run)
//   lesson   a built-in lesson's name ("fast-retransmit"): the page opens
//            it paused at its start, with its own settings and losses in
//            place of the link's (speed and embed still count)
//   loss     0..30, the percentage of packets the network loses at random
//   ackloss  0..30, the same for ACKs
//   seed     0..4294967295, what the random losses are drawn from: the same
//            seed loses the same packets under every protocol
//   lose     planned losses, "p5,p7.2,a9": the first transmission of packet
//            5, the second of packet 7, the ACK for packet 9
//   compare  two or three protocol presets side by side, from one clock and
//            with the same losses: "stop-and-wait,go-back-n,selective-repeat"
//   lang     the language the page speaks ("de", "zh-CN", see languages.h);
//            without it the page speaks the reader's own (the browser's),
//            so a shared link never imposes the sender's language
//   modeltext 1 shows the simulation's own texts translated too
//   follow   a classroom session's join token: the page follows the
//            teacher's run from the laptop that served it (classroom_wire.h)
// A value that is not one of these, or that the model refuses (a box it has
// disabled), is ignored: that setting keeps its start-up value and the
// outcome names the parameter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/form.h"
#include "frontend/comparison.h"
#include "frontend/run_clock.h"
#include "history/losses.h"

class RunHistory;

namespace links {

inline constexpr std::size_t MaxNotices = 10;

struct LinkOutcome {
    bool run = false;
    bool embed = false;
    bool practice = false;
    int speedIndex = run_clock::NormalSpeed;
    // A known lesson the link names, for the caller to open; "" for none.
    std::string lesson;
    // The configurations a compare= link names, for the caller to run side
    // by side with the history's losses; empty for a single run.
    std::vector<Comparison::Configuration> compare;
    // The shipped language a lang= link asks for ("" for none), and whether
    // it asks for the simulation's texts translated (modeltext=1).
    std::string language;
    bool simulationTexts = false;
    // The join token of a classroom session's link, "" for none: the page
    // then follows the run of the laptop that served it.
    std::string follow;
    // One sentence per ignored parameter, naming it (its name and value
    // shortened and stripped of invisible characters), at most MaxNotices,
    // then one saying how many more.
    std::vector<std::string> ignored;
};

// Applies the settings of `query` (the part after '?', with or without the
// '?') to a form at start-up, as the user's clicks and slider moves that
// `history` records, and gives `history` the link's losses. Starting the
// run, and a comparison, are left to the caller.
LinkOutcome applyLink(Form1& form, RunHistory& history, std::string_view query);

// The query that reproduces the form's settings (without '?'). While a
// protocol preset is in force it is named instead of its settings: what the
// preset leaves open follows it (Slide Numbers when ticked; the starting
// window where the preset uses Slow Start, whose sender moves that slider).
// The losses, when there are any, follow the settings.
std::string linkQuery(const Form1& form, int speedIndex, const LossSettings& losses = {});

// The query that opens `comparison` again: its configurations by preset name
// (one that is no preset cannot be named and is left out), its losses, and
// whether it runs. With fewer than two presets among them, the first
// configuration's own link.
std::string compareQuery(const Comparison& comparison, int speedIndex);

// "speed=2" for a clock at another speed than 1×; "" at 1×, which a link leaves out.
std::string speedParameter(int speedIndex);

} // namespace links

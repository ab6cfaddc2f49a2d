// The status line both front ends show under the window, so that a class can
// always see which protocol and rules are running: the preset in force (or
// "custom"), the receiver's rule, what fast retransmit does while it is in
// force (Tahoe's rule or Reno's fast recovery), the tick, the speed and the run.
//
//   Go-back-N (textbook) · Receiver keeps only in-order packets · Tick 412 · 1× · Run 2, options kept at
//   Reset
//
// The options survive a Reset, as the original program's check boxes do; the
// run part says so from the second run on, so nobody mistakes a new run for a
// fresh start-up.
//
// While the network deals losses, the line ends with them, so that nobody
// takes a lossy run for a clean one:
//
//   ... · Run 1 · Losses: 5 % of packets (seed 7)
#pragma once

#include <string>

#include "core/form.h"

class RunHistory;

namespace run_status {

struct StatusParts {
    std::string protocol; // "Go-back-N (textbook)" or "custom"
    std::string receiver; // "Receiver keeps only in-order packets"
    // "Fast retransmit as Reno: fast recovery"; empty while Fast Retransmit is not in force
    std::string fastRetransmit;
    std::string tick;   // "Tick 412"
    std::string speed;  // "1×", "0.25×"
    std::string run;    // "Run 1", "Run 2, options kept at Reset", "Run 3: Slow start…: End of the lesson"
    std::string losses; // "Losses: 5 % of packets (seed 7)"; empty while none are dealt
};

StatusParts describe(const Form1& form, const RunHistory& history, double speed);

// The parts as a reader of another language sees them: `shown` is the
// front end's translation of one text.
template <typename Shown> StatusParts inLanguage(StatusParts parts, Shown&& shown)
{
    for (std::string* part :
         {&parts.protocol, &parts.receiver, &parts.fastRetransmit, &parts.tick, &parts.run, &parts.losses})
        *part = shown(*part);
    return parts;
}

// The parts joined by " · ", as one line; the fast-retransmit rule and the
// losses only when there are any.
std::string line(const StatusParts& parts);

} // namespace run_status

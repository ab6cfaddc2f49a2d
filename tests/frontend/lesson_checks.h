// The claims a built-in lesson's texts make about its run, and the checks
// that hold them against the engine (tests/frontend/lesson_notes_test.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "history/run_trace.h"

namespace lesson_checks {

// A lesson played to its last tick, as a class opens it: one run, or a
// comparison's configurations side by side.
class Played {
public:
    explicit Played(const RunScript& script);
    const RunScript& script() const { return script_; }
    const RunTrace& trace(int run) const
    {
        return comparison_.history(static_cast<std::size_t>(run)).trace();
    }
    const LadderTrace& trips(int run) const
    {
        return comparison_.history(static_cast<std::size_t>(run)).ladder();
    }
    const RunFigures& figures(int run) const { return figures_[static_cast<std::size_t>(run)]; }
    const std::string& label(int run) const { return comparison_.label(static_cast<std::size_t>(run)); }
    const RunSettings& settings(int run) const
    {
        return run == 0 ? script_.settings : script_.alongside[static_cast<std::size_t>(run - 1)].settings;
    }
    int runs() const { return static_cast<int>(comparison_.size()); }
    std::int32_t ticks() const { return comparison_.ticks(); }

private:
    RunScript script_;
    Comparison comparison_;
    std::vector<RunFigures> figures_;
};

// "" when the run bears the claim out, else what the run shows instead.
using Check = std::function<std::string(const Played&)>;

struct Claim {
    std::string said; // the words of the lesson's text that state it
    Check check;
};

// A figure as the chart writes it: 4, 4.25.
std::string figureText(double value);

// Every check holds; the first that does not says what the run shows.
Check all(std::vector<Check> checks);
// A figure of the sample after tick `tick` of configuration `run`, in packets.
Check window(std::int32_t tick, double packets, int run = 0);
Check threshold(std::int32_t tick, double packets, int run = 0);
Check flight(std::int32_t tick, double packets, int run = 0);
Check rxNext(std::int32_t tick, int packet, int run = 0);
Check txBase(std::int32_t tick, int packet, int run = 0);
Check state(std::int32_t tick, std::int32_t txState, int run = 0);
Check timeoutSetting(std::int32_t tick, int setting, int run = 0);
// The ticks that carry the marker `bit`, all of them.
Check markers(Markers bit, std::vector<std::int32_t> ticks, int run = 0);
Check markedAt(Markers bit, std::int32_t tick, int run = 0);
Check logged(std::int32_t tick, std::string words, int run = 0);
// The network lost that transmission of the packet on that tick.
Check lost(int packet, std::int32_t tick, int transmission = 1, int run = 0);
Check neverLost(int packet, int run = 0);
// The ACK that the first arrival of `packet` sent came back `ticks` after the packet left.
Check roundTrip(int packet, std::int32_t ticks);
Check leftAt(int packet, std::int32_t tick);
// That transmission of the packet reached the receiver on that tick.
Check arrivedAt(int packet, int transmission, std::int32_t tick, int run = 0);
Check ackLost(int asksFor, std::int32_t tick);
// Every ACK that left from `from` to `to` asked for `packet`, and some did.
Check acksAskFor(int packet, std::int32_t from, std::int32_t to, int run = 0);
Check retransmissions(int count, int run = 0);
Check setting(std::int16_t RunSettings::*field, int value, int run = 0);
// The lesson moves a window slider to `figure` packets after tick `tick`.
Check sliderMoved(std::int32_t tick, SliderId slider, int figure);
Check lessonLength(std::int32_t ticks);
// The table's goodput is what was delivered per 100 ticks of the run.
Check goodputPer100Ticks();
// The figures at the lesson's end, as the comparison table shows them.
Check figuresAtEnd(int run, int delivered, int resent, const std::string& goodput);
// Each of the packets carries that sequence number in the lesson's sequence space.
Check sameSequence(std::vector<int> packets, int sequence);
// The same claim about both configurations of a comparison.
Check inBoth(const std::function<Check(int run)>& claim);

// The claims of each built-in lesson, by its name (lesson_claims.cpp).
std::map<std::string, std::vector<Claim>> lessonClaims();

} // namespace lesson_checks

// The figures a class compares between runs: what was delivered, what it
// cost, and the goodput, all read from a run's trace and its trips.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "history/translatable.h"

class RunTrace;
class LadderTrace;
class RunHistory;

struct RunFigures {
    static constexpr std::int32_t RecentTicks = 200;

    std::int32_t ticks = 0;           // the run's last tick
    std::int32_t delivered = 0;       // packets handed over in order (RxNext moved past them)
    std::int32_t retransmissions = 0; // packet trips that were resends
    std::int32_t timeouts = 0;        // ticks on which a retransmission timer ran out
    std::int32_t drops = 0;           // ticks on which the in-order receiver dropped a packet
    double goodput = 0;               // packets delivered per 100 ticks, over the run
    double recentGoodput = 0;         // the same over the last RecentTicks ticks (the run, if shorter)

    bool operator==(const RunFigures&) const = default;
};

// The figures of the current run of `history`, as they stand at its last tick.
RunFigures figuresOf(const RunHistory& history);
RunFigures figuresOf(const RunTrace& trace, const LadderTrace& ladder);

// Packets delivered per 100 ticks over the `span` ticks up to `tick` (fewer
// where the kept record is shorter); 0 at the record's first tick.
double goodputAt(const RunTrace& trace, std::int32_t tick, std::int32_t span = RunFigures::RecentTicks);

namespace figures {

// The rows of the comparison table, in order, as every front end titles them.
inline constexpr std::array<const char*, 6> RowTitles = {
    texts::translatable("figures", "Delivered in order").data(),
    texts::translatable("figures", "Retransmissions").data(),
    texts::translatable("figures", "Timeouts").data(),
    texts::translatable("figures", "Drops by the receiver").data(),
    texts::translatable("figures", "Goodput (per 100 ticks)").data(),
    texts::translatable("figures", "Goodput, last 200 ticks").data(),
};
// The figure of row `row` (RowTitles' order) as shown: whole numbers, and
// goodput with one decimal ("12.5").
std::string cell(const RunFigures& figures, std::size_t row);
// One decimal, rounded half away from zero, as the table shows it.
std::string oneDecimal(double value);

// The table as CSV: a header line "configuration,delivered,retransmissions,
// timeouts,drops,goodput,recent_goodput" and one line per configuration,
// with the figures exactly as the table shows them. csvTable gives the same
// text without a stream (the page would pay for the stream library).
std::string csvTable(const std::vector<std::string>& labels, const std::vector<RunFigures>& figures);
void writeCsv(std::ostream& out, const std::vector<std::string>& labels,
              const std::vector<RunFigures>& figures);

} // namespace figures

#include "history/run_figures.h"

#include <algorithm>
#include <cmath>

#include "history/export_text.h"
#include "history/ladder.h"
#include "history/run_history.h"
#include "history/run_trace.h"

RunFigures figuresOf(const RunHistory& history) { return figuresOf(history.trace(), history.ladder()); }

RunFigures figuresOf(const RunTrace& trace, const LadderTrace& ladder)
{
    RunFigures figures;
    const std::vector<TickSample>& samples = trace.samples();
    figures.ticks = trace.ticks();
    // Sums over the whole run: what the memory budget dropped, then what is kept.
    figures.delivered = samples.back().rxNext - trace.rxNextAt(0);
    figures.timeouts = trace.dropped().timeouts;
    figures.drops = trace.dropped().drops;
    figures.retransmissions = ladder.droppedResends();
    // Tick 0 is start-up: nothing has happened in it.
    for (std::size_t i = trace.firstTick() == 0 ? 1 : 0; i < samples.size(); ++i) {
        const Markers markers = samples[i].markers();
        if (markers & marker::Timeout) ++figures.timeouts;
        if (markers & marker::OutOfOrderDrop) ++figures.drops;
    }
    for (const ladder::Trip& trip : ladder.trips())
        if (trip.direction == ladder::Direction::Packet && trip.again) ++figures.retransmissions;
    figures.goodput = goodputAt(trace, figures.ticks, figures.ticks);
    figures.recentGoodput = goodputAt(trace, figures.ticks);
    return figures;
}

double goodputAt(const RunTrace& trace, std::int32_t tick, std::int32_t span)
{
    static_assert(RunFigures::RecentTicks <= RunTrace::KeptBeforeFirst);
    tick = std::clamp(tick, trace.firstTick(), trace.ticks());
    std::int32_t from = std::max(0, tick - std::max(span, 1));
    std::int32_t before = trace.rxNextAt(from);
    if (before < 0) { // a span reaching into ticks no longer known: what is kept of it
        from = trace.firstTick();
        before = trace.sample(from).rxNext;
    }
    if (from == tick) return 0;
    return 100.0 * (trace.sample(tick).rxNext - before) / (tick - from);
}

namespace figures {

std::string oneDecimal(double value)
{
    const long long tenths = std::llround(value * 10);
    const long long whole = std::llabs(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

std::string cell(const RunFigures& figures, std::size_t row)
{
    switch (row) {
    case 0:
        return std::to_string(figures.delivered);
    case 1:
        return std::to_string(figures.retransmissions);
    case 2:
        return std::to_string(figures.timeouts);
    case 3:
        return std::to_string(figures.drops);
    case 4:
        return oneDecimal(figures.goodput);
    case 5:
        return oneDecimal(figures.recentGoodput);
    default:
        return {};
    }
}

std::string csvTable(const std::vector<std::string>& labels, const std::vector<RunFigures>& figures)
{
    std::string text = "configuration,delivered,retransmissions,timeouts,drops,goodput,recent_goodput\n";
    for (std::size_t i = 0; i < figures.size(); ++i) {
        text += exporttext::csvText(i < labels.size() ? labels[i] : std::string());
        for (std::size_t row = 0; row < RowTitles.size(); ++row)
            text += ',' + cell(figures[i], row);
        text += '\n';
    }
    return text;
}

void writeCsv(std::ostream& out, const std::vector<std::string>& labels,
              const std::vector<RunFigures>& figures)
{
    out << csvTable(labels, figures);
}

} // namespace figures

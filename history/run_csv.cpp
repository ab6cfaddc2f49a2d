#include "history/run_csv.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/numbers.h"
#include "history/ladder.h"
#include "history/run_figures.h"

namespace {

constexpr std::array<std::string_view, 16> Columns = {"tick",
                                                      "tx_window",
                                                      "ssthresh",
                                                      "flight_size",
                                                      "rx_window",
                                                      "state",
                                                      "duplicate_acks",
                                                      "timeout_setting",
                                                      "highest_sequence_number",
                                                      "tx_base",
                                                      "outstanding",
                                                      "rx_next",
                                                      "markers",
                                                      "sender",
                                                      "receiver",
                                                      "user"};

constexpr std::array<std::string_view, 6> FigureColumns = {"delivered", "retransmissions", "timeouts",
                                                           "drops",     "goodput",         "recent_goodput"};

constexpr std::string_view RecordEnd = "\r\n";

// What was logged in one tick, by source, one text per line.
struct TickTexts {
    std::array<std::string, 3> bySource; // indexed by LogSource

    void add(const LogEntry& entry)
    {
        std::string& texts = bySource[static_cast<std::size_t>(entry.source)];
        if (!texts.empty()) texts += '\n';
        texts += entry.text;
    }
};

// The run's figures tick by tick, counted up as the rows are written.
class RunningFigures {
public:
    // Counting starts from what the memory budget dropped before the first kept tick.
    RunningFigures(const RunTrace& trace, const LadderTrace& ladder) : trace_(trace)
    {
        figures_.timeouts = trace.dropped().timeouts;
        figures_.drops = trace.dropped().drops;
        figures_.retransmissions = ladder.droppedResends();
        for (const ladder::Trip& trip : ladder.trips())
            if (trip.direction == ladder::Direction::Packet && trip.again) resends_.push_back(trip.left);
        std::sort(resends_.begin(), resends_.end());
    }

    // The figures after `tick` and the user events that followed it; ticks in order.
    const RunFigures& at(std::int32_t tick)
    {
        const TickSample& s = trace_.sample(tick);
        figures_.ticks = tick;
        figures_.delivered = s.rxNext - trace_.rxNextAt(0);
        // Tick 0 is start-up: nothing has happened in it.
        if (tick > 0) {
            figures_.timeouts += (s.markers() & marker::Timeout) != 0;
            figures_.drops += (s.markers() & marker::OutOfOrderDrop) != 0;
        }
        for (; nextResend_ < resends_.size() && resends_[nextResend_] <= tick; ++nextResend_)
            ++figures_.retransmissions;
        figures_.goodput = goodputAt(trace_, tick, tick);
        figures_.recentGoodput = goodputAt(trace_, tick);
        return figures_;
    }

private:
    const RunTrace& trace_;
    std::vector<std::int32_t> resends_; // the ticks resent packets left in
    std::size_t nextResend_ = 0;
    RunFigures figures_;
};

void write(std::ostream& out, const RunTrace& trace, const LadderTrace* ladder)
{
    for (std::size_t i = 0; i < Columns.size(); ++i)
        out << (i == 0 ? "" : ",") << Columns[i];
    if (ladder != nullptr)
        for (const std::string_view column : FigureColumns)
            out << ',' << column;
    out << RecordEnd;

    std::optional<RunningFigures> running;
    if (ladder != nullptr) running.emplace(trace, *ladder);
    const auto& log = trace.log();
    std::size_t entry = 0;
    for (std::int32_t tick = trace.firstTick(); tick <= trace.ticks(); ++tick) {
        const TickSample& s = trace.sample(tick);
        TickTexts texts;
        for (; entry < log.size() && log[entry].tick == tick; ++entry)
            texts.add(log[entry]);

        out << tick << ',' << numbers::shortestText(s.txWindow()) << ','
            << numbers::shortestText(s.ssThresh()) << ',' << numbers::shortestText(s.flight()) << ','
            << numbers::shortestText(s.rxWindow()) << ',' << txStateName(s.txState) << ',' << s.dupAcks << ','
            << s.timeoutSetting << ',' << s.seqModulus - 1 << ',' << s.txBase << ',' << s.txOutstanding << ','
            << s.rxNext << ',' << markerNames(s.markers());
        for (const std::string& text : texts.bySource)
            out << ',' << csvField(text);
        if (running) {
            const RunFigures& figures = running->at(tick);
            for (std::size_t row = 0; row < figures::RowTitles.size(); ++row)
                out << ',' << figures::cell(figures, row);
        }
        out << RecordEnd;
    }
}

} // namespace

void writeRunCsv(std::ostream& out, const RunTrace& trace) { write(out, trace, nullptr); }

void writeRunCsv(std::ostream& out, const RunTrace& trace, const LadderTrace& ladder)
{
    write(out, trace, &ladder);
}

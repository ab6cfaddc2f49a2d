#include "history/run_csv.h"

#include <array>

#include "core/numbers.h"

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

} // namespace

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void writeRunCsv(std::ostream& out, const RunTrace& trace)
{
    for (std::size_t i = 0; i < Columns.size(); ++i)
        out << (i == 0 ? "" : ",") << Columns[i];
    out << RecordEnd;

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
        out << RecordEnd;
    }
}

// The run as CSV: a header, one record per tick, RFC 4180 quoting.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "history/export_text.h"
#include "history/run_csv.h"
#include "history/run_figures.h"
#include "history/run_history.h"
#include "history_support.h"

namespace {

using namespace history_support;
using Record = std::vector<std::string>;

// A strict reader of RFC 4180: records end with CR LF; a quoted field may
// hold commas, doubled quotes and line breaks.
std::vector<Record> parseCsv(const std::string& text)
{
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            EXPECT_TRUE(field.empty()) << "a quote inside an unquoted field";
            quoted = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
        } else if (c == '\r') {
            EXPECT_EQ(text.substr(i, 2), "\r\n") << "a lone CR";
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            EXPECT_NE(c, '\n') << "a line break outside quotes";
            field += c;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(record.empty() && field.empty()) << "the last record has no CR LF";
    return records;
}

TEST(Csv, OneRecordPerTickWithEveryFigureAndTheEventsOfThatTick)
{
    Form1 form = loaded();
    RunHistory history(form);
    history.apply(form, StartReset);
    for (int i = 0; i < 30; ++i)
        history.tick(form);
    history.apply(form, {EventKind::ClickPacket, 0, 0});
    history.apply(form, {EventKind::ClickPacket, 0, 0});
    for (int i = 0; i < 10; ++i)
        history.tick(form);

    std::ostringstream out;
    writeRunCsv(out, history.trace());
    const std::vector<Record> records = parseCsv(out.str());

    ASSERT_EQ(records.size(), 1u + 41u);
    EXPECT_EQ(records[0], (Record{"tick", "tx_window", "ssthresh", "flight_size", "rx_window", "state",
                                  "duplicate_acks", "timeout_setting", "highest_sequence_number", "tx_base",
                                  "outstanding", "rx_next", "markers", "sender", "receiver", "user"}));
    for (std::size_t row = 1; row < records.size(); ++row) {
        ASSERT_EQ(records[row].size(), records[0].size()) << "record " << row;
        EXPECT_EQ(records[row][0], std::to_string(row - 1));
    }

    // Start-up: windows of 4 and 8 packets, threshold 16, and the Start click after it.
    EXPECT_EQ(records[1], (Record{"0", "4", "16", "0", "8", "Normal", "0", "6", "15", "0", "0", "0", "", "",
                                  "Press 'Start' to go...", "Start pressed"}));
    // Tick 1 sends packet 0; the line breaks of the field separate its messages.
    EXPECT_EQ(records[2][13], "Transmit window now 4 only 0 in flight, so sending packet 0\n"
                              "Hoping for ACK with sequence number 1");
    EXPECT_EQ(records[2][7], "6");
    // Tick 30: the double click, with its marker.
    EXPECT_EQ(records[31][12], "packet-lost");
    EXPECT_EQ(records[31][15], "packet 0 held\npacket 0 lost");

    // No text of the engine holds a double quote; one that did would be doubled.
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("Press 'Start' to go..."), "Press 'Start' to go...");
}

// Given the trips, every row goes on with the run's figures so far: they
// only grow where they count, and the last row's are the run's own.
TEST(Csv, FigureColumnsCountUpToTheRunsFigures)
{
    Form1 form = loaded();
    RunHistory history(form);
    history.apply(form, box(OptionBox::GoBackN));
    history.apply(form, box(OptionBox::InOrderReceiver));
    LossSettings losses;
    losses.packetPercent = 10;
    losses.seed = 7;
    history.setLosses(losses);
    history.apply(form, StartReset);
    for (int i = 0; i < 1500; ++i)
        history.tick(form);

    std::ostringstream out;
    writeRunCsv(out, history.trace(), history.ladder());
    const std::vector<Record> records = parseCsv(out.str());
    ASSERT_EQ(records.size(), 1u + 1501u);
    const Record& header = records[0];
    ASSERT_EQ(header.size(), 22u);
    EXPECT_EQ(Record(header.begin() + 16, header.end()),
              (Record{"delivered", "retransmissions", "timeouts", "drops", "goodput", "recent_goodput"}));
    for (std::size_t row = 2; row < records.size(); ++row)
        for (std::size_t column = 16; column < 20; ++column)
            ASSERT_LE(std::stoi(records[row - 1][column]), std::stoi(records[row][column])) << row;
    const RunFigures figures = figuresOf(history);
    ASSERT_GT(figures.retransmissions, 0);
    ASSERT_GT(figures.drops, 0);
    for (std::size_t row = 0; row < figures::RowTitles.size(); ++row)
        EXPECT_EQ(records.back()[16 + row], figures::cell(figures, row)) << figures::RowTitles[row];
}

// A long run whose start the memory budget dropped still counts its
// figures from tick 0: the table's, and every row's so far, go on from what
// was dropped instead of starting again.
TEST(Csv, FiguresCountFromTheRunsStartAfterTheBudgetDropsIt)
{
    struct Played {
        RunFigures figures;
        std::int32_t firstKept = 0;
        std::vector<Record> rows;
    };
    const auto play = [](std::size_t budgetBytes) {
        Form1 form = loaded();
        RunHistory history(form, RunRecorder::DefaultCheckpointSpacing, budgetBytes);
        history.apply(form, box(OptionBox::GoBackN));
        history.apply(form, box(OptionBox::InOrderReceiver));
        LossSettings losses;
        losses.packetPercent = 10;
        losses.seed = 7;
        history.setLosses(losses);
        history.apply(form, StartReset);
        for (int i = 0; i < 6000; ++i)
            history.tick(form);
        std::ostringstream out;
        writeRunCsv(out, history.trace(), history.ladder());
        return Played{figuresOf(history), history.trace().firstTick(), parseCsv(out.str())};
    };
    const Played whole = play(RunHistory::DefaultBudgetBytes);
    const Played cut = play(256 * 1024);
    ASSERT_EQ(whole.firstKept, 0);
    ASSERT_GT(cut.firstKept, 1000) << "the small budget must drop the start";
    EXPECT_EQ(cut.figures, whole.figures);
    // Row for row, the kept ticks' figures so far are the whole run's.
    const std::size_t offset = whole.rows.size() - cut.rows.size();
    for (std::size_t row = 1; row < cut.rows.size(); row += 97)
        EXPECT_EQ(Record(cut.rows[row].begin() + 16, cut.rows[row].end()),
                  Record(whole.rows[row + offset].begin() + 16, whole.rows[row + offset].end()))
            << "tick " << cut.rows[row][0];
}

// A label or a log line is a stranger's text: a spreadsheet never runs it
// as a formula, while numbers stay numbers.
TEST(Csv, TextCellsNeverRunAsFormulas)
{
    for (const std::string formula : {"=HYPERLINK(\"http://example.org\",\"x\")", "+SUM(1,2)", "-2+3",
                                      "@cmd|' /C calc'!A0", "\tx", "\rx"})
        EXPECT_EQ(exporttext::spreadsheetSafe(formula), "'" + formula);
    for (const std::string kept : {"-1", "+2.5", "12", "0.25", "Go-back-N", "", "'quoted"})
        EXPECT_EQ(exporttext::spreadsheetSafe(kept), kept);

    std::ostringstream table;
    figures::writeCsv(table, {"=HYPERLINK(\"http://example.org\",\"x\")", "+SUM(1,2)", "-1"},
                      {RunFigures{}, RunFigures{}, RunFigures{}});
    std::istringstream lines(table.str());
    std::string line;
    std::getline(lines, line); // the header
    for (const std::string start : {"\"'=HYPERLINK(\"\"http", "\"'+SUM(1,2)\"", "-1,"}) {
        std::getline(lines, line);
        EXPECT_TRUE(line.starts_with(start)) << line;
    }
}

} // namespace

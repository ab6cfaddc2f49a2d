// The figures, the sender state name and the two commentary lines.
//
// Each side keeps six candidate messages with a priority and a lifetime; its
// line shows the highest priority, then the most ticks left, then the lowest
// index. The per-tick status lines (priority 1, 10000 ticks) are the
// background; event messages (priority 5 to 20, 40 ticks) show over them for
// two seconds and fall away.
#include <array>
#include <cmath>

#include "core/form.h"
#include "core/numbers.h"

namespace {

constexpr std::array<const char*, 6> StateNames = {"Normal",    "SlowStart",      "TimedOut",
                                                   "Avoidance", "FastRetransmit", "Selective"};

const char* stateName(std::int32_t state)
{
    return state >= 0 && state < static_cast<std::int32_t>(StateNames.size()) ? StateNames[state] : "Unknown";
}

// Writes a figure into a caption; the window figures keep a blank where a minus sign would go.
void setFigure(std::string& caption, double value, bool signPlace)
{
    char buffer[64];
    char* end = buffer;
    if (signPlace && value >= 0) *end++ = ' ';
    end = numbers::writeShortest(end, buffer + sizeof buffer, value);
    numbers::assignIfChanged(caption, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// hundredths / 100 as its shortest decimal text (433 -> "4.33", 250 -> "2.5"),
// which is what the shortest text of the double hundredths / 100 reads.
void setHundredths(std::string& caption, std::int32_t hundredths)
{
    numbers::TextBuilder text;
    const std::int32_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    if (hundredths < 0) text.text("-");
    text.plain(magnitude / 100);
    const std::int32_t fraction = magnitude % 100;
    if (fraction != 0) {
        const char digits[3] = {'.', static_cast<char>('0' + fraction / 10),
                                static_cast<char>('0' + fraction % 10)};
        text.text(std::string_view(digits, fraction % 10 == 0 ? 2 : 3));
    }
    numbers::assignIfChanged(caption, text.view());
}

// bytes / segment as a figure. Windows and thresholds are nearly always whole
// segments, which the integer path writes without touching floating point.
double segments(std::int32_t bytes, std::int32_t segment) { return static_cast<double>(bytes) / segment; }

} // namespace

void Form1::ShowState()
{
    if (shownFigures_ == figureInputs()) return;
    const int txPosition = VScroll1.value();
    const int rxPosition = VScroll2.value();

    const bool wholeTx = TxWindowBytes % SegmentBytes == 0;
    const bool wholeRx = RxWindowBytes % SegmentBytes == 0;

    setFigure(lblTxWindow[1].Caption, static_cast<double>(numbers::floorDiv(TxWindowBytes, SegmentBytes)),
              true);
    // Moving the slider snaps a fractional window to the whole segments it now
    // stands for. A window under half a segment would ask for a position past
    // the bar's end; the bar stops at one segment instead.
    VScroll1.setValue(wholeTx ? 17 - TxWindowBytes / SegmentBytes
                              : numbers::roundToInt16(17 - segments(TxWindowBytes, SegmentBytes)));
    setFigure(lblRxWindow[1].Caption, segments(RxWindowBytes, SegmentBytes), true);
    VScroll2.setValue(wholeRx ? 17 - RxWindowBytes / SegmentBytes
                              : numbers::roundToInt16(17 - segments(RxWindowBytes, SegmentBytes)));
    // Nearest whole packet, halves up.
    setFigure(lblTxWindow[3].Caption,
              static_cast<double>(numbers::floorDiv(2 * static_cast<std::int64_t>(FlightBytes) + SegmentBytes,
                                                    2 * static_cast<std::int64_t>(SegmentBytes))),
              false);
    // Cut, not rounded, to two decimals, with the floating-point arithmetic the
    // figure has always had (4350 bytes shows as 4.34).
    if (SSThreshBytes % SegmentBytes == 0) {
        setFigure(lblSSThresh.Caption, segments(SSThreshBytes, SegmentBytes), false);
    } else {
        setHundredths(lblSSThresh.Caption, numbers::intFloor(segments(SSThreshBytes, SegmentBytes) * 100));
    }
    numbers::assignIfChanged(lblState.Caption, stateName(TxState));
    // A slider that moved here has rewritten its figure without the blank the
    // first step writes, so the next call must draw everything again.
    if (VScroll1.value() == txPosition && VScroll2.value() == rxPosition) shownFigures_ = figureInputs();
}

void Form1::AddMessageLine(bool senderSide, std::int16_t ticks, std::int16_t priority, std::string_view text)
{
    StoreMessage(senderSide, ticks, priority, text);
    RefreshLine(senderSide);
}

void Form1::StoreMessage(bool senderSide, std::int16_t ticks, std::int16_t priority, std::string_view text)
{
    if (ticks <= 0) return;
    auto& store = senderSide ? TxMessages : RxMessages;
    // The victim is the lowest-indexed slot of the lowest priority. The
    // slots' priorities change from tick to tick, so the search is written
    // to run without branches a processor would have to guess.
    int victim = 0;
    int minimum = 1000;
#pragma GCC unroll 6
    for (int i = 0; i < MessageSlots; ++i) {
        const int slotPriority = store[i].Priority;
        const bool lower = slotPriority < minimum;
        victim = lower ? i : victim;
        minimum = lower ? slotPriority : minimum;
    }
    MessageLine& line = store[victim];
    if (priority >= line.Priority) {
        line.TicksLeft = ticks;
        line.Priority = priority;
        numbers::assignIfChanged(line.Text, text);
    }
}

namespace {

// A slot's standing in the choice of a line: the higher priority first, then
// the more ticks left. Priority and ticks are 16-bit, so one number orders
// both: a priority step outweighs any difference in ticks.
constexpr std::int32_t rank(std::int32_t priority, std::int32_t ticksLeft)
{
    return priority * 65536 + ticksLeft;
}

// Picks the line a side shows, optionally ageing each slot first: the first
// slot that ranks highest (a later one wins only by ranking higher), or -1.
// The ranks change from tick to tick, so the choice is made without branches
// a processor would have to guess.
template <bool Age> int chooseLine(std::array<MessageLine, MessageSlots>& store)
{
    int best = -1;
    std::int32_t bestRank = rank(-1, 10000);
#pragma GCC unroll 6
    for (int i = 0; i < MessageSlots; ++i) {
        MessageLine& line = store[i];
        if constexpr (Age) {
            line.TicksLeft = static_cast<std::int16_t>(line.TicksLeft - (line.TicksLeft > 0 ? 1 : 0));
            if (line.TicksLeft == 0) {
                line.Text.clear();
                line.Priority = 0;
            }
        }
        const std::int32_t slotRank = rank(line.Priority, line.TicksLeft);
        const bool higher = slotRank > bestRank;
        best = higher ? i : best;
        bestRank = higher ? slotRank : bestRank;
    }
    return best;
}

void showLine(Label& line, const std::array<MessageLine, MessageSlots>& store, int best)
{
    if (best >= 0) numbers::assignIfChanged(line.Caption, store[best].Text);
}

} // namespace

void Form1::RefreshLine(bool senderSide)
{
    auto& store = senderSide ? TxMessages : RxMessages;
    showLine(senderSide ? lblTxInfo : lblRxInfo, store, chooseLine<false>(store));
}

// Each slot is aged on its own and the sides do not meet, so each side is
// aged and its line chosen in one pass.
void Form1::AgeMessages()
{
    showLine(lblTxInfo, TxMessages, chooseLine<true>(TxMessages));
    showLine(lblRxInfo, RxMessages, chooseLine<true>(RxMessages));
}

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
    auto& store = senderSide ? TxMessages : RxMessages;
    if (ticks > 0) {
        // The victim is the lowest-indexed slot of the lowest priority.
        int victim = 0;
        int minimum = 1000;
        for (int i = 0; i < MessageSlots; ++i) {
            if (store[i].Priority < minimum) {
                victim = i;
                minimum = store[i].Priority;
            }
        }
        if (priority >= store[victim].Priority) {
            store[victim].TicksLeft = ticks;
            store[victim].Priority = priority;
            numbers::assignIfChanged(store[victim].Text, text);
        }
    }
}

void Form1::RefreshLine(bool senderSide)
{
    const auto& store = senderSide ? TxMessages : RxMessages;
    int best = -1;
    int bestPriority = -1;
    int bestTicks = 10000;
    for (int i = 0; i < MessageSlots; ++i) {
        if (store[i].Priority > bestPriority) {
            best = i;
            bestPriority = store[i].Priority;
            bestTicks = store[i].TicksLeft;
        } else if (store[i].Priority == bestPriority && store[i].TicksLeft > bestTicks) {
            best = i;
            bestTicks = store[i].TicksLeft;
        }
    }
    if (best < 0) return;
    numbers::assignIfChanged((senderSide ? lblTxInfo : lblRxInfo).Caption, store[best].Text);
}

void Form1::AgeMessages()
{
    // Each slot is aged on its own, so the two stores can be aged one after the other.
    for (auto* store : {&TxMessages, &RxMessages}) {
        for (MessageLine& line : *store) {
            if (line.TicksLeft > 0) --line.TicksLeft;
            if (line.TicksLeft == 0) {
                line.Text.clear();
                line.Priority = 0;
            }
        }
    }
    RefreshLine(true);
    RefreshLine(false);
}

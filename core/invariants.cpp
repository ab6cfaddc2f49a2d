#include "core/invariants.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "core/colours.h"
#include "core/numbers.h"

namespace reliability {

namespace {

// A caption or tag the program wrote as plain decimal text: digits with an
// optional minus sign, nothing else.
std::optional<long> strictNumber(std::string_view text)
{
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isTxColour(Colour c)
{
    return c == colours::TxNotSent || c == colours::TxQueued || c == colours::TxQueuedAgain ||
           c == colours::TxInFlight || c == colours::TxResentInFlight || c == colours::TxMarkedForResend ||
           c == colours::TxAcknowledged;
}

bool isRxColour(Colour c)
{
    return c == colours::RxOutside || c == colours::RxAwaited || c == colours::RxReceived ||
           c == colours::RxAliased;
}

// Collects broken invariants; builds text only when something is wrong.
class Findings {
public:
    void require(bool holds, const char* what)
    {
        if (!holds) add(what);
    }
    template <class... Numbers> void require(bool holds, const char* what, Numbers... numbers)
    {
        if (holds) return;
        std::string line = what;
        ((line += ' ', line += std::to_string(numbers)), ...);
        add(line);
    }
    std::string text() const { return text_; }

private:
    void add(std::string_view line)
    {
        text_ += line;
        text_ += '\n';
    }
    std::string text_;
};

// Returns the strip's first number, or nothing when its captions are broken.
template <class Cells>
std::optional<long> checkStripNumbers(Findings& f, const Cells& cells, const char* strip)
{
    const auto first = strictNumber(cells[0].Caption);
    if (!first) {
        f.require(false, strip);
        return std::nullopt;
    }
    for (int i = 1; i < geometry::CellCount; ++i) {
        const auto number = strictNumber(cells[i].Caption);
        if (!number || *number != *first + i) {
            f.require(false, strip, i);
            return std::nullopt;
        }
    }
    return first;
}

void checkSender(Findings& f, const Form1& form)
{
    f.require(form.TxOutstanding >= 0, "TxOutstanding negative:", form.TxOutstanding);
    f.require(form.TxBase >= 0 && form.TxBase + form.TxOutstanding <= PacketNumberLimit,
              "sender range outside the packet numbers:", form.TxBase, form.TxOutstanding);
    const auto first = checkStripNumbers(f, form.lblTx, "sender strip numbers not consecutive at cell");
    if (!first) return;
    const long base = form.TxBase - *first;
    const long end = base + form.TxOutstanding;
    f.require(base >= 0, "sender strip starts past TxBase:", *first, form.TxBase);
    f.require(end <= geometry::CellCount, "sender range ends past cell 18:", base, form.TxOutstanding);

    const Frame& frame = form.shpTxWindow;
    f.require(frame.Visible, "sender frame hidden");
    f.require(frame.Left >= 60 && frame.Left == geometry::frameLeft(static_cast<int>(base)),
              "sender frame not at TxBase: Left, TxBase cell", frame.Left, base);
    f.require(frame.Width == geometry::frameWidth(form.TxOutstanding),
              "sender frame does not span TxOutstanding: Width, count", frame.Width, form.TxOutstanding);

    for (int i = 0; i < geometry::CellCount; ++i) {
        const Colour colour = form.lblTx[i].ForeColor;
        f.require(isTxColour(colour), "sender cell colour unknown: cell, colour", i, colour);
        if (i < base) {
            f.require(colour == colours::TxAcknowledged, "sender cell before TxBase not acknowledged:", i,
                      colour);
        } else if (i >= end) {
            // A fast retransmit of TxBase after an aliased ACK has emptied the
            // range resends a packet that no longer counts as outstanding.
            const bool resentPastRange =
                i == end && form.TxOutstanding == 0 &&
                (colour == colours::TxQueuedAgain || colour == colours::TxResentInFlight);
            f.require(colour == colours::TxNotSent || resentPastRange,
                      "sender cell past the range not grey: cell, colour", i, colour);
        } else {
            f.require(colour != colours::TxNotSent, "sender cell inside the range is grey: cell", i);
        }
        const TimeoutBar& bar = form.shpTimeOut[i];
        f.require(bar.Width >= 0 && bar.Width <= geometry::FullTimeout, "timeout bar width: cell, width", i,
                  bar.Width);
        f.require(bar.Tag == "0" || bar.Tag == "1", "timeout bar tag not 0 or 1: cell", i);
    }
}

void checkReceiver(Findings& f, const Form1& form)
{
    f.require(form.RxNext >= 0, "RxNext negative:", form.RxNext);
    const auto first = checkStripNumbers(f, form.lblRx, "receiver strip numbers not consecutive at cell");
    if (!first) return;
    const long next = form.RxNext - *first;
    const long window = form.RxWindowBytes / form.SegmentBytes;
    f.require(next >= 0, "receiver strip starts past RxNext:", *first, form.RxNext);

    const Frame& frame = form.shpRxWindow;
    f.require(frame.Visible, "receiver frame hidden");
    f.require(frame.Left >= 60 && frame.Left == geometry::frameLeft(static_cast<int>(next)),
              "receiver frame not at RxNext: Left, RxNext cell", frame.Left, next);
    f.require(frame.Width == geometry::frameWidth(static_cast<int>(window)),
              "receiver frame does not span the window: Width, window", frame.Width, window);

    for (int i = 0; i < geometry::CellCount; ++i) {
        const Colour colour = form.lblRx[i].ForeColor;
        f.require(isRxColour(colour), "receiver cell colour unknown: cell, colour", i, colour);
        if (i < next) {
            f.require(colour == colours::RxReceived || colour == colours::RxAliased,
                      "receiver cell before RxNext not received: cell, colour", i, colour);
        } else if (i >= next + window) {
            f.require(colour == colours::RxOutside, "receiver cell past the window not grey: cell, colour", i,
                      colour);
        } else {
            f.require(colour != colours::RxOutside, "receiver cell inside the window is grey: cell", i);
        }
    }
}

void checkSendQueue(Findings& f, const Form1& form)
{
    const int head = form.QueueHead;
    const int tail = form.QueueTail;
    if (head < 0 || head >= SendQueueSlots || tail < 0 || tail >= SendQueueSlots) {
        f.require(false, "send queue index outside 0..14: head, tail", head, tail);
        return;
    }
    const int entries = (tail - head + SendQueueSlots) % SendQueueSlots;
    for (int k = 0; k < SendQueueSlots; ++k) {
        const int slot = (head + k) % SendQueueSlots;
        const std::int16_t packet = form.SendQueue[slot];
        if (k < entries) {
            f.require(packet >= 0, "send queue entry is empty: slot", slot);
        } else {
            f.require(packet == -1, "send queue slot outside the ring not empty: slot, packet", slot, packet);
        }
    }
}

void checkFlightButtons(Findings& f, const Form1& form)
{
    for (int i = 0; i < FlightSlots; ++i) {
        for (const bool isPacket : {true, false}) {
            const FlightButton& button = isPacket ? form.cmdPacket[i] : form.cmdACK[i];
            const char* kind = isPacket ? "packet slot" : "ACK slot";
            if (!button.Visible) {
                f.require(button.TravelMarker == colours::Travelling, "free slot left held:", i);
                continue;
            }
            f.require(button.TravelMarker == colours::Travelling || button.TravelMarker == colours::Held,
                      "flight marker unknown: slot", i);
            f.require(button.Top >= geometry::PacketLaunchTop && button.Top <= geometry::PacketArrivalTop,
                      "flight button off its lane: slot, Top", i, button.Top);
            const auto tag = strictNumber(button.Tag);
            if (!tag || *tag < 0) {
                f.require(false, kind);
                f.require(false, "has no numeric Tag:", i);
                continue;
            }
            if (isPacket) {
                f.require(*tag % form.SegmentBytes == 0, "packet Tag not a byte offset: slot, tag", i, *tag);
            } else {
                f.require(*tag % form.SegmentBytes < 32 && *tag / form.SegmentBytes < 32,
                          "ACK Tag does not carry two sequence numbers: slot, tag", i, *tag);
            }
        }
    }
}

void checkSettings(Findings& f, const Form1& form)
{
    for (const ScrollBar* bar : {&form.HScroll1, &form.VScroll1, &form.VScroll2, &form.VScroll3}) {
        f.require(bar->value() >= bar->Min && bar->value() <= bar->Max,
                  "slider outside its range:", bar->value());
    }
    const int timeout = form.HScroll1.value();
    f.require(form.TimeoutDrain == numbers::roundToInt16(80.0 / timeout),
              "TimeoutDrain does not follow the timeout slider:", form.TimeoutDrain, timeout);
    f.require(form.lblTimeOut[1].Caption == numbers::plainText(timeout), "timeout figure wrong");
    f.require(form.SeqModulus == 33 - form.VScroll3.value() && form.SeqModulus >= 1 && form.SeqModulus <= 32,
              "SeqModulus does not follow its slider:", form.SeqModulus);
    f.require(form.lblSequences[1].Caption == numbers::plainText(32 - form.VScroll3.value()),
              "sequence figure wrong");
    f.require(form.RxWindowBytes == (17 - form.VScroll2.value()) * form.SegmentBytes,
              "receive window does not follow its slider:", form.RxWindowBytes, form.VScroll2.value());

    const double txSegments = static_cast<double>(form.TxWindowBytes) / form.SegmentBytes;
    int txPosition = numbers::roundToInt16(17 - txSegments);
    txPosition = txPosition < 1 ? 1 : (txPosition > 16 ? 16 : txPosition);
    f.require(form.VScroll1.value() == txPosition,
              "transmit slider does not show the window:", form.VScroll1.value(), form.TxWindowBytes);
    f.require(form.TxWindowBytes >= form.SegmentBytes && form.TxWindowBytes <= 16 * form.SegmentBytes,
              "transmit window outside 1..16 segments:", form.TxWindowBytes);

    const CheckBox* boxes[] = {&form.chkSlowStart, &form.chkAvoidance,  &form.chkFastRetransmit,
                               &form.chkSelective, &form.chkDelayedACK, &form.chkAutoRTT,
                               &form.chkSlide};
    for (const CheckBox* box : boxes)
        f.require(box->Value == 0 || box->Value == 1, "check box value not 0 or 1:", box->Value);
    const bool slowStart = form.chkSlowStart.Value == 1;
    f.require(form.chkAvoidance.Enabled == slowStart && form.chkFastRetransmit.Enabled == slowStart,
              "Avoidance and Fast Retransmit enabled without Slow Start");
    const auto flag = [](const CheckBox& box) { return box.Value == 1 && box.Enabled ? True : False; };
    f.require(form.UseSlowStart == flag(form.chkSlowStart) && form.UseAvoidance == flag(form.chkAvoidance) &&
                  form.UseFastRetransmit == flag(form.chkFastRetransmit) &&
                  form.UseSelective == flag(form.chkSelective) &&
                  form.UseDelayedAck == flag(form.chkDelayedACK),
              "option flags differ from their boxes");
}

void checkScalars(Findings& f, const Form1& form, const CheckContext& context)
{
    const std::int32_t segment = form.SegmentBytes;
    f.require(segment == 1000, "SegmentBytes changed:", segment);
    f.require(form.TxState == txstate::Normal || form.TxState == txstate::SlowStart ||
                  form.TxState == txstate::TimedOut || form.TxState == txstate::FastRetransmit ||
                  form.TxState == txstate::Selective,
              "TxState unknown:", form.TxState);
    f.require(form.ClickHoldoff >= 0 && form.ClickHoldoff <= 7, "ClickHoldoff:", form.ClickHoldoff);
    f.require(form.LaunchHoldoff >= 0 && form.LaunchHoldoff <= 10, "LaunchHoldoff:", form.LaunchHoldoff);
    f.require(form.DelayedAckTicks >= 0 && form.DelayedAckTicks <= 28,
              "DelayedAckTicks:", form.DelayedAckTicks);
    f.require(form.HeldAckOffset == -1 || (form.HeldAckOffset >= 0 && form.HeldAckOffset % segment == 0),
              "HeldAckOffset:", form.HeldAckOffset);
    f.require(form.LastAckSeq >= -1 && form.LastAckSeq < 32, "LastAckSeq:", form.LastAckSeq);
    f.require(form.DupAckCount >= -1, "DupAckCount:", form.DupAckCount);
    f.require(form.FlightBytes >= 0 && form.FlightBytes <= geometry::CellCount * segment &&
                  form.FlightBytes % segment == 0,
              "FlightBytes:", form.FlightBytes);
    f.require(form.SSThreshBytes >= 2 * segment, "SSThreshBytes below two segments:", form.SSThreshBytes);
    f.require(form.RecoveryWindow >= segment && form.RecoveryWindow <= 16 * segment,
              "RecoveryWindow:", form.RecoveryWindow);
    if (context.ackArrived) {
        f.require(form.TxWindowBytes <= form.RxWindowBytes,
                  "after an ACK the transmit window exceeds the receive window:", form.TxWindowBytes,
                  form.RxWindowBytes);
    }

    for (const auto* store : {&form.TxMessages, &form.RxMessages}) {
        for (const MessageLine& line : *store) {
            f.require(line.TicksLeft >= 0 && line.TicksLeft <= 10000, "message TicksLeft:", line.TicksLeft);
            f.require(line.Priority >= 0 && line.Priority <= 20, "message priority:", line.Priority);
            if (line.TicksLeft == 0)
                f.require(line.Text.empty() && line.Priority == 0, "expired message not freed");
        }
    }

    const std::string& reset = form.cmdReset.Caption;
    const std::string& pause = form.cmdPause.Caption;
    f.require(reset == "Start" || reset == "Reset", "cmdReset caption unknown");
    f.require(pause == "Pause" || pause == "Cont", "cmdPause caption unknown");
    f.require(pause != "Cont" || !form.Timer1.Enabled, "clock runs while the button offers Cont");
    f.require(!(reset == "Reset" && pause == "Pause") || form.Timer1.Enabled,
              "clock stopped while running is shown");
    f.require(form.Timer1.Interval == 50, "clock interval changed:", form.Timer1.Interval);
}

} // namespace

bool ackArrivesNextTick(const Form1& form)
{
    for (const FlightButton& ack : form.cmdACK) {
        if (ack.Visible && ack.TravelMarker == colours::Travelling &&
            ack.Top - geometry::FlightStep < geometry::AckArrivalTop)
            return true;
    }
    return false;
}

std::string checkInvariants(const Form1& form, const CheckContext& context)
{
    Findings findings;
    checkSender(findings, form);
    checkReceiver(findings, form);
    checkSendQueue(findings, form);
    checkFlightButtons(findings, form);
    checkSettings(findings, form);
    checkScalars(findings, form, context);
    return findings.text();
}

} // namespace reliability

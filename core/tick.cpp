// The clock tick: the one thing that advances the simulation.
//
// Each step sees what the earlier steps of the same tick changed, so the order
// below is part of the behaviour. A packet launched in step 16 of tick L is
// first moved in tick L+1 and, 50 twips a tick from Top 1320, first stands
// beyond 4920 in tick L+73, where step 4 delivers it:
//
//   tick     L     L+1   ...   L+72   L+73
//   Top      1320  1370  ...   4920   4970  -> delivered
#include <algorithm>

#include "core/form.h"
#include "core/numbers.h"

namespace {

// A mask with bit i for each cell i from `from` to `to` - 1 (0 <= from <= to <= CellCount).
constexpr std::uint32_t cellRange(int from, int to)
{
    static_assert(geometry::CellCount < 32, "a strip's cells fit one mask");
    return (std::uint32_t{1} << to) - (std::uint32_t{1} << from);
}

// The number of bits set, in a few shifts and adds: the portable build has no
// population-count instruction, and the library's fallback is a call.
constexpr std::uint32_t countBits(std::uint32_t bits)
{
    bits = bits - ((bits >> 1) & 0x55555555u);
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return (bits * 0x01010101u) >> 24;
}
static_assert(countBits(0) == 0 && countBits(0x7FFFFu) == 19 && countBits(0x50001u) == 3);

} // namespace

// Marks the strip origins known for the length of a tick, and unknown again
// however the tick ends.
class Form1::TickOriginsScope {
public:
    explicit TickOriginsScope(Form1& form) : form_(form) { form_.readStripOrigins(); }
    ~TickOriginsScope() { form_.tickOrigins_.known = false; }
    TickOriginsScope(const TickOriginsScope&) = delete;
    TickOriginsScope& operator=(const TickOriginsScope&) = delete;

private:
    Form1& form_;
};

void Form1::Timer1_Timer()
{
    const TickOriginsScope origins(*this);
    if (ClickHoldoff > 0) --ClickHoldoff;

    // All buttons move before anything arrives, so an ACK sent by an arriving
    // packet first moves on the next tick. Moving the ACKs first lets each
    // packet be moved and delivered in one pass: an arrival touches no packet slot.
    // The slot loops run in full, without the loop's own count and jump:
    // a tick visits the 32 slots three times and finds most of them empty.
    bool ackArrives = false;
#pragma GCC unroll 16
    for (auto& ack : cmdACK) {
        if (!ack.Visible) continue;
        if (ack.TravelMarker == colours::Travelling) ack.Top -= geometry::FlightStep;
        ackArrives |= ack.Top < geometry::AckArrivalTop;
    }
#pragma GCC unroll 16
    for (auto& packet : cmdPacket) {
        if (!packet.Visible) continue;
        if (packet.TravelMarker == colours::Travelling) packet.Top += geometry::FlightStep;
        // Arrival ignores the travel marker: a held button never moves far enough to arrive.
        if (packet.Top > geometry::PacketArrivalTop) {
            PacketArrived(numbers::parseWhole(packet.Tag));
            packet.Visible = false;
        }
    }
    // An ACK sent by an arriving packet starts at the bottom, so only an ACK
    // that was flying before the packets arrived can arrive now.
    if (ackArrives) {
        for (auto& ack : cmdACK) {
            if (ack.Visible && ack.Top < geometry::AckArrivalTop) {
                AckArrived(numbers::parseWhole(ack.Tag));
                ack.Visible = false;
            }
        }
    }

    RunRetransmissionTimers();
    ApplyFirstPacketRule();
    EnterFastRetransmitIfDue();
    ReleaseHeldAck();

    // The usable window in packets is the window in segments rounded half up.
    // New packets wait while a go-back round still has old ones to send again.
    // (w / s + 1/2 lands on a whole number exactly when (2w + s) / 2s does, so
    // integers round it the same, without a call to floor.)
    if (!ContinueGoBack() && numbers::floorDiv(2 * std::int64_t{TxWindowBytes} + SegmentBytes,
                                               2 * std::int64_t{SegmentBytes}) > TxOutstanding) {
        if (!StopAtPacketNumberLimit()) SendNewPackets();
    }

    ScanForSelectiveResends();
    if (chkSlide.Value == 1) SlideStrips();
    PostStandingLines();
    AgeMessages();
    LaunchPacket();
    RecountFlight();
    // Most ticks change no figure; asked here, that costs no call.
    if (shownFigures_ != figureInputs()) ShowState();
}

void Form1::SlideStrips()
{
    SlideTxStrip();
    SlideRxStrip();
}

// Packet numbers are 16-bit and the strips add up to 19 to them; rather than
// let them overflow, the run ends before handing out the limit.
bool Form1::StopAtPacketNumberLimit()
{
    if (TxBase + TxOutstanding < PacketNumberLimit) return false;
    Timer1.Enabled = false;
    cmdPause.Caption = "Cont";
    numbers::TextBuilder text;
    text.text("This run has used every packet number up to ")
        .plain(PacketNumberLimit - 1)
        .text(". Press Reset to start a new run.");
    reportMessage(text.view());
    return true;
}

void Form1::PostStandingLines()
{
    // The texts change only when an edge of a window moves, so each is
    // composed again only then; composing both on every tick cost more than
    // the rest of the ageing and drawing of the lines.
    const std::int64_t senderKey =
        (std::int64_t{TxBase} << 32) | (std::int64_t{TxOutstanding} << 16) | SeqModulus;
    if (senderKey != senderLine_.key) {
        senderLine_.key = senderKey;
        senderLine_.text = numbers::TextBuilder{};
        senderLine_.text.text("Hoping for ACK with sequence number");
        if (TxOutstanding > 1) {
            senderLine_.text.text(" between").number((TxBase + 1) % SeqModulus).text(" and");
            senderLine_.text.number((TxBase + TxOutstanding) % SeqModulus);
        } else {
            senderLine_.text.number((TxBase + 1) % SeqModulus);
        }
    }
    const std::int64_t receiverKey = (std::int64_t{RxNext} << 16) | SeqModulus;
    if (receiverKey != receiverLine_.key) {
        receiverLine_.key = receiverKey;
        receiverLine_.text = numbers::TextBuilder{};
        receiverLine_.text.text("Waiting for packet").number(RxNext).text(" with sequence number");
        receiverLine_.text.number(RxNext % SeqModulus);
    }
    // AgeMessages redraws both lines straight after, so these only store.
    StoreMessage(true, 10000, 1, senderLine_.text.view());
    StoreMessage(false, 10000, 1, receiverLine_.text.view());
}

// Counts from the cell of TxBase to the end of the strip, not just over the
// outstanding range: after an aliased ACK has acknowledged past every
// outstanding packet, a fast-retransmit entry can put packet TxBase in flight
// while nothing is counted as outstanding, and that packet is in flight all the same.
//
// A go-back round has given up the packets it has still to send again: they
// keep the colour of their last trip until they are queued, but the sender no
// longer counts on them, so they are not in flight.
void Form1::RecountFlight()
{
    const int origin = txOrigin();
    const int first = std::max(0, TxBase - origin);
    if (first > geometry::LastCell) {
        FlightBytes = 0;
        return;
    }
    // The cells of the given-up packets, cut to the counted stretch; empty
    // when no round is under way.
    const int givenUpFrom = GoBackNext >= 0 ? std::max<int>(GoBackNext, TxBase) : PacketNumberLimit;
    const int skipFrom = std::clamp(givenUpFrom - origin, first, geometry::CellCount);
    const int skipTo = std::clamp(TxBase + TxOutstanding - origin, skipFrom, geometry::CellCount);
    // The two flying colours differ in one bit: with it set, both read as the
    // resent one and nothing else does. Every cell is looked at, one
    // comparison each and no branch, and the counted ones picked by a mask.
    constexpr Colour resentBit = colours::TxInFlight ^ colours::TxResentInFlight;
    static_assert((colours::TxInFlight | resentBit) == colours::TxResentInFlight);
    const std::uint32_t counted = cellRange(first, skipFrom) | cellRange(skipTo, geometry::CellCount);
    std::uint32_t flying = 0;
#pragma GCC unroll 19
    for (int cell = 0; cell < geometry::CellCount; ++cell)
        flying |= static_cast<std::uint32_t>((lblTx[cell].ForeColor | resentBit) == colours::TxResentInFlight)
                  << cell;
    FlightBytes = static_cast<std::int32_t>(countBits(flying & counted)) * SegmentBytes;
}

void Form1::readStripOrigins()
{
    tickOrigins_.known = false;
    tickOrigins_ = {true, txOrigin(), rxOrigin()};
}

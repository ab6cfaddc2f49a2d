#include "history/run_trace.h"

#include <algorithm>
#include <string_view>

#include "core/numbers.h"
#include "history/translatable.h"
#include "receiver/receive_window.h"

// ---------------------------------------------------------------------------
// The sample of one tick

using texts::fill;
using texts::translatable;

namespace {

TickSample sampleOf(const Form1& form)
{
    TickSample sample;
    sample.txWindowBytes = form.TxWindowBytes;
    sample.ssThreshBytes = form.SSThreshBytes;
    sample.flightBytes = form.FlightBytes;
    sample.rxWindowBytes = form.RxWindowBytes;
    // Never 0 in a loaded model; guarded so a sample can always be read in packets.
    sample.segmentBytes = form.SegmentBytes != 0 ? form.SegmentBytes : 1;
    sample.txState = form.TxState;
    sample.dupAcks = form.DupAckCount;
    sample.timeoutSetting = static_cast<std::int16_t>(form.HScroll1.value());
    sample.seqModulus = form.SeqModulus;
    sample.txBase = form.TxBase;
    sample.txOutstanding = form.TxOutstanding;
    sample.rxNext = form.RxNext;
    sample.avoidance = form.UseAvoidance != False;
    sample.slowStart = form.UseSlowStart != False;
    return sample;
}

} // namespace

const char* txStateName(std::int32_t txState)
{
    switch (txState) {
    case txstate::Normal:
        return "Normal";
    case txstate::SlowStart:
        return "SlowStart";
    case txstate::TimedOut:
        return "TimedOut";
    case txstate::Avoidance:
        return "Avoidance";
    case txstate::FastRetransmit:
        return "FastRetransmit";
    case txstate::Selective:
        return "Selective";
    default:
        return "Unknown";
    }
}

// ---------------------------------------------------------------------------
// Markers

std::string markerNames(Markers markers)
{
    static constexpr std::array<std::pair<Markers, std::string_view>, 6> Names = {{
        {marker::Timeout, "timeout"},
        {marker::FastRetransmit, "fast-retransmit"},
        {marker::PacketLost, "packet-lost"},
        {marker::AckLost, "ack-lost"},
        {marker::StateChange, "state-change"},
        {marker::OutOfOrderDrop, "out-of-order-drop"},
    }};
    std::string names;
    for (const auto& [bit, name] : Names) {
        if ((markers & bit) == 0) continue;
        if (!names.empty()) names += ' ';
        names += name;
    }
    return names;
}

namespace {

// Only a timer running out puts the sender into TimedOut, and only the third
// duplicate ACK puts it into FastRetransmit; both are seen as the state
// before and after the tick. A timeout while already TimedOut leaves the
// state alone but resends a packet, which its commentary line shows; Tahoe's
// answer to the third duplicate leaves the sender in SlowStart, and is known
// by its line too.
Markers tickMarkers(std::int32_t before, std::int32_t after, bool resent, bool thirdDuplicate)
{
    Markers markers = 0;
    if (before != after) markers |= marker::StateChange;
    if ((after == txstate::FastRetransmit && before != txstate::FastRetransmit) || thirdDuplicate)
        markers |= marker::FastRetransmit;
    if (after == txstate::TimedOut && (before != txstate::TimedOut || resent)) markers |= marker::Timeout;
    return markers;
}

constexpr std::string_view RetransmissionLine = "Retransmitting packet";
constexpr std::string_view ThirdDuplicateLine = "Third duplicate ACK arrived.";

// A click that hides a visible flight button has removed it from the network.
bool removedByClick(const std::array<FlightButton, FlightSlots>& before,
                    const std::array<FlightButton, FlightSlots>& after, int slot)
{
    return slot >= 0 && slot < FlightSlots && before[slot].Visible && !after[slot].Visible;
}

Markers eventMarkers(const Form1& before, const UserEvent& event, const Form1& after)
{
    Markers markers = 0;
    if (before.TxState != after.TxState) markers |= marker::StateChange;
    if (event.kind == EventKind::ClickPacket &&
        removedByClick(before.cmdPacket, after.cmdPacket, event.target))
        markers |= marker::PacketLost;
    if (event.kind == EventKind::ClickAck && removedByClick(before.cmdACK, after.cmdACK, event.target))
        markers |= marker::AckLost;
    return markers;
}

// ---------------------------------------------------------------------------
// Commentary postings seen in the message stores

// The standing lines are reposted every tick with a lifetime of 10000 ticks;
// every other posting lives 40. Anything this long-lived is a standing line.
constexpr std::int16_t StandingLifetimeFloor = 1000;

bool standing(const MessageLine& line) { return line.TicksLeft > StandingLifetimeFloor; }

// The slot took a new posting: its text changed, or its lifetime is above
// what it had (less one tick of aging, when the tick aged it).
bool postedInto(const MessageLine& before, const MessageLine& after, bool aged)
{
    if (after.Text.empty()) return false; // freed, or the reset's blank sender line
    if (after.Text != before.Text) return true;
    const int expected = aged && before.TicksLeft > 0 ? before.TicksLeft - 1 : before.TicksLeft;
    return after.TicksLeft > expected;
}

// The standing line the side showed before: the newest one, with the most ticks left.
std::string_view currentStandingText(const std::array<MessageLine, MessageSlots>& store)
{
    const MessageLine* newest = nullptr;
    for (const MessageLine& line : store) {
        if (standing(line) && (newest == nullptr || line.TicksLeft > newest->TicksLeft)) newest = &line;
    }
    return newest != nullptr ? std::string_view(newest->Text) : std::string_view();
}

// ---------------------------------------------------------------------------
// User actions in words

// The check boxes in the order of OptionBox.
constexpr std::array<CheckBox FormState::*, OptionBoxCount> OptionBoxes = {
    &FormState::chkSlowStart, &FormState::chkAvoidance,       &FormState::chkFastRetransmit,
    &FormState::chkSelective, &FormState::chkDelayedACK,      &FormState::chkAutoRTT,
    &FormState::chkSlide,     &FormState::chkInOrderReceiver, &FormState::chkGoBackN,
    &FormState::chkTahoeRule};

std::string_view withoutLeadingBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// The packet's number, or the sequence number an ACK asks for: what the clicked button carries.
std::string flightNumber(const Form1& form, const FlightButton& button)
{
    const std::int32_t tag = numbers::parseWhole(button.Tag);
    const std::int32_t segment = form.SegmentBytes != 0 ? form.SegmentBytes : 1;
    // A packet's Tag is its byte offset; an ACK's packs the sequence number it
    // asks for times the segment size plus a sequence number below 32.
    return numbers::plainText(tag / segment);
}

std::string describeFlightClick(const Form1& before, const UserEvent& event, const Form1& after)
{
    const bool packet = event.kind == EventKind::ClickPacket;
    const auto& was = packet ? before.cmdPacket : before.cmdACK;
    const auto& now = packet ? after.cmdPacket : after.cmdACK;
    const int slot = event.target;
    if (slot < 0 || slot >= FlightSlots || !was[slot].Visible) return describeEvent(before, event);

    const std::string number = flightNumber(before, was[slot]);
    if (!now[slot].Visible) {
        return fill(packet ? translatable("log", "packet %1 lost")
                           : translatable("log", "ACK asking for sequence number %1 lost"),
                    number);
    }
    if (now[slot].TravelMarker == colours::Held) {
        return fill(packet ? translatable("log", "packet %1 held")
                           : translatable("log", "ACK asking for sequence number %1 held"),
                    number);
    }
    return fill(packet ? translatable("log", "packet %1 released")
                       : translatable("log", "ACK asking for sequence number %1 released"),
                number);
}

std::string describeSliderMove(const Form1& before, const UserEvent& event, const Form1& after)
{
    switch (static_cast<SliderId>(event.target)) {
    case SliderId::Timeout:
        return fill(translatable("log", "timeout set to %1"), after.lblTimeOut[1].Caption);
    case SliderId::TxWindow:
        return fill(translatable("log", "transmit window set to %1"),
                    withoutLeadingBlanks(after.lblTxWindow[1].Caption));
    case SliderId::RxWindow:
        return fill(translatable("log", "receive window set to %1"),
                    withoutLeadingBlanks(after.lblRxWindow[1].Caption));
    case SliderId::Sequences:
        return fill(translatable("log", "highest sequence number set to %1"), after.lblSequences[1].Caption);
    }
    return describeEvent(before, event);
}

// "packet 7 lost", "receive window set to 6", "Slow Start on". Read from the
// model on both sides of the event, so the words say what the event did.
std::string describeAction(const Form1& before, const UserEvent& event, const Form1& after)
{
    switch (event.kind) {
    case EventKind::StartReset:
        return fill(translatable("log", "%1 pressed"), before.cmdReset.Caption);
    case EventKind::PauseCont:
        return fill(translatable("log", "%1 pressed"), before.cmdPause.Caption);
    case EventKind::ClickPacket:
    case EventKind::ClickAck:
        return describeFlightClick(before, event, after);
    case EventKind::ClickCheckBox:
        if (event.target >= 0 && event.target < OptionBoxCount) {
            const CheckBox& was = before.*OptionBoxes[event.target];
            const CheckBox& now = after.*OptionBoxes[event.target];
            if (was.Enabled)
                return fill(now.Value == 1 ? translatable("log", "%1 on") : translatable("log", "%1 off"),
                            now.Caption);
        }
        break;
    case EventKind::MoveSlider:
        if (event.target >= 0 && event.target < SliderCount) return describeSliderMove(before, event, after);
        break;
    case EventKind::Tick:
        break;
    }
    return describeEvent(before, event);
}

} // namespace

// ---------------------------------------------------------------------------
// Recording and rewinding

void ObservedState::capture(const Form1& form)
{
    TxState = form.TxState;
    TxMessages = form.TxMessages;
    RxMessages = form.RxMessages;

    inOrderReceiver = form.UseInOrderReceiver != False;
    arrivingCount = 0;
    if (!inOrderReceiver) return;
    rxNext = form.RxNext;
    rxFirst = form.rxOrigin();
    rxWindowPackets = static_cast<double>(form.RxWindowBytes) / form.SegmentBytes;
    seqModulus = form.SeqModulus;
    for (int cell = 0; cell < geometry::CellCount; ++cell) {
        const Colour mark = form.lblRx[cell].ForeColor;
        rxReceived[static_cast<std::size_t>(cell)] =
            mark == colours::RxReceived || mark == colours::RxAliased;
    }
    // The tick moves every travelling packet one step and hands over, in slot
    // order, each one then past the receiver strip.
    for (const FlightButton& packet : form.cmdPacket) {
        if (!packet.Visible) continue;
        const int step = packet.TravelMarker == colours::Travelling ? geometry::FlightStep : 0;
        if (packet.Top + step <= geometry::PacketArrivalTop) continue;
        const double offset = numbers::parseWhole(packet.Tag);
        arriving[static_cast<std::size_t>(arrivingCount++)] =
            static_cast<std::int16_t>(numbers::intFloor(offset / form.SegmentBytes + 0.5));
    }
}

RunTrace::RunTrace(const Form1& startup)
{
    samples_.push_back(sampleOf(startup));
    startRxNext_ = samples_.front().rxNext;
}

std::int32_t RunTrace::rxNextAt(std::int32_t tick) const
{
    if (tick >= firstTick_ && tick <= ticks()) return sample(tick).rxNext;
    if (tick == 0) return startRxNext_;
    const std::int32_t tailFirst = firstTick_ - static_cast<std::int32_t>(rxNextBeforeFirst_.size());
    if (tick >= tailFirst && tick < firstTick_)
        return rxNextBeforeFirst_[static_cast<std::size_t>(tick - tailFirst)];
    return -1;
}

void RunTrace::recordTick(const ObservedState& before, const Form1& after)
{
    const std::int32_t tick = ticks() + 1;
    const std::size_t firstEntry = log_.size();
    logPostings(tick, LogSource::Sender, before.TxMessages, after.TxMessages, true);
    const Markers drops = logDrops(tick, before);
    logPostings(tick, LogSource::Receiver, before.RxMessages, after.RxMessages, true);

    const auto posted = [&](std::string_view line) {
        return std::any_of(log_.begin() + static_cast<std::ptrdiff_t>(firstEntry), log_.end(),
                           [line](const LogEntry& entry) {
                               return entry.source == LogSource::Sender && entry.text.starts_with(line);
                           });
    };
    TickSample sample = sampleOf(after);
    sample.tickMarkers =
        tickMarkers(before.TxState, after.TxState, posted(RetransmissionLine), posted(ThirdDuplicateLine)) |
        drops;
    sample.logEnd = logDropped_ + log_.size();
    samples_.push_back(sample);
}

void RunTrace::recordEvent(const Form1& before, const UserEvent& event, const Form1& after)
{
    if (event.kind == EventKind::Tick) return;
    pushLog(LogEntry{ticks(), LogSource::User, describeAction(before, event, after)});
    // A reset frees every slot before it posts its two lines, so each line it
    // leaves is new, even one that reads as the line it replaced.
    static const std::array<MessageLine, MessageSlots> Freed{};
    const bool reset = event.kind == EventKind::StartReset;
    logPostings(ticks(), LogSource::Sender, reset ? Freed : before.TxMessages, after.TxMessages, false);
    logPostings(ticks(), LogSource::Receiver, reset ? Freed : before.RxMessages, after.RxMessages, false);
    samples_.back().eventMarkers |= eventMarkers(before, event, after);
}

void RunTrace::truncateTo(std::int32_t tick)
{
    tick = std::clamp(tick, firstTick_, ticks());
    samples_.resize(static_cast<std::size_t>(tick - firstTick_) + 1);
    samples_.back().eventMarkers = 0;
    const auto kept = static_cast<std::size_t>(samples_.back().logEnd - logDropped_);
    for (std::size_t i = kept; i < log_.size(); ++i)
        logTextBytes_ -= log_[i].text.capacity();
    log_.resize(kept);
}

void RunTrace::dropBefore(std::int32_t tick)
{
    tick = std::clamp(tick, firstTick_, ticks());
    const auto droppedSamples = static_cast<std::size_t>(tick - firstTick_);
    if (droppedSamples == 0) return;
    // The log of the dropped ticks ends where the last dropped tick's events end.
    const auto firstKept =
        std::find_if(log_.begin(), log_.end(), [tick](const LogEntry& entry) { return entry.tick >= tick; });
    for (auto entry = log_.begin(); entry != firstKept; ++entry)
        logTextBytes_ -= entry->text.capacity();
    logDropped_ += static_cast<std::uint64_t>(firstKept - log_.begin());
    // Tick 0 is start-up: nothing has happened in it.
    for (std::size_t i = firstTick_ == 0 ? 1 : 0; i < droppedSamples; ++i) {
        const Markers markers = samples_[i].markers();
        dropped_.timeouts += (markers & marker::Timeout) != 0;
        dropped_.drops += (markers & marker::OutOfOrderDrop) != 0;
    }
    for (std::size_t i = droppedSamples > KeptBeforeFirst ? droppedSamples - KeptBeforeFirst : 0;
         i < droppedSamples; ++i)
        rxNextBeforeFirst_.push_back(samples_[i].rxNext);
    if (rxNextBeforeFirst_.size() > KeptBeforeFirst)
        rxNextBeforeFirst_.erase(rxNextBeforeFirst_.begin(), rxNextBeforeFirst_.end() - KeptBeforeFirst);
    log_.erase(log_.begin(), firstKept);
    log_.shrink_to_fit();
    samples_.erase(samples_.begin(), samples_.begin() + static_cast<std::ptrdiff_t>(droppedSamples));
    samples_.shrink_to_fit();
    firstTick_ = tick;
}

void RunTrace::note(std::string text) { pushLog(LogEntry{ticks(), LogSource::User, std::move(text)}); }

std::size_t RunTrace::approximateBytes() const
{
    return samples_.capacity() * sizeof(TickSample) + log_.capacity() * sizeof(LogEntry) + logTextBytes_;
}

void RunTrace::pushLog(LogEntry entry)
{
    logTextBytes_ += entry.text.capacity();
    log_.push_back(std::move(entry));
}

// The receiver's own rule decides each arrival: a packet that a receiver
// keeping its whole window would take into a later cell is dropped. A packet
// that is taken in moves the edge over the run of received cells after it.
Markers RunTrace::logDrops(std::int32_t tick, const ObservedState& before)
{
    if (!before.inOrderReceiver) return 0;
    Markers markers = 0;
    int rxNext = before.rxNext;
    std::array<bool, geometry::CellCount> received = before.rxReceived;
    for (int i = 0; i < before.arrivingCount; ++i) {
        const int arrived = before.arriving[static_cast<std::size_t>(i)];
        const double windowLast = before.rxWindowPackets + rxNext - 1;
        if (receiver::outOfOrder(arrived, rxNext, windowLast, before.seqModulus)) {
            pushLog(LogEntry{tick, LogSource::Receiver,
                             fill(translatable("log", "packet %1 dropped: out of order"), arrived)});
            markers |= marker::OutOfOrderDrop;
            continue;
        }
        if (arrived % before.seqModulus != rxNext % before.seqModulus) continue;
        for (int cell = rxNext - before.rxFirst; Form1::onStrip(cell); ++cell) {
            if (cell != rxNext - before.rxFirst && !received[static_cast<std::size_t>(cell)]) break;
            received[static_cast<std::size_t>(cell)] = true;
            rxNext = before.rxFirst + cell + 1;
        }
    }
    return markers;
}

// Standing lines come last: the tick posts them after every event message.
// They are logged only when their text changes, since every tick reposts them.
void RunTrace::logPostings(std::int32_t tick, LogSource side,
                           const std::array<MessageLine, MessageSlots>& before,
                           const std::array<MessageLine, MessageSlots>& after, bool aged)
{
    const MessageLine* newStanding = nullptr;
    for (int slot = 0; slot < MessageSlots; ++slot) {
        if (!postedInto(before[slot], after[slot], aged)) continue;
        if (standing(after[slot])) {
            newStanding = &after[slot];
            continue;
        }
        pushLog(LogEntry{tick, side, after[slot].Text});
    }
    if (newStanding != nullptr && newStanding->Text != currentStandingText(before))
        pushLog(LogEntry{tick, side, newStanding->Text});
}

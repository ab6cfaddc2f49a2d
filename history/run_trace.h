// RunTrace: what the chart and the event log show of a run, observed from
// outside the engine.
//
// Nothing here changes the model or hooks into it. After each tick the trace
// takes one sample of the figures and compares the model with what it was
// before the tick; after each user event it compares the model before and
// after the event. Markers and log entries come from those comparisons.
//
// Sections of run_trace.cpp:
//   the sample of one tick
//   markers
//   commentary postings seen in the message stores
//   user actions in words
//   recording and rewinding
//
// Limits of observation
// - Commentary: a posting is seen when a slot's text changed or its lifetime
//   jumped above what aging alone leaves. Within one tick a later posting can
//   overwrite an earlier one: the victim of a posting is the lowest-indexed
//   slot of the lowest priority, so this happens when all six slots of a side
//   hold messages at least as important as the earlier one (a burst of event
//   messages within 40 ticks). Such a message stood for part of one tick and
//   was never drawn, since the window repaints after the tick; it is not
//   logged. Neither is a message the engine dropped because all six slots
//   held more important ones.
// - Within one tick the order of the entries is not the order of posting:
//   sender before receiver, each side in slot order, its standing line last.
// - Markers compare the sender state before and after the whole tick: a
//   state left and re-entered within one tick shows no change. A second
//   timeout while the sender is still TimedOut is recognised by its
//   "Retransmitting packet" line, so it is missed when that line is not seen
//   (see above). A timeout and a fast-retransmit entry in the same tick show
//   only the fast-retransmit entry.
// - Drops by the in-order receiver are worked out from the packets about to
//   arrive and the receiver as the tick finds it. When two packets arrive in
//   one tick and the first moves the receiver's edge, the second is judged
//   against the new edge but against the strip as it stood before the tick.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"

// What happened in one tick, for the chart's markers; bits of a Markers value.
namespace marker {
inline constexpr std::uint8_t Timeout = 1;         // a retransmission timer ran out
inline constexpr std::uint8_t FastRetransmit = 2;  // the third duplicate ACK resent at once (Reno or Tahoe)
inline constexpr std::uint8_t PacketLost = 4;      // the user removed a packet in flight
inline constexpr std::uint8_t AckLost = 8;         // the user removed an ACK in flight
inline constexpr std::uint8_t StateChange = 16;    // the sender state differs from before
inline constexpr std::uint8_t OutOfOrderDrop = 32; // the in-order receiver dropped a packet
} // namespace marker
using Markers = std::uint8_t;

// "timeout fast-retransmit packet-lost": the names of the set bits, in bit order.
std::string markerNames(Markers markers);

// Name of a sender state as the window shows it ("SlowStart", "Unknown").
const char* txStateName(std::int32_t txState);

// The figures after one tick (tick 0: start-up). Windows and the threshold
// are kept in bytes, exactly; the chart reads them in packets.
struct TickSample {
    std::int32_t txWindowBytes = 0;
    std::int32_t ssThreshBytes = 0;
    std::int32_t flightBytes = 0;
    std::int32_t rxWindowBytes = 0;
    std::int32_t segmentBytes = 1;
    std::int32_t txState = 0;
    std::int16_t dupAcks = 0;
    std::int16_t timeoutSetting = 0; // position of the timeout slider
    std::int16_t seqModulus = 0;
    std::int16_t txBase = 0;
    std::int16_t txOutstanding = 0;
    std::int16_t rxNext = 0;
    bool avoidance = false;   // the Avoidance option is in force
    bool slowStart = false;   // the Slow Start option is in force: without it the threshold means nothing
    Markers tickMarkers = 0;  // seen across the tick itself
    Markers eventMarkers = 0; // caused by user events after the tick
    std::uint64_t logEnd = 0; // log entries ever made up to the end of this tick, before its events

    double txWindow() const { return static_cast<double>(txWindowBytes) / segmentBytes; }
    double ssThresh() const { return static_cast<double>(ssThreshBytes) / segmentBytes; }
    double flight() const { return static_cast<double>(flightBytes) / segmentBytes; }
    double rxWindow() const { return static_cast<double>(rxWindowBytes) / segmentBytes; }
    Markers markers() const { return tickMarkers | eventMarkers; }
};

enum class LogSource : std::uint8_t { Sender, Receiver, User };

struct LogEntry {
    std::int32_t tick = 0; // the tick it happened in, or the tick before a user event
    LogSource source = LogSource::User;
    std::string text;

    bool operator==(const LogEntry&) const = default;
};

// The parts of the model that the trace compares across a tick. Kept apart
// from a full copy so that observing a tick allocates nothing once the
// strings have grown.
struct ObservedState {
    std::int32_t TxState = 0;
    std::array<MessageLine, MessageSlots> TxMessages{};
    std::array<MessageLine, MessageSlots> RxMessages{};

    // The receiver as the tick finds it, and the packets the tick will hand it,
    // in the order it hands them over.
    bool inOrderReceiver = false;
    std::int16_t rxNext = 0;
    std::int16_t rxFirst = 0; // the number in receiver cell 0
    double rxWindowPackets = 0;
    std::int16_t seqModulus = 1;
    std::array<bool, geometry::CellCount> rxReceived{};
    std::array<std::int16_t, FlightSlots> arriving{};
    int arrivingCount = 0;

    void capture(const Form1& form);
};

class RunTrace {
public:
    // Sample 0 is taken from `startup`.
    explicit RunTrace(const Form1& startup);

    // A tick has run: `before` was captured just before it, `after` is the model now.
    void recordTick(const ObservedState& before, const Form1& after);
    // A user event has been applied: `before` is a copy of the model just before it.
    void recordEvent(const Form1& before, const UserEvent& event, const Form1& after);

    // Forgets everything after tick `tick` (its user events included).
    void truncateTo(std::int32_t tick);
    // Forgets everything before tick `tick`, to keep a long run within its
    // memory budget; firstTick() becomes `tick`.
    void dropBefore(std::int32_t tick);
    // A line of the program's own in the log, as a user entry at the current tick.
    void note(std::string text);

    std::int32_t ticks() const { return firstTick_ + static_cast<std::int32_t>(samples_.size()) - 1; }
    // The earliest tick still kept: 0 unless a long run dropped its beginning.
    std::int32_t firstTick() const { return firstTick_; }
    // One per tick kept: samples()[i] is tick firstTick() + i.
    const std::vector<TickSample>& samples() const { return samples_; }
    const TickSample& sample(std::int32_t tick) const
    {
        return samples_[static_cast<std::size_t>(tick - firstTick_)];
    }
    // The run's whole-run sums survive dropBefore: what the dropped ticks
    // counted is kept apart from the record, so that the figures of a long
    // run still count from its tick 0.
    struct DroppedCounts {
        std::int32_t timeouts = 0; // ticks whose markers hold a timeout
        std::int32_t drops = 0;    // ticks whose markers hold a drop by the in-order receiver
    };
    const DroppedCounts& dropped() const { return dropped_; }
    // How many of the dropped ticks' rxNext are kept, for figures over the
    // last few hundred ticks at the start of what is kept.
    static constexpr std::int32_t KeptBeforeFirst = 200;
    // The receiver's next awaited packet after `tick`: from the samples, from
    // the KeptBeforeFirst ticks before them, or at the run's tick 0; -1 for
    // a tick that is no longer known.
    std::int32_t rxNextAt(std::int32_t tick) const;
    // In the order observed.
    const std::vector<LogEntry>& log() const { return log_; }
    // What the samples and log hold, roughly, in bytes.
    std::size_t approximateBytes() const;

private:
    // Entries and markers for the packets the in-order receiver dropped in the tick.
    Markers logDrops(std::int32_t tick, const ObservedState& before);
    void logPostings(std::int32_t tick, LogSource side, const std::array<MessageLine, MessageSlots>& before,
                     const std::array<MessageLine, MessageSlots>& after, bool aged);

    void pushLog(LogEntry entry);

    std::vector<TickSample> samples_;
    std::vector<LogEntry> log_;
    std::int32_t firstTick_ = 0;
    DroppedCounts dropped_;
    std::int16_t startRxNext_ = 0;                // rxNext at the run's tick 0
    std::vector<std::int16_t> rxNextBeforeFirst_; // the last dropped ticks', oldest first
    std::uint64_t logDropped_ = 0; // entries dropped from the front: log_[i] is entry logDropped_ + i
    std::size_t logTextBytes_ = 0;
};

// LadderTrace: every trip of a packet or an ACK across the network in one
// run, the raw material of the time-sequence (ladder) diagram.
//
// Like RunTrace, it observes the model from outside and never changes it:
// before each tick the history takes a FlightSnapshot of the 32 flight
// buttons, and after the tick the trace compares. A button that became
// visible at its launch position began a trip; one that vanished in a tick
// arrived; one that vanished in a user event was lost; one that did not move
// in a tick was held by a click. A Reset ends the run with its trips as they
// stood: the next run has a trace of its own.
//
// Ticks as in RunRecorder: a trip "left at tick L" stands at its launch
// position right after tick L ran; "ended at tick E" is the tick whose run
// (or whose user events, for a loss) took it off the network.
//
// Memory: a trip is a few dozen bytes, a run of 12,000 ticks has at most a
// few thousand of them; holds are rarer still. Observing a tick allocates
// nothing except when a trip begins and the vector must grow.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/events.h"
#include "core/form.h"

namespace ladder {

enum class Direction : std::uint8_t { Packet, Ack };
enum class Ending : std::uint8_t { InFlight, Arrived, Lost };

struct Trip {
    Direction direction = Direction::Packet;
    Ending ending = Ending::InFlight;
    // Packet: a retransmission, the packet has left before in this run (for
    // a button already flying when the record began: its cell shows the
    // resend colour). ACK: asks for the same packet as the ACK sent before
    // it, a duplicate.
    bool again = false;
    bool leftInEvent = false;  // launched by a user's action after tick `left`
    std::int8_t slot = 0;      // flight button index
    std::int16_t number = 0;   // packet: its number; ACK: the packet it asks for
    std::int16_t seq = 0;      // the sequence number it carries
    std::int16_t arrived = -1; // ACK: the packet whose arrival sent it
    // Which trip of this packet (of an ACK: sent on the arrival of this
    // `arrived`) it is in the run, from 1.
    std::int16_t transmission = 1;
    std::int32_t left = 0;
    std::int32_t ended = -1; // -1 while in flight
    std::int32_t endTop = 0; // twips, where it arrived or was lost
    // ACK: the packets the receiver held beyond the one it asks for, as the
    // tick that sent it left the receiver: bit k is packet `number` + 1 + k.
    // A packet capture reports them as SACK blocks.
    std::uint32_t heldBeyond = 0;
};

// A stretch of ticks during which a trip stood still, held by a click:
// it stood at `top` from tick `from` to tick `to` (-1 while still held).
struct Hold {
    std::int32_t trip = 0; // index into trips()
    std::int32_t from = 0;
    std::int32_t to = -1;
    std::int32_t top = 0;
};

// How far across a trip is at `top` twips: 0 at the sender's axis, 1 at the receiver's.
double across(Direction direction, std::int32_t top);
// The top, in twips, at which a trip is halfway: across() is one half there.
double middleTop(Direction direction);

} // namespace ladder

// The flight buttons as a tick finds them.
struct FlightSnapshot {
    struct Slot {
        bool visible = false;
        std::int32_t top = 0;
    };
    std::array<Slot, FlightSlots> packets{};
    std::array<Slot, FlightSlots> acks{};

    void capture(const Form1& form);
};

class LadderTrace {
public:
    // Buttons already flying at `startup` (a run file's start) count as
    // having left at tick 0.
    explicit LadderTrace(const Form1& startup);

    // A tick has run: `before` was captured just before it; `tick` is its number.
    void recordTick(const FlightSnapshot& before, const Form1& after, std::int32_t tick);
    // A user event has been applied after tick `tick`.
    void recordEvent(const Form1& before, const UserEvent& event, const Form1& after, std::int32_t tick);

    // Forgets everything after tick `tick` (its user events included).
    void truncateTo(std::int32_t tick);
    // Forgets the trips that ended before tick `tick`.
    void dropBefore(std::int32_t tick);
    // How many of the forgotten trips were packets sent again: the run's
    // retransmissions still count them.
    std::int32_t droppedResends() const { return droppedResends_; }

    // In the order they left.
    const std::vector<ladder::Trip>& trips() const { return trips_; }
    // The trips that crossed the middle of the network in the last tick
    // recorded (indices into trips()), where the network deals its losses.
    std::span<const std::int32_t> crossedMiddle() const
    {
        return {crossedMiddle_.data(), static_cast<std::size_t>(crossedCount_)};
    }
    // The trip the flight button `slot` carries (index into trips()), or -1.
    std::int32_t activeTrip(ladder::Direction direction, int slot) const
    {
        return (direction == ladder::Direction::Packet ? activePackets_
                                                       : activeAcks_)[static_cast<std::size_t>(slot)];
    }
    // In the order they began.
    const std::vector<ladder::Hold>& holds() const { return holds_; }
    std::size_t approximateBytes() const;

private:
    using Buttons = std::array<FlightButton, FlightSlots>;
    void observe(ladder::Direction direction, const std::array<FlightSnapshot::Slot, FlightSlots>& before,
                 const Buttons& after, const Form1& form, std::int32_t tick);
    void begin(ladder::Direction direction, int slot, const FlightButton& button, const Form1& form,
               std::int32_t tick, bool inEvent);
    void end(ladder::Direction direction, int slot, ladder::Ending ending, std::int32_t tick,
             std::int32_t top);
    std::array<std::int32_t, FlightSlots>& active(ladder::Direction direction)
    {
        return direction == ladder::Direction::Packet ? activePackets_ : activeAcks_;
    }
    void rebuildActive();
    // Trips so far per packet number (of ACKs: per `arrived`), for `transmission`.
    std::int16_t& tripsOf(ladder::Direction direction, int number);
    std::array<std::int32_t, 2 * FlightSlots> crossedMiddle_{};
    int crossedCount_ = 0;
    std::vector<std::int16_t> packetTrips_;
    std::vector<std::int16_t> ackTrips_;

    std::vector<ladder::Trip> trips_;
    std::vector<ladder::Hold> holds_;
    // The trip each flight button carries (index into trips_), or -1.
    std::array<std::int32_t, FlightSlots> activePackets_{};
    std::array<std::int32_t, FlightSlots> activeAcks_{};
    std::array<std::int32_t, FlightSlots> openHoldPackets_{}; // index into holds_, or -1
    std::array<std::int32_t, FlightSlots> openHoldAcks_{};
    std::int16_t lastAsked_ = -1; // what the latest ACK asked for
    // The same of the trips dropped from the front, for finding it again after a cut.
    std::int16_t lastAskedDropped_ = -1;
    std::int32_t droppedResends_ = 0;
    bool atStart_ = false; // observing the buttons already flying when the record began
};

#include "history/ladder.h"

#include <algorithm>
#include <limits>

#include "core/geometry.h"

namespace {

using ladder::Direction;
using ladder::Ending;

std::int32_t launchTop(Direction direction)
{
    return direction == Direction::Packet ? geometry::PacketLaunchTop : geometry::AckLaunchTop;
}

// Where a button stands after the tick that delivers it: one step past the
// arrival line, 73 steps from its launch.
std::int32_t arrivedTop(Direction direction, std::int32_t topBefore)
{
    return direction == Direction::Packet ? topBefore + geometry::FlightStep
                                          : topBefore - geometry::FlightStep;
}

// The whole numbers of a caption, in order: "Packet 17 : Sequence Number 2"
// gives 17, 2; "ACK with Seq Num 3 (packet 18) : Packet 17 Arrived" gives 3, 18, 17.
std::array<std::int32_t, 3> captionNumbers(const std::string& caption)
{
    std::array<std::int32_t, 3> numbers{-1, -1, -1};
    std::size_t found = 0;
    std::int32_t value = -1;
    for (const char c : caption) {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else if (value >= 0) {
            if (found < numbers.size()) numbers[found++] = value;
            value = -1;
        }
    }
    if (value >= 0 && found < numbers.size()) numbers[found] = value;
    return numbers;
}

// The packets the receiver holds beyond `asked`: bit k for packet asked + 1 + k.
// Everything below RxNext has been taken in; above it the strip's marks say.
std::uint32_t heldBeyond(const Form1& form, int asked)
{
    std::uint32_t held = 0;
    const int origin = form.rxOrigin();
    for (int k = 0; k < 32; ++k) {
        const int number = asked + 1 + k;
        const int cell = number - origin;
        const bool taken = number < form.RxNext ||
                           (Form1::onStrip(cell) && (form.lblRx[cell].ForeColor == colours::RxReceived ||
                                                     form.lblRx[cell].ForeColor == colours::RxAliased));
        if (taken) held |= std::uint32_t{1} << k;
    }
    return held;
}

} // namespace

double ladder::across(Direction direction, std::int32_t top)
{
    constexpr double Trip = geometry::PacketArrivalTop + geometry::FlightStep - geometry::PacketLaunchTop;
    const double way = direction == Direction::Packet ? top - geometry::PacketLaunchTop
                                                      : Trip - (geometry::AckLaunchTop - top);
    return std::clamp(way / Trip, 0.0, 1.0);
}

double ladder::middleTop(Direction direction)
{
    constexpr double Trip = geometry::PacketArrivalTop + geometry::FlightStep - geometry::PacketLaunchTop;
    return direction == Direction::Packet ? geometry::PacketLaunchTop + Trip / 2
                                          : geometry::AckLaunchTop - Trip / 2;
}

void FlightSnapshot::capture(const Form1& form)
{
    for (int k = 0; k < FlightSlots; ++k) {
        packets[k] = {form.cmdPacket[k].Visible, form.cmdPacket[k].Top};
        acks[k] = {form.cmdACK[k].Visible, form.cmdACK[k].Top};
    }
}

LadderTrace::LadderTrace(const Form1& startup)
{
    activePackets_.fill(-1);
    activeAcks_.fill(-1);
    openHoldPackets_.fill(-1);
    openHoldAcks_.fill(-1);
    atStart_ = true;
    for (int k = 0; k < FlightSlots; ++k) {
        if (startup.cmdPacket[k].Visible)
            begin(Direction::Packet, k, startup.cmdPacket[k], startup, 0, false);
        if (startup.cmdACK[k].Visible) begin(Direction::Ack, k, startup.cmdACK[k], startup, 0, false);
    }
    atStart_ = false;
}

void LadderTrace::recordTick(const FlightSnapshot& before, const Form1& after, std::int32_t tick)
{
    crossedCount_ = 0;
    observe(Direction::Packet, before.packets, after.cmdPacket, after, tick);
    observe(Direction::Ack, before.acks, after.cmdACK, after, tick);
}

void LadderTrace::observe(Direction direction, const std::array<FlightSnapshot::Slot, FlightSlots>& before,
                          const Buttons& after, const Form1& form, std::int32_t tick)
{
    const std::int32_t start = launchTop(direction);
    auto& holds = direction == Direction::Packet ? openHoldPackets_ : openHoldAcks_;
    const double middle = middleTop(direction);
    for (int k = 0; k < FlightSlots; ++k) {
        const FlightSnapshot::Slot was = before[k];
        const FlightButton& now = after[k];
        // A button that arrives in a tick may carry a new trip by its end:
        // the launch happens later in the same tick.
        const bool launched = now.Visible && now.Top == start && (!was.visible || was.top != start);
        const std::int32_t trip = active(direction)[k];
        if (was.visible && trip >= 0) {
            if (!now.Visible || launched) {
                end(direction, k, Ending::Arrived, tick, arrivedTop(direction, was.top));
            } else if (now.Top == was.top && holds[k] < 0) {
                // It stood still through this tick, so it stood from the tick before.
                holds[k] = static_cast<std::int32_t>(holds_.size());
                holds_.push_back({trip, tick - 1, -1, now.Top});
            } else if (now.Top != was.top && holds[k] >= 0) {
                holds_[static_cast<std::size_t>(holds[k])].to = tick - 1;
                holds[k] = -1;
            }
            // A trip reaches the middle dozens of ticks after its launch, so
            // one that crossed it was flying before the tick too.
            const bool crossed = direction == Direction::Packet ? was.top < middle && now.Top >= middle
                                                                : was.top > middle && now.Top <= middle;
            if (now.Visible && !launched && crossed)
                crossedMiddle_[static_cast<std::size_t>(crossedCount_++)] = trip;
        }
        if (launched) begin(direction, k, now, form, tick, false);
    }
}

void LadderTrace::recordEvent(const Form1& before, const UserEvent& event, const Form1& after,
                              std::int32_t tick)
{
    // A Reset ends the run: its trips stay as they stood when it ended.
    if (event.kind == EventKind::StartReset && before.cmdReset.Caption == "Reset") return;
    for (int k = 0; k < FlightSlots; ++k) {
        for (const Direction direction : {Direction::Packet, Direction::Ack}) {
            const Buttons& was = direction == Direction::Packet ? before.cmdPacket : before.cmdACK;
            const Buttons& now = direction == Direction::Packet ? after.cmdPacket : after.cmdACK;
            if (was[k].Visible && !now[k].Visible && active(direction)[k] >= 0)
                end(direction, k, Ending::Lost, tick, was[k].Top);
            if (!was[k].Visible && now[k].Visible) begin(direction, k, now[k], after, tick, true);
        }
    }
}

void LadderTrace::begin(Direction direction, int slot, const FlightButton& button, const Form1& form,
                        std::int32_t tick, bool inEvent)
{
    const auto numbers = captionNumbers(button.Caption);
    ladder::Trip trip;
    trip.direction = direction;
    trip.leftInEvent = inEvent;
    trip.slot = static_cast<std::int8_t>(slot);
    trip.left = tick;
    if (direction == Direction::Packet) {
        trip.number = static_cast<std::int16_t>(numbers[0]);
        trip.seq = static_cast<std::int16_t>(numbers[1]);
        // A resend is a packet that has left before. Its cell's colour cannot
        // tell: a go-back round queues again, in the resend colour, packets
        // that were still waiting for their first launch. Only for a button
        // already flying when the record began is the colour all there is.
        const int cell = trip.number - form.txOrigin();
        trip.again =
            tripsOf(direction, trip.number) > 0 ||
            (atStart_ && Form1::onStrip(cell) && form.lblTx[cell].ForeColor == colours::TxResentInFlight);
    } else {
        trip.seq = static_cast<std::int16_t>(numbers[0]);
        trip.number = static_cast<std::int16_t>(numbers[1]);
        trip.arrived = static_cast<std::int16_t>(numbers[2]);
        trip.again = trip.number == lastAsked_;
        trip.heldBeyond = heldBeyond(form, trip.number);
        lastAsked_ = trip.number;
    }
    std::int16_t& sent = tripsOf(direction, direction == Direction::Packet ? trip.number : trip.arrived);
    if (sent < std::numeric_limits<std::int16_t>::max()) ++sent;
    trip.transmission = sent;
    active(direction)[slot] = static_cast<std::int32_t>(trips_.size());
    trips_.push_back(trip);
}

std::int16_t& LadderTrace::tripsOf(Direction direction, int number)
{
    std::vector<std::int16_t>& counts = direction == Direction::Packet ? packetTrips_ : ackTrips_;
    const auto at = static_cast<std::size_t>(std::clamp(number + 1, 0, 1 << 15)); // -1 (none) has a slot too
    if (at >= counts.size()) counts.resize(at + 1, 0);
    return counts[at];
}

void LadderTrace::end(Direction direction, int slot, Ending ending, std::int32_t tick, std::int32_t top)
{
    std::int32_t& trip = active(direction)[slot];
    ladder::Trip& ended = trips_[static_cast<std::size_t>(trip)];
    ended.ending = ending;
    ended.ended = tick;
    ended.endTop = top;
    trip = -1;
    std::int32_t& hold = (direction == Direction::Packet ? openHoldPackets_ : openHoldAcks_)[slot];
    if (hold >= 0) holds_[static_cast<std::size_t>(hold)].to = tick;
    hold = -1;
}

void LadderTrace::truncateTo(std::int32_t tick)
{
    crossedCount_ = 0;
    while (!trips_.empty() &&
           (trips_.back().left > tick || (trips_.back().left == tick && trips_.back().leftInEvent))) {
        const ladder::Trip& last = trips_.back();
        std::int16_t& sent =
            tripsOf(last.direction, last.direction == Direction::Packet ? last.number : last.arrived);
        if (sent > 0) --sent;
        trips_.pop_back();
    }
    while (!holds_.empty() &&
           (holds_.back().from >= tick || holds_.back().trip >= static_cast<std::int32_t>(trips_.size())))
        holds_.pop_back();
    for (ladder::Trip& trip : trips_) {
        if (trip.ended > tick || (trip.ended == tick && trip.ending == Ending::Lost)) {
            trip.ending = Ending::InFlight;
            trip.ended = -1;
        }
    }
    for (ladder::Hold& hold : holds_) {
        if (hold.to >= tick && trips_[static_cast<std::size_t>(hold.trip)].ending == Ending::InFlight)
            hold.to = -1;
    }
    rebuildActive();
}

void LadderTrace::dropBefore(std::int32_t tick)
{
    crossedCount_ = 0;
    std::vector<std::int32_t> moved(trips_.size(), -1);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < trips_.size(); ++i) {
        const ladder::Trip& trip = trips_[i];
        if (trip.ended >= 0 && trip.ended < tick) {
            if (trip.direction == Direction::Packet)
                droppedResends_ += trip.again ? 1 : 0;
            else
                lastAskedDropped_ = trip.number;
            continue;
        }
        moved[i] = static_cast<std::int32_t>(kept);
        trips_[kept++] = trip;
    }
    trips_.resize(kept);
    std::erase_if(holds_,
                  [&](const ladder::Hold& hold) { return moved[static_cast<std::size_t>(hold.trip)] < 0; });
    for (ladder::Hold& hold : holds_)
        hold.trip = moved[static_cast<std::size_t>(hold.trip)];
    rebuildActive();
}

// After a cut the buttons' trips, the open holds and the running figures
// are found again from what is kept.
void LadderTrace::rebuildActive()
{
    activePackets_.fill(-1);
    activeAcks_.fill(-1);
    openHoldPackets_.fill(-1);
    openHoldAcks_.fill(-1);
    lastAsked_ = lastAskedDropped_;
    for (std::size_t i = 0; i < trips_.size(); ++i) {
        const ladder::Trip& trip = trips_[i];
        if (trip.direction == Direction::Ack) lastAsked_ = trip.number;
        if (trip.ending == Ending::InFlight) active(trip.direction)[trip.slot] = static_cast<std::int32_t>(i);
    }
    for (std::size_t h = 0; h < holds_.size(); ++h) {
        const ladder::Hold& hold = holds_[h];
        if (hold.to >= 0) continue;
        const ladder::Trip& trip = trips_[static_cast<std::size_t>(hold.trip)];
        (trip.direction == Direction::Packet ? openHoldPackets_ : openHoldAcks_)[trip.slot] =
            static_cast<std::int32_t>(h);
    }
}

std::size_t LadderTrace::approximateBytes() const
{
    return trips_.capacity() * sizeof(ladder::Trip) + holds_.capacity() * sizeof(ladder::Hold) +
           (packetTrips_.capacity() + ackTrips_.capacity()) * sizeof(std::int16_t);
}

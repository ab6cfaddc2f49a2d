// The network a look-ahead runs in: what it will do to the run's trips from
// the tick the run stands on.
//
// A look-ahead (practice questions) runs a copy of the model; the run's own
// losses are dealt by its history, not by the model, so a copy ticked alone
// would see every packet arrive that the network is about to lose. This is
// a copy of the run's trip record and losses, ticked along with the copy of
// the model, dealing each loss on the tick and by the clicks the history
// will: whether a trip is lost depends only on the seed, its number and its
// transmission, so the copy and the run lose the same trips.
#pragma once

#include <cstdint>
#include <optional>

#include "core/events.h"
#include "core/form.h"
#include "history/ladder.h"
#include "history/losses.h"

namespace losses {

// Deals the losses due on the trips that crossed the middle of the network in
// the tick `trips` recorded last: for each one lost, the clicks a user makes
// (one to hold it and one within the hold-off to remove it, or only the
// second while a hold-off runs) are passed to `click`, which applies them.
template <class Click>
void dealCrossings(const Form1& form, const LadderTrace& trips, const LossSettings& settings, Click&& click)
{
    for (const std::int32_t index : trips.crossedMiddle()) {
        // A copy: the clicks may grow the trips' vector.
        const ladder::Trip trip = trips.trips()[static_cast<std::size_t>(index)];
        const bool packet = trip.direction == ladder::Direction::Packet;
        const auto what = packet ? PlannedLoss::What::Packet : PlannedLoss::What::Ack;
        if (!settings.loses(what, packet ? trip.number : trip.arrived, trip.transmission)) continue;
        const UserEvent lose{packet ? EventKind::ClickPacket : EventKind::ClickAck, trip.slot, 0};
        if (form.ClickHoldoff <= 0) click(lose);
        click(lose);
    }
}

} // namespace losses

class NetworkLookAhead {
public:
    // A network that loses nothing: the model alone decides.
    NetworkLookAhead() = default;
    // The run's trips so far and the losses it deals, after tick `tick`; the
    // first tick after which losses are dealt is `dealsFrom` (a recording
    // being played deals none of its own until its end).
    NetworkLookAhead(const LadderTrace& trips, const LossSettings& settings, std::int32_t tick,
                     std::int32_t dealsFrom);

    // One tick of `form`, then the losses the run's network deals after it.
    void tick(Form1& form);

private:
    std::optional<LadderTrace> trips_; // none while nothing is dealt
    LossSettings settings_;
    std::int32_t tick_ = 0;
    std::int32_t dealsFrom_ = 0;
};

#include "history/network_look_ahead.h"

NetworkLookAhead::NetworkLookAhead(const LadderTrace& trips, const LossSettings& settings, std::int32_t tick,
                                   std::int32_t dealsFrom)
    : settings_(settings), tick_(tick), dealsFrom_(dealsFrom)
{
    if (settings.any()) trips_.emplace(trips);
}

void NetworkLookAhead::tick(Form1& form)
{
    if (!trips_) {
        form.Timer1_Timer();
        return;
    }
    FlightSnapshot before;
    before.capture(form);
    form.Timer1_Timer();
    trips_->recordTick(before, form, ++tick_);
    // The trips are followed all along, so that each one's transmission is counted right.
    if (tick_ < dealsFrom_) return;
    losses::dealCrossings(form, *trips_, settings_, [this, &form](const UserEvent& click) {
        const Form1 was = form;
        applyEvent(form, click);
        trips_->recordEvent(was, click, form, tick_);
    });
}

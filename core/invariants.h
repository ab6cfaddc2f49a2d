// What must hold between any two events of a run, whatever the user did.
//
// These are the promises the window makes by what it shows: strips of
// consecutive numbers with a frame on them, colours that name a state, flight
// buttons that carry something, figures that agree with their sliders. A
// broken one means the model has corrupted itself.
#pragma once

#include <string>

#include "core/form.h"

namespace reliability {

struct CheckContext {
    // An ACK reached the sender in the tick just run: the transmit window has
    // been capped at the receive window since.
    bool ackArrived = false;
};

// Whether the next tick will deliver an ACK to the sender: some travelling
// ACK is one step from the sender strip.
bool ackArrivesNextTick(const Form1& form);

// Empty when every invariant holds; otherwise one line per broken one.
std::string checkInvariants(const Form1& form, const CheckContext& context = {});

} // namespace reliability

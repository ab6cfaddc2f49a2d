// What a gesture on a control of the window means, by the control's name:
// the names the model's controls carry in Form1 and in the window's layout
// table, turned into the UserEvent the model takes. A front end that builds
// its controls from the layout table sends the name it built from, and never
// numbers events, boxes or sliders itself.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/events.h"

namespace control_events {

// In the order of OptionBox and SliderId.
inline constexpr std::array<std::string_view, OptionBoxCount> OptionBoxNames = {
    "chkSlowStart", "chkAvoidance", "chkFastRetransmit",  "chkSelective", "chkDelayedACK",
    "chkAutoRTT",   "chkSlide",     "chkInOrderReceiver", "chkGoBackN",   "chkTahoeRule",
};
inline constexpr std::array<std::string_view, SliderCount> SliderNames = {"HScroll1", "VScroll1", "VScroll2",
                                                                          "VScroll3"};

// The event a user's gesture on the control named `control` makes: a click
// on a run button or an option box, on flight button `index` of cmdPacket or
// cmdACK, or a slider moved to `value`. Nothing for a name no user can operate.
std::optional<UserEvent> eventFor(std::string_view control, int index, int value);

} // namespace control_events

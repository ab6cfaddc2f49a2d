// What a click on a travelling packet or ACK does, in the one sentence that
// the help, the tooltips, the README, the manual page and the software
// centre's description all carry, so that none of them can drift from the
// model or from the others.
//
// The model: a click that holds or releases a packet or ACK sets a hold-off
// of seven ticks, shared by all 32 flight buttons; while it runs, a click on
// any of them removes the one clicked (without restarting the hold-off). The
// hold-off counts down only in ticks, so a paused clock keeps it, and the
// faster the clock, the shorter it is in real time: 7 × 50 ms at 1×, and
// 7 × 13 ms (the 12.5 ms interval rounded to the timer's milliseconds) at 4×.
#pragma once

#include <string_view>

namespace click_rule {

inline constexpr std::string_view Sentence =
    "A click on a travelling packet or ACK holds it and a click on a held one lets it go on, "
    "but until the clock has run seven ticks after such a click (350 ms at 1\u00d7, 91 ms at "
    "4\u00d7; a paused clock runs none), any further click on a packet or ACK loses the one "
    "clicked.";

} // namespace click_rule

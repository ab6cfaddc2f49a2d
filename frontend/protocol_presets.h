// Protocol presets: named sets of option boxes and slider positions that
// turn the demonstration into a protocol a class knows by name.
//
//   name              title                  boxes ticked                          timeout tx rx seq
//   stop-and-wait     Stop-and-wait          none                                        6   1  1   1
//   go-back-n         Go-back-N (textbook)   go-back-N sender, in-order receiver         6   8  8  15
//   selective-repeat  Selective repeat       Selective Repeat                            6   8  8  15
//   tahoe             Tahoe-like TCP         Slow Start, Avoidance, Fast Retransmit,    12   1 16  31
//                                            Tahoe's rule, go-back-N sender
//   reno              Reno-like TCP          Slow Start, Avoidance, Fast Retransmit,    12   1 16  31
//                                            go-back-N sender
//
// Every box not listed is cleared. Slide Numbers only changes how the strips
// are drawn, so a preset leaves it as it is. The figures are the ones shown
// beside the sliders: timeout setting, windows in packets, highest sequence
// number. Both TCPs keep the receiver that holds out-of-order packets, as TCP
// receivers do. They differ in Tahoe's rule alone, which is what tells the
// two apart: on the third duplicate ACK Tahoe resends the oldest packet and
// starts again from a window of one, Reno halves the window and recovers
// fast. Ticking Fast Retransmit puts the timeout to 12, so both keep that.
//
// A preset is applied as the user's own clicks and slider moves (presetEvents),
// so the run's history records it and a replay repeats it.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/events.h"
#include "core/form.h"

namespace presets {

struct ProtocolPreset {
    const char* name;                         // stable, for links and --protocol: "go-back-n"
    const char* title;                        // for menus and the status: "Go-back-N (textbook)"
    std::array<bool, OptionBoxCount> options; // ticked, indexed by OptionBox; Slide Numbers unused
    int timeout;                              // timeout setting, 1..20
    int txWindow;                             // packets, 1..16 (the starting window under Slow Start)
    int rxWindow;                             // packets, 1..16
    int highestSequence;                      // 0..31
};

std::span<const ProtocolPreset> protocolPresets();

// The preset of that machine name, or nullptr.
const ProtocolPreset* findPreset(std::string_view name);

// "stop-and-wait, go-back-n, selective-repeat, tahoe, reno", for help texts
// and for the sentence refusing an unknown name.
std::string presetNames();

// The clicks and slider moves that bring `form` to the preset, in an order
// the model accepts: a box that another one disables is set while it is
// enabled, and the timeout slider comes last because every option click puts
// it to a default. Empty when the preset is in force already. Feed them
// through the run's history like the user's own actions.
std::vector<UserEvent> presetEvents(const Form1& form, const ProtocolPreset& preset);

// The preset whose settings the form shows, or nullptr for a custom set. The
// transmit window counts only where the preset does not use Slow Start: with
// it, the sender moves that slider itself as its window grows and shrinks.
const ProtocolPreset* presetInForce(const Form1& form);

// The preset's title, or "custom".
std::string protocolText(const Form1& form);

// The receiver's rule in force: "Receiver keeps only in-order packets" or
// "Receiver keeps out-of-order packets".
std::string receiverRuleText(const Form1& form);

// What the third duplicate ACK does while Fast Retransmit is in force:
// "Fast retransmit as Tahoe: back to one packet" or "Fast retransmit as Reno:
// fast recovery"; empty while it is not.
std::string fastRetransmitRuleText(const Form1& form);

} // namespace presets

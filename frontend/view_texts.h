// The words every window uses about its view options and the flights: the
// legend's texts, the rule of a click on a packet or ACK, the "lost here"
// mark and how long it stays, and the name a screen reader gives a packet
// or ACK. The desktop and the page both read them from here.
//
// Presentation only, no toolkit: the model never sees any of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace view_texts {

// How long a lost packet's mark stays where it was lost.
inline constexpr int LostMarkMilliseconds = 2000;
inline constexpr std::string_view LostHere = "\u2715 lost here";

// What a click on a travelling packet or ACK does, in the one sentence that
// the help, the tooltips, the legend, the page, the README, the manual page
// and the software centre's description all carry. The model: a click that
// holds or releases a packet or ACK sets a hold-off of seven ticks, shared by
// all 32 flight buttons; while it runs, a click on any of them removes the
// one clicked (without restarting the hold-off). The hold-off counts down
// only in ticks, so a paused clock keeps it, and the faster the clock, the
// shorter it is in real time: 7 x 50 ms at 1x, and 7 x 13 ms (the 12.5 ms
// interval rounded to the timer's milliseconds) at 4x.
inline constexpr std::string_view FlightRule =
    "A click on a travelling packet or ACK holds it and a click on a held one lets it go on, "
    "but until the clock has run seven ticks after such a click (350 ms at 1\u00d7, 91 ms at "
    "4\u00d7; a paused clock runs none), any further click on a packet or ACK loses the one "
    "clicked.";

inline constexpr std::string_view FlightAreaName = "Flight area";
inline constexpr std::string_view FlightAreaDescription =
    "The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.";

// The legend, in its order: sender cells, the timeout bar, receiver cells,
// then frames, held and lost packets.
inline constexpr std::string_view LegendSenderHeading = "Sender cells: what has happened to each packet";
inline constexpr std::string_view LegendTimeoutBar =
    "Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet "
    "is sent again.";
inline constexpr std::string_view LegendReceiverHeading = "Receiver cells: what the receiver holds";
inline constexpr std::string_view LegendOthersHeading = "Windows, packets and ACKs";
inline constexpr std::string_view LegendFrame =
    "Purple frame: the sender's window (top) and the receiver's window (bottom).";
inline constexpr std::string_view LegendHeldMarked =
    "Outlined packet or ACK: held by a click; it waits where it is.";
inline constexpr std::string_view LegendHeldUnmarked =
    "A held packet or ACK waits where it is (turn on state marks to outline it).";
inline constexpr std::string_view LegendLost =
    "A packet or ACK removed by a click leaves this mark for a moment (with state marks on). ";

// The numbers in a caption, in order ("  7 ( 7)" gives 7 and 7).
inline std::vector<std::string> numbersIn(std::string_view caption)
{
    std::vector<std::string> found;
    std::string number;
    for (std::size_t i = 0; i <= caption.size(); ++i) {
        const char c = i < caption.size() ? caption[i] : ' ';
        const bool digit = c >= '0' && c <= '9';
        const bool sign = c == '-' && number.empty() && i + 1 < caption.size() && caption[i + 1] >= '0' &&
                          caption[i + 1] <= '9';
        if (digit || sign) {
            number += c;
        } else if (!number.empty()) {
            found.push_back(number);
            number.clear();
        }
    }
    return found;
}

// "packet 7, sequence number 7, travelling"; an ACK names what it asks for.
inline std::string flightName(bool ack, std::string_view caption, bool held)
{
    const std::vector<std::string> n = numbersIn(caption);
    const std::string motion = held ? "held" : "travelling";
    if (!ack && n.size() >= 2) return "packet " + n[0] + ", sequence number " + n[1] + ", " + motion;
    if (ack && n.size() >= 3) {
        return "ACK for sequence number " + n[0] + " (packet " + n[1] + "), sent when packet " + n[2] +
               " arrived, " + motion;
    }
    return (ack ? "ACK, " : "packet, ") + motion;
}

// The caption a packet or ACK shows where its button is too small for the
// whole caption to be read (a phone): "Packet 18 \u00b7 seq 2", "ACK seq 2 \u00b7 packet 2".
inline std::string shortFlightCaption(bool ack, std::string_view caption)
{
    const std::vector<std::string> n = numbersIn(caption);
    if (!ack && n.size() >= 2) return "Packet " + n[0] + " \u00b7 seq " + n[1];
    if (ack && n.size() >= 2) return "ACK seq " + n[0] + " \u00b7 packet " + n[1];
    return std::string(caption);
}

} // namespace view_texts

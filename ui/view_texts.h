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

inline constexpr std::string_view FlightRule =
    "Click it to hold it (click again to let it go on). Any click on a travelling packet or ACK within "
    "seven ticks of the previous click removes the one clicked: it is lost.";

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

} // namespace view_texts

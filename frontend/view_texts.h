// The words every window uses about its view options and the flights: the
// legend's texts, the rule of a click on a packet or ACK, the "lost here"
// mark and how long it stays, and the name a screen reader gives a packet
// or ACK. The desktop and the page both read them from here.
//
// Presentation only, no toolkit: the model never sees any of it.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/numbers.h"
#include "history/translatable.h"

namespace view_texts {

// How long a lost packet's mark stays where it was lost.
inline constexpr int LostMarkMilliseconds = 2000;
inline constexpr std::string_view LostHere = texts::translatable("legend", "\u2715 lost here");

// What a click on a travelling packet or ACK does, in the one sentence that
// the help, the tooltips, the legend, the page, the README, the manual page
// and the software centre's description all carry. The model: a click that
// holds or releases a packet or ACK sets a hold-off of seven ticks, shared by
// all 32 flight buttons; while it runs, a click on any of them removes the
// one clicked (without restarting the hold-off). The hold-off counts down
// only in ticks, so a paused clock keeps it, and the faster the clock, the
// shorter it is in real time: 7 x 50 ms at 1x, and 7 x 13 ms (the 12.5 ms
// interval rounded to the timer's milliseconds) at 4x.
inline constexpr std::string_view FlightRule = texts::translatable(
    "legend", "A click on a travelling packet or ACK holds it and a click on a held one lets it go on, "
              "but until the clock has run seven ticks after such a click (350 ms at 1\u00d7, 91 ms at "
              "4\u00d7; a paused clock runs none), any further click on a packet or ACK loses the one "
              "clicked.");

inline constexpr std::string_view FlightAreaName = texts::translatable("legend", "Flight area");
inline constexpr std::string_view FlightAreaDescription = texts::translatable(
    "legend", "The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.");

// The legend, in its order: sender cells, the timeout bar, receiver cells,
// then frames, held and lost packets.
inline constexpr std::string_view LegendSenderHeading =
    texts::translatable("legend", "Sender cells: what has happened to each packet");
inline constexpr std::string_view LegendTimeoutBar = texts::translatable(
    "legend",
    "Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet "
    "is sent again.");
inline constexpr std::string_view LegendReceiverHeading =
    texts::translatable("legend", "Receiver cells: what the receiver holds");
inline constexpr std::string_view LegendOthersHeading =
    texts::translatable("legend", "Windows, packets and ACKs");
inline constexpr std::string_view LegendFrame = texts::translatable(
    "legend", "Purple frame: the sender's window (top) and the receiver's window (bottom).");
inline constexpr std::string_view LegendHeldMarked =
    texts::translatable("legend", "Outlined packet or ACK: held by a click; it waits where it is.");
inline constexpr std::string_view LegendHeldUnmarked = texts::translatable(
    "legend", "A held packet or ACK waits where it is (turn on state marks to outline it).");
inline constexpr std::string_view LegendLost = texts::translatable(
    "legend", "A packet or ACK removed by a click leaves this mark for a moment (with state marks on). ");

// The timeout setting is no unit of time: the bar starts full and loses
// TimeoutDrain / 2.9 twips a tick, held to whole twips, where TimeoutDrain
// is 80 / setting rounded, and the packet is sent again on the tick after
// the bar is no wider than TimeoutDrain + 20. A packet and its ACK each
// take 73 ticks to cross.
inline constexpr int RoundTripTicks = 146;

// Ticks from a packet's launch to its timeout at `setting` (1 to 20).
inline int timeoutTicks(int setting)
{
    const int drain = numbers::roundToInt32(80.0 / std::max(1, setting));
    int width = geometry::FullTimeout;
    int ticks = 1; // the tick that finds the bar spent
    while (width > drain + 20) {
        width = numbers::roundToInt32(width - drain / 2.9);
        ++ticks;
    }
    return ticks;
}

// "6 is 162 ticks, 1.1 round trips of 146 ticks": the setting in ticks and round trips.
inline std::string timeoutInTicks(int setting)
{
    char trips[16];
    std::snprintf(trips, sizeof trips, "%.1f", static_cast<double>(timeoutTicks(setting)) / RoundTripTicks);
    return std::to_string(setting) + " is " + std::to_string(timeoutTicks(setting)) + " ticks, " + trips +
           " round trips of " + std::to_string(RoundTripTicks) + " ticks";
}

// The legend's scale of the setting: a few settings side by side.
inline std::string timeoutScale()
{
    std::string scale = "The timeout setting is not in ticks:";
    for (const int setting : {3, 6, 12, 20}) {
        char trips[16];
        std::snprintf(trips, sizeof trips, "%.1f",
                      static_cast<double>(timeoutTicks(setting)) / RoundTripTicks);
        scale += std::string(setting == 3 ? " " : ", ") + std::to_string(setting) + " is " +
                 std::to_string(timeoutTicks(setting)) + " ticks (" + trips + " round trips)";
    }
    return scale + "; a round trip is " + std::to_string(RoundTripTicks) +
           " ticks. Below 6 (in red) a packet is sent again before its ACK can be back.";
}

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
    using texts::fill;
    using texts::translatable;
    const std::vector<std::string> n = numbersIn(caption);
    if (!ack && n.size() >= 2) {
        return fill(held ? translatable("legend", "packet %1, sequence number %2, held")
                         : translatable("legend", "packet %1, sequence number %2, travelling"),
                    n[0], n[1]);
    }
    if (ack && n.size() >= 3) {
        return fill(
            held ? translatable("legend",
                                "ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held")
                 : translatable(
                       "legend",
                       "ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling"),
            n[0], n[1], n[2]);
    }
    if (ack)
        return std::string(held ? translatable("legend", "ACK, held")
                                : translatable("legend", "ACK, travelling"));
    return std::string(held ? translatable("legend", "packet, held")
                            : translatable("legend", "packet, travelling"));
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

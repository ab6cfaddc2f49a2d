// The paragraphs that say which rule a timeout, a fast retransmit or an
// ACK's change of window followed, in this model's own terms.
#include <algorithm>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "frontend/practice_detail.h"
#include "history/translatable.h"

namespace practice::detail {

using texts::fill;
using texts::translatable;

namespace {

// Every sentence below is whole, so that a front end finds each one among
// the catalogue's patterns; a figure that may be one packet picks the
// sentence that says so.
bool onePacket(std::int32_t bytes, std::int32_t segment) { return windowFigure(bytes, segment) == "1"; }

std::string thresholdRule(const Snapshot& before)
{
    if (before.avoidance) {
        return fill(
            onePacket(before.flight, before.segment)
                ? translatable("practice", "sets SSThresh to half the flight size (%1 packet in flight), "
                                           "never below 2 packets")
                : translatable("practice", "sets SSThresh to half the flight size (%1 packets in flight), "
                                           "never below 2 packets"),
            windowFigure(before.flight, before.segment));
    }
    return fill(
        onePacket(before.window, before.segment)
            ? translatable("practice", "sets SSThresh to the transmit window (%1 packet; with Avoidance on "
                                       "it would take half the flight size), never below 2 packets")
            : translatable("practice", "sets SSThresh to the transmit window (%1 packets; with Avoidance on "
                                       "it would take half the flight size), never below 2 packets"),
        windowFigure(before.window, before.segment));
}

// What the go-back-N sender does after resending the oldest packet, and
// what the round sent again when the look-ahead saw it end.
std::string goBackRound(const Detected& e, const Snapshot& before)
{
    std::string s(
        before.slowStart
            ? translatable("practice", "The go-back-N sender then goes back: every later packet not yet "
                                       "acknowledged is queued again, oldest first, one a tick as the "
                                       "window allows, which slow start opens again from one packet; an "
                                       "ACK that covers packets the receiver kept spares them.")
            : translatable("practice", "The go-back-N sender then goes back: every later packet not yet "
                                       "acknowledged is queued again, oldest first, one a tick while they "
                                       "fit in the window."));
    s += " ";
    if (!e.roundSeen)
        return s + std::string(translatable("practice", "No new packet leaves until the round is over."));
    if (e.round.size() == 1 && e.round.front() == e.packet && before.txOutstanding > 1) {
        return s + fill(translatable("practice",
                                     "No new packet leaves until the round is over: here only packet %1 "
                                     "is sent again, since the ACK for it covers the packets behind it, "
                                     "which the receiver kept."),
                        e.packet);
    }
    return s + fill(translatable("practice",
                                 "No new packet leaves until the round is over: here it sends %1 again."),
                    packetList(e.round));
}

} // namespace

std::string explainTimeout(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    std::string s(translatable("practice", "Retransmission timeout."));
    s += " " +
         fill(translatable("practice", "Packet %1's timer ran out before an ACK covered it, so the sender "
                                       "takes it for lost."),
              e.packet);
    const std::string rule =
        before.txState == txstate::FastRetransmit
            ? std::string(translatable("practice",
                                       "keeps the SSThresh that fast retransmit set (never below 2 packets)"))
            : thresholdRule(before);
    const std::string queued =
        after.selective || !after.goBack ? packetList(e.packets) : packetText(e.packet);
    s += " " + fill(before.slowStart
                        ? translatable("practice", "It %1, enters the TimedOut state, drops the Tx Window "
                                                   "to one packet (slow start begins again) and queues %2 "
                                                   "again.")
                        : translatable("practice", "It %1, enters the TimedOut state and queues %2 again."),
                    rule, queued);
    if (after.selective) {
        s += " " + std::string(translatable("practice",
                                            "With Selective Repeat the other packets keep their timers: "
                                            "only what timed out is resent."));
    } else if (after.goBack) {
        s += " " + goBackRound(e, before);
    } else if (before.txOutstanding > 1) {
        s += " " + std::string(translatable("practice",
                                            "This sender, as the original program's, does not go back at "
                                            "once: the timers of the later packets stop, and each is sent "
                                            "again only when it has become the oldest unacknowledged "
                                            "packet, a round trip apiece."));
        s += " " + std::string(translatable("practice",
                                            "A textbook go-back-N sender would resend them all now (the "
                                            "option \"Sender resends the whole window on a timeout\")."));
    }
    return s;
}

std::string explainFastRetransmit(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    std::string s(after.tahoe ? translatable("practice", "Fast retransmit under Tahoe's rule.")
                              : translatable("practice", "Fast retransmit."));
    s += " " + fill(translatable("practice",
                                 "Three duplicate ACKs in a row tell the sender that packet %1 is missing "
                                 "while later packets still arrive."),
                    e.packet);
    s += " " + fill(onePacket(before.flight, before.segment)
                        ? translatable("practice",
                                       "Without waiting for its timer the sender resends packet %1 and "
                                       "sets SSThresh to half the flight size (%2 packet in flight, never "
                                       "below 2).")
                        : translatable("practice",
                                       "Without waiting for its timer the sender resends packet %1 and "
                                       "sets SSThresh to half the flight size (%2 packets in flight, never "
                                       "below 2)."),
                    e.packet, windowFigure(before.flight, before.segment));
    s += " ";
    if (after.tahoe) {
        s += translatable("practice",
                          "As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start "
                          "again: there is no fast recovery, and further duplicate ACKs change nothing.");
        if (after.goBack) s += " " + goBackRound(e, before);
        return s;
    }
    const std::string textbook = windowFigure(after.threshold + 3 * after.segment, after.segment);
    const std::string model = windowFigure(after.window, after.segment);
    s += fill(translatable("practice",
                           "It sets the Tx Window to half the window plus three packets, for the three "
                           "that left the network (here %1, never above the receiver's window), and "
                           "enters FastRetransmit; each further duplicate ACK inflates the window by one "
                           "packet until a new ACK ends fast recovery."),
              model);
    s += " " + fill(textbook == model
                        ? translatable("practice",
                                       "The textbooks (RFC 5681) start from the new SSThresh plus three, %1 "
                                       "here too: this model halves the window, as the original program "
                                       "does, which differs whenever the window and the flight size do.")
                        : translatable("practice",
                                       "The textbooks (RFC 5681) start from the new SSThresh plus three, %1 "
                                       "here: this model halves the window, as the original program does, "
                                       "which differs whenever the window and the flight size do."),
                    textbook);
    return s;
}

std::string explainWindowChange(const Snapshot& before, const Snapshot& after)
{
    std::string s;
    if (before.txState == txstate::FastRetransmit && after.dupAcks > 0) {
        s = translatable("practice",
                         "Fast recovery: every further duplicate ACK means another packet has left the "
                         "network, so the Tx Window is inflated by one packet.");
    } else if (before.txState == txstate::FastRetransmit) {
        s = fill(translatable("practice",
                              "A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 "
                              "packets)."),
                 thresholdFigure(before.threshold, before.segment));
    } else if (before.txState == txstate::TimedOut) {
        s = translatable("practice",
                         "After a timeout every new ACK sets the Tx Window to the loss window of one "
                         "packet, until the resent packet itself is acknowledged and slow start takes "
                         "over.");
    } else if (before.slowStart && before.avoidance && before.window >= before.threshold) {
        s = translatable("practice",
                         "Congestion avoidance: at or above SSThresh each new ACK adds one packet divided "
                         "by the window in packets, which in the textbooks grows the window by about one "
                         "packet per round trip.");
        s += " ";
        s += translatable("practice",
                          "This model, as the original program does, snaps the window to whole packets as "
                          "soon as it rounds to the next one, which adds the rest of that packet at once: "
                          "the window grows faster than one packet per round trip.");
    } else if (before.slowStart) {
        s = before.avoidance
                ? translatable("practice", "Slow start: each new ACK grows the Tx Window by one packet, "
                                           "however many packets it acknowledges, so the window doubles "
                                           "every round trip until it reaches SSThresh.")
                : translatable("practice", "Slow start: each new ACK grows the Tx Window by one packet, "
                                           "however many packets it acknowledges, so the window doubles "
                                           "every round trip.");
    } else {
        s = after.dupAcks > 0
                ? translatable("practice",
                               "Selective repeat without slow start: each duplicate ACK opens the Tx "
                               "Window by one packet while the holes are resent.")
                : translatable("practice",
                               "Selective repeat without slow start: the first new ACK after the "
                               "duplicates restores the smallest window seen while they arrived.");
    }
    if (after.window == after.rxWindow && after.window != before.window) {
        s += " ";
        s += translatable("practice",
                          "The Tx Window never grows beyond the receiver's window (Rx Window Size).");
    }
    return s;
}

} // namespace practice::detail

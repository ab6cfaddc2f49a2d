// Writing a question: its prompt, the right choice as the look-ahead saw it,
// the wrong choices from the rules students commonly apply instead, and the
// paragraph that names the rule the run followed.
#include <algorithm>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "frontend/practice_detail.h"
#include "history/translatable.h"

namespace practice::detail {

namespace {

using texts::fill;
using texts::translatable;

std::string packetText(int packet) { return fill(translatable("practice", "packet %1"), packet); }

// The right choice and the wrong ones, each text at most once.
class Choices {
public:
    explicit Choices(std::string right) : right_(std::move(right)) {}
    void wrong(const std::string& choice)
    {
        if (choice == right_ || std::find(wrong_.begin(), wrong_.end(), choice) != wrong_.end()) return;
        wrong_.push_back(choice);
    }
    std::size_t wrongCount() const { return wrong_.size(); }

    // Three wrong choices at most, the most plausible first; the right one
    // goes in at a place that depends on the question, not always first.
    void into(Question& question, unsigned shuffle) const
    {
        std::vector<std::string> choices(wrong_.begin(),
                                         wrong_.begin() + std::min<std::size_t>(3, wrong_.size()));
        const auto place = static_cast<int>(shuffle % (choices.size() + 1));
        choices.insert(choices.begin() + place, right_);
        question.choices = std::move(choices);
        question.right = place;
    }

private:
    std::string right_;
    std::vector<std::string> wrong_;
};

// Figures always get two plausible neighbours when the rules gave too few.
void padFigures(Choices& choices, std::int32_t right, std::int32_t segment,
                std::string (*figure)(std::int32_t, std::int32_t))
{
    for (int step = 1; choices.wrongCount() < 2; ++step) {
        choices.wrong(figure(right + step * segment, segment));
        if (right - step * segment > 0) choices.wrong(figure(right - step * segment, segment));
    }
}

void padPackets(Choices& choices, int right)
{
    for (int step = 1; choices.wrongCount() < 2; ++step) {
        choices.wrong(packetText(right + step));
        if (right - step >= 0) choices.wrong(packetText(right - step));
    }
}

std::vector<int> range(int first, int last)
{
    std::vector<int> packets;
    for (int p = first; p <= last; ++p)
        packets.push_back(p);
    return packets;
}

std::int32_t halfOf(std::int32_t bytes, std::int32_t segment)
{
    return std::max(numbers::roundToInt32(bytes / 2.0), 2 * segment);
}

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

Question thresholdQuestion(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    Question q;
    Choices choices(thresholdFigure(after.threshold, after.segment));
    const std::int32_t seg = before.segment;
    choices.wrong(thresholdFigure(before.threshold, seg)); // not lowered at all
    if (e.happening == Happening::Timeout) {
        choices.wrong(thresholdFigure(
            before.avoidance ? std::max(before.window, 2 * seg) : halfOf(before.flight, seg), seg));
    }
    choices.wrong(thresholdFigure(halfOf(before.window, seg), seg));   // half the window, not the flight
    choices.wrong(thresholdFigure(std::max(before.flight, seg), seg)); // the flight, not halved
    padFigures(choices, after.threshold, seg, thresholdFigure);
    choices.into(q, static_cast<unsigned>(e.packet + before.dupAcks));
    q.asked = Asked::Threshold;
    return q;
}

Question windowQuestion(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    Question q;
    const std::int32_t seg = before.segment;
    Choices choices(windowFigure(after.window, seg));
    choices.wrong(windowFigure(before.window, seg)); // unchanged
    if (e.happening == Happening::WindowChange) {
        choices.wrong(windowFigure(before.window + seg, seg)); // slow start's step
        choices.wrong(windowFigure(2 * before.window, seg));   // doubling on every ACK
        choices.wrong(windowFigure(before.window + seg, seg) == windowFigure(after.window, seg)
                          ? windowFigure(before.window + 2 * seg, seg)
                          : windowFigure(before.threshold, seg));
    } else {
        choices.wrong(windowFigure(std::max(before.window / 2, seg), seg)); // halved, nothing added
        choices.wrong(windowFigure(seg, seg));                              // back to one packet
        choices.wrong(windowFigure(before.window / 2 + 3 * seg, seg));      // not capped
    }
    padFigures(choices, after.window, seg, windowFigure);
    choices.into(q, static_cast<unsigned>(e.packet + before.window / seg));
    q.asked = Asked::TxWindow;
    return q;
}

// What a go-back round sends again before any new packet: the right answer
// against the textbook's whole window, the oldest packet alone, and what the
// round had queued on its first tick.
Question roundQuestion(const Detected& e, const Snapshot& before)
{
    Question q;
    const int last = before.txBase + before.txOutstanding - 1;
    Choices choices(packetList(e.round));
    choices.wrong(packetList(range(e.packet, std::max(last, e.packet + 1))));
    choices.wrong(packetText(e.packet));
    choices.wrong(packetList(e.packets));
    choices.wrong(packetList(range(e.packet, e.packet + 1)));
    padPackets(choices, e.packet);
    choices.into(q, static_cast<unsigned>(e.packet));
    q.asked = Asked::RoundResends;
    return q;
}

Question resentQuestion(const Detected& e, const Snapshot& before)
{
    Question q;
    const int last = before.txBase + before.txOutstanding - 1;
    Choices choices(packetList(e.packets));
    choices.wrong(packetList(range(e.packet, std::max(last, e.packet + 1)))); // the whole rest of the window
    choices.wrong(packetList(range(before.txBase, std::max(last, before.txBase + 1))));
    choices.wrong(packetText(e.packet + 1));
    choices.wrong(packetText(std::max(last, e.packet + 2)));
    padPackets(choices, e.packet);
    choices.into(q, static_cast<unsigned>(e.packet));
    q.asked = Asked::ResentPackets;
    return q;
}

Question asksForQuestion(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    Question q;
    Choices choices(packetText(after.rxNext));
    choices.wrong(packetText(e.packet + 1)); // the ACK for the packet that arrived
    choices.wrong(packetText(before.rxNext + 1));
    choices.wrong(packetText(e.packet));
    choices.wrong(packetText(after.rxNext + 1));
    padPackets(choices, after.rxNext);
    choices.into(q, static_cast<unsigned>(e.packet + after.rxNext));
    q.asked = Asked::ReceiverAsksFor;
    return q;
}

std::string cellText(int packet) { return fill(translatable("practice", "the cell of packet %1"), packet); }

Question cellQuestion(const Detected& e, const Snapshot& before)
{
    Question q;
    Choices choices(cellText(e.packets.front()));
    choices.wrong(cellText(e.packet)); // taken in as itself
    choices.wrong(std::string(translatable("practice", "none: it is dropped")));
    choices.wrong(cellText(before.rxNext));
    choices.into(q, static_cast<unsigned>(e.packet));
    q.asked = Asked::CellTakenInto;
    return q;
}

Question startQuestion(const Detected& e, const Snapshot& before, const Snapshot& after)
{
    Question q;
    Choices choices(packetText(after.txBase));
    choices.wrong(packetText(before.txBase + 1)); // one packet per ACK
    choices.wrong(packetText(before.txBase));     // no slide
    choices.wrong(packetText(after.txBase + 1));
    padPackets(choices, after.txBase);
    choices.into(q, static_cast<unsigned>(e.packet + before.txBase));
    q.asked = Asked::SenderWindowStart;
    return q;
}

} // namespace

Question writeQuestion(const Detected& e, const Snapshot& before, const Snapshot& after, int ticksAhead,
                       unsigned variety)
{
    Question q;
    const bool oneTick = ticksAhead == 1;
    const std::string arrives = fill(
        oneTick
            ? translatable("practice", "Packet %1 (sequence number %2) reaches the receiver in %3 tick.")
            : translatable("practice", "Packet %1 (sequence number %2) reaches the receiver in %3 ticks."),
        e.packet, before.sequence(e.packet), ticksAhead);
    const std::string ackArrives = fill(
        oneTick ? translatable("practice", "An ACK asking for packet %1 reaches the sender in %2 tick.")
                : translatable("practice", "An ACK asking for packet %1 reaches the sender in %2 ticks."),
        e.packet, ticksAhead);
    const auto then = [](std::string first, std::string_view second) {
        return first + " " + std::string(second);
    };
    const std::string_view asksFor = translatable("practice", "Which packet will the receiver ask for next?");
    const std::string_view windowSize = translatable("practice", "What will the Tx Window Size be?");
    std::string what;
    std::string explanation;
    switch (e.happening) {
    case Happening::Timeout:
    case Happening::FastRetransmit: {
        const bool timeout = e.happening == Happening::Timeout;
        if (timeout) {
            what = fill(oneTick ? translatable("practice", "Packet %1's timer runs out in %2 tick.")
                                : translatable("practice", "Packet %1's timer runs out in %2 ticks."),
                        e.packet, ticksAhead);
        } else {
            what = fill(
                oneTick ? translatable("practice", "The third duplicate ACK asking for packet %1 reaches the "
                                                   "sender in %2 tick.")
                        : translatable("practice", "The third duplicate ACK asking for packet %1 reaches the "
                                                   "sender in %2 ticks."),
                e.packet, ticksAhead);
        }
        explanation = timeout ? explainTimeout(e, before, after) : explainFastRetransmit(e, before, after);
        // A go-back round that was not seen to end cannot say what it resends.
        const bool round = after.goBackNext >= 0;
        switch (round && !e.roundSeen && variety % 3 == 2 ? 0 : variety % 3) {
        case 0:
            q = thresholdQuestion(e, before, after);
            what = then(what, translatable("practice", "What will SSThresh be?"));
            break;
        case 1:
            q = windowQuestion(e, before, after);
            what = then(what, windowSize);
            break;
        default:
            if (round) {
                q = roundQuestion(e, before);
                what =
                    then(what, translatable("practice", "Which packets will the sender send again before it "
                                                        "sends a new one?"));
            } else {
                q = resentQuestion(e, before);
                what =
                    then(what, translatable("practice", "Which packets will the sender queue to send again "
                                                        "right then?"));
            }
            break;
        }
        break;
    }
    case Happening::InOrderDrop:
        q = asksForQuestion(e, before, after);
        what = then(arrives, asksFor);
        explanation =
            std::string(translatable("practice", "In-order receiver.")) + " " +
            fill(translatable("practice", "This receiver keeps only the packet it expects next, packet %1 "
                                          "(sequence number %2)."),
                 before.rxNext, before.sequence(before.rxNext)) +
            " " +
            fill(translatable("practice", "Packet %1 is dropped, and the receiver answers at once with an "
                                          "ACK asking again for packet %2: an ACK always names the next "
                                          "packet awaited, never the one that arrived."),
                 e.packet, before.rxNext) +
            " " +
            std::string(translatable("practice", "The sender will have to send every later packet again."));
        break;
    case Happening::AliasedArrival:
        if (variety % 2 == 0) {
            q = cellQuestion(e, before);
            what = then(arrives,
                        translatable("practice", "Which cell of the receiver's strip will take it in?"));
        } else {
            q = asksForQuestion(e, before, after);
            what = then(arrives, asksFor);
        }
        explanation =
            std::string(translatable("practice", "Sequence-number aliasing.")) + " " +
            fill(translatable("practice",
                              "The receiver knows a packet only by its sequence number, the packet "
                              "number Mod %1."),
                 before.seqModulus) +
            " " +
            fill(translatable("practice",
                              "Packet %1 carries sequence number %2, and so does packet %3 inside the "
                              "receive window, so the receiver takes it in as that packet: the cell "
                              "turns dark red."),
                 e.packet, before.sequence(e.packet), e.packets.front()) +
            " " +
            std::string(translatable("practice",
                                     "The sequence space (Max Sequence No) is too small for the windows; "
                                     "it must hold the sender's and the receiver's windows together."));
        break;
    case Happening::GapFilled:
        q = asksForQuestion(e, before, after);
        what = then(arrives, asksFor);
        explanation =
            std::string(translatable("practice", "Cumulative acknowledgement.")) + " " +
            fill(translatable("practice",
                              "Packet %1 is the packet the receiver was waiting for, and the packets "
                              "after it had already arrived and been kept."),
                 e.packet) +
            " " +
            fill(translatable("practice",
                              "Its arrival completes the run, so the receive window slides past all of "
                              "them and the ACK asks for packet %1, the first packet still missing, not "
                              "for packet %2."),
                 after.rxNext, e.packet + 1);
        break;
    case Happening::WindowChange:
        q = windowQuestion(e, before, after);
        what = then(ackArrives, windowSize);
        explanation = explainWindowChange(before, after);
        break;
    case Happening::WindowSlide:
        q = startQuestion(e, before, after);
        what = then(ackArrives, translatable("practice", "Which packet will the sender's window start at?"));
        explanation =
            std::string(translatable("practice", "Cumulative acknowledgement.")) + " " +
            std::string(translatable("practice", "An ACK names the next packet the receiver awaits, so it "
                                                 "acknowledges every packet before that one.")) +
            " " +
            fill(translatable("practice",
                              "The sender blackens them, stops their timers and slides its window on to "
                              "the oldest packet still unacknowledged, packet %1."),
                 after.txBase);
        break;
    }
    q.happening = e.happening;
    q.ticksAhead = ticksAhead;
    q.prompt = what;
    q.explanation = explanation;
    q.packet = e.packet;
    return q;
}

} // namespace practice::detail

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

using texts::fill;
using texts::translatable;

std::string packetText(int packet) { return fill(translatable("practice", "packet %1"), packet); }

std::int32_t halfOf(std::int32_t bytes, std::int32_t segment)
{
    return std::max(numbers::roundToInt32(bytes / 2.0), 2 * segment);
}

namespace {

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

// What each built-in lesson says about its run, claim by claim: the words
// of its title, note or questions that state it, and how the run bears it out.
#include <algorithm>
#include <string>

#include "history/losses.h"
#include "history/run_figures.h"
#include "tests/frontend/lesson_checks.h"

namespace lesson_checks {

using txstate::FastRetransmit;
using txstate::Normal;
using txstate::Selective;
using txstate::SlowStart;

std::map<std::string, std::vector<Claim>> lessonClaims()
{
    std::map<std::string, std::vector<Claim>> claims;
    claims["one-at-a-time"] = {
        {"puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave",
         all({roundTrip(0, 146), leftAt(0, 1), leftAt(1, 147)})},
        {"At tick 350 the Tx Window Size slider moves to 8",
         all({sliderMoved(350, SliderId::TxWindow, 8), window(351, 8)})},
        {"at tick 350 and at tick 700", all({sliderMoved(350, SliderId::TxWindow, 8), lessonLength(700)})},
        {"moves from 1 to 8 at tick 350",
         all({setting(&RunSettings::txWindow, 1), sliderMoved(350, SliderId::TxWindow, 8)})},
        {"At 8 the sender puts eight packets on the wire",
         [](const Played& p) {
             double most = 0;
             for (std::int32_t tick = 351; tick <= p.ticks(); ++tick)
                 most = std::max(most, p.trace(0).sample(tick).flight());
             return most == 8 ? std::string() : "at most " + figureText(most) + " in flight";
         }},
    };
    claims["go-back-n"] = {
        {"Packet 1 is lost at tick 15", lost(1, 15)},
        {"Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220)",
         all({logged(96, "packet 2 dropped: out of order"), logged(107, "packet 3 dropped: out of order"),
              logged(220, "packet 4 dropped: out of order"),
              markers(marker::OutOfOrderDrop, {96, 107, 220})})},
        {"every ACK keeps asking for packet 1", acksAskFor(1, 15, 246)},
        {"At tick 174 packet 1's timer runs out",
         all({markers(marker::Timeout, {174}), logged(174, "Retransmitting packet 1")})},
        {"queues packets 1, 2, 3 and 4 again (\"Going back: retransmitting packet\", ticks 174 to 176)",
         all({logged(174, "Retransmitting packet 1"), logged(174, "Going back: retransmitting packet 2"),
              logged(175, "Going back: retransmitting packet 3"),
              logged(176, "Going back: retransmitting packet 4"), retransmissions(4)})},
        {"by tick 280 the receiver asks for packet 5", rxNext(280, 5)},
        {"Packet 1 was lost", lost(1, 15)},
        {"here still packet 1", rxNext(96, 1)},
    };
    claims["go-back-n-original-receiver"] = {
        {"Packet 1 is lost at tick 15", lost(1, 15)},
        {"packets 2, 3 and 4 are kept", all({rxNext(246, 1), rxNext(247, 5)})},
        {"At tick 174 packet 1 times out and is sent again",
         all({markers(marker::Timeout, {174}), logged(174, "Retransmitting packet 1"), retransmissions(1)})},
        {"when it arrives (tick 247) one cumulative ACK asks for packet 5",
         all({arrivedAt(1, 2, 247), rxNext(247, 5)})},
        {"everything up to 4 is acknowledged at once", all({txBase(319, 1), txBase(320, 5)})},
        {"Packet 1's timer is about to run out", logged(174, "Retransmitting packet 1")},
        {"kept packets 2 to 4, so when packet 1 arrives", all({rxNext(246, 1), rxNext(247, 5)})},
    };
    claims["selective-repeat"] = {
        {"Packet 1 is lost at tick 15", lost(1, 15)},
        {"holds packets 2 and up", all({rxNext(252, 1), rxNext(253, 6)})},
        {"the receiver takes in packet 1", arrivedAt(1, 2, 253)},
        {"At tick 169 the sender enters the Selective state",
         all({state(168, Normal), state(169, Selective)})},
        {"at tick 180 packet 1's timer runs out and only packet 1 is sent again",
         all({markers(marker::Timeout, {180}), logged(180, "Retransmitting packet 1"), retransmissions(1)})},
        {"back to Normal at tick 326", all({state(325, Selective), state(326, Normal)})},
        {"The resent packet 1 reaches the receiver", arrivedAt(1, 2, 253)},
    };
    claims["lost-ack"] = {
        {"At tick 80 the ACK asking for packet 1 is lost",
         all({ackLost(1, 80), markers(marker::AckLost, {80})})},
        {"the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 "
         "together",
         all({txBase(157, 0), txBase(158, 2), markers(marker::Timeout, {}), retransmissions(0)})},
        {"The ACK asking for packet 1 was lost", ackLost(1, 80)},
        {"about packet 0", retransmissions(0)},
        {"the ACK asking for packet 2 acknowledges packets 0 and 1 together",
         all({txBase(157, 0), txBase(158, 2)})},
    };
    claims["slow-start"] = {
        {"the receive window is 16", setting(&RunSettings::rxWindow, 16)},
        {"The window starts at 2", window(1, 2)},
        {"4 at tick 158, 8 at tick 326",
         all({window(157, 3), window(158, 4), window(325, 7), window(326, 8)})},
        {"Packet 6 is lost at tick 330", lost(6, 330)},
        {"its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and "
         "drops the "
         "window to 1",
         all({markers(marker::Timeout, {455}), flight(454, 8), threshold(455, 4), window(455, 1)})},
        {"4 at tick 904", all({window(903, 3), window(904, 4), threshold(904, 4)})},
        {"4.25 at tick 1039", window(1039, 4.25)},
        {"5 at tick 1061, 8 at tick 1375",
         all({window(1060, 4.485), window(1061, 5), window(1374, 7.42), window(1375, 8)})},
        {"about 1.4 packets per round trip of 146 ticks",
         [](const Played& p) {
             const double perRoundTrip =
                 (p.trace(0).sample(1375).txWindow() - p.trace(0).sample(1061).txWindow()) /
                 ((1375 - 1061) / 146.0);
             return figures::oneDecimal(perRoundTrip) == "1.4"
                        ? roundTrip(0, 146)(p)
                        : figures::oneDecimal(perRoundTrip) + " per round trip";
         }},
        {"Packet 6 was lost, and its timer is about to run out with 8 packets in flight",
         all({lost(6, 330), flight(454, 8)})},
    };
    claims["fast-retransmit"] = {
        {"with the timeout at 12", setting(&RunSettings::timeout, 12)},
        {"Packet 4 is lost at tick 230", lost(4, 230)},
        {"a duplicate ACK asking for packet 4", acksAskFor(4, 231, 449)},
        {"The third duplicate arrives at tick 450: the sender resends packet 4 at once",
         all({markers(marker::FastRetransmit, {450}), logged(450, "Retransmitting packet 4"),
              markers(marker::Timeout, {})})},
        {"sets the threshold to half the 6 packets in flight, 3", all({flight(449, 6), threshold(450, 3)})},
        {"ends fast recovery at tick 596",
         all({state(595, FastRetransmit), state(596, SlowStart), logged(596, "Non-Duplicate ACK arrived")})},
        {"The third duplicate ACK asking for packet 4",
         logged(450, "Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet 4")},
    };
    claims["auto-rtt-timeout"] = {
        {"the timeout starts at 4, shorter than a round trip of 146 ticks",
         all({timeoutSetting(0, 4), roundTrip(0, 146), markedAt(marker::Timeout, 93)})},
        {"Packet 1 is lost at tick 15", lost(1, 15)},
        {"At tick 93 packet 0's timer runs out",
         all({markedAt(marker::Timeout, 93), logged(93, "Retransmitting packet 0")})},
        {"doubles the timeout setting to 8", all({timeoutSetting(92, 4), timeoutSetting(93, 8)})},
        {"packet 1 times out at tick 147 and the setting doubles again, to 16",
         all({logged(147, "Retransmitting packet 1"), timeoutSetting(146, 8), timeoutSetting(147, 16)})},
        {"8 at tick 293, 7 at tick 304, 6 at tick 439",
         all({timeoutSetting(292, 16), timeoutSetting(293, 8), timeoutSetting(304, 7), timeoutSetting(438, 7),
              timeoutSetting(439, 6)})},
        {"The timeout setting of 4", setting(&RunSettings::timeout, 4)},
        {"Packet 0 was not lost", all({neverLost(0), logged(93, "Retransmitting packet 0")})},
    };
    claims["small-sequence-space"] = {
        {"The highest sequence number is 3",
         all({setting(&RunSettings::highestSequence, 3), sameSequence({4}, 0)})},
        {"Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1",
         all({sameSequence({0, 4}, 0), sameSequence({1, 5}, 1)})},
        {"Packet 1 is lost at tick 15", lost(1, 15)},
        {"Packet 1 times out at tick 174 and is resent",
         all({markers(marker::Timeout, {174}), logged(174, "Retransmitting packet 1")})},
        {"at tick 320 the sender resends packet 3, which the receiver already had",
         all({logged(320, "Retransmitting packet 3"), rxNext(319, 7)})},
        {"Packet 1 was lost", lost(1, 15)},
        {"The timer belongs to packet 1, so packet 1 is resent", logged(174, "Retransmitting packet 1")},
        {"packet 5 carries the same sequence number, 1", sameSequence({5}, 1)},
    };
    claims["same-losses"] = {
        {"loses 5 % of the packets in each, drawn from seed 7",
         [](const Played& p) {
             const LossSettings& l = p.script().losses;
             return l.packetPercent == 5 && l.ackPercent == 0 && l.seed == 7 && l.planned.empty()
                        ? std::string()
                        : losses::summary(l);
         }},
        {"Packets 9, 15 and 18 are lost under every protocol",
         all({lost(9, 1352, 1, 0), lost(15, 2390, 1, 0), lost(18, 2990, 1, 0), lost(9, 195, 1, 1),
              lost(15, 261, 1, 1), lost(18, 514, 1, 1), lost(9, 195, 1, 2), lost(15, 261, 1, 2),
              lost(18, 514, 1, 2)})},
        {"go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261",
         all({lost(9, 195, 1, 1), lost(9, 195, 1, 2), lost(15, 261, 1, 1), lost(15, 261, 1, 2)})},
        {"stop-and-wait only reaches packet 9 at tick 1352", lost(9, 1352, 1, 0)},
        {"packet 16's second transmission, at tick 434", lost(16, 434, 2, 1)},
        {"At tick 3000", lessonLength(3000)},
        {"per 100 ticks", goodputPer100Ticks()},
        {"Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6", figuresAtEnd(0, 18, 2, "0.6")},
        {"Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1",
         figuresAtEnd(1, 92, 80, "3.1")},
        {"Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8", figuresAtEnd(2, 115, 8, "3.8")},
        {"Packet 9 was lost at tick 1352", lost(9, 1352, 1, 0)},
        {"Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320",
         [](const Played& p) {
             std::vector<Check> checks{lost(9, 195, 1, 1), logged(320, "Retransmitting packet 9", 1)};
             // One a tick: packet 10 with packet 9 at tick 320, packet 16 at tick 326.
             for (int packet = 10; packet <= 16; ++packet)
                 checks.push_back(
                     logged(310 + packet, "Going back: retransmitting packet " + std::to_string(packet), 1));
             return all(checks)(p);
         }},
    };
    claims["tahoe-vs-reno"] = {
        {"the same planned loss (p10)",
         [](const Played& p) {
             return losses::planText(p.script().losses.planned) == "p10" &&
                            p.script().losses.packetPercent == 0
                        ? std::string()
                        : losses::summary(p.script().losses);
         }},
        {"packet 10 is lost at tick 374 in both", inBoth([](int run) { return lost(10, 374, 1, run); })},
        {"while the window is 8 and still growing", inBoth([](int run) {
             return all({window(374, 8, run), window(439, 9, run)});
         })},
        {"a duplicate ACK asking for packet 10",
         inBoth([](int run) { return acksAskFor(10, 400, 515, run); })},
        {"the third one arrives at tick 516 in both", inBoth([](int run) {
             return all({markers(marker::FastRetransmit, {516}, run), state(515, SlowStart, run)});
         })},
        {"with the window at 12 and 11 packets in flight", inBoth([](int run) {
             return all({window(515, 12, run), flight(515, 11, run)});
         })},
        {"Both resend packet 10 at once and set SSThresh to half the flight size, 5.5", inBoth([](int run) {
             return all({logged(516, "Retransmitting packet 10", run), threshold(516, 5.5, run)});
         })},
        {"Tahoe starts again from a window of 1, in slow start",
         all({window(516, 1, 0), state(516, SlowStart, 0),
              logged(516, "Tahoe: retransmitting packet 10", 0)})},
        {"The ACK for the resend reaches it at tick 662 and asks for packet 21",
         all({txBase(661, 10, 0), txBase(662, 21, 0), retransmissions(1, 0)})},
        {"2 at tick 662, 4 at tick 819, 6 at tick 965",
         all({window(661, 1, 0), window(662, 2, 0), window(819, 4, 0), window(965, 6, 0)})},
        {"9 at tick 516", all({window(516, 9, 1), state(516, FastRetransmit, 1)})},
        {"16 at tick 651", window(651, 16, 1)},
        {"ends fast recovery at tick 673", all({state(672, FastRetransmit, 1), state(673, SlowStart, 1)})},
        {"kept as 5 whole packets", all({threshold(673, 5.5, 1), window(673, 5, 1)})},
        {"the timeout of 12 that Fast Retransmit sets, and neither times out", inBoth([](int run) {
             return all({setting(&RunSettings::timeout, 12, run), markers(marker::Timeout, {}, run)});
         })},
        {"At tick 1500", lessonLength(1500)},
        {"per 100 ticks", goodputPer100Ticks()},
        {"Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6", figuresAtEnd(0, 54, 1, "3.6")},
        {"Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7", figuresAtEnd(1, 71, 1, "4.7")},
        {"The third duplicate ACK asking for packet 10",
         logged(516, "Third duplicate ACK arrived.  Tahoe: retransmitting packet 10", 0)},
        {"whose window is 12", window(515, 12, 0)},
        {"halves the window and adds three, 9", window(516, 9, 1)},
    };
    return claims;
}

// Everything the lesson says in words: title, note, and its questions'
// prompts and explanations (their choices are checked with the questions).
} // namespace lesson_checks

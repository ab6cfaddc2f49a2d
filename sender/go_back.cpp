// The go-back-N sender: after a timeout, every packet not yet acknowledged is
// sent again.
//
// Without this option a timeout resends the one packet whose timer ran out
// and stops the timers of the packets behind it; the first-packet rule then
// resends each of those only when it has become the oldest outstanding
// packet, one round trip apiece. A receiver that keeps only in-order packets
// has thrown all of them away, so that recovery takes a round trip per packet
// of the window and every new packet sent meanwhile is thrown away too.
//
// With the option the timeout starts a round: after the packet that timed out,
// the packets behind it go back onto the send queue (leaving any place they
// held there before), oldest first, one a tick,
// while the packets sent again in this round fit in the window. Their timers
// were stopped by the resend that started the round and start again when
// each packet leaves. No new packet is sent until the round is over.
//
// How the round meets the other rules:
// - The commentary says "Going back: retransmitting packet" for the packets
//   of the round, so that a class tells them from the timeout's own resend.
// - The timeout itself is unchanged: threshold, TimedOut state, the window of
//   one segment with Slow Start, the Auto RTT back-off (once per timeout, not
//   once per packet gone back over).
// - Slow Start and Avoidance pace the round through the window they grow,
//   exactly as they pace new packets.
// - Acknowledgements that arrive during the round move it on past packets
//   they cover; a receiver that kept them spares their resends.
// - Reno's fast retransmit resends only the oldest packet, as before. If a
//   round is under way, the packets behind it have their timers stopped
//   again, so the round goes back to just after it. Tahoe's rule, which
//   starts again from one segment like a timeout, starts a round like one.
// - The packets the round has yet to send again are not counted in flight.
// - Resent packets never shorten the timeout under Auto RTT: only a packet
//   sent once does, as before.
#include "core/form.h"
#include "core/numbers.h"

// Packets from `packet` on that still wait in the send queue leave it: the
// round sends them again in order. Launched where they stand, they would
// start timers of their own, which would run out while the round is busy
// with the packets before them.
void Form1::goBackFrom(int packet)
{
    if (GoBackNext >= 0 && GoBackNext <= packet) return;
    GoBackNext = static_cast<std::int16_t>(packet);

    std::array<std::int16_t, SendQueueSlots> kept;
    kept.fill(-1);
    int count = 0;
    for (int slot = QueueHead; slot != QueueTail; slot = (slot + 1) % SendQueueSlots)
        if (SendQueue[slot] < packet) kept[count++] = SendQueue[slot];
    for (int i = 0; i < SendQueueSlots; ++i)
        SendQueue[(QueueHead + i) % SendQueueSlots] = kept[i];
    QueueTail = static_cast<std::int16_t>((QueueHead + count) % SendQueueSlots);
}

// One step of the round, in the tick's place for sending. Tells whether the
// round is still under way, in which case no new packet may be sent.
bool Form1::ContinueGoBack()
{
    if (GoBackNext < 0) return false;
    if (GoBackNext < TxBase) GoBackNext = TxBase; // acknowledged meanwhile
    const int end = TxBase + TxOutstanding;
    if (GoBackNext >= end) {
        GoBackNext = -1;
        return false;
    }
    const int window = numbers::intFloor(static_cast<double>(TxWindowBytes) / SegmentBytes + 0.5);
    if (GoBackNext - TxBase >= window || sendQueueFull()) return true;

    const std::int16_t packet = GoBackNext;
    const int cell = packet - txOrigin();
    // A packet the round took off the send queue before it ever left is
    // sent for the first time, not again: it keeps its queued colour, and
    // the commentary and the figures do not count it as a resend.
    const bool neverLeft = onStrip(cell) && lblTx[cell].ForeColor == colours::TxQueued;
    if (!neverLeft) {
        numbers::TextBuilder text;
        text.text("Going back: retransmitting packet").number(packet);
        AddMessageLine(true, 40, 5, text.view());
    }
    QueuePacket(packet);
    if (onStrip(cell) && !neverLeft) lblTx[cell].ForeColor = colours::TxQueuedAgain;

    GoBackNext = static_cast<std::int16_t>(packet + 1 < end ? packet + 1 : -1);
    return true;
}

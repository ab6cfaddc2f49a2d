// Sending new packets: the send queue and launching packets onto the wire.
//
// Everything that leaves the sender, first transmissions and retransmissions
// alike, passes through QueuePacket and LaunchPacket. New packets may be
// queued once a tick, but a launch holds the next one back for 10 ticks, so a
// window that opens by several packets at once builds a backlog in the queue.
#include "core/form.h"
#include "core/numbers.h"

namespace {

constexpr std::int16_t LaunchSpacingTicks = 10;

std::int16_t nextQueueIndex(std::int16_t index)
{
    return static_cast<std::int16_t>(index == SendQueueSlots - 1 ? 0 : index + 1);
}

} // namespace

bool Form1::sendQueueFull() const { return nextQueueIndex(QueueTail) == QueueHead; }

void Form1::SendNewPackets()
{
    const auto packet = static_cast<std::int16_t>(TxBase + TxOutstanding);
    const bool hasCell = numbers::parseWhole(lblTx[geometry::LastCell].Caption) >= packet;

    // A packet counted as outstanding but refused by a full queue would never be
    // launched or timed and would stall the transfer; it waits for room instead.
    if (hasCell && sendQueueFull()) return;

    QueuePacket(packet);
    ++TxOutstanding;

    if (hasCell) {
        const int cell = packet - txOrigin();
        if (onStrip(cell)) lblTx[cell].ForeColor = colours::TxQueued;
        numbers::TextBuilder text;
        text.text("Transmit window now")
            .number(numbers::intFloor(static_cast<double>(TxWindowBytes) / SegmentBytes));
        text.text(" only").number(TxOutstanding - 1).text(" in flight, so sending packet").number(packet);
        AddMessageLine(true, 40, 8, text.view());
    }
    // Takes a packet that has no cell back out of the count and slides the strip.
    RefreshTxStrip(TxBase, TxOutstanding);
}

void Form1::QueuePacket(std::int16_t packet)
{
    if (sendQueueFull()) return;
    if (numbers::parseWhole(lblTx[geometry::LastCell].Caption) < packet) return;
    const int cell = packet - txOrigin();
    if (!onStrip(cell)) return;

    SendQueue[QueueTail] = packet;
    QueueTail = nextQueueIndex(QueueTail);
    // The timer is armed here but only starts running at launch.
    shpTimeOut[cell].Width = geometry::FullTimeout;
}

void Form1::LaunchPacket()
{
    if (LaunchHoldoff > 0) {
        --LaunchHoldoff;
        return;
    }
    LaunchHoldoff = 0;

    // A retransmission whose first copy was acknowledged while it waited is
    // dropped here; left at the head it would block the ring for ever.
    while (QueueHead != QueueTail && SendQueue[QueueHead] < TxBase) {
        SendQueue[QueueHead] = -1;
        QueueHead = nextQueueIndex(QueueHead);
    }
    if (QueueHead == QueueTail) return;
    const std::int16_t packet = SendQueue[QueueHead];

    int slot = -1;
    for (int k = 0; k < FlightSlots && slot < 0; ++k) {
        if (!cmdPacket[k].Visible) slot = k;
    }
    if (slot < 0) {
        // The entry stays at the head and the next tick tries again; the user
        // hears about the shortage once, not on every tick while it lasts.
        if (!PacketShortageReported) {
            PacketShortageReported = true;
            reportMessage("Run Out of Packets to Send");
        }
        return;
    }
    PacketShortageReported = false;

    FlightButton& button = cmdPacket[slot];
    numbers::TextBuilder caption;
    caption.text("Packet ").number(packet).text(" : Sequence Number ").number(packet % SeqModulus);
    button.Caption.assign(caption.view());
    button.Top = geometry::PacketLaunchTop;
    button.Left = geometry::PacketLeft;
    button.Visible = true;
    button.Tag.assign(numbers::TextBuilder().plain(SegmentBytes * packet).view());

    const int cell = packet - txOrigin();
    if (onStrip(cell)) {
        Colour& colour = lblTx[cell].ForeColor;
        if (colour == colours::TxNotSent || colour == colours::TxQueued) {
            colour = colours::TxInFlight;
        } else if (colour == colours::TxInFlight || colour == colours::TxQueuedAgain) {
            colour = colours::TxResentInFlight;
        }
        startTimer(shpTimeOut[cell]);
    }

    LaunchHoldoff = LaunchSpacingTicks;
    SendQueue[QueueHead] = -1;
    QueueHead = nextQueueIndex(QueueHead);
}

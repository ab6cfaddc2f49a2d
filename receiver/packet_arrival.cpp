// The receiver: taking packets into the receive window, and delayed ACKs.
//
// The receiver knows a packet only by its sequence number, as a real one
// would; the strip shows real packet numbers, so a packet taken into a cell
// whose number it does not carry (the sequence space wrapped inside the
// window) is shown dark red. Every packet inside the window is kept, in order
// or not, whatever the sender's selective-repeat option says, unless the
// in-order receiver is on: then only the packet expected next is kept, and any
// other is dropped and answered, like every dropped packet, by an ACK asking
// again for RxNext. The advertised receive window stays as the slider sets it.
#include "core/form.h"
#include "core/numbers.h"
#include "receiver/receive_window.h"

namespace {

constexpr std::int16_t DelayedAckHoldTicks = 28;

bool received(Colour mark) { return mark == colours::RxReceived || mark == colours::RxAliased; }

} // namespace

void Form1::PacketArrived(std::int32_t byteOffset)
{
    std::int16_t first = rxOrigin();
    const auto arrived =
        static_cast<std::int16_t>(numbers::intFloor(static_cast<double>(byteOffset) / SegmentBytes + 0.5));
    const double windowLast = static_cast<double>(RxWindowBytes) / SegmentBytes + RxNext - 1;

    // Only the lowest matching cell of the window takes the packet in; the
    // in-order receiver looks at the expected packet's cell alone.
    const double lastTaken = UseInOrderReceiver ? RxNext : windowLast;
    int taking = receiver::takingPacket(arrived, RxNext, lastTaken, first, SeqModulus);
    // After a jump of the in-order edge the window runs past the strip's last
    // cell until the next refresh slides the strip. A packet for one of those
    // numbers would find no cell and be lost although its window holds it, so
    // that refresh comes now; where every number it could take is on the
    // strip, nothing changes.
    if (taking < 0 && receiver::takingPacketInWindow(arrived, RxNext, lastTaken, SeqModulus) >= 0) {
        RefreshRxStrip();
        first = rxOrigin();
        taking = receiver::takingPacket(arrived, RxNext, lastTaken, first, SeqModulus);
    }
    if (taking >= 0) {
        // Captions are consecutive: the cell shows the packet number it stands for.
        lblRx[taking - first].ForeColor = taking == arrived ? colours::RxReceived : colours::RxAliased;
    }

    // The in-order edge moves only when the packet carries the number asked for.
    if (arrived % SeqModulus == RxNext % SeqModulus) {
        for (int packet = RxNext; packet <= first + geometry::LastCell; ++packet) {
            const int cell = packet - first;
            if (!onStrip(cell) || !received(lblRx[cell].ForeColor)) break;
            RxNext = static_cast<std::int16_t>(packet + 1);
        }
        RefreshRxStrip();
    }

    // With delayed ACKs every second in-order packet is acknowledged at once;
    // anything else is acknowledged at once and drops a held ACK, since the
    // immediate one carries the newer cumulative request.
    if (UseDelayedAck && byteOffset == (RxNext - 1) * SegmentBytes) {
        if (HeldAckOffset >= 0) {
            SendAck(byteOffset);
            HeldAckOffset = -1;
            DelayedAckTicks = 0;
        } else {
            HeldAckOffset = byteOffset;
            DelayedAckTicks = DelayedAckHoldTicks;
        }
        return;
    }
    SendAck(byteOffset);
    HeldAckOffset = -1;
    DelayedAckTicks = 0;
}

// The countdown also runs on the tick that held the ACK, so a held ACK that
// nothing else releases goes out 27 ticks after the one it was held in.
void Form1::ReleaseHeldAck()
{
    if (!UseDelayedAck) return;
    if (HeldAckOffset >= 0 && DelayedAckTicks > 0) --DelayedAckTicks;
    if (HeldAckOffset >= 0 && DelayedAckTicks == 0) {
        SendAck(HeldAckOffset);
        HeldAckOffset = -1;
    }
}

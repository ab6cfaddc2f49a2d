// Which cell of the receive window takes an arriving packet in.
//
// The receiver and the run's history both ask: the receiver to mark the cell,
// the history to tell, from outside, when the in-order receiver has dropped a
// packet that a receiver keeping everything in its window would have kept.
#pragma once

#include "core/geometry.h"

namespace receiver {

// The lowest packet number from rxNext to windowLast, on the strip that starts
// at firstOnStrip, with the arriving packet's sequence number; -1 when none.
// The receiver knows a packet only by its sequence number, so the answer can
// be another packet than the one that arrived (aliasing).
constexpr int takingPacket(int arrivedNumber, int rxNext, double windowLast, int firstOnStrip, int seqModulus)
{
    for (int packet = rxNext; packet <= windowLast; ++packet) {
        const int cell = packet - firstOnStrip;
        if (cell < 0 || cell > geometry::LastCell) continue;
        if (packet % seqModulus == arrivedNumber % seqModulus) return packet;
    }
    return -1;
}

// The same, for a strip long enough to hold the whole window. It differs from
// takingPacket only while the window runs past the strip's last cell, which
// it does from a jump of the in-order edge until the next refresh slides it.
constexpr int takingPacketInWindow(int arrivedNumber, int rxNext, double windowLast, int seqModulus)
{
    for (int packet = rxNext; packet <= windowLast; ++packet)
        if (packet % seqModulus == arrivedNumber % seqModulus) return packet;
    return -1;
}

// A receiver that keeps every packet of its window would take this packet
// into a later cell than the expected one; the in-order receiver drops it.
constexpr bool outOfOrder(int arrivedNumber, int rxNext, double windowLast, int seqModulus)
{
    return takingPacketInWindow(arrivedNumber, rxNext, windowLast, seqModulus) > rxNext;
}

} // namespace receiver

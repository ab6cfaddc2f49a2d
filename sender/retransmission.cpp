// Retransmission timers and RetransmitPacket, the one way a packet is resent.
//
// Without Selective Repeat a resend stops and refills the timers of every
// later packet of the window; the first-packet rule then resends each of them
// in turn as it becomes the oldest outstanding packet (the go-back-N sender's
// round of resends, which goes further, is in go_back.cpp). Selective repeat
// leaves the other timers running.
#include <algorithm>

#include "core/form.h"
#include "core/numbers.h"

void Form1::RunRetransmissionTimers()
{
    const std::int16_t origin = txOrigin();
    // Widths are whole twips, rounded after each drain. A width is whole and
    // the drain (TimeoutDrain / 2.9, a number of 29ths) is never within a 58th
    // of a half, so rounding the drained width takes off the rounded drain:
    // worked out once rather than for every running timer, and again after a
    // resend, whose Auto RTT back-off changes it.
    std::int32_t drain = numbers::roundToInt32(TimeoutDrain / 2.9);
    // Only the outstanding packets that have a cell.
    const int first = std::max<int>(TxBase, origin);
    const int last = std::min<int>(TxBase + TxOutstanding - 1, origin + geometry::LastCell);
    for (int packet = first; packet <= last; ++packet) {
        const int cell = packet - origin;
        TimeoutBar& bar = shpTimeOut[cell];
        if (!timerRunning(bar)) continue;
        if (bar.Width > TimeoutDrain + 20) {
            bar.Width -= drain;
            continue;
        }
        bar.Width = 0;
        // An expired timer waits, empty and still running, while launches are
        // held off or while the send queue has no room for the resend.
        if (LaunchHoldoff != 0 || sendQueueFull()) continue;

        if (TxState != txstate::FastRetransmit) {
            SSThreshBytes = UseAvoidance ? numbers::roundToInt32(FlightBytes / 2.0) : TxWindowBytes;
        }
        if (SSThreshBytes < 2 * SegmentBytes) SSThreshBytes = 2 * SegmentBytes;
        TxState = txstate::TimedOut;
        if (UseSlowStart) VScroll1.setValue(16); // one segment
        RetransmitPacket(static_cast<std::int16_t>(packet));
        if (UseGoBackN) goBackFrom(packet + 1);
        drain = numbers::roundToInt32(TimeoutDrain / 2.9);
    }
}

void Form1::ApplyFirstPacketRule()
{
    const int cell = TxBase - txOrigin();
    if (!onStrip(cell) || TxOutstanding <= 0 || !timerStopped(shpTimeOut[cell])) return;
    // A go-back round that has not reached the oldest packet yet sends it itself.
    if (GoBackNext >= 0 && GoBackNext <= TxBase) return;
    const Colour colour = lblTx[cell].ForeColor;
    if (colour == colours::TxQueued || colour == colours::TxQueuedAgain) return;
    RetransmitPacket(TxBase);
}

// Every cell of the strip is looked at: a mark is a promise to resend, and a
// window that has moved on past a marked packet must not strand it.
void Form1::ScanForSelectiveResends()
{
    // Marks are rare: a quick look at every cell first, the scan that resends
    // only when there is one.
    bool marked = false;
#pragma GCC unroll 19
    for (const Label& cell : lblTx) {
        if (cell.ForeColor == colours::TxMarkedForResend) {
            marked = true;
            break;
        }
    }
    if (!marked) return;
    for (int cell = 0; cell <= geometry::LastCell; ++cell) {
        if (lblTx[cell].ForeColor == colours::TxMarkedForResend)
            RetransmitPacket(static_cast<std::int16_t>(numbers::parseWhole(lblTx[cell].Caption)));
    }
}

void Form1::RetransmitPacket(std::int16_t packet)
{
    // With no room in the queue the resend would be lost while its cell claimed
    // it was queued; instead nothing changes and the rule that asked retries on
    // a later tick.
    if (sendQueueFull()) return;

    const std::int16_t origin = txOrigin();
    if (!UseSelective) {
        for (int later = TxBase + 1; later < TxBase + TxOutstanding; ++later) {
            const int cell = later - origin;
            if (!onStrip(cell)) continue;
            stopTimer(shpTimeOut[cell], geometry::FullTimeout);
        }
        // Packets a go-back round already sent again had their timers stopped
        // just now, so the round goes back over them once more.
        if (GoBackNext >= 0) goBackFrom(packet + 1);
    }

    numbers::TextBuilder text;
    text.text("Retransmitting packet").number(packet);
    AddMessageLine(true, 40, 5, text.view());

    QueuePacket(packet);
    const int cell = packet - origin;
    if (onStrip(cell)) lblTx[cell].ForeColor = colours::TxQueuedAgain;

    // Auto RTT backs the timeout off: small settings double, larger ones jump to the maximum.
    if (chkAutoRTT.Value == 1) {
        if (HScroll1.value() >= 10) HScroll1.setValue(20);
        if (HScroll1.value() < 10) HScroll1.setValue(2 * HScroll1.value());
    }
}

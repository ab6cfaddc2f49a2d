// What the sender does with an acknowledgement, and the fast-retransmit entry:
// Reno's fast recovery, or Tahoe's restart from one segment when that rule is on.
//
// AckArrived counts duplicates, applies the window rule of the sender state,
// caps the window at the receiver's, marks acknowledged packets black, stops
// their timers and slides the window. The window rules, first match wins:
//
//   slow start on                                      slow start off
//   1 SlowStart, new ACK, below threshold: +1 segment  7 selective, duplicate: -> Selective, +1
//   2 SlowStart, new ACK, avoidance at threshold:       8 selective, Selective, new ACK:
//     + segment^2 / window                                 window = RecoveryWindow, -> Normal
//   3 FastRetransmit, duplicate: +1 (or hole search)   9 otherwise unchanged
//   4 FastRetransmit, new ACK: window = threshold
//   5 TimedOut, new ACK: window = LossWindowBytes
//   6 otherwise unchanged
#include "core/form.h"
#include "core/numbers.h"

namespace {

// Fast recovery must not leave a threshold that would shrink the window to
// nothing; the timeout applies the same two-segment floor.
constexpr int MinimumThresholdSegments = 2;

} // namespace

void Form1::AckArrived(std::int32_t value)
{
    // Every ACK makes a new duplicate count, which Tahoe's rule has not answered yet.
    TahoeAnswered = False;
    const auto arrivedSeq = static_cast<std::int16_t>(value % SegmentBytes);
    const auto ackSeq = static_cast<std::int16_t>(
        numbers::intFloor(static_cast<double>(value) / SegmentBytes + 0.5) % SeqModulus);

    if (ackSeq == LastAckSeq) {
        if (RecoveryWindow > TxWindowBytes) RecoveryWindow = static_cast<std::int16_t>(TxWindowBytes);
        ++DupAckCount;
        lblDupACKs.Caption = numbers::signedText(DupAckCount);
        if (UseFastRetransmit) {
            numbers::TextBuilder text;
            text.number(DupAckCount)
                .text(" Duplicate ACK for sequence number")
                .number(ackSeq)
                .text(" arrived");
            AddMessageLine(true, 40, 7, text.view());
        }
    } else {
        DupAckCount = 0;
        lblDupACKs.Caption = numbers::signedText(0);
        if (TxState == txstate::FastRetransmit)
            AddMessageLine(true, 40, 7, "Non-Duplicate ACK arrived: leaving fast re-transmit.");
    }
    LastAckSeq = ackSeq;
    const std::int32_t windowBefore = TxWindowBytes;

    if (UseSlowStart) {
        if (TxState == txstate::SlowStart && DupAckCount == 0 &&
            (!UseAvoidance || TxWindowBytes < SSThreshBytes)) {
            TxWindowBytes += SegmentBytes;
        } else if (TxState == txstate::SlowStart && DupAckCount == 0) {
            TxWindowBytes = numbers::roundToInt32(
                static_cast<double>(SegmentBytes) * SegmentBytes / TxWindowBytes + TxWindowBytes);
        } else if (TxState == txstate::FastRetransmit && DupAckCount > 0) {
            bool marked = false;
            if (UseSelective) {
                // Mark the first packet in flight just before an acknowledged one;
                // neither the first packet (already resent) nor the last is searched.
                const int base = TxBase - txOrigin();
                const int last = base + TxOutstanding - 2;
                for (int cell = base + 1; cell <= last && !marked; ++cell) {
                    if (!onStrip(cell) || !onStrip(cell + 1)) continue;
                    if (lblTx[cell].ForeColor == colours::TxInFlight &&
                        lblTx[cell + 1].ForeColor == colours::TxAcknowledged) {
                        lblTx[cell].ForeColor = colours::TxMarkedForResend;
                        marked = true;
                    }
                }
            }
            if (!marked) TxWindowBytes += SegmentBytes;
        } else if (TxState == txstate::FastRetransmit && DupAckCount == 0) {
            TxWindowBytes = SSThreshBytes;
        } else if (TxState == txstate::TimedOut && DupAckCount == 0) {
            TxWindowBytes = LossWindowBytes;
        }
    } else if (UseSelective) {
        if (DupAckCount > 0) {
            TxState = txstate::Selective;
            TxWindowBytes += SegmentBytes;
        } else if (TxState == txstate::Selective && DupAckCount == 0) {
            TxWindowBytes = RecoveryWindow;
            TxState = txstate::Normal;
        }
    }

    if (TxWindowBytes > RxWindowBytes) TxWindowBytes = RxWindowBytes;
    if (TxWindowBytes != windowBefore) {
        numbers::TextBuilder text;
        text.text("New ACK arrived: increasing window size to")
            .number(numbers::intFloor(static_cast<double>(TxWindowBytes) / SegmentBytes + 0.5));
        AddMessageLine(true, 40, 7, text.view());
        ShowState();
    }

    const std::int16_t origin = txOrigin();
    const int windowEnd = TxBase + TxOutstanding; // one past the last outstanding packet

    if (UseSelective) {
        for (int packet = TxBase + 1; packet < windowEnd; ++packet) {
            const int cell = packet - origin;
            if (!onStrip(cell) || packet % SeqModulus != arrivedSeq) continue;
            lblTx[cell].ForeColor = colours::TxAcknowledged;
            stopTimer(shpTimeOut[cell], 0);
        }
    }

    for (int packet = TxBase; packet < windowEnd && packet % SeqModulus != ackSeq; ++packet) {
        const int cell = packet - origin;
        if (!onStrip(cell)) continue;
        if (lblTx[cell].ForeColor == colours::TxInFlight) {
            // Auto RTT: an ACK for a first transmission moves the timeout halfway back to 6.
            if (chkAutoRTT.Value == 1 && HScroll1.value() > 6)
                HScroll1.setValue(numbers::roundToInt32((HScroll1.value() - 6) * 0.5 + 6));
        } else {
            // Covering a resent or marked packet ends TimedOut and FastRetransmit.
            TxState = UseSlowStart ? txstate::SlowStart : txstate::Normal;
        }
        lblTx[cell].ForeColor = colours::TxAcknowledged;
        stopTimer(shpTimeOut[cell], 0);
    }

    // Advance over the leading run of acknowledged packets, selective ones included.
    const int lastOutstanding = TxBase + TxOutstanding - 1;
    for (int packet = TxBase; packet <= lastOutstanding; ++packet) {
        const int cell = packet - origin;
        if (!onStrip(cell)) continue;
        if (lblTx[cell].ForeColor != colours::TxAcknowledged) break;
        ++TxBase;
        --TxOutstanding;
    }
    RefreshTxStrip(TxBase, TxOutstanding);
}

void Form1::EnterFastRetransmitIfDue()
{
    if (!UseFastRetransmit || DupAckCount != 3 || TxState == txstate::FastRetransmit) return;
    if (UseTahoeRule) {
        EnterTahoeRetransmit();
        return;
    }

    RetransmitPacket(TxBase);
    SSThreshBytes = numbers::roundToInt32(FlightBytes / 2.0);
    if (SSThreshBytes < MinimumThresholdSegments * SegmentBytes)
        SSThreshBytes = MinimumThresholdSegments * SegmentBytes;
    TxWindowBytes = numbers::intFloor(TxWindowBytes / 2.0) + 3 * SegmentBytes;
    if (TxWindowBytes > RxWindowBytes) TxWindowBytes = RxWindowBytes;
    TxState = txstate::FastRetransmit;

    numbers::TextBuilder text;
    text.text("Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet")
        .number(TxBase);
    AddMessageLine(true, 40, 20, text.view());
}

// Tahoe answers the third duplicate ACK like a timeout that came early: the
// oldest packet is resent at once, the threshold becomes half the flight
// size, and slow start begins again from one segment, with no fast recovery
// and no window inflation. The state stays SlowStart, so nothing but
// TahoeAnswered keeps the count, which stands at 3 until the next ACK, from
// answering again on the following ticks. The go-back-N sender goes back
// over the packets behind the resent one as after a timeout, as TCP Tahoe
// does when it restarts from the missing segment.
void Form1::EnterTahoeRetransmit()
{
    if (TahoeAnswered) return;
    TahoeAnswered = True;

    const std::int16_t oldest = TxBase;
    RetransmitPacket(oldest);
    if (UseGoBackN) goBackFrom(oldest + 1);
    SSThreshBytes = numbers::roundToInt32(FlightBytes / 2.0);
    if (SSThreshBytes < MinimumThresholdSegments * SegmentBytes)
        SSThreshBytes = MinimumThresholdSegments * SegmentBytes;
    TxWindowBytes = SegmentBytes;
    TxState = txstate::SlowStart;

    numbers::TextBuilder text;
    text.text("Third duplicate ACK arrived.  Tahoe: retransmitting packet")
        .number(oldest)
        .text(" and starting again from a window of one packet");
    AddMessageLine(true, 40, 20, text.view());
}

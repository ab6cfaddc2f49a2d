// ACK generation: one acknowledgement onto the wire.
//
// Every ACK is cumulative: it asks for RxNext and also names the sequence
// number of the packet that caused it, packed into its Tag as
// AckSeq x SegmentBytes + ArrivedSeq, which the sender unpacks.
#include "core/form.h"
#include "core/numbers.h"

void Form1::SendAck(std::int32_t byteOffset)
{
    const auto ackSeq = static_cast<std::int16_t>(RxNext % SeqModulus);
    const long arrivedNumber =
        static_cast<long>(numbers::roundHalfEven(static_cast<double>(byteOffset) / SegmentBytes));
    const auto arrivedSeq = static_cast<std::int32_t>(arrivedNumber % SeqModulus);

    int slot = -1;
    for (int k = 0; k < FlightSlots && slot < 0; ++k) {
        if (!cmdACK[k].Visible) slot = k;
    }
    if (slot < 0) {
        if (!AckShortageReported) {
            AckShortageReported = true;
            reportMessage("Run Out of Packets to Send");
        }
        return;
    }
    AckShortageReported = false;

    FlightButton& button = cmdACK[slot];
    numbers::TextBuilder caption;
    caption.text("ACK with Seq Num").number(ackSeq).text(" (packet").number(RxNext);
    caption.text(") : Packet").number(arrivedNumber).text(" Arrived");
    button.Caption.assign(caption.view());
    button.Width = geometry::AckWidth;
    button.Top = geometry::AckLaunchTop;
    button.Left = geometry::AckLeft;
    button.Visible = true;
    button.Tag.assign(numbers::TextBuilder().plain(ackSeq * SegmentBytes + arrivedSeq).view());

    numbers::TextBuilder text;
    text.text("Sending ACK for packet").number(arrivedNumber).text(" (sequence number").number(arrivedSeq);
    text.text(") asking for packet with sequence number").number(ackSeq);
    AddMessageLine(false, 40, 6, text.view());
}

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
    button.Caption = "ACK with Seq Num";
    numbers::appendSigned(button.Caption, ackSeq);
    button.Caption += " (packet";
    numbers::appendSigned(button.Caption, RxNext);
    button.Caption += ") : Packet";
    numbers::appendSigned(button.Caption, arrivedNumber);
    button.Caption += " Arrived";
    button.Width = layout::AckWidth;
    button.Top = layout::AckLaunchTop;
    button.Left = layout::AckLeft;
    button.Visible = true;
    button.Tag.clear();
    numbers::appendPlain(button.Tag, ackSeq * SegmentBytes + arrivedSeq);

    text_ = "Sending ACK for packet";
    numbers::appendSigned(text_, arrivedNumber);
    text_ += " (sequence number";
    numbers::appendSigned(text_, arrivedSeq);
    text_ += ") asking for packet with sequence number";
    numbers::appendSigned(text_, ackSeq);
    AddMessageLine(false, 40, 6, text_);
}

// The four sliders' change handlers: timeout, transmit window, receive
// window, sequence space.
//
// The bars are also the program's own display of these values: the program
// moves them (start-up, the state display, timeouts, Auto RTT, option presets)
// and every move, the program's or the user's, runs the same handler.
// The vertical bars are inverted: the figure is 17 (or 33) minus the value.
#include "core/form.h"
#include "core/numbers.h"

void ScrollBar::setValue(int value)
{
    if (value < Min) value = Min;
    if (value > Max) value = Max;
    if (value == value_) return;
    value_ = value;
    if (owner_ != nullptr && onChange_ != nullptr) (owner_->*onChange_)();
}

void Form1::HScroll1_Change()
{
    const int setting = HScroll1.value();
    TimeoutDrain = numbers::roundToInt16(80.0 / setting);
    lblTimeOut[1].Caption = numbers::plainText(setting);
    // Below 6 a timer runs out before an undisturbed round trip completes.
    lblTimeOut[1].ForeColor = setting < 6 ? colours::Red : colours::Black;
}

void Form1::VScroll1_Change()
{
    const int packets = 17 - VScroll1.value();
    lblTxWindow[1].Caption = numbers::plainText(packets);
    shownFigures_.reset();
    TxWindowBytes = packets * SegmentBytes;
}

void Form1::VScroll2_Change()
{
    const int packets = 17 - VScroll2.value();
    lblRxWindow[1].Caption = numbers::plainText(packets);
    shownFigures_.reset();
    RxWindowBytes = packets * SegmentBytes;

    // Packets held beyond the new window are forgotten.
    const std::int16_t first = rxOrigin();
    for (int packet = RxNext + RxWindowBytes / SegmentBytes; packet <= first + geometry::LastCell; ++packet) {
        const int cell = packet - first;
        if (onStrip(cell)) lblRx[cell].ForeColor = colours::RxOutside;
    }
    RefreshRxStrip();
}

void Form1::VScroll3_Change()
{
    // Packets and ACKs already in flight keep their captions; new numbers use the new space.
    lblSequences[1].Caption = numbers::plainText(32 - VScroll3.value());
    SeqModulus = static_cast<std::int16_t>(33 - VScroll3.value());
}

// The two strips of numbered cells, their window frames, and sliding.
//
// Cell i of a strip shows F + i, where F (the number in cell 0) only grows, one
// at a time, by sliding; colours, and on the sender side the timeout bars,
// move with their numbers. A slide stops with the frame at cell 2, so two
// cells of history stay visible and F never passes TxBase or RxNext.
#include <algorithm>

#include "core/form.h"
#include "core/numbers.h"

void Form1::RefreshTxStrip(std::int16_t& base, std::int16_t& count)
{
    const int cell = base - txOrigin();
    if (cell < 0) {
        shpTxWindow.Visible = false;
        return;
    }
    shpTxWindow.Left = geometry::frameLeft(cell);
    shpTxWindow.Visible = true;
    // A window that starts on the strip and fits stays where it is. One that
    // runs past cell 18, or starts past it with nothing outstanding, is cut
    // back to the strip and slid, so the frame and every cell it names exist.
    if (cell <= geometry::LastCell && cell + count <= geometry::CellCount) {
        shpTxWindow.Width = geometry::frameWidth(count);
        return;
    }
    count = static_cast<std::int16_t>(cell < geometry::CellCount ? geometry::CellCount - cell : 0);
    shpTxWindow.Width = geometry::frameWidth(count);
    SlideTxStrip();
}

// Every tick asks whether to slide and few ticks do: the slide itself is a
// function of its own, so the question costs no more than it is.
void Form1::SlideTxStrip()
{
    while (shpTxWindow.Visible && shpTxWindow.Left > geometry::SlideThreshold)
        SlideTxStripOneCell();
    // Captions are consecutive (cell i shows origin + i): grey from the range
    // end on. Run through every cell at a fixed count, as every tick does.
    const int rangeEnd = TxBase + TxOutstanding - txOrigin();
#pragma GCC unroll 19
    for (int i = 0; i < geometry::CellCount; ++i) {
        if (i >= rangeEnd) lblTx[i].ForeColor = colours::TxNotSent;
    }
}

void Form1::RefreshRxStrip()
{
    const std::int16_t window = numbers::roundToInt16(static_cast<double>(RxWindowBytes) / SegmentBytes);
    // Tested before the frame moves: a window that has just jumped forward is
    // slid on the next refresh, not this one.
    if (numbers::parseWhole(lblRx[geometry::LastCell].Caption) < RxNext + window) SlideRxStrip();

    const int cell = RxNext - rxOrigin();
    if (shpRxWindow.Visible) {
        shpRxWindow.Left = geometry::frameLeft(cell);
        shpRxWindow.Width = geometry::frameWidth(window);
    }
    for (int i = cell; i < cell + window; ++i) {
        if (onStrip(i) && lblRx[i].ForeColor == colours::RxOutside) lblRx[i].ForeColor = colours::RxAwaited;
    }
}

void Form1::SlideRxStrip()
{
    while (shpRxWindow.Visible && shpRxWindow.Left > geometry::SlideThreshold)
        SlideRxStripOneCell();
    // The first number past the window: RxNext and the window in segments,
    // rounded up. A quotient of whole numbers rounds up the same in integers.
    const int firstOutside =
        RxNext + static_cast<int>(numbers::ceilDiv(RxWindowBytes, SegmentBytes)) - rxOrigin();
    for (int i = std::max(0, firstOutside); i < geometry::CellCount; ++i)
        lblRx[i].ForeColor = colours::RxOutside;
}

void Form1::SlideTxStripOneCell()
{
    for (int i = 0; i < geometry::LastCell; ++i) {
        lblTx[i].Caption = lblTx[i + 1].Caption;
        lblTx[i].ForeColor = lblTx[i + 1].ForeColor;
        shpTimeOut[i] = shpTimeOut[i + 1];
    }
    lblTx[geometry::LastCell].Caption =
        numbers::plainText(numbers::parseWhole(lblTx[geometry::LastCell - 1].Caption) + 1);
    stopTimer(shpTimeOut[geometry::LastCell], 0);
    if (tickOrigins_.known) readStripOrigins();
    RefreshTxStrip(TxBase, TxOutstanding);
}

void Form1::SlideRxStripOneCell()
{
    for (int i = 0; i < geometry::LastCell; ++i) {
        lblRx[i].Caption = lblRx[i + 1].Caption;
        lblRx[i].ForeColor = lblRx[i + 1].ForeColor;
    }
    lblRx[geometry::LastCell].Caption =
        numbers::plainText(numbers::parseWhole(lblRx[geometry::LastCell - 1].Caption) + 1);
    if (tickOrigins_.known) readStripOrigins();
    // The number entering the strip has not arrived, whatever the cell
    // held before: a received or aliased mark left there would be taken
    // for its packet and walked over by the in-order edge. Unreceived, it
    // is painted green below when the window covers it.
    Colour& entering = lblRx[geometry::LastCell].ForeColor;
    if (entering == colours::RxReceived || entering == colours::RxAliased) entering = colours::RxOutside;
    RefreshRxStrip();
}

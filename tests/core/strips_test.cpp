// The two strips: window frames, sliding numbers on, and the green receive window.
#include "tests/test_support.h"

using namespace support;

namespace {

using StripsTest = FormTest;

void expectConsecutiveFrom(const std::array<Label, geometry::CellCount>& strip, int first)
{
    for (int i = 0; i < geometry::CellCount; ++i)
        EXPECT_EQ(captionNumber(strip[i]), first + i) << "cell " << i;
}

TEST_F(StripsTest, SenderRangeRunningPastTheLastCellIsCutBackAndSlidTwice)
{
    putInFlight(form, 4, 15); // cells 4..18
    for (int p = 4; p <= 18; ++p)
        form.shpTimeOut[p].Width = 600 + p;
    form.SendNewPackets(); // packet 19 has no cell yet

    EXPECT_EQ(form.TxOutstanding, 15);
    expectConsecutiveFrom(form.lblTx, 2);
    EXPECT_EQ(form.shpTxWindow.Left, 60 + 660 * 2);
    EXPECT_EQ(form.shpTxWindow.Width, 135 + 660 * 15);
    for (int p = 4; p <= 18; ++p) {
        EXPECT_EQ(form.lblTx[p - 2].ForeColor, colours::TxInFlight) << "packet " << p;
        EXPECT_EQ(form.shpTimeOut[p - 2], (TimeoutBar{600 + p, "1"})) << "packet " << p;
    }
    EXPECT_EQ(form.lblTx[17].ForeColor, colours::TxNotSent);
    EXPECT_EQ(form.lblTx[18].ForeColor, colours::TxNotSent);
    EXPECT_EQ(form.shpTimeOut[18], (TimeoutBar{0, "0"}));
    EXPECT_EQ(queued(form, 19), 0);

    form.SendNewPackets(); // now it has a cell
    EXPECT_EQ(form.TxOutstanding, 16);
    EXPECT_EQ(form.lblTx[17].ForeColor, colours::TxQueued);
    EXPECT_EQ(queued(form, 19), 1);
}

TEST_F(StripsTest, SlideNumbersBringsBothFramesBackToTheThirdCell)
{
    click(form.chkSlide);
    putInFlight(form, 6, 2);
    form.shpTimeOut[6].Width = 500;
    form.RefreshTxStrip(form.TxBase, form.TxOutstanding);
    ASSERT_EQ(form.shpTxWindow.Left, 60 + 660 * 6);

    form.SlideStrips();
    expectConsecutiveFrom(form.lblTx, 4);
    EXPECT_EQ(form.lblTx[18].Caption, "22");
    EXPECT_EQ(form.shpTxWindow.Left, 60 + 660 * 2);
    EXPECT_EQ(form.lblTx[2].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.shpTimeOut[2], (TimeoutBar{500, "1"}));
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxAcknowledged);
    for (int i = 4; i < geometry::CellCount; ++i)
        EXPECT_EQ(form.lblTx[i].ForeColor, colours::TxNotSent) << "cell " << i;
    expectConsecutiveFrom(form.lblRx, 0); // the receiver frame is still at cell 0
}

TEST_F(StripsTest, ReceiveWindowReachingTheLastCellSlidesUntilItsFrameStartsAtTheThirdCell)
{
    form.VScroll2.setValue(13); // four packets
    for (int p = 0; p < 14; ++p)
        form.PacketArrived(p * 1000);
    ASSERT_EQ(form.shpRxWindow.Left, 60 + 660 * 14);
    ASSERT_EQ(captionNumber(form.lblRx[0]), 0);

    form.PacketArrived(14000);
    EXPECT_EQ(form.RxNext, 15);
    expectConsecutiveFrom(form.lblRx, 13); // thirteen shifts
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660 * 2);
    EXPECT_EQ(form.lblRx[0].ForeColor, colours::RxReceived);
    EXPECT_EQ(form.lblRx[1].ForeColor, colours::RxReceived);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxAwaited) << "cell " << i;
    for (int i = 6; i < geometry::CellCount; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxOutside) << "cell " << i;
}

TEST_F(StripsTest, SixteenPacketWindowJumpingForwardSlidesOnlyAtTheNextRefresh)
{
    form.VScroll2.setValue(1); // sixteen packets
    form.PacketArrived(0);
    form.PacketArrived(1000);
    ASSERT_EQ(form.shpRxWindow.Left, 60 + 660 * 2);

    form.PacketArrived(2000); // the frame was at cell 2: no shift yet
    expectConsecutiveFrom(form.lblRx, 0);
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660 * 3);
    EXPECT_EQ(form.lblRx[18].ForeColor, colours::RxAwaited);
    click(form.chkSlide);
    form.SlideStrips();
    expectConsecutiveFrom(form.lblRx, 1);
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660 * 2);

    for (int p = 4; p <= 11; ++p)
        form.PacketArrived(p * 1000);
    form.PacketArrived(3000); // fills the gap: the edge jumps from cell 2 to cell 11
    EXPECT_EQ(form.RxNext, 12);
    expectConsecutiveFrom(form.lblRx, 1);
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660 * 11);
    EXPECT_EQ(form.shpRxWindow.Width, 135 + 660 * 16);
    for (int i = 11; i < geometry::CellCount; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxAwaited);

    form.RefreshRxStrip(); // nine shifts
    expectConsecutiveFrom(form.lblRx, 10);
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660 * 2);
    for (int i = 2; i <= 17; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxAwaited) << "cell " << i;
    EXPECT_EQ(form.lblRx[18].ForeColor, colours::RxOutside);
}

TEST_F(StripsTest, EmptySenderWindowOnePastTheLastCellSlidesBackOntoTheStrip)
{
    putInFlight(form, 19, 0);
    form.RefreshTxStrip(form.TxBase, form.TxOutstanding);
    EXPECT_EQ(form.txOrigin(), 17);
    EXPECT_EQ(form.shpTxWindow.Left, 60 + 660 * 2);
    EXPECT_EQ(form.shpTxWindow.Width, 135);
    form.RetransmitPacket(19);
    EXPECT_EQ(form.lblTx[2].ForeColor, colours::TxQueuedAgain);
    EXPECT_EQ(queued(form, 19), 1);
}

} // namespace

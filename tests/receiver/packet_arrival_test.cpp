// The receiver: taking packets into the window, the in-order edge, aliasing
// and delayed ACKs.
#include "tests/test_support.h"

using namespace support;

namespace {

using PacketArrivalTest = FormTest;

TEST_F(PacketArrivalTest, InOrderPacketMovesTheEdgeAndIsAcknowledgedAtOnce)
{
    form.PacketArrived(0);
    EXPECT_EQ(form.lblRx[0].ForeColor, colours::RxReceived);
    EXPECT_EQ(form.RxNext, 1);
    EXPECT_EQ(form.shpRxWindow.Left, 60 + 660);
    EXPECT_EQ(form.lblRx[8].ForeColor, colours::RxAwaited);
    ASSERT_EQ(visibleCount(form.cmdACK), 1);
    const FlightButton& reply = form.cmdACK[0];
    EXPECT_EQ(reply.Tag, "1000");
    EXPECT_EQ(reply.Caption, "ACK with Seq Num 1 (packet 1) : Packet 0 Arrived");
    EXPECT_EQ(reply.Top, 4920);
    EXPECT_EQ(reply.Left, 6420);
    EXPECT_EQ(reply.Width, 6000);
    EXPECT_EQ(form.lblRxInfo.Caption,
              "Sending ACK for packet 0 (sequence number 0) asking for packet with sequence number 1");
}

TEST_F(PacketArrivalTest, PacketsAheadOfTheEdgeAreKeptAndTheGapFillerAdvancesOverAllOfThem)
{
    click(form.chkDelayedACK); // out-of-order traffic is acknowledged at once all the same
    form.PacketArrived(2000);
    EXPECT_EQ(form.lblRx[2].ForeColor, colours::RxReceived);
    EXPECT_EQ(form.RxNext, 0);
    EXPECT_EQ(form.shpRxWindow.Left, 60);
    EXPECT_EQ(form.cmdACK[0].Tag, "2");
    EXPECT_EQ(form.cmdACK[0].Caption, "ACK with Seq Num 0 (packet 0) : Packet 2 Arrived");
    form.PacketArrived(1000);
    EXPECT_EQ(form.cmdACK[1].Tag, "1");

    form.PacketArrived(0);
    EXPECT_EQ(form.RxNext, 3);
    EXPECT_EQ(form.cmdACK[2].Tag, "3000");
    EXPECT_EQ(form.HeldAckOffset, -1);
    for (int i = 8; i <= 10; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxAwaited);

    // A repeat of a packet already passed matches nothing in the window.
    const auto cells = form.lblRx;
    form.PacketArrived(1000);
    EXPECT_EQ(form.lblRx, cells);
    EXPECT_EQ(form.cmdACK[3].Tag, "3001");
}

TEST_F(PacketArrivalTest, SmallSequenceSpaceTakesALateRepeatIntoTheWrongCell)
{
    form.VScroll3.setValue(29);
    ASSERT_EQ(form.SeqModulus, 4);
    for (int p = 0; p < 8; ++p)
        form.PacketArrived(p * 1000);
    ASSERT_EQ(form.RxNext, 8);

    form.PacketArrived(3000); // 3 Mod 4 = 11 Mod 4
    EXPECT_EQ(form.lblRx[11].ForeColor, colours::RxAliased);
    EXPECT_EQ(form.RxNext, 8);
    EXPECT_EQ(form.cmdACK[8].Tag, "3");

    for (int p = 8; p <= 10; ++p)
        form.PacketArrived(p * 1000);
    EXPECT_EQ(form.RxNext, 12); // the aliased cell counts as received
}

TEST_F(PacketArrivalTest, WithOneSequenceNumberEveryPacketLandsOnTheEdge)
{
    form.VScroll3.setValue(32);
    ASSERT_EQ(form.SeqModulus, 1);
    form.PacketArrived(5000);
    EXPECT_EQ(form.lblRx[0].ForeColor, colours::RxAliased);
    EXPECT_EQ(form.RxNext, 1);
    EXPECT_EQ(form.cmdACK[0].Tag, "0");
    form.PacketArrived(1000);
    EXPECT_EQ(form.lblRx[1].ForeColor, colours::RxReceived);
    EXPECT_EQ(form.RxNext, 2);
}

TEST_F(PacketArrivalTest, OnePacketWindowAcceptsOnlyTheExpectedPacket)
{
    form.VScroll2.setValue(16);
    ASSERT_EQ(form.RxWindowBytes, 1000);
    form.PacketArrived(1000);
    EXPECT_EQ(form.lblRx[1].ForeColor, colours::RxOutside);
    EXPECT_EQ(form.RxNext, 0);
    EXPECT_EQ(form.cmdACK[0].Tag, "1");
    form.PacketArrived(0);
    EXPECT_EQ(form.RxNext, 1);
    EXPECT_EQ(form.lblRx[1].ForeColor, colours::RxAwaited);
}

TEST_F(PacketArrivalTest, DelayedAckWaitsForASecondInOrderPacketOrAnyOtherArrival)
{
    click(form.chkDelayedACK);
    form.PacketArrived(0);
    EXPECT_EQ(visibleCount(form.cmdACK), 0);
    EXPECT_EQ(form.HeldAckOffset, 0);
    EXPECT_EQ(form.DelayedAckTicks, 28);

    form.PacketArrived(1000); // every second in-order packet is acknowledged at once
    EXPECT_EQ(form.cmdACK[0].Tag, "2001");
    EXPECT_EQ(form.HeldAckOffset, -1);
    EXPECT_EQ(form.DelayedAckTicks, 0);

    form.PacketArrived(2000);
    EXPECT_EQ(form.HeldAckOffset, 2000);
    form.PacketArrived(4000); // out of order: immediate, and the hold is dropped
    EXPECT_EQ(form.cmdACK[1].Tag, "3004");
    EXPECT_EQ(form.HeldAckOffset, -1);
    EXPECT_EQ(visibleCount(form.cmdACK), 2);
}

TEST_F(PacketArrivalTest, HeldAckGoesOutTwentySevenTicksAfterTheArrivalTick)
{
    click(form.chkDelayedACK);
    form.VScroll1.setValue(16); // one packet at a time, so nothing else releases the hold
    start();
    tick(74); // packet 0, launched in tick 1, arrives in tick 74
    ASSERT_EQ(form.RxNext, 1);
    EXPECT_EQ(form.HeldAckOffset, 0);
    tick(26);
    EXPECT_EQ(visibleCount(form.cmdACK), 0);
    EXPECT_EQ(form.DelayedAckTicks, 1);
    tick(); // tick 101
    ASSERT_EQ(visibleCount(form.cmdACK), 1);
    EXPECT_EQ(form.cmdACK[0].Tag, "1000");
    EXPECT_EQ(form.cmdACK[0].Caption, "ACK with Seq Num 1 (packet 1) : Packet 0 Arrived");
    EXPECT_EQ(form.HeldAckOffset, -1);
    tick(72); // released ACKs travel like any other
    EXPECT_EQ(form.TxBase, 0);
    tick();
    EXPECT_EQ(form.TxBase, 1);
}

TEST_F(PacketArrivalTest, SwitchingDelayedAcksOffFreezesAHeldAck)
{
    click(form.chkDelayedACK);
    start();
    form.PacketArrived(0);
    ASSERT_EQ(form.HeldAckOffset, 0);
    click(form.chkDelayedACK);
    tick(40);
    EXPECT_EQ(visibleCount(form.cmdACK), 0);
    EXPECT_EQ(form.DelayedAckTicks, 28);
    EXPECT_EQ(form.HeldAckOffset, 0);
}

TEST_F(PacketArrivalTest, InOrderReceiverKeepsOnlyTheExpectedPacketAndAsksForItAgain)
{
    EXPECT_EQ(form.UseInOrderReceiver, False);
    EXPECT_EQ(form.chkInOrderReceiver.Value, 0);
    EXPECT_EQ(form.chkInOrderReceiver.Caption, "Receiver keeps only in-order packets");
    start();
    EXPECT_EQ(form.UseInOrderReceiver, False);

    click(form.chkInOrderReceiver);
    click(form.chkDelayedACK); // a dropped packet is acknowledged at once all the same
    ASSERT_EQ(form.UseInOrderReceiver, True);
    const Frame frameBefore = form.shpRxWindow;

    form.PacketArrived(2000);
    EXPECT_EQ(form.lblRx[2].ForeColor, colours::RxAwaited);
    EXPECT_EQ(form.RxNext, 0);
    EXPECT_EQ(form.cmdACK[0].Tag, "2"); // asks again for 0, caused by 2
    EXPECT_EQ(form.HeldAckOffset, -1);
    EXPECT_EQ(form.RxWindowBytes, 8000);
    EXPECT_EQ(form.shpRxWindow, frameBefore);

    form.PacketArrived(0);
    form.PacketArrived(1000);
    EXPECT_EQ(form.RxNext, 2); // packet 2 was not kept: the edge stops before it

    // Like the other options, a ticked box carries over into the next run.
    form.cmdReset_Click();
    form.cmdReset_Click();
    EXPECT_EQ(form.UseInOrderReceiver, True);
    click(form.chkInOrderReceiver);
    EXPECT_EQ(form.UseInOrderReceiver, False);
    form.PacketArrived(2000);
    EXPECT_EQ(form.lblRx[2].ForeColor, colours::RxReceived);
}

} // namespace

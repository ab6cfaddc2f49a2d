// What the sender does with acknowledgements: duplicates, the window rules,
// fast retransmit and recovery, selective acknowledgement and Auto RTT.
#include "tests/test_support.h"

using namespace support;

namespace {

using AckProcessingTest = FormTest;

TEST_F(AckProcessingTest, FirstAckAfterResetIsNewEvenWhenItAsksForSequenceZero)
{
    putInFlight(form, 0, 2);
    form.AckArrived(ack(0, 1));
    EXPECT_EQ(form.DupAckCount, 0);
    EXPECT_EQ(form.LastAckSeq, 0);
    EXPECT_EQ(form.lblDupACKs.Caption, n(0));
    EXPECT_EQ(form.TxBase, 0);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
}

TEST_F(AckProcessingTest, SlowStartAddsOneSegmentPerNewAckUpToTheReceiverWindow)
{
    click(form.chkSlowStart);
    start();
    ASSERT_EQ(form.TxWindowBytes, 2000);
    putInFlight(form, 0, 10);
    for (int k = 1; k <= 6; ++k) {
        form.AckArrived(ack(k, k - 1));
        EXPECT_EQ(form.TxWindowBytes, 2000 + 1000 * k);
        EXPECT_TRUE(hasMessage(form.TxMessages, "New ACK arrived: increasing window size to" + n(2 + k)));
    }
    EXPECT_EQ(form.VScroll1.value(), 9);
    form.TxMessages = {};
    form.AckArrived(ack(7, 6));
    EXPECT_EQ(form.TxWindowBytes, 8000);
    for (const auto& line : form.TxMessages)
        EXPECT_EQ(line.Text, "");
    EXPECT_EQ(form.TxBase, 7);
    EXPECT_EQ(form.TxOutstanding, 3);
}

TEST_F(AckProcessingTest, AvoidanceGrowsBySegmentSquaredOverWindowAndSnapsAtTheNextWholeSegment)
{
    click(form.chkSlowStart);
    click(form.chkAvoidance);
    ASSERT_EQ(form.TxWindowBytes, 4000);
    form.SSThreshBytes = 4000;
    putInFlight(form, 0, 8);

    form.AckArrived(ack(1, 0));
    EXPECT_EQ(form.TxWindowBytes, 4250);
    EXPECT_TRUE(hasMessage(form.TxMessages, "New ACK arrived: increasing window size to" + n(4)));
    form.AckArrived(ack(2, 1));
    EXPECT_EQ(form.TxWindowBytes, 4485);
    EXPECT_EQ(form.VScroll1.value(), 13);
    form.AckArrived(ack(3, 2)); // 4708 rounds to five segments: the slider moves
    EXPECT_EQ(form.VScroll1.value(), 12);
    EXPECT_EQ(form.TxWindowBytes, 5000);
    EXPECT_EQ(numbers::parseNumber(form.lblTxWindow[1].Caption), 5.0);
    EXPECT_TRUE(hasMessage(form.TxMessages, "New ACK arrived: increasing window size to" + n(5)));
}

TEST_F(AckProcessingTest, ThirdDuplicateEntersFastRetransmitAndTheNextNewAckEndsRecovery)
{
    click(form.chkSlowStart);
    click(form.chkFastRetransmit);
    start();
    form.VScroll1.setValue(9); // eight packets
    putInFlight(form, 0, 8);
    form.LastAckSeq = 0;
    form.FlightBytes = 6000;

    for (int d = 1; d <= 3; ++d)
        form.AckArrived(ack(0, d)); // packets 1..3 arrived, 0 is missing
    EXPECT_EQ(form.DupAckCount, 3);
    EXPECT_EQ(form.lblDupACKs.Caption, " 3");
    for (int d = 1; d <= 3; ++d)
        EXPECT_TRUE(
            hasMessage(form.TxMessages, n(d) + " Duplicate ACK for sequence number" + n(0) + " arrived"));
    EXPECT_EQ(form.TxWindowBytes, 8000);
    EXPECT_EQ(form.RecoveryWindow, 8000);

    tick();
    EXPECT_EQ(form.SSThreshBytes, 3000);
    EXPECT_EQ(form.TxWindowBytes, 7000);
    EXPECT_EQ(form.TxState, txstate::FastRetransmit);
    EXPECT_EQ(form.lblState.Caption, "FastRetransmit");
    EXPECT_EQ(form.lblTxInfo.Caption,
              "Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet" + n(0));
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(0)));
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "0"), 0);
    for (int p = 1; p < 8; ++p)
        EXPECT_EQ(form.shpTimeOut[p], (TimeoutBar{675, "0"})) << "packet " << p;

    form.AckArrived(ack(0, 4)); // a fourth duplicate inflates the window, up to the receiver's
    EXPECT_EQ(form.TxWindowBytes, 8000);
    form.AckArrived(ack(0, 5));
    EXPECT_EQ(form.TxWindowBytes, 8000);
    tick();
    EXPECT_EQ(form.SSThreshBytes, 3000); // no second entry
    EXPECT_EQ(form.TxState, txstate::FastRetransmit);

    form.TxMessages = {};
    form.AckArrived(ack(8, 0)); // the resent packet filled the gap
    EXPECT_EQ(form.TxMessages[0].Text, "Non-Duplicate ACK arrived: leaving fast re-transmit.");
    EXPECT_EQ(form.TxMessages[1].Text, "New ACK arrived: increasing window size to" + n(3));
    EXPECT_EQ(form.TxWindowBytes, 3000);
    EXPECT_EQ(form.TxState, txstate::SlowStart);
    EXPECT_EQ(form.TxBase, 8);
    EXPECT_EQ(form.TxOutstanding, 0);
    EXPECT_EQ(form.lblDupACKs.Caption, " 0");
}

// Tahoe's rule: the third duplicate resends the oldest packet and starts slow
// start again from one packet, with no fast recovery; the count standing at
// 3 over the next ticks, and further duplicates, change nothing more. With
// the go-back sender the packets behind the resent one are sent again too.
TEST_F(AckProcessingTest, TahoesRuleResendsTheOldestAndStartsAgainFromOnePacket)
{
    EXPECT_FALSE(form.chkTahoeRule.Enabled) << "only with Fast Retransmit";
    click(form.chkTahoeRule);
    EXPECT_EQ(form.UseTahoeRule, False);
    for (const bool goBack : {false, true}) {
        SCOPED_TRACE(goBack ? "go-back sender" : "original sender");
        form = Form1();
        form.Form_Load();
        click(form.chkSlowStart);
        click(form.chkFastRetransmit);
        click(form.chkTahoeRule);
        if (goBack) click(form.chkGoBackN);
        ASSERT_EQ(form.UseTahoeRule, True);
        EXPECT_EQ(form.HScroll1.value(), 12) << "the timeout of Fast Retransmit, as under Reno";
        start();
        form.VScroll1.setValue(9); // eight packets
        putInFlight(form, 0, 8);
        form.LastAckSeq = 0;
        form.FlightBytes = 7000;
        for (int d = 1; d <= 3; ++d)
            form.AckArrived(ack(0, d));
        EXPECT_EQ(form.TxWindowBytes, 8000);

        tick();
        EXPECT_EQ(form.SSThreshBytes, 3500);
        EXPECT_EQ(form.TxWindowBytes, 1000);
        EXPECT_EQ(numbers::parseNumber(form.lblTxWindow[1].Caption), 1.0);
        EXPECT_EQ(form.TxState, txstate::SlowStart);
        EXPECT_EQ(form.lblTxInfo.Caption, "Third duplicate ACK arrived.  Tahoe: retransmitting packet" +
                                              n(0) + " and starting again from a window of one packet");
        EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
        EXPECT_EQ(form.GoBackNext, goBack ? 1 : -1);

        tick(3); // the count still stands at 3: answered once only, the resend left in flight
        EXPECT_EQ(form.SSThreshBytes, 3500);
        EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
        form.AckArrived(ack(0, 4)); // a fourth duplicate inflates nothing
        tick();
        EXPECT_EQ(form.TxWindowBytes, 1000);
        EXPECT_EQ(form.SSThreshBytes, 3500);
        EXPECT_EQ(queued(form, 0), 0);

        form.AckArrived(ack(8, 0)); // the resend filled the gap: slow start goes on
        EXPECT_EQ(form.TxWindowBytes, 2000);
        EXPECT_EQ(form.TxState, txstate::SlowStart);
        EXPECT_EQ(form.TxBase, 8);
        EXPECT_EQ(form.TahoeAnswered, False);
    }

    // Unticking Fast Retransmit leaves the mark but not the rule.
    click(form.chkFastRetransmit);
    EXPECT_EQ(form.chkTahoeRule.Value, 1);
    EXPECT_EQ(form.UseTahoeRule, False);
}

TEST_F(AckProcessingTest, OnlyTheThirdDuplicateEntersFastRetransmit)
{
    click(form.chkSlowStart);
    click(form.chkFastRetransmit);
    start();
    putInFlight(form, 0, 2);
    form.TxState = txstate::TimedOut; // a timeout came between the third and the fourth duplicate
    form.DupAckCount = 4;
    tick();
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
}

TEST_F(AckProcessingTest, AfterATimeoutNewAcksInstallTheLossWindowUntilTheResentPacketIsCovered)
{
    click(form.chkSlowStart);
    putInFlight(form, 0, 4);
    form.lblTx[1].ForeColor = colours::TxResentInFlight;
    form.TxState = txstate::TimedOut;

    form.AckArrived(ack(1, 0)); // covers packet 0, sent once
    EXPECT_EQ(form.TxWindowBytes, 1000);
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    form.AckArrived(ack(2, 1)); // covers the resent packet 1
    EXPECT_EQ(form.TxWindowBytes, 1000);
    EXPECT_EQ(form.TxState, txstate::SlowStart);
    form.AckArrived(ack(3, 2));
    EXPECT_EQ(form.TxWindowBytes, 2000);
}

TEST_F(AckProcessingTest, FastRetransmitWithNothingInFlightKeepsATwoSegmentThreshold)
{
    click(form.chkSlowStart);
    click(form.chkFastRetransmit);
    start();
    putInFlight(form, 0, 1);
    form.DupAckCount = 3;
    form.FlightBytes = 0;
    tick();
    EXPECT_EQ(form.SSThreshBytes, 2000);
    form.AckArrived(ack(1, 0));
    EXPECT_EQ(form.TxWindowBytes, 2000);
}

TEST_F(AckProcessingTest, AckCoveringThreePacketsBlackensThemAndSlidesTheWindowByThree)
{
    putInFlight(form, 0, 5);
    form.AckArrived(ack(3, 2));
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(form.lblTx[p].ForeColor, colours::TxAcknowledged);
        EXPECT_EQ(form.shpTimeOut[p], (TimeoutBar{0, "0"}));
    }
    EXPECT_EQ(form.lblTx[3].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.TxBase, 3);
    EXPECT_EQ(form.TxOutstanding, 2);
    EXPECT_EQ(form.shpTxWindow.Left, 60 + 660 * 3);
    EXPECT_EQ(form.shpTxWindow.Width, 135 + 660 * 2);
}

TEST_F(AckProcessingTest, SelectiveAckMarksOnlyTheArrivedPacketUntilTheGapBeforeItCloses)
{
    click(form.chkSelective);
    putInFlight(form, 0, 5);
    form.LastAckSeq = 0;
    form.AckArrived(ack(0, 2)); // packet 2 arrived while 0 is missing
    EXPECT_EQ(form.lblTx[2].ForeColor, colours::TxAcknowledged);
    EXPECT_EQ(form.shpTimeOut[2], (TimeoutBar{0, "0"}));
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.TxBase, 0);
    EXPECT_EQ(form.TxState, txstate::Selective); // without slow start a duplicate opens the window
    EXPECT_EQ(form.TxWindowBytes, 5000);
    EXPECT_EQ(form.RecoveryWindow, 4000);

    form.AckArrived(ack(1, 0)); // the next new ACK restores the window
    EXPECT_EQ(form.TxState, txstate::Normal);
    EXPECT_EQ(form.TxWindowBytes, 4000);
    EXPECT_EQ(form.TxBase, 1);
    form.AckArrived(ack(3, 1)); // packet 1 closes the gap; the window slides over packet 2 too
    EXPECT_EQ(form.TxBase, 3);
    EXPECT_EQ(form.TxOutstanding, 2);
}

TEST_F(AckProcessingTest, HoleSearchMarksThePacketBeforeAnAcknowledgedOneForResendOnTheNextTick)
{
    click(form.chkSlowStart);
    click(form.chkFastRetransmit);
    click(form.chkSelective);
    start();
    form.VScroll1.setValue(11); // six packets
    putInFlight(form, 0, 6);
    form.lblTx[0].ForeColor = colours::TxResentInFlight;
    form.TxState = txstate::FastRetransmit;
    form.DupAckCount = 3;
    form.LastAckSeq = 0;

    form.AckArrived(ack(0, 2)); // no hole yet: the window inflates
    EXPECT_EQ(form.TxWindowBytes, 7000);
    EXPECT_EQ(form.lblTx[2].ForeColor, colours::TxAcknowledged);
    form.AckArrived(ack(0, 4)); // packet 1 sits before the acknowledged packet 2
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxMarkedForResend);
    EXPECT_EQ(form.lblTx[3].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.lblTx[4].ForeColor, colours::TxAcknowledged);
    EXPECT_EQ(form.TxWindowBytes, 7000);

    tick();
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxQueuedAgain);
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(1)));
    tick();
    EXPECT_EQ(queued(form, 1), 1); // picked once, not again
}

TEST_F(AckProcessingTest, AutoRttMovesTheTimeoutHalfwayTowardsSixForEachFirstTransmissionAcknowledged)
{
    click(form.chkAutoRTT);
    form.HScroll1.setValue(20);
    putInFlight(form, 0, 8);
    const int expected[] = {13, 10, 8, 7, 6, 6};
    for (int k = 1; k <= 6; ++k) {
        form.AckArrived(ack(k, k - 1));
        EXPECT_EQ(form.HScroll1.value(), expected[k - 1]) << "after ACK " << k;
    }
    EXPECT_EQ(form.TimeoutDrain, 13);

    form.HScroll1.setValue(20);
    putInFlight(form, 0, 8);
    form.AckArrived(ack(3, 2)); // three first transmissions at once: three moves
    EXPECT_EQ(form.HScroll1.value(), 8);

    form.HScroll1.setValue(20);
    putInFlight(form, 0, 8);
    form.lblTx[0].ForeColor = colours::TxResentInFlight;
    form.AckArrived(ack(1, 0)); // a resent packet tells nothing about the round trip
    EXPECT_EQ(form.HScroll1.value(), 20);
}

} // namespace

// Start-up, reset and the run-control buttons.
#include "tests/test_support.h"

using namespace support;

namespace {

class StartupTest : public FormTest {
protected:
    void expectRunState(const char* reset, const char* pause, bool clock)
    {
        EXPECT_EQ(form.cmdReset.Caption, reset);
        EXPECT_EQ(form.cmdPause.Caption, pause);
        EXPECT_EQ(form.Timer1.Enabled, clock);
    }
};

TEST_F(StartupTest, OpeningTheWindowLeavesAFreshRunWaitingForStart)
{
    EXPECT_EQ(form.TimeoutDrain, 13);
    EXPECT_EQ(form.HScroll1.value(), 6);
    EXPECT_EQ(form.lblTimeOut[1].Caption, "6");
    EXPECT_EQ(form.lblTimeOut[1].ForeColor, colours::Black);
    EXPECT_EQ(form.SeqModulus, 16);
    EXPECT_EQ(form.VScroll3.value(), 17);
    EXPECT_EQ(form.lblSequences[1].Caption, "15");
    EXPECT_EQ(form.TxWindowBytes, 4000);
    EXPECT_EQ(form.RxWindowBytes, 8000);
    EXPECT_EQ(form.SSThreshBytes, 16000);
    EXPECT_EQ(form.LossWindowBytes, 1000);
    EXPECT_EQ(form.VScroll1.value(), 13);
    EXPECT_EQ(form.VScroll2.value(), 9);
    EXPECT_EQ(numbers::parseNumber(form.lblTxWindow[1].Caption), 4.0);
    EXPECT_EQ(numbers::parseNumber(form.lblRxWindow[1].Caption), 8.0);
    EXPECT_EQ(form.lblState.Caption, "Normal");
    EXPECT_EQ(form.TxState, txstate::Normal);
    EXPECT_EQ(form.LastAckSeq, -1);
    EXPECT_EQ(form.DupAckCount, 0);
    EXPECT_EQ(form.RecoveryWindow, 16000);
    EXPECT_EQ(form.HeldAckOffset, -1);
    EXPECT_EQ(form.DelayedAckTicks, 0);
    EXPECT_EQ(form.LaunchHoldoff, 0);
    EXPECT_EQ(form.ClickHoldoff, 0);
    expectRunState("Start", "Pause", false);

    EXPECT_EQ(form.QueueHead, 0);
    EXPECT_EQ(form.QueueTail, 0);
    for (auto entry : form.SendQueue)
        EXPECT_EQ(entry, -1);
    for (int i = 0; i < FlightSlots; ++i) {
        EXPECT_FALSE(form.cmdPacket[i].Visible);
        EXPECT_FALSE(form.cmdACK[i].Visible);
        EXPECT_EQ(form.cmdPacket[i].TravelMarker, colours::Travelling);
        EXPECT_EQ(form.cmdACK[i].TravelMarker, colours::Travelling);
    }
    for (int i = 0; i < geometry::CellCount; ++i) {
        EXPECT_EQ(form.lblTx[i].Caption, numbers::plainText(i));
        EXPECT_EQ(form.lblRx[i].Caption, numbers::plainText(i));
        EXPECT_EQ(form.lblTx[i].Left, 150 + 660 * i);
        EXPECT_EQ(form.lblRx[i].Left, 150 + 660 * i);
        EXPECT_EQ(form.lblTx[i].Top, 660);
        EXPECT_EQ(form.lblRx[i].Top, 5460);
        EXPECT_EQ(form.lblTx[i].ForeColor, colours::TxNotSent);
        EXPECT_EQ(form.lblRx[i].ForeColor, i < 8 ? colours::RxAwaited : colours::RxOutside) << "cell " << i;
        EXPECT_EQ(form.shpTimeOut[i], (TimeoutBar{0, "0"}));
    }
    EXPECT_EQ(form.shpTxWindow, (Frame{60, 135, true}));
    EXPECT_EQ(form.shpRxWindow, (Frame{60, 135 + 660 * 8, true}));
    EXPECT_EQ(form.lblRxInfo.Caption, "Press 'Start' to go...");
    EXPECT_EQ(form.lblTxInfo.Caption, "");

    // Every option box is clear, so the dependent boxes and figures are off.
    EXPECT_EQ(form.UseSlowStart, False);
    EXPECT_EQ(form.UseAvoidance, False);
    EXPECT_EQ(form.UseFastRetransmit, False);
    EXPECT_EQ(form.UseSelective, False);
    EXPECT_EQ(form.UseDelayedAck, False);
    EXPECT_FALSE(form.chkAvoidance.Enabled);
    EXPECT_FALSE(form.chkFastRetransmit.Enabled);
    EXPECT_TRUE(form.chkSelective.Enabled);
    EXPECT_FALSE(form.lblDupACKs.Visible);
    EXPECT_FALSE(form.lblTxWindow[4].Visible);
    EXPECT_FALSE(form.lblSSThresh.Visible);
    EXPECT_FALSE(form.lblTxWindow[5].Visible);
}

TEST_F(StartupTest, RunControlButtonsWalkAllFiveStates)
{
    form.cmdPause_Click(); // Waiting -> Waiting paused
    expectRunState("Start", "Cont", false);
    form.cmdPause_Click(); // -> Free-running on the start-up state
    expectRunState("Start", "Pause", true);
    tick(5);
    EXPECT_EQ(form.TxOutstanding, 4);
    form.cmdPause_Click(); // Free-running -> Waiting paused, state untouched
    expectRunState("Start", "Cont", false);
    EXPECT_EQ(form.TxOutstanding, 4);
    start(); // Waiting paused -> reset, Running
    expectRunState("Reset", "Pause", true);
    EXPECT_EQ(form.TxOutstanding, 0);
    tick(2);
    form.cmdPause_Click(); // Running -> Paused
    expectRunState("Reset", "Cont", false);
    EXPECT_EQ(form.TxOutstanding, 2);
    form.cmdPause_Click(); // Paused -> Running, still untouched
    expectRunState("Reset", "Pause", true);
    EXPECT_EQ(form.TxOutstanding, 2);
    form.cmdReset_Click(); // Running -> reset, Waiting
    expectRunState("Start", "Pause", false);
    EXPECT_EQ(form.TxOutstanding, 0);
    start(); // Waiting -> Running
    expectRunState("Reset", "Pause", true);
    form.cmdPause_Click();
    form.cmdReset_Click(); // Paused -> reset, Waiting; "Cont" goes back to "Pause"
    expectRunState("Start", "Pause", false);
    form.cmdPause_Click();
    form.cmdPause_Click(); // Free-running again
    form.cmdReset_Click(); // Free-running -> reset, Running
    expectRunState("Reset", "Pause", true);
}

TEST_F(StartupTest, SlowStartRunBeginsWithTwoSegmentsAndAFullThreshold)
{
    click(form.chkSlowStart);
    form.SSThreshBytes = 5000;
    start();
    EXPECT_EQ(form.TxState, txstate::SlowStart);
    EXPECT_EQ(form.TxWindowBytes, 2000);
    EXPECT_EQ(form.SSThreshBytes, 16000);
    EXPECT_EQ(form.lblState.Caption, "SlowStart");
    EXPECT_EQ(form.VScroll1.value(), 15);
}

TEST_F(StartupTest, ResetReadsTheReceiverWindowBackFromItsFigureAndCapsTheSender)
{
    form.VScroll2.setValue(14);
    EXPECT_EQ(form.RxWindowBytes, 3000);
    EXPECT_EQ(form.TxWindowBytes, 4000); // the slider alone does not cap the sender
    start();
    EXPECT_EQ(form.RxWindowBytes, 3000);
    EXPECT_EQ(form.TxWindowBytes, 3000);
    EXPECT_EQ(form.VScroll1.value(), 14);
    for (int i = 0; i < geometry::CellCount; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, i < 3 ? colours::RxAwaited : colours::RxOutside);
}

TEST_F(StartupTest, ResetDuringARunClearsTheNetworkAndAHeldSlotTravelsAgainLater)
{
    start();
    tick(100); // packet 3 in slot 3 and the ACKs of packets 0..2 are on their way
    ASSERT_TRUE(form.cmdPacket[3].Visible);
    ASSERT_GT(visibleCount(form.cmdACK), 0);
    form.cmdPacket_Click(3);
    form.cmdPause_Click();
    form.cmdReset_Click();

    EXPECT_EQ(form.cmdReset.Caption, "Start");
    EXPECT_EQ(form.cmdPause.Caption, "Pause");
    EXPECT_FALSE(form.Timer1.Enabled);
    Form1 fresh;
    fresh.Form_Load();
    for (int i = 0; i < FlightSlots; ++i) {
        EXPECT_FALSE(form.cmdPacket[i].Visible);
        EXPECT_FALSE(form.cmdACK[i].Visible);
        EXPECT_EQ(form.cmdPacket[i].TravelMarker, colours::Travelling);
    }
    EXPECT_EQ(form.lblTx, fresh.lblTx);
    EXPECT_EQ(form.lblRx, fresh.lblRx);
    EXPECT_EQ(form.shpTimeOut, fresh.shpTimeOut);
    EXPECT_EQ(form.SendQueue, fresh.SendQueue);
    EXPECT_EQ(form.shpTxWindow, fresh.shpTxWindow);
    EXPECT_EQ(form.shpRxWindow, fresh.shpRxWindow);
    EXPECT_EQ(form.lblRxInfo.Caption, "Press 'Start' to go...");

    start();
    tick(106);
    EXPECT_EQ(form.RxNext, 3);
    tick(); // packet 3, launched in tick 34 into the freed slot 3, arrives in tick 107
    EXPECT_EQ(form.RxNext, 4);
}

TEST_F(StartupTest, ResetLeavesTheLaunchHoldoffCounting)
{
    start();
    tick(3);
    ASSERT_EQ(form.LaunchHoldoff, 8);
    form.cmdReset_Click();
    EXPECT_EQ(form.LaunchHoldoff, 8);
    start();
    tick(8);
    EXPECT_EQ(visibleCount(form.cmdPacket), 0);
    tick();
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "0"), 0);
}

} // namespace

// Retransmission timers, the first-packet rule and the Auto RTT back-off.
#include "tests/test_support.h"

using namespace support;

namespace {

class RetransmissionTest : public FormTest {
protected:
    // Packets 10..14 out, the timer of packet 10 about to run out.
    void expireFirstOfFive()
    {
        start();
        form.VScroll1.setValue(11); // six packets
        putInFlight(form, 10, 5);
        form.shpTimeOut[10].Width = 30;
        tick();
    }
};

TEST_F(RetransmissionTest, GoBackNTimeoutResendsTheOldestAndStopsTheTimersBehindIt)
{
    expireFirstOfFive();
    EXPECT_EQ(form.SSThreshBytes, 6000); // avoidance off: the window
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    EXPECT_EQ(form.lblState.Caption, "TimedOut");
    EXPECT_EQ(form.TxWindowBytes, 6000); // no slow start: the window stays
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(10)));
    EXPECT_EQ(form.lblTx[10].ForeColor, colours::TxResentInFlight);
    EXPECT_EQ(form.shpTimeOut[10], (TimeoutBar{675, "1"}));
    const int slot = visibleSlotWithTag(form.cmdPacket, "10000");
    ASSERT_GE(slot, 0);
    EXPECT_EQ(form.cmdPacket[slot].Caption, "Packet " + n(10) + " : Sequence Number " + n(10));
    for (int p = 11; p <= 14; ++p) {
        EXPECT_EQ(form.shpTimeOut[p], (TimeoutBar{675, "0"})) << "packet " << p;
        EXPECT_EQ(queued(form, static_cast<std::int16_t>(p)), 0);
    }
}

TEST_F(RetransmissionTest, SelectiveTimeoutResendsOnlyTheExpiredPacket)
{
    click(form.chkSelective);
    expireFirstOfFive();
    EXPECT_EQ(form.lblTx[10].ForeColor, colours::TxResentInFlight);
    for (int p = 11; p <= 14; ++p) {
        EXPECT_EQ(form.shpTimeOut[p], (TimeoutBar{671, "1"})) << "packet " << p;
        EXPECT_EQ(form.lblTx[p].ForeColor, colours::TxInFlight);
    }
}

TEST_F(RetransmissionTest, TimeoutThresholdHalvesTheFlightWithAvoidanceAndNeverDropsBelowTwoSegments)
{
    click(form.chkSlowStart);
    click(form.chkAvoidance);
    start();
    form.VScroll1.setValue(14);
    putInFlight(form, 0, 3);
    form.shpTimeOut[0].Width = 30;
    form.FlightBytes = 3000;
    tick();
    EXPECT_EQ(form.SSThreshBytes, 2000); // 1500, raised to the floor
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    EXPECT_EQ(form.VScroll1.value(), 16);
    EXPECT_EQ(form.TxWindowBytes, 1000);

    // In fast retransmit the threshold already set is kept, only floored.
    form.cmdReset_Click();
    start();
    putInFlight(form, 0, 3);
    form.shpTimeOut[0].Width = 30;
    form.FlightBytes = 8000;
    form.TxState = txstate::FastRetransmit;
    form.SSThreshBytes = 1500;
    form.LaunchHoldoff = 0; // the reset leaves the previous launch's holdoff running
    tick();
    EXPECT_EQ(form.SSThreshBytes, 2000);
    EXPECT_EQ(form.TxState, txstate::TimedOut);
}

TEST_F(RetransmissionTest, TimeoutDuringLaunchHoldoffIsDeferredUntilTheHoldoffRunsOut)
{
    start();
    form.VScroll1.setValue(16); // one packet
    putInFlight(form, 0, 1);
    form.shpTimeOut[0].Width = 30;
    form.LaunchHoldoff = 4;
    for (int t = 1; t <= 4; ++t) {
        tick();
        EXPECT_EQ(form.shpTimeOut[0], (TimeoutBar{0, "1"})) << "tick " << t;
        EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight) << "tick " << t;
        EXPECT_EQ(form.TxState, txstate::Normal);
    }
    tick();
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
}

TEST_F(RetransmissionTest, StoppedTimerOnTheOldestPacketResendsItOnceWithoutAStateChange)
{
    start();
    form.VScroll1.setValue(14); // three packets
    putInFlight(form, 11, 3);
    for (int p = 11; p <= 13; ++p)
        form.shpTimeOut[p] = TimeoutBar{675, "0"};
    form.LaunchHoldoff = 2;
    tick();
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(11)));
    EXPECT_EQ(form.lblTx[11].ForeColor, colours::TxQueuedAgain);
    tick(); // waiting in the queue is not a reason to queue it again
    EXPECT_EQ(queued(form, 11), 1);
    tick();
    EXPECT_EQ(form.lblTx[11].ForeColor, colours::TxResentInFlight);
    EXPECT_EQ(form.shpTimeOut[11].Tag, "1");
    EXPECT_EQ(form.lblTx[12].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.TxState, txstate::Normal);
    EXPECT_EQ(form.SSThreshBytes, 16000);
}

TEST_F(RetransmissionTest, AutoRttBacksTheTimeoutOffOnEveryResend)
{
    click(form.chkAutoRTT);
    putInFlight(form, 0, 1);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.HScroll1.value(), 12);
    EXPECT_EQ(form.TimeoutDrain, 7);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.HScroll1.value(), 20);
    EXPECT_EQ(form.TimeoutDrain, 4);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.HScroll1.value(), 20);

    form.HScroll1.setValue(5);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.HScroll1.value(), 10);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.HScroll1.value(), 20);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxQueuedAgain);
}

// The lesson of the in-order receiver: with slow start, packet 1 is lost from
// a window of three. Go-back-N against a receiver that drops what comes after
// the gap resends the whole window; selective repeat, or go-back-N against the
// receiver that keeps everything in its window, resends the lost packet alone.
TEST_F(RetransmissionTest,
       ALossUnderGoBackNWithTheInOrderReceiverResendsTheWindowAndUnderSelectiveRepeatOnePacket)
{
    const auto resentAfterLosingPacketOne = [](CheckBox Form1::*option) {
        Form1 run;
        run.Form_Load();
        run.clickCheckBox(run.chkSlowStart);
        if (option != nullptr) run.clickCheckBox(run.*option);
        run.cmdReset_Click();
        std::vector<int> resent;
        bool lost = false;
        for (int t = 0; t < 2000 && run.TxBase < 8; ++t) {
            run.Timer1_Timer();
            const int slot = visibleSlotWithTag(run.cmdPacket, "1000");
            if (!lost && slot >= 0) {
                run.cmdPacket_Click(static_cast<std::int16_t>(slot));
                run.cmdPacket_Click(static_cast<std::int16_t>(slot));
                lost = true;
            }
            for (const Label& cell : run.lblTx) {
                const int packet = captionNumber(cell);
                const bool again =
                    cell.ForeColor == colours::TxQueuedAgain || cell.ForeColor == colours::TxResentInFlight;
                if (again && std::find(resent.begin(), resent.end(), packet) == resent.end())
                    resent.push_back(packet);
            }
        }
        EXPECT_GE(run.TxBase, 8) << "the transfer did not recover";
        return resent;
    };
    EXPECT_EQ(resentAfterLosingPacketOne(&Form1::chkInOrderReceiver), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(resentAfterLosingPacketOne(&Form1::chkSelective), (std::vector<int>{1}));
    EXPECT_EQ(resentAfterLosingPacketOne(nullptr), (std::vector<int>{1}));
}

} // namespace

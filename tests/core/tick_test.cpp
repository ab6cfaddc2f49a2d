// The clock tick: travel times, timer expiry, the standing commentary lines,
// the send test and the end of the packet-number space.
#include <random>

#include "core/events.h"
#include "tests/test_support.h"

using namespace support;

namespace {

using TickTest = FormTest;

TEST_F(TickTest, PacketArrivesSeventyThreeTicksAfterLaunchAndItsAckAnotherSeventyThreeLater)
{
    start();
    tick(); // tick 1: packet 0 is queued and launched
    ASSERT_EQ(visibleSlotWithTag(form.cmdPacket, "0"), 0);
    EXPECT_EQ(form.cmdPacket[0].Top, 1320);
    tick();
    EXPECT_EQ(form.cmdPacket[0].Top, 1370);

    tick(71); // tick 73: exactly on the receiver strip, not yet arrived
    EXPECT_EQ(form.cmdPacket[0].Top, 4920);
    EXPECT_TRUE(form.cmdPacket[0].Visible);
    EXPECT_EQ(form.RxNext, 0);

    tick(); // tick 74: delivered, and its ACK starts without moving in the same tick
    EXPECT_FALSE(form.cmdPacket[0].Visible);
    EXPECT_EQ(form.RxNext, 1);
    EXPECT_EQ(form.lblRx[0].ForeColor, colours::RxReceived);
    ASSERT_TRUE(form.cmdACK[0].Visible);
    EXPECT_EQ(form.cmdACK[0].Top, 4920);
    EXPECT_EQ(form.cmdACK[0].Tag, "1000");

    tick(72); // tick 146: at the sender strip, not yet arrived
    EXPECT_EQ(form.cmdACK[0].Top, 1320);
    EXPECT_EQ(form.TxBase, 0);
    EXPECT_GT(form.shpTimeOut[0].Width, 33); // the timer of packet 0 is still running

    tick(); // tick 147
    EXPECT_FALSE(form.cmdACK[0].Visible);
    EXPECT_EQ(form.TxBase, 1);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxAcknowledged);
    EXPECT_EQ(form.shpTimeOut[0], (TimeoutBar{0, "0"}));
    EXPECT_EQ(form.TxState, txstate::Normal);                // no timeout on the way
    EXPECT_EQ(form.lblTx[4].ForeColor, colours::TxInFlight); // the window moved on by one
}

// Removes packet 0 right after its launch so that only its timer can bring it back.
class LostFirstPacket : public FormTest {
protected:
    void loseFirstPacket()
    {
        start();
        tick();
        form.cmdPacket_Click(0);
        form.cmdPacket_Click(0);
        ASSERT_FALSE(form.cmdPacket[0].Visible);
    }
};

TEST_F(LostFirstPacket, TimerAtSettingSixExpiresInTheHundredAndSixtySecondTickAfterLaunch)
{
    loseFirstPacket();
    tick();
    EXPECT_EQ(form.shpTimeOut[0].Width, 671); // 675 - 13 / 2.9, to the nearest twip
    tick(160);                                // tick 162
    EXPECT_EQ(form.shpTimeOut[0].Width, 31);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.TxState, txstate::Normal);

    tick(); // tick 163 = launch + 162
    EXPECT_EQ(form.TxState, txstate::TimedOut);
    EXPECT_EQ(form.lblState.Caption, "TimedOut");
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(0)));
    const int slot = visibleSlotWithTag(form.cmdPacket, "0");
    ASSERT_GE(slot, 0);
    EXPECT_EQ(form.cmdPacket[slot].Top, 1320);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(form.shpTimeOut[p], (TimeoutBar{675, "0"})) << "packet " << p;
}

TEST_F(LostFirstPacket, TimerAtSettingFiveExpiresInTheHundredAndEighthTickAfterLaunch)
{
    form.HScroll1.setValue(5);
    ASSERT_EQ(form.TimeoutDrain, 16);
    loseFirstPacket();
    tick();
    EXPECT_EQ(form.shpTimeOut[0].Width, 669);
    tick(106); // tick 108
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
    tick(); // tick 109 = launch + 108
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxResentInFlight);
    EXPECT_EQ(form.TxState, txstate::TimedOut);
}

TEST_F(TickTest, StandingLinesNameTheNextSequenceNumbers)
{
    start();
    tick();
    EXPECT_EQ(form.lblTxInfo.Caption,
              "Transmit window now" + n(4) + " only" + n(0) + " in flight, so sending packet" + n(0));
    EXPECT_TRUE(hasMessage(form.TxMessages, "Hoping for ACK with sequence number" + n(1)));
    EXPECT_EQ(form.lblRxInfo.Caption, "Waiting for packet" + n(0) + " with sequence number" + n(0));
    tick();
    EXPECT_TRUE(
        hasMessage(form.TxMessages, "Hoping for ACK with sequence number between" + n(1) + " and" + n(2)));

    // Near the end of the sequence space the numbers wrap.
    form.TxMessages = {};
    form.VScroll1.setValue(14); // three packets
    form.TxBase = 15;
    form.TxOutstanding = 3;
    for (int p = 15; p <= 17; ++p) {
        form.lblTx[p].ForeColor = colours::TxInFlight;
        form.shpTimeOut[p] = TimeoutBar{675, "1"};
    }
    tick();
    EXPECT_TRUE(
        hasMessage(form.TxMessages, "Hoping for ACK with sequence number between" + n(0) + " and" + n(2)));
}

TEST_F(TickTest, SendTestRoundsTheWindowHalfUp)
{
    // Set the slider first so that the end-of-tick display keeps the fraction.
    form.VScroll1.setValue(14);
    start();
    form.TxWindowBytes = 2500;
    tick(6);
    EXPECT_EQ(form.TxOutstanding, 3);
    EXPECT_EQ(form.TxWindowBytes, 2500);

    form.VScroll1.setValue(15);
    start(); // "Reset": stop and start afresh
    start();
    form.TxWindowBytes = 2499;
    tick(6);
    EXPECT_EQ(form.TxOutstanding, 2);

    form.VScroll1.setValue(12);
    form.cmdReset_Click();
    start();
    form.TxWindowBytes = 4500;
    tick();
    EXPECT_EQ(form.lblTxInfo.Caption,
              "Transmit window now" + n(4) + " only" + n(0) + " in flight, so sending packet" + n(0));
    tick(7);
    EXPECT_EQ(form.TxOutstanding, 5);
}

TEST_F(TickTest, FlightSizeCountsOnlyPacketsOnTheWireFromTheOldestUnacknowledgedOn)
{
    start();
    putInFlight(form, 2, 5);
    form.lblTx[1].ForeColor = colours::TxInFlight;    // before TxBase: not counted
    form.lblTx[3].ForeColor = colours::TxQueuedAgain; // waiting to be resent: not counted
    form.lblTx[4].ForeColor = colours::TxResentInFlight;
    form.lblTx[5].ForeColor = colours::TxQueued;
    tick();
    EXPECT_EQ(form.FlightBytes, 3000);
    EXPECT_EQ(form.lblTxWindow[3].Caption, "3");
}

// After an aliased ACK has acknowledged past every outstanding packet, the
// fast-retransmit entry resends TxBase while nothing counts as outstanding. A
// queue left one short of full by stale resends keeps the send test from
// sending it a second time, so the resent packet is the only one on the wire.
TEST_F(TickTest, PacketResentPastAnEmptiedWindowCountsAsInFlight)
{
    start();
    click(form.chkSlowStart);
    click(form.chkFastRetransmit);
    putInFlight(form, 7, 0);
    form.DupAckCount = 3;
    for (std::int16_t stale = 0; stale < SendQueueSlots - 2; ++stale)
        form.QueuePacket(static_cast<std::int16_t>(stale % 7));
    tick();

    ASSERT_EQ(form.TxOutstanding, 0);
    ASSERT_EQ(form.TxState, txstate::FastRetransmit);
    EXPECT_EQ(form.lblTx[7].ForeColor, colours::TxResentInFlight);
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "7000"), 0);
    EXPECT_EQ(form.FlightBytes, 1000);
    EXPECT_EQ(form.lblTxWindow[3].Caption, "1");
}

// A mark for a selective resend is looked for on every cell of the strip.
TEST_F(TickTest, SelectiveScanResendsAMarkWhereverItStands)
{
    start();
    putInFlight(form, 2, 3);
    form.lblTx[10].ForeColor = colours::TxMarkedForResend;
    form.LaunchHoldoff = 5; // keeps the resend in the queue, where it can be seen
    tick();
    EXPECT_EQ(form.lblTx[10].ForeColor, colours::TxQueuedAgain);
    EXPECT_EQ(queued(form, 10), 1);
    EXPECT_TRUE(hasMessage(form.TxMessages, "Retransmitting packet" + n(10)));
}

TEST_F(TickTest, RunStopsWithAMessageBeforePacketNumbersOverflow)
{
    start();
    const std::int16_t origin = PacketNumberLimit - 11;
    for (int i = 0; i < geometry::CellCount; ++i) {
        form.lblTx[i].Caption = numbers::plainText(origin + i);
        form.lblRx[i].Caption = numbers::plainText(origin + i);
        form.lblTx[i].ForeColor = i < 2 ? colours::TxAcknowledged : colours::TxInFlight;
        form.shpTimeOut[i] = i < 2 ? TimeoutBar{0, "0"} : TimeoutBar{675, "1"};
    }
    form.VScroll1.setValue(1); // sixteen packets: the window asks for more
    form.TxBase = origin + 2;
    form.TxOutstanding = 9; // the next new packet would be the limit itself
    form.RxNext = form.TxBase;
    tick();
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.cmdPause.Caption, "Cont");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].empty());
    EXPECT_EQ(queued(form, PacketNumberLimit), 0);
    EXPECT_LE(form.TxBase + form.TxOutstanding, PacketNumberLimit);
}

// The tick keeps the standing lines and the figures' inputs between ticks and
// skips drawing what has not changed. A form that forgets them before every
// event must end every event in exactly the same state, whatever the user does.
TEST_F(TickTest, KeptTextsNeverChangeWhatARunDoes)
{
    std::mt19937 random(20261208);
    start();
    Form1 forgetful = form;
    for (int event = 0; event < 60000; ++event) {
        const unsigned roll = random() % 1000;
        UserEvent next{EventKind::Tick, 0, 0};
        if (roll < 30)
            next = {EventKind::ClickPacket, static_cast<std::int16_t>(random() % 16), 0};
        else if (roll < 55)
            next = {EventKind::ClickAck, static_cast<std::int16_t>(random() % 16), 0};
        else if (roll < 62)
            next = {EventKind::ClickCheckBox, static_cast<std::int16_t>(random() % OptionBoxCount), 0};
        else if (roll < 72)
            next = {EventKind::MoveSlider, static_cast<std::int16_t>(random() % SliderCount),
                    static_cast<std::int16_t>(1 + random() % 32)};
        else if (roll < 73)
            next = {EventKind::StartReset, 0, 0};
        else if (roll < 75)
            next = {EventKind::PauseCont, 0, 0};

        forgetful.forgetDrawnTexts();
        if (next.kind == EventKind::Tick) {
            form.Timer1_Timer(); // also while paused, to reach every state the tick can meet
            forgetful.Timer1_Timer();
        } else {
            applyEvent(form, next);
            applyEvent(forgetful, next);
        }
        ASSERT_TRUE(static_cast<const FormState&>(form) == static_cast<const FormState&>(forgetful))
            << "after event " << event << ": " << describeEvent(form, next);
    }
}

} // namespace

// Holding and removing packets and ACKs in flight by clicking them.
#include "tests/test_support.h"

using namespace support;

namespace {

using LossTest = FormTest;

TEST_F(LossTest, SingleClickHoldsAPacketWhileItsTimerRunsAndALaterClickLetsItArriveLate)
{
    start();
    tick(11); // packet 0 has moved ten steps
    ASSERT_EQ(form.cmdPacket[0].Top, 1820);
    form.cmdPacket_Click(0);
    EXPECT_EQ(form.cmdPacket[0].TravelMarker, colours::Held);
    EXPECT_EQ(form.ClickHoldoff, 7);
    const int widthWhenHeld = form.shpTimeOut[0].Width;

    tick(20); // ticks 12..31: the button stands still
    EXPECT_EQ(form.cmdPacket[0].Top, 1820);
    EXPECT_TRUE(form.cmdPacket[0].Visible);
    EXPECT_EQ(form.ClickHoldoff, 0);
    EXPECT_LT(form.shpTimeOut[0].Width, widthWhenHeld);

    form.cmdPacket_Click(0);
    EXPECT_EQ(form.cmdPacket[0].TravelMarker, colours::Travelling);
    EXPECT_EQ(form.ClickHoldoff, 7);
    tick(62); // tick 93: packet 1 (launched in tick 12) arrived first, out of order
    EXPECT_TRUE(form.cmdPacket[0].Visible);
    EXPECT_EQ(form.RxNext, 0);
    EXPECT_EQ(form.lblRx[1].ForeColor, colours::RxReceived);
    tick(); // tick 94: twenty ticks late, and it fills the gap
    EXPECT_FALSE(form.cmdPacket[0].Visible);
    EXPECT_EQ(form.RxNext, 2);
}

TEST_F(LossTest, DoubleClickRemovesAPacketAndTouchesNothingElse)
{
    start();
    tick(5);
    const FormState before = form;
    form.cmdPacket_Click(0);
    form.cmdPacket_Click(0);

    FormState expected = before;
    expected.cmdPacket[0].Visible = false;
    expected.ClickHoldoff = 7;
    EXPECT_TRUE(static_cast<const FormState&>(form) == expected);
    EXPECT_EQ(form.cmdPacket[0].TravelMarker, colours::Travelling);

    tick(200); // the receiver never sees packet 0 until the timer resends it
    EXPECT_EQ(form.TxState, txstate::TimedOut);
}

TEST_F(LossTest, SecondClickWithinSevenTicksRemovesWhicheverButtonItHits)
{
    start();
    tick(74); // packet 1 in slot 1, and the ACK of packet 0 just started
    ASSERT_TRUE(form.cmdPacket[1].Visible);
    ASSERT_TRUE(form.cmdACK[0].Visible);
    form.cmdPacket_Click(1);
    tick(3);
    form.cmdACK_Click(0);
    EXPECT_FALSE(form.cmdACK[0].Visible);
    EXPECT_EQ(form.cmdACK[0].TravelMarker, colours::Travelling);
    EXPECT_TRUE(form.cmdPacket[1].Visible);
    EXPECT_EQ(form.cmdPacket[1].TravelMarker, colours::Held);
    EXPECT_EQ(form.ClickHoldoff, 4); // the removal leaves the count running down
}

TEST_F(LossTest, WhilePausedEveryClickAfterTheFirstRemovesItsButton)
{
    start();
    tick(24); // packets 0, 1 and 2 in slots 0, 1 and 2
    form.cmdPause_Click();
    form.cmdPacket_Click(0);
    EXPECT_EQ(form.cmdPacket[0].TravelMarker, colours::Held);
    form.cmdPacket_Click(1);
    form.cmdPacket_Click(0); // a held button is removed too
    form.cmdPacket_Click(2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(form.cmdPacket[i].Visible);
        EXPECT_EQ(form.cmdPacket[i].TravelMarker, colours::Travelling);
    }
    EXPECT_EQ(form.ClickHoldoff, 7);
    form.cmdPause_Click();
    tick(7);
    EXPECT_EQ(form.ClickHoldoff, 0);
}

TEST_F(LossTest, ClicksOnFreeSlotsOrOutsideTheArraysAreIgnored)
{
    start();
    tick(2);
    const FormState before = form;
    form.cmdPacket_Click(5);
    form.cmdACK_Click(0);
    form.cmdPacket_Click(16);
    form.cmdACK_Click(-1);
    EXPECT_TRUE(static_cast<const FormState&>(form) == before);
}

} // namespace

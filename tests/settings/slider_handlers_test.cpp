// The four sliders: timeout, transmit window, receive window, sequence space.
#include "tests/test_support.h"

using namespace support;

namespace {

using SlidersTest = FormTest;

TEST_F(SlidersTest, TimeoutSettingSetsTheDrainAndTurnsRedBelowSix)
{
    const int drain[] = {80, 40, 27, 20, 16, 13, 11, 10, 9, 8, 7, 7, 6, 6, 5, 5, 5, 4, 4, 4};
    for (int value = 1; value <= 20; ++value) {
        form.HScroll1.setValue(value);
        EXPECT_EQ(form.TimeoutDrain, drain[value - 1]) << "setting " << value;
        EXPECT_EQ(form.lblTimeOut[1].Caption, numbers::plainText(value));
        EXPECT_EQ(form.lblTimeOut[1].ForeColor, value < 6 ? colours::Red : colours::Black)
            << "setting " << value;
    }
}

TEST_F(SlidersTest, SliderStaysWithinItsRange)
{
    form.HScroll1.setValue(0);
    EXPECT_EQ(form.HScroll1.value(), 1);
    EXPECT_EQ(form.TimeoutDrain, 80);
    form.HScroll1.setValue(25);
    EXPECT_EQ(form.HScroll1.value(), 20);
    form.VScroll3.setValue(40);
    EXPECT_EQ(form.VScroll3.value(), 32);
    EXPECT_EQ(form.SeqModulus, 1);
    EXPECT_EQ(form.lblSequences[1].Caption, "0");
}

TEST_F(SlidersTest, ShrinkingTheReceiveWindowForgetsPacketsBeyondItAndGrowingItAwaitsMore)
{
    form.PacketArrived(6000);
    form.PacketArrived(7000);
    ASSERT_EQ(form.lblRx[7].ForeColor, colours::RxReceived);
    form.VScroll2.setValue(11);
    EXPECT_EQ(form.RxWindowBytes, 6000);
    EXPECT_EQ(numbers::parseNumber(form.lblRxWindow[1].Caption), 6.0);
    EXPECT_EQ(form.lblRx[6].ForeColor, colours::RxOutside);
    EXPECT_EQ(form.lblRx[7].ForeColor, colours::RxOutside);
    EXPECT_EQ(form.lblRx[5].ForeColor, colours::RxAwaited);
    EXPECT_EQ(form.RxNext, 0);
    EXPECT_EQ(form.shpRxWindow.Width, 135 + 660 * 6);
    EXPECT_EQ(form.TxWindowBytes, 4000); // the sender is capped only by its next ACK

    form.VScroll2.setValue(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(form.lblRx[i].ForeColor, colours::RxAwaited) << "cell " << i;
    EXPECT_EQ(form.lblRx[10].ForeColor, colours::RxOutside);
}

} // namespace

// The protocol option boxes: dependencies, flags, figures and timeout presets.
#include "tests/test_support.h"

using namespace support;

namespace {

using OptionsTest = FormTest;

TEST_F(OptionsTest, TimeoutPresetFollowsFastRetransmitAndDelayedAcks)
{
    click(form.chkSlowStart);
    EXPECT_EQ(form.HScroll1.value(), 6);
    click(form.chkFastRetransmit);
    EXPECT_EQ(form.HScroll1.value(), 12);
    EXPECT_EQ(form.TimeoutDrain, 7);
    click(form.chkDelayedACK);
    EXPECT_EQ(form.HScroll1.value(), 14);
    EXPECT_EQ(form.TimeoutDrain, 6);
    click(form.chkFastRetransmit);
    EXPECT_EQ(form.HScroll1.value(), 8);
    EXPECT_EQ(form.TimeoutDrain, 10);
    EXPECT_EQ(form.lblTimeOut[1].Caption, "8");
    click(form.chkDelayedACK);
    EXPECT_EQ(form.HScroll1.value(), 6);
    EXPECT_EQ(form.TimeoutDrain, 13);
}

TEST_F(OptionsTest, SlowStartCarriesAvoidanceAndFastRetransmitWithIt)
{
    click(form.chkSlowStart);
    EXPECT_EQ(form.UseSlowStart, True);
    EXPECT_EQ(form.TxState, txstate::SlowStart);
    EXPECT_TRUE(form.chkAvoidance.Enabled);
    EXPECT_TRUE(form.chkFastRetransmit.Enabled);
    click(form.chkAvoidance);
    form.DupAckCount = 2;
    click(form.chkFastRetransmit);
    EXPECT_EQ(form.DupAckCount, -1); // the count starts afresh on every click of the box
    EXPECT_EQ(form.UseAvoidance, True);
    EXPECT_EQ(form.UseFastRetransmit, True);
    EXPECT_TRUE(form.lblDupACKs.Visible);
    EXPECT_TRUE(form.lblTxWindow[4].Visible);
    EXPECT_TRUE(form.lblSSThresh.Visible);
    EXPECT_TRUE(form.lblTxWindow[5].Visible);

    const std::int32_t window = form.TxWindowBytes;
    click(form.chkSlowStart); // off: the two stay ticked but count for nothing
    EXPECT_EQ(form.chkAvoidance.Value, 1);
    EXPECT_EQ(form.chkFastRetransmit.Value, 1);
    EXPECT_FALSE(form.chkAvoidance.Enabled);
    EXPECT_FALSE(form.chkFastRetransmit.Enabled);
    EXPECT_EQ(form.UseAvoidance, False);
    EXPECT_EQ(form.UseFastRetransmit, False);
    EXPECT_FALSE(form.lblDupACKs.Visible);
    EXPECT_FALSE(form.lblSSThresh.Visible);
    EXPECT_EQ(form.TxState, txstate::Normal);
    EXPECT_EQ(form.HScroll1.value(), 6);
    EXPECT_EQ(form.TxWindowBytes, window);

    click(form.chkSlowStart); // on again: both options come back as they were
    EXPECT_EQ(form.UseAvoidance, True);
    EXPECT_EQ(form.UseFastRetransmit, True);
    EXPECT_EQ(form.HScroll1.value(), 12);
}

TEST_F(OptionsTest, SlowStartClickResetsTheSenderStateWhateverItWas)
{
    form.TxState = txstate::TimedOut;
    click(form.chkSlowStart);
    EXPECT_EQ(form.TxState, txstate::SlowStart);
    form.TxState = txstate::FastRetransmit;
    click(form.chkSlowStart);
    EXPECT_EQ(form.TxState, txstate::Normal);
}

TEST_F(OptionsTest, AnyOptionClickReplacesAHandSetTimeoutWithThePreset)
{
    form.TimeoutDrain = 99; // a preset equal to the current setting runs no change handling
    click(form.chkSelective);
    EXPECT_EQ(form.TimeoutDrain, 99);
    EXPECT_EQ(form.UseSelective, True); // selective repeat needs no slow start

    form.HScroll1.setValue(20);
    click(form.chkSelective);
    EXPECT_EQ(form.HScroll1.value(), 6);
    EXPECT_EQ(form.TimeoutDrain, 13);
}

} // namespace

// The protocol option boxes' click handlers and ApplyOptions, which reads
// the boxes into the model's option flags. Nothing here is stored between
// sessions: the boxes are part of the running model like every other control.
//
// Congestion avoidance and fast retransmit exist only on top of slow start:
// without it their boxes are disabled and keep their check marks, so ticking
// Slow Start again brings them back as they were. Every option click also
// puts the timeout slider to a preset that suits the chosen options. The
// go-back-N sender is the opposite of selective repeat, so its box is disabled
// the same way while Selective Repeat is ticked, and Tahoe's rule, which
// changes what fast retransmit does, while Fast Retransmit is not in force.
#include "core/form.h"

namespace {

std::int16_t flagOf(const CheckBox& box) { return box.Value == 1 && box.Enabled ? True : False; }

} // namespace

void Form1::ApplyOptions()
{
    chkSelective.Enabled = true;
    const bool slowStartTicked = chkSlowStart.Value != 0;
    chkFastRetransmit.Enabled = slowStartTicked;
    chkAvoidance.Enabled = slowStartTicked;
    chkGoBackN.Enabled = chkSelective.Value == 0;

    UseSelective = flagOf(chkSelective);
    UseSlowStart = flagOf(chkSlowStart);
    UseAvoidance = flagOf(chkAvoidance);
    UseFastRetransmit = flagOf(chkFastRetransmit);
    UseDelayedAck = flagOf(chkDelayedACK);
    UseInOrderReceiver = flagOf(chkInOrderReceiver);
    UseGoBackN = flagOf(chkGoBackN);
    // Without the option the first-packet rule resends the stopped packets one by one.
    if (!UseGoBackN) GoBackNext = -1;
    // Tahoe's rule says what fast retransmit does, so it has a say only while
    // fast retransmit is in force; its box keeps its mark meanwhile.
    chkTahoeRule.Enabled = UseFastRetransmit != False;
    UseTahoeRule = flagOf(chkTahoeRule);

    lblTxWindow[4].Visible = UseFastRetransmit != False;
    lblDupACKs.Visible = UseFastRetransmit != False;
    lblTxWindow[5].Visible = UseAvoidance != False;
    lblSSThresh.Visible = UseAvoidance != False;

    // Each assignment that moves the slider runs its change handling.
    HScroll1.setValue(6);
    if (UseFastRetransmit && !UseDelayedAck) HScroll1.setValue(12);
    if (UseFastRetransmit && UseDelayedAck) HScroll1.setValue(14);
    if (!UseFastRetransmit && UseDelayedAck) HScroll1.setValue(8);
}

void Form1::chkSlowStart_Click()
{
    ApplyOptions();
    TxState = UseSlowStart ? txstate::SlowStart : txstate::Normal;
}

void Form1::chkAvoidance_Click() { ApplyOptions(); }

void Form1::chkFastRetransmit_Click()
{
    DupAckCount = -1;
    ApplyOptions();
}

void Form1::chkSelective_Click() { ApplyOptions(); }

void Form1::chkDelayedACK_Click() { ApplyOptions(); }

void Form1::chkInOrderReceiver_Click() { ApplyOptions(); }

void Form1::chkGoBackN_Click() { ApplyOptions(); }

void Form1::chkTahoeRule_Click() { ApplyOptions(); }

void Form1::clickCheckBox(CheckBox& box)
{
    if (!box.Enabled) return;
    box.Value = box.Value == 1 ? 0 : 1;
    if (&box == &chkSlowStart)
        chkSlowStart_Click();
    else if (&box == &chkAvoidance)
        chkAvoidance_Click();
    else if (&box == &chkFastRetransmit)
        chkFastRetransmit_Click();
    else if (&box == &chkSelective)
        chkSelective_Click();
    else if (&box == &chkDelayedACK)
        chkDelayedACK_Click();
    else if (&box == &chkInOrderReceiver)
        chkInOrderReceiver_Click();
    else if (&box == &chkGoBackN)
        chkGoBackN_Click();
    else if (&box == &chkTahoeRule)
        chkTahoeRule_Click();
    // Auto RTT and Slide Numbers have no handler: they are read where they act.
}

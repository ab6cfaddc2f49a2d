#include "core/events.h"

#include "core/numbers.h"

CheckBox& optionBox(Form1& form, OptionBox box)
{
    switch (box) {
    case OptionBox::SlowStart:
        return form.chkSlowStart;
    case OptionBox::Avoidance:
        return form.chkAvoidance;
    case OptionBox::FastRetransmit:
        return form.chkFastRetransmit;
    case OptionBox::Selective:
        return form.chkSelective;
    case OptionBox::DelayedAck:
        return form.chkDelayedACK;
    case OptionBox::AutoRtt:
        return form.chkAutoRTT;
    case OptionBox::Slide:
        return form.chkSlide;
    case OptionBox::InOrderReceiver:
        return form.chkInOrderReceiver;
    case OptionBox::GoBackN:
        return form.chkGoBackN;
    case OptionBox::TahoeRule:
        break;
    }
    return form.chkTahoeRule;
}

ScrollBar& slider(Form1& form, SliderId id)
{
    switch (id) {
    case SliderId::Timeout:
        return form.HScroll1;
    case SliderId::TxWindow:
        return form.VScroll1;
    case SliderId::RxWindow:
        return form.VScroll2;
    case SliderId::Sequences:
        break;
    }
    return form.VScroll3;
}

void applyEvent(Form1& form, const UserEvent& event)
{
    switch (event.kind) {
    case EventKind::Tick:
        if (form.Timer1.Enabled) form.Timer1_Timer();
        return;
    case EventKind::StartReset:
        form.cmdReset_Click();
        return;
    case EventKind::PauseCont:
        form.cmdPause_Click();
        return;
    case EventKind::ClickPacket:
        form.cmdPacket_Click(event.target);
        return;
    case EventKind::ClickAck:
        form.cmdACK_Click(event.target);
        return;
    case EventKind::ClickCheckBox:
        if (event.target >= 0 && event.target < OptionBoxCount)
            form.clickCheckBox(optionBox(form, static_cast<OptionBox>(event.target)));
        return;
    case EventKind::MoveSlider:
        if (event.target >= 0 && event.target < SliderCount)
            slider(form, static_cast<SliderId>(event.target)).setValue(event.value);
        return;
    }
}

namespace {

constexpr const char* BoxCaptions[OptionBoxCount] = {"Slow Start",
                                                     "Avoidance",
                                                     "Fast Retransmit",
                                                     "Selective Repeat",
                                                     "Delayed ACKs",
                                                     "Auto RTT",
                                                     "Slide Numbers",
                                                     "Receiver keeps only in-order packets",
                                                     "Sender resends the whole window on a timeout",
                                                     "Fast retransmit restarts slow start (Tahoe)"};
constexpr const char* SliderTitles[SliderCount] = {"Timeout Timer", "Tx Window Size", "Rx Window Size",
                                                   "Max Sequence No"};

} // namespace

std::string describeEvent(const Form1& form, const UserEvent& event)
{
    switch (event.kind) {
    case EventKind::Tick:
        return "tick";
    case EventKind::StartReset:
        return form.cmdReset.Caption + " clicked";
    case EventKind::PauseCont:
        return form.cmdPause.Caption + " clicked";
    case EventKind::ClickPacket:
        return "packet slot " + numbers::plainText(event.target) + " clicked";
    case EventKind::ClickAck:
        return "ACK slot " + numbers::plainText(event.target) + " clicked";
    case EventKind::ClickCheckBox:
        if (event.target < 0 || event.target >= OptionBoxCount) return "unknown box clicked";
        return std::string(BoxCaptions[event.target]) + " clicked";
    case EventKind::MoveSlider:
        if (event.target < 0 || event.target >= SliderCount) return "unknown slider moved";
        return std::string(SliderTitles[event.target]) + " moved to " + numbers::plainText(event.value);
    }
    return "unknown event";
}

#include "history/run_file.h"

#include "history/run_file_names.h"

using namespace runfile::names;

std::string_view optionName(OptionBox box) { return OptionNames[static_cast<std::size_t>(box)]; }
std::string_view sliderName(SliderId slider) { return SliderNames[static_cast<std::size_t>(slider)]; }

// ---------------------------------------------------------------------------
// The start state

RunSettings settingsOf(const Form1& start)
{
    Form1& form = const_cast<Form1&>(start); // optionBox and slider only look
    RunSettings settings;
    for (int box = 0; box < OptionBoxCount; ++box)
        settings.options[box] = optionBox(form, static_cast<OptionBox>(box)).Value == 1;
    settings.timeout = static_cast<std::int16_t>(start.HScroll1.value());
    settings.txWindow = static_cast<std::int16_t>(figureOf(SliderId::TxWindow, start.VScroll1.value()));
    settings.rxWindow = static_cast<std::int16_t>(figureOf(SliderId::RxWindow, start.VScroll2.value()));
    settings.highestSequence =
        static_cast<std::int16_t>(figureOf(SliderId::Sequences, start.VScroll3.value()));
    return settings;
}

CarriedState carriedOf(const Form1& start)
{
    return CarriedState{start.TxWindowBytes,
                        start.SSThreshBytes,
                        start.LossWindowBytes,
                        start.FlightBytes,
                        start.LaunchHoldoff,
                        start.ClickHoldoff,
                        start.DupAckCount,
                        start.TxState,
                        start.lblTxWindow[1].Caption,
                        start.lblTxWindow[3].Caption,
                        start.lblDupACKs.Caption};
}

namespace {

void tickBox(Form1& form, OptionBox box, bool ticked)
{
    CheckBox& check = optionBox(form, box);
    if ((check.Value == 1) != ticked) form.clickCheckBox(check);
}

} // namespace

Form1 startState(const RunScript& script)
{
    Form1 form;
    form.Form_Load();
    const RunSettings& s = script.settings;
    const auto wanted = [&s](OptionBox box) { return s.options[static_cast<int>(box)]; };
    // Avoidance and Fast Retransmit can only be ticked while Slow Start is,
    // and Tahoe's rule while Fast Retransmit is; they keep their marks when
    // the box they hang on is cleared again.
    const bool dependants =
        wanted(OptionBox::Avoidance) || wanted(OptionBox::FastRetransmit) || wanted(OptionBox::TahoeRule);
    if (dependants) tickBox(form, OptionBox::SlowStart, true);
    tickBox(form, OptionBox::Avoidance, wanted(OptionBox::Avoidance));
    if (wanted(OptionBox::TahoeRule)) tickBox(form, OptionBox::FastRetransmit, true);
    tickBox(form, OptionBox::TahoeRule, wanted(OptionBox::TahoeRule));
    tickBox(form, OptionBox::FastRetransmit, wanted(OptionBox::FastRetransmit));
    // The go-back-N sender, likewise, only before Selective Repeat is ticked.
    tickBox(form, OptionBox::GoBackN, wanted(OptionBox::GoBackN));
    for (int box = 0; box < OptionBoxCount; ++box) {
        const auto which = static_cast<OptionBox>(box);
        if (which != OptionBox::Avoidance && which != OptionBox::FastRetransmit &&
            which != OptionBox::GoBackN && which != OptionBox::TahoeRule)
            tickBox(form, which, s.options[box]);
    }
    // The sliders last: every option click puts the timeout to a preset.
    form.HScroll1.setValue(positionOf(SliderId::Timeout, s.timeout));
    form.VScroll1.setValue(positionOf(SliderId::TxWindow, s.txWindow));
    form.VScroll2.setValue(positionOf(SliderId::RxWindow, s.rxWindow));
    form.VScroll3.setValue(positionOf(SliderId::Sequences, s.highestSequence));

    if (script.carried) {
        // The state a Reset leaves: the run before it set these, the Reset kept them.
        const CarriedState& c = *script.carried;
        form.TxWindowBytes = c.txWindowBytes;
        form.SSThreshBytes = c.ssThreshBytes;
        form.LossWindowBytes = c.lossWindowBytes;
        form.LaunchHoldoff = c.launchHoldoff;
        form.ClickHoldoff = c.clickHoldoff;
        form.TxState = c.txState;
        form.ResetSimulation();
        form.DupAckCount = c.dupAckCount;
        form.TxState = c.txState;
        form.FlightBytes = c.flightBytes;
        // The figures still show what the run before drew last.
        form.lblTxWindow[1].Caption = c.txWindowFigure;
        form.lblTxWindow[3].Caption = c.flightFigure;
        form.lblDupACKs.Caption = c.duplicateAcksFigure;
        form.forgetDrawnTexts();
    }
    return form;
}

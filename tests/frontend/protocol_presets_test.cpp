// Protocol presets: each brings the model to its documented boxes and
// sliders through ordinary events, whatever was ticked before; the run's
// history records them and a replay repeats them; links name the preset.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/state_digest.h"
#include "frontend/link_settings.h"
#include "frontend/protocol_presets.h"
#include "frontend/run_clock.h"
#include "history/run_file.h"
#include "history/run_history.h"

namespace {

Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

void click(Form1& form, RunHistory& history, OptionBox box)
{
    history.apply(form, {EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
}

// The boxes and sliders exactly as the table in protocol_presets.h documents them.
void expectDocumented(const Form1& f, const presets::ProtocolPreset& p)
{
    Form1& form = const_cast<Form1&>(f);
    for (int box = 0; box < OptionBoxCount; ++box) {
        if (static_cast<OptionBox>(box) == OptionBox::Slide) continue;
        EXPECT_EQ(optionBox(form, static_cast<OptionBox>(box)).Value == 1, p.options[box])
            << p.name << " box " << box;
    }
    EXPECT_EQ(form.HScroll1.value(), p.timeout) << p.name;
    EXPECT_EQ(17 - form.VScroll1.value(), p.txWindow) << p.name;
    EXPECT_EQ(17 - form.VScroll2.value(), p.rxWindow) << p.name;
    EXPECT_EQ(32 - form.VScroll3.value(), p.highestSequence) << p.name;
}

TEST(ProtocolPresets, EachPresetIsReachedByRecordedClicksFromAnySettingsAndReplays)
{
    using O = OptionBox;
    const auto ticks = [](std::initializer_list<O> boxes) {
        std::array<bool, OptionBoxCount> set{};
        for (const O box : boxes)
            set[static_cast<int>(box)] = true;
        return set;
    };
    const std::map<std::string, std::array<bool, OptionBoxCount>> documented = {
        {"stop-and-wait", ticks({})},
        {"go-back-n", ticks({O::GoBackN, O::InOrderReceiver})},
        {"selective-repeat", ticks({O::Selective})},
        {"tahoe", ticks({O::SlowStart, O::Avoidance, O::FastRetransmit, O::GoBackN, O::TahoeRule})},
        {"reno", ticks({O::SlowStart, O::Avoidance, O::FastRetransmit, O::GoBackN})},
    };
    ASSERT_EQ(presets::protocolPresets().size(), documented.size());
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        EXPECT_EQ(preset.options, documented.at(preset.name)) << preset.name;
        // From start-up, and from settings where disabled boxes keep marks the
        // preset must clear: Fast Retransmit and Tahoe's rule under a cleared
        // Slow Start, the go-back sender under Selective Repeat.
        for (const bool tangled : {false, true}) {
            Form1 form = loaded();
            RunHistory history(form);
            if (tangled) {
                for (const O box : {O::SlowStart, O::FastRetransmit, O::TahoeRule, O::SlowStart, O::GoBackN,
                                    O::Selective, O::DelayedAck, O::AutoRtt, O::InOrderReceiver})
                    click(form, history, box);
                history.apply(form, {EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::Timeout), 3});
            }
            EXPECT_EQ(presets::presetInForce(form), nullptr);
            EXPECT_EQ(presets::protocolText(form), "custom");
            for (const UserEvent& event : presets::presetEvents(form, preset))
                history.apply(form, event);
            expectDocumented(form, preset);
            EXPECT_EQ(presets::presetInForce(form), &preset);
            EXPECT_EQ(presets::protocolText(form), preset.title);
            EXPECT_TRUE(presets::presetEvents(form, preset).empty());

            // The run goes on; its recording, replayed, ends in the same state.
            history.apply(form, {EventKind::StartReset, 0, 0});
            while (history.ticks() < 400)
                history.tick(form);
            EXPECT_EQ(presets::protocolText(form), preset.title) << "a run keeps its protocol";
            const auto saved = history.script();
            ASSERT_TRUE(saved.error.empty()) << saved.error;
            const RunFileResult read = readRunText(writeRunText(saved.script));
            ASSERT_TRUE(read.script) << read.error;
            Form1 replay = loaded();
            RunHistory replayed(replay);
            replayed.open(replay, *read.script);
            while (replayed.ticks() < 400)
                replayed.tick(replay);
            EXPECT_EQ(stateDigest(replay), stateDigest(form)) << preset.name;
        }
    }
    Form1 form = loaded();
    EXPECT_EQ(presets::receiverRuleText(form), "Receiver keeps out-of-order packets");
    form.clickCheckBox(form.chkInOrderReceiver);
    EXPECT_EQ(presets::receiverRuleText(form), "Receiver keeps only in-order packets");
}

// A class compares Tahoe with Reno to see what the third duplicate ACK does,
// so the two presets differ in that rule and nothing else, and the status
// line says which rule is in force.
TEST(ProtocolPresets, TahoeAndRenoDifferInTahoesRuleAlone)
{
    const auto settled = [](const char* name) {
        Form1 form = loaded();
        for (const UserEvent& event : presets::presetEvents(form, *presets::findPreset(name)))
            applyEvent(form, event);
        return form;
    };
    const Form1 tahoe = settled("tahoe");
    const Form1 reno = settled("reno");
    RunSettings renoWithTahoesRule = settingsOf(reno);
    renoWithTahoesRule.options[static_cast<int>(OptionBox::TahoeRule)] = true;
    EXPECT_NE(settingsOf(tahoe), settingsOf(reno));
    EXPECT_EQ(settingsOf(tahoe), renoWithTahoesRule);
    EXPECT_EQ(tahoe.HScroll1.value(), 12) << "Fast Retransmit's timeout, under which its entry comes first";
    EXPECT_EQ(presets::fastRetransmitRuleText(tahoe), "Fast retransmit as Tahoe: back to one packet");
    EXPECT_EQ(presets::fastRetransmitRuleText(reno), "Fast retransmit as Reno: fast recovery");
    EXPECT_EQ(presets::fastRetransmitRuleText(settled("go-back-n")), "");
}

TEST(ProtocolPresets, LinksNameTheProtocolAndTheirOwnSettingsChangeIt)
{
    Form1 form = loaded();
    RunHistory history(form);
    EXPECT_TRUE(links::applyLink(form, history, "protocol=reno&speed=2").ignored.empty());
    EXPECT_EQ(presets::protocolText(form), "Reno-like TCP");
    EXPECT_EQ(links::linkQuery(form, 3), "protocol=reno&speed=2");

    Form1 other = loaded();
    RunHistory otherHistory(other);
    links::applyLink(other, otherHistory, "protocol=go-back-n&tx=4");
    EXPECT_EQ(other.chkGoBackN.Value, 1);
    EXPECT_EQ(other.chkInOrderReceiver.Value, 1);
    EXPECT_EQ(presets::protocolText(other), "custom");
    const std::string query = links::linkQuery(other, run_clock::NormalSpeed);
    EXPECT_NE(query.find("&inorder=1&gobackn=1"), std::string::npos) << query;
    Form1 again = loaded();
    RunHistory againHistory(again);
    links::applyLink(again, againHistory, query);
    EXPECT_EQ(settingsOf(again), settingsOf(other));

    Form1 plain = loaded();
    RunHistory plainHistory(plain);
    const auto outcome = links::applyLink(plain, plainHistory, "protocol=warp");
    ASSERT_EQ(outcome.ignored.size(), 1u);
    EXPECT_NE(outcome.ignored[0].find("the protocols are stop-and-wait"), std::string::npos);
}

} // namespace

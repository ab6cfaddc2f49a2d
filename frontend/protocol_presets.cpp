#include "frontend/protocol_presets.h"

#include "history/translatable.h"

namespace presets {

namespace {

// Boxes in OptionBox order: Slow Start, Avoidance, Fast Retransmit, Selective
// Repeat, Delayed ACKs, Auto RTT, Slide Numbers, in-order receiver, go-back-N
// sender, Tahoe's rule.
constexpr std::array<ProtocolPreset, 5> Presets = {{
    {"stop-and-wait", texts::translatable("protocols", "Stop-and-wait").data(), {}, 6, 1, 1, 1},
    {"go-back-n",
     texts::translatable("protocols", "Go-back-N (textbook)").data(),
     {false, false, false, false, false, false, false, true, true, false},
     6,
     8,
     8,
     15},
    {"selective-repeat",
     texts::translatable("protocols", "Selective repeat").data(),
     {false, false, false, true, false, false, false, false, false, false},
     6,
     8,
     8,
     15},
    {"tahoe",
     texts::translatable("protocols", "Tahoe-like TCP").data(),
     {true, true, true, false, false, false, false, false, true, true},
     12,
     1,
     16,
     31},
    {"reno",
     texts::translatable("protocols", "Reno-like TCP").data(),
     {true, true, true, false, false, false, false, false, true, false},
     12,
     1,
     16,
     31},
}};

bool ticked(const Form1& form, OptionBox box)
{
    return optionBox(const_cast<Form1&>(form), box).Value == 1; // only looks
}

bool wanted(const ProtocolPreset& preset, OptionBox box) { return preset.options[static_cast<int>(box)]; }

// Slider positions for the figures shown beside the bars.
int txPosition(int packets) { return 17 - packets; }
int sequencePosition(int highest) { return 32 - highest; }

} // namespace

std::span<const ProtocolPreset> protocolPresets() { return Presets; }

const ProtocolPreset* findPreset(std::string_view name)
{
    for (const ProtocolPreset& preset : Presets)
        if (name == preset.name) return &preset;
    return nullptr;
}

std::string presetNames()
{
    std::string names;
    for (const ProtocolPreset& preset : Presets)
        names += (names.empty() ? "" : ", ") + std::string(preset.name);
    return names;
}

std::vector<UserEvent> presetEvents(const Form1& form, const ProtocolPreset& preset)
{
    // The events are worked out on a copy, each applied before the next is
    // chosen, so every click lands on a box the model has enabled by then.
    Form1 copy = form;
    copy.showMessageBox = nullptr;
    std::vector<UserEvent> events;
    const auto apply = [&](const UserEvent& event) {
        applyEvent(copy, event);
        events.push_back(event);
    };
    const auto click = [&](OptionBox box) {
        if (ticked(copy, box) != wanted(preset, box))
            apply({EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
    };
    const auto move = [&](SliderId id, int position) {
        if (slider(copy, id).value() != position)
            apply(
                {EventKind::MoveSlider, static_cast<std::int16_t>(id), static_cast<std::int16_t>(position)});
    };

    // Avoidance and Fast Retransmit can change only while Slow Start is ticked,
    // Tahoe's rule only while Fast Retransmit is too; the go-back-N sender
    // only while Selective Repeat is not.
    const bool tahoeChanges = ticked(copy, OptionBox::TahoeRule) != wanted(preset, OptionBox::TahoeRule);
    const bool slowStartDependants =
        ticked(copy, OptionBox::Avoidance) != wanted(preset, OptionBox::Avoidance) ||
        ticked(copy, OptionBox::FastRetransmit) != wanted(preset, OptionBox::FastRetransmit) || tahoeChanges;
    if (slowStartDependants && !ticked(copy, OptionBox::SlowStart))
        apply({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::SlowStart), 0});
    click(OptionBox::Avoidance);
    if (tahoeChanges && !ticked(copy, OptionBox::FastRetransmit))
        apply({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::FastRetransmit), 0});
    click(OptionBox::TahoeRule);
    click(OptionBox::FastRetransmit);
    if (ticked(copy, OptionBox::GoBackN) != wanted(preset, OptionBox::GoBackN) &&
        ticked(copy, OptionBox::Selective))
        apply({EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::Selective), 0});
    click(OptionBox::GoBackN);
    for (const OptionBox box : {OptionBox::SlowStart, OptionBox::Selective, OptionBox::DelayedAck,
                                OptionBox::AutoRtt, OptionBox::InOrderReceiver})
        click(box);

    move(SliderId::RxWindow, txPosition(preset.rxWindow));
    move(SliderId::TxWindow, txPosition(preset.txWindow));
    move(SliderId::Sequences, sequencePosition(preset.highestSequence));
    move(SliderId::Timeout, preset.timeout);
    return events;
}

const ProtocolPreset* presetInForce(const Form1& form)
{
    for (const ProtocolPreset& preset : Presets) {
        bool same = form.HScroll1.value() == preset.timeout &&
                    form.VScroll2.value() == txPosition(preset.rxWindow) &&
                    form.VScroll3.value() == sequencePosition(preset.highestSequence);
        if (!wanted(preset, OptionBox::SlowStart))
            same = same && form.VScroll1.value() == txPosition(preset.txWindow);
        for (int box = 0; box < OptionBoxCount && same; ++box) {
            const auto which = static_cast<OptionBox>(box);
            if (which != OptionBox::Slide) same = ticked(form, which) == wanted(preset, which);
        }
        if (same) return &preset;
    }
    return nullptr;
}

std::string protocolText(const Form1& form)
{
    const ProtocolPreset* preset = presetInForce(form);
    return preset != nullptr ? preset->title : std::string(texts::translatable("protocols", "custom"));
}

std::string receiverRuleText(const Form1& form)
{
    return std::string(form.UseInOrderReceiver != False
                           ? texts::translatable("window", "Receiver keeps only in-order packets")
                           : texts::translatable("protocols", "Receiver keeps out-of-order packets"));
}

std::string fastRetransmitRuleText(const Form1& form)
{
    if (form.UseFastRetransmit == False) return {};
    return std::string(form.UseTahoeRule != False
                           ? texts::translatable("protocols", "Fast retransmit as Tahoe: back to one packet")
                           : texts::translatable("protocols", "Fast retransmit as Reno: fast recovery"));
}

} // namespace presets

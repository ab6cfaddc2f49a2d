#include "frontend/picture_title.h"

#include <algorithm>

#include "frontend/comparison.h"
#include "frontend/protocol_presets.h"

namespace pictures {

std::string titleLine(const TitleParts& parts)
{
    std::string line;
    for (const std::string* part : {&parts.title, &parts.protocol, &parts.losses, &parts.ticks}) {
        if (part->empty()) continue;
        if (!line.empty()) line += " \u00b7 ";
        line += *part;
    }
    return line;
}

std::string settingsText(const Form1& form)
{
    if (const presets::ProtocolPreset* preset = presets::presetInForce(form)) return preset->title;
    std::string options;
    for (const CheckBox* box : {&form.chkSlowStart, &form.chkAvoidance, &form.chkFastRetransmit,
                                &form.chkSelective, &form.chkDelayedACK, &form.chkAutoRTT,
                                &form.chkInOrderReceiver, &form.chkGoBackN, &form.chkTahoeRule}) {
        if (box->Value != 1 || !box->Enabled) continue;
        options += (options.empty() ? "" : ", ") + box->Caption;
    }
    if (options.empty()) options = "no options";
    return "custom: " + options + "; timeout " + std::to_string(form.HScroll1.value()) + ", Tx window " +
           std::to_string(17 - form.VScroll1.value()) + ", Rx window " +
           std::to_string(17 - form.VScroll2.value()) + ", highest sequence number " +
           std::to_string(32 - form.VScroll3.value());
}

std::string ticksText(std::int32_t from, std::int32_t to)
{
    if (from == to) return "tick " + std::to_string(from);
    return "ticks " + std::to_string(from) + "\u2013" + std::to_string(to);
}

TitleParts runTitle(const RunHistory::Run& run, const LossSettings& losses, std::int32_t from,
                    std::int32_t to)
{
    const RunRecorder& recorder = run.recorder;
    const auto at = [&recorder](std::int32_t tick) {
        return recorder.stateAt(std::clamp(tick, recorder.firstTick(), recorder.ticks()));
    };
    TitleParts parts;
    parts.title = run.title.empty() ? "Run " + std::to_string(run.number) : run.title;
    parts.protocol = settingsText(at(from));
    // Slow start moves the Tx window slider by itself, so only a change of
    // the options (the text before ";") is a change of protocol worth naming.
    const auto options = [](const std::string& text) { return text.substr(0, text.find(';')); };
    if (to != from) {
        const std::string later = settingsText(at(to));
        if (options(later) != options(parts.protocol)) parts.protocol += " \u2192 " + later;
    }
    parts.losses = losses::summary(losses);
    parts.ticks = ticksText(from, to);
    return parts;
}

TitleParts comparisonTitle(const Comparison& comparison, std::int32_t from, std::int32_t to)
{
    TitleParts parts;
    const std::string& title = comparison.history(0).title();
    parts.title = title.empty() ? "Comparison" : title;
    for (const std::string& label : comparison.labels())
        parts.protocol += (parts.protocol.empty() ? "" : " vs ") + label;
    parts.losses = losses::summary(comparison.losses());
    parts.ticks = ticksText(from, to);
    return parts;
}

} // namespace pictures

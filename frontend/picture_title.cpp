#include "frontend/picture_title.h"

#include <algorithm>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/protocol_presets.h"
#include "history/translatable.h"

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

namespace {

bool ticked(const CheckBox& box) { return box.Value == 1 && box.Enabled; }

// What a set of boxes makes, in words: the family it belongs to, and the
// boxes ticked beyond the ones that make it that.
std::string protocolWords(const Form1& form)
{
    if (const presets::ProtocolPreset* preset = presets::presetInForce(form)) return preset->title;
    std::vector<const CheckBox*> implied;
    std::string family;
    const bool goBackN = ticked(form.chkGoBackN) && ticked(form.chkInOrderReceiver);
    if (ticked(form.chkSlowStart)) {
        family = "TCP-like";
        implied = {&form.chkSlowStart};
    } else if (ticked(form.chkSelective)) {
        family = "Selective repeat";
        implied = {&form.chkSelective};
    } else if (goBackN) {
        family = "Go-back-N";
        implied = {&form.chkGoBackN, &form.chkInOrderReceiver};
    } else {
        family = 17 - form.VScroll1.value() == 1 ? "Stop-and-wait" : "Sliding window";
    }
    std::string extras;
    for (const CheckBox* box : {&form.chkSlowStart, &form.chkAvoidance, &form.chkFastRetransmit,
                                &form.chkTahoeRule, &form.chkSelective, &form.chkDelayedACK, &form.chkAutoRTT,
                                &form.chkInOrderReceiver, &form.chkGoBackN}) {
        if (!ticked(*box) || std::find(implied.begin(), implied.end(), box) != implied.end()) continue;
        extras += (extras.empty() ? " with " : ", ") + box->Caption;
    }
    return family + extras;
}

} // namespace

std::string settingsText(const Form1& form)
{
    const std::string words = protocolWords(form);
    if (presets::presetInForce(form) != nullptr) return words;
    // Slow start moves the send window by itself: its figure says nothing of the protocol.
    const std::string window =
        ticked(form.chkSlowStart) ? "" : ", window " + std::to_string(17 - form.VScroll1.value());
    return words + window + ", receive window " + std::to_string(17 - form.VScroll2.value()) +
           ", highest sequence number " + std::to_string(32 - form.VScroll3.value()) + ", timeout " +
           std::to_string(form.HScroll1.value());
}

std::string ticksText(std::int32_t from, std::int32_t to)
{
    if (from == to) return "tick " + std::to_string(from);
    return "ticks " + std::to_string(from) + "\u2013" + std::to_string(to);
}

namespace {

// Losses dealt by a click (the user's, or a lesson's) belong to no loss
// setting; the run's trips tell them. A handout of a lesson about a lost
// packet titled "No losses" would teach the wrong thing.
std::string clickedLosses(const RunHistory::Run& run, std::int32_t from, std::int32_t to)
{
    constexpr std::size_t Named = 3;
    std::string named;
    std::size_t count = 0;
    for (const ladder::Trip& trip : run.ladder.trips()) {
        if (trip.ending != ladder::Ending::Lost || trip.ended < from || trip.ended > to) continue;
        if (++count > Named) continue;
        const bool packet = trip.direction == ladder::Direction::Packet;
        const PlannedLoss loss{packet ? PlannedLoss::What::Packet : PlannedLoss::What::Ack,
                               packet ? trip.number : trip.arrived, trip.transmission};
        named += (named.empty() ? "" : ", ") + losses::describe(loss);
    }
    if (count == 0) return {};
    if (count > Named)
        named = texts::fill(texts::translatable("losses", "%1 and %2 more"), named, count - Named);
    return texts::fill(texts::translatable("losses", "Lost by click: %1"), named);
}

} // namespace

TitleParts runTitle(const RunHistory::Run& run, const LossSettings& losses, std::int32_t from,
                    std::int32_t to)
{
    const RunRecorder& recorder = run.recorder;
    const auto at = [&recorder](std::int32_t tick) {
        return recorder.stateAt(std::clamp(tick, recorder.firstTick(), recorder.ticks()));
    };
    TitleParts parts;
    parts.title = run.title.empty() ? "Run " + std::to_string(run.number) : run.title;
    const Form1 first = at(from);
    parts.protocol = settingsText(first);
    // Slow start moves the send window by itself, so only a change of the
    // protocol's words (its boxes) is a change worth naming.
    if (to != from) {
        const Form1 last = at(to);
        if (protocolWords(last) != protocolWords(first)) parts.protocol += " \u2192 " + settingsText(last);
    }
    parts.losses = losses::summary(losses);
    if (!losses.any()) {
        if (std::string clicked = clickedLosses(run, from, to); !clicked.empty()) parts.losses = clicked;
    }
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

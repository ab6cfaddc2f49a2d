#include "frontend/run_status.h"

#include "core/numbers.h"
#include "frontend/protocol_presets.h"
#include "history/losses.h"
#include "history/run_history.h"
#include "history/translatable.h"

namespace run_status {

StatusParts describe(const Form1& form, const RunHistory& history, double speed)
{
    StatusParts parts;
    parts.protocol = presets::protocolText(form);
    parts.receiver = presets::receiverRuleText(form);
    parts.fastRetransmit = presets::fastRetransmitRuleText(form);
    parts.tick = texts::fill(texts::translatable("status", "Tick %1"), history.ticks());
    parts.speed = numbers::shortestText(speed) + "\u00d7";

    const RunHistory::Run& run = history.run(history.runCount() - 1);
    if (!run.title.empty()) {
        parts.run = texts::fill(texts::translatable("status", "Run %1: %2"), run.number, run.title);
    } else if (run.afterReset) {
        parts.run = texts::fill(texts::translatable("status", "Run %1, options kept at Reset"), run.number);
    } else {
        parts.run = texts::fill(texts::translatable("status", "Run %1"), run.number);
    }
    // Said while the lesson stands at its end; the next tick or action clears it.
    if (history.atLessonEnd())
        parts.run = texts::fill(texts::translatable("status", "%1: End of the lesson"), parts.run);
    if (history.losses().any()) parts.losses = losses::summary(history.losses());
    return parts;
}

std::string line(const StatusParts& parts)
{
    const std::string dot = " \u00b7 ";
    std::string text = parts.protocol + dot + parts.receiver;
    if (!parts.fastRetransmit.empty()) text += dot + parts.fastRetransmit;
    text += dot + parts.tick + dot + parts.speed + dot + parts.run;
    if (!parts.losses.empty()) text += dot + parts.losses;
    return text;
}

} // namespace run_status

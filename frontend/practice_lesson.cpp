#include "frontend/practice_lesson.h"

#include "core/numbers.h"
#include "history/translatable.h"

namespace practice {

std::string shownAnswer(RunQuestion::Asks asks, const detail::Snapshot& before, const detail::Snapshot& after)
{
    switch (asks) {
    case RunQuestion::Asks::SsThresh:
        return thresholdFigure(after.threshold, after.segment);
    case RunQuestion::Asks::TxWindow:
        return windowFigure(after.window, after.segment);
    case RunQuestion::Asks::Resent:
        return packetList(detail::queuedBetween(before, after));
    case RunQuestion::Asks::AsksFor:
        return texts::fill(texts::translatable("practice", "packet %1"), after.rxNext);
    case RunQuestion::Asks::Text:
        break;
    }
    return {};
}

std::optional<std::string> lookAheadAnswer(const Form1& form, RunQuestion::Asks asks, int ticks,
                                           const NetworkLookAhead& network)
{
    if (!form.Timer1.Enabled || ticks < 1) return std::nullopt;
    Form1 copy = form;
    NetworkLookAhead copiedNetwork = network;
    bool boxShown = false;
    copy.showMessageBox = [&boxShown](const std::string&) { boxShown = true; };
    for (int i = 1; i < ticks && copy.Timer1.Enabled && !boxShown; ++i)
        copiedNetwork.tick(copy);
    if (!copy.Timer1.Enabled || boxShown) return std::nullopt;
    const detail::Snapshot before = detail::take(copy);
    copiedNetwork.tick(copy);
    if (boxShown) return std::nullopt;
    return shownAnswer(asks, before, detail::take(copy));
}

Question lessonQuestion(const RunQuestion& question, int ticksAhead)
{
    Question q;
    q.fromLesson = true;
    q.ticksAhead = ticksAhead;
    q.prompt = question.prompt;
    q.choices = question.choices;
    q.right = question.answer;
    q.explanation = question.explanation.empty()
                        ? texts::fill(texts::translatable("practice", "The run gave: %1."),
                                      question.choices[question.answer])
                        : question.explanation;
    switch (question.asks) {
    case RunQuestion::Asks::SsThresh:
        q.asked = Asked::Threshold;
        break;
    case RunQuestion::Asks::Resent:
        q.asked = Asked::ResentPackets;
        break;
    case RunQuestion::Asks::AsksFor:
        q.asked = Asked::ReceiverAsksFor;
        break;
    default:
        q.asked = Asked::TxWindow;
        break;
    }
    return q;
}

} // namespace practice

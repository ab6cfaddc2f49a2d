#include "frontend/practice.h"

#include <algorithm>

#include "core/numbers.h"
#include "frontend/practice_lesson.h"
#include "history/translatable.h"

namespace practice {

namespace {

// Fifteen seconds of run at the normal speed: far enough to find something
// in a quiet run, short enough to stay well inside the look-ahead's budget.
constexpr int Horizon = 300;

} // namespace

void Session::setOn(bool on)
{
    if (on == this->on()) return;
    question_.reset();
    pendingEventTick_ = -1;
    lookAgainAt_ = -1;
    lastTick_ = -1;
    lastAskedMs_ = -1e300;
    restartPause_ = false;
    notice_.clear();
    phase_ = on ? Phase::Watching : Phase::Off;
}

void Session::setLesson(std::vector<RunQuestion> questions)
{
    lesson_ = std::move(questions);
    lessonDone_ = -1;
}

namespace {

// The run's network as it will deal its losses, made only when a look-ahead runs.
NetworkLookAhead networkOf(const RunHistory* history)
{
    return history != nullptr ? history->networkAhead() : NetworkLookAhead{};
}

} // namespace

bool Session::askFromLesson(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable,
                            const RunHistory* history)
{
    for (const RunQuestion& q : lesson_) {
        const int ahead = q.tick - tick;
        if (q.tick <= lessonDone_ || ahead < 1 || ahead > LeadTicks) continue;
        lessonDone_ = q.tick;
        if (q.asks != RunQuestion::Asks::Text) {
            // A recorded action before the event would not be in the copy's
            // run; and a run changed since the lesson no longer bears the
            // teacher's answer out. Either way the question is not asked.
            if (foreseeable >= 0 && foreseeable < ahead) continue;
            const auto shown = lookAheadAnswer(form, q.asks, ahead, networkOf(history));
            if (!shown || *shown != q.choices[static_cast<std::size_t>(q.answer)]) continue;
        }
        pendingEventTick_ = -1;
        ask(lessonQuestion(q, ahead), tick, nowMs);
        return true;
    }
    return false;
}

void Session::setPerMinute(int questions) { perMinute_ = std::clamp(questions, 1, MostPerMinute); }

void Session::afterTick(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable)
{
    afterTick(form, tick, nowMs, foreseeable, nullptr);
}

void Session::afterTick(const Form1& form, const RunHistory& history, double nowMs)
{
    afterTick(form, history.ticks(), nowMs, history.ticksToNextScripted(), &history);
}

void Session::afterTick(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable,
                        const RunHistory* history)
{
    if (phase_ == Phase::Off) return;
    // A tick that does not follow the last one belongs to another run.
    if (lastTick_ >= 0 && tick != lastTick_ + 1 && tick != lastTick_) withdraw();
    lastTick_ = tick;
    // The pause between questions counts from when the run plays on again:
    // time spent thinking over a question, with the clock held, must not
    // bring the next one closer to it.
    if (restartPause_ && phase_ != Phase::Asking) {
        lastAskedMs_ = nowMs;
        restartPause_ = false;
    }

    if (phase_ == Phase::Asking || phase_ == Phase::Awaiting) {
        if (tick >= eventTick_) finishEvent();
        return;
    }
    if (askFromLesson(form, tick, nowMs, foreseeable, history)) return;
    if (pendingEventTick_ >= 0) {
        if (tick < pendingEventTick_ - LeadTicks) return;
        pendingEventTick_ = -1;
        // The run is deterministic, so the event is still there; asked now,
        // the prompt counts the ticks from here.
        const auto question = findQuestion(form, {LeadTicks, LeadTicks, variety_}, networkOf(history));
        if (question) ask(*question, tick, nowMs);
        return;
    }
    if (nowMs - lastAskedMs_ < 60000.0 / perMinute_ || tick < lookAgainAt_) return;
    const int horizon = foreseeable >= 0 ? std::min(Horizon, static_cast<int>(foreseeable)) : Horizon;
    const auto question = horizon >= LeadTicks
                              ? findQuestion(form, {horizon, LeadTicks, variety_}, networkOf(history))
                              : std::nullopt;
    if (!question) {
        lookAgainAt_ = tick + std::max(1, horizon - LeadTicks);
    } else if (question->ticksAhead == LeadTicks) {
        ask(*question, tick, nowMs);
    } else {
        pendingEventTick_ = tick + question->ticksAhead;
    }
}

void Session::userActed()
{
    if (phase_ == Phase::Off) return;
    withdraw();
    // A Reset begins a new run counted from 0; whatever follows is new.
    lastTick_ = -1;
    lessonDone_ = -1;
}

void Session::ask(const Question& question, std::int32_t tick, double nowMs)
{
    question_ = question;
    eventTick_ = tick + question.ticksAhead;
    lastAskedMs_ = nowMs;
    restartPause_ = true;
    ++variety_;
    chosen_ = -1;
    answered_ = false;
    notice_.clear();
    phase_ = Phase::Asking;
}

void Session::answer(int choice)
{
    if (phase_ != Phase::Asking || choice < 0 || choice >= static_cast<int>(question_->choices.size()))
        return;
    chosen_ = choice;
    answered_ = true;
    phase_ = Phase::Awaiting;
}

void Session::skip()
{
    if (phase_ != Phase::Asking) return;
    chosen_ = -1;
    answered_ = false;
    phase_ = Phase::Awaiting;
}

void Session::finishEvent()
{
    const Question& q = *question_;
    Record record;
    record.prompt = q.prompt;
    record.right = q.choices[static_cast<std::size_t>(q.right)];
    record.skipped = !answered_;
    record.answer = answered_ ? q.choices[static_cast<std::size_t>(chosen_)] : std::string();
    record.correct = answered_ && chosen_ == q.right;
    record.happening = q.happening;
    records_.push_back(std::move(record));
    phase_ = Phase::Explaining;
}

void Session::withdraw()
{
    pendingEventTick_ = -1;
    lookAgainAt_ = -1;
    if (phase_ != Phase::Asking && phase_ != Phase::Awaiting) return;
    Record record;
    record.prompt = question_->prompt;
    record.right = question_->choices[static_cast<std::size_t>(question_->right)];
    record.answer = answered_ ? question_->choices[static_cast<std::size_t>(chosen_)] : std::string();
    record.withdrawn = true;
    record.happening = question_->happening;
    records_.push_back(std::move(record));
    question_.reset();
    notice_ =
        texts::translatable("practice", "Question withdrawn: the run changed before the event it was about.");
    phase_ = Phase::Watching;
}

int Session::rightCount() const
{
    return static_cast<int>(
        std::count_if(records_.begin(), records_.end(), [](const Record& r) { return r.correct; }));
}

int Session::answeredCount() const
{
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [](const Record& r) { return !r.skipped && !r.withdrawn; }));
}

std::string Session::summary() const
{
    using numbers::plainText;
    int skipped = 0;
    int withdrawn = 0;
    for (const Record& r : records_) {
        skipped += r.skipped ? 1 : 0;
        withdrawn += r.withdrawn ? 1 : 0;
    }
    // Line by line and sentence by sentence, so that a front end can show each in the reader's language.
    using texts::fill;
    using texts::translatable;
    std::string_view score = translatable("practice", "Sliding-window practice: %1 of %2 answers right.");
    if (skipped > 0 && withdrawn > 0) {
        score = translatable("practice",
                             "Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.");
    } else if (skipped > 0) {
        score = translatable("practice", "Sliding-window practice: %1 of %2 answers right, %3 skipped.");
    } else if (withdrawn > 0) {
        score = translatable("practice", "Sliding-window practice: %1 of %2 answers right, %4 withdrawn.");
    }
    std::string text = fill(score, rightCount(), answeredCount(), skipped, withdrawn) + "\n";
    int number = 0;
    for (const Record& r : records_) {
        text += "\n" + plainText(++number) + ". " + r.prompt + "\n   ";
        if (r.withdrawn) {
            text += translatable("practice", "Withdrawn: the run was changed before the event.");
        } else if (r.skipped) {
            text += std::string(translatable("practice", "Skipped.")) + " " +
                    fill(translatable("practice", "The run gave: %1."), r.right);
        } else if (r.correct) {
            text += fill(translatable("practice", "Answer: %1."), r.answer) + " " +
                    std::string(translatable("practice", "Right."));
        } else {
            text += fill(translatable("practice", "Answer: %1."), r.answer) + " " +
                    fill(translatable("practice", "Wrong: the run gave %1."), r.right);
        }
        text += "\n";
    }
    return text;
}

const char* phaseName(Session::Phase phase)
{
    switch (phase) {
    case Session::Phase::Off:
        return "off";
    case Session::Phase::Watching:
        return "watching";
    case Session::Phase::Asking:
        return "asking";
    case Session::Phase::Awaiting:
        return "awaiting";
    case Session::Phase::Explaining:
        break;
    }
    return "explaining";
}

} // namespace practice

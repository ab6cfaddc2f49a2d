#include "history/run_history.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/numbers.h"
#include "history/translatable.h"

using texts::fill;
using texts::translatable;

namespace {

constexpr UserEvent PressPauseCont{EventKind::PauseCont, 0, 0};
constexpr UserEvent PressStartReset{EventKind::StartReset, 0, 0};

std::string megabytes(std::size_t bytes)
{
    return fill(translatable("run files", "%1 MB"), static_cast<std::int32_t>(bytes >> 20));
}

} // namespace

RunHistory::Run::Run(const Form1& start, std::int32_t checkpointSpacing, int number, bool afterReset,
                     std::string title)
    : recorder(start, checkpointSpacing), trace(start), ladder(start), number(number), afterReset(afterReset),
      title(std::move(title))
{
}

RunHistory::Call RunHistory::callOf(Call::Kind kind, const UserEvent& event, std::int32_t tick,
                                    Landing landing, const RunScript* script)
{
    Call call;
    call.kind = kind;
    call.event = event;
    call.tick = tick;
    call.landing = landing;
    call.script = script;
    return call;
}

// Tells the observer of the outermost call once it is done.
class RunHistory::CallScope {
public:
    CallScope(RunHistory& history, const Call& call, const Form1* form)
        : history_(history), call_(call), form_(form)
    {
        ++history_.callDepth_;
    }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    ~CallScope()
    {
        if (--history_.callDepth_ == 0 && history_.observer_) history_.observer_(call_, form_);
    }

private:
    RunHistory& history_;
    Call call_;
    const Form1* form_;
};

RunHistory::RunHistory(const Form1& startup, std::int32_t checkpointSpacing, std::size_t budgetBytes)
    : spacing_(checkpointSpacing), budgetBytes_(budgetBytes)
{
    beginRun(startup, false, {});
}

// ---------------------------------------------------------------------------
// Ticks and actions

void RunHistory::tick(Form1& form)
{
    const CallScope scope(*this, callOf(Call::Kind::Tick), &form);
    atLessonEnd_ = false;
    replayScripted(form); // what the recording did after the tick we stand on
    Run& run = current();
    beforeTick_.capture(form);
    flightsBeforeTick_.capture(form);
    form.Timer1_Timer();
    run.recorder.recordTick(form);
    run.trace.recordTick(beforeTick_, form);
    run.ladder.recordTick(flightsBeforeTick_, form, ticks());
    replayScripted(form);
    endLessonIfDue(form);
    if (replaying_ && scriptNext_ >= script_.size() && ticks() + scriptBase_ >= scriptEnd_)
        replaying_ = false;
    if (!replaying_ && losses_.any()) dealLosses(form);
    if (ticks() % BudgetCheckTicks == 0) keepWithinBudget();
}

// The network loses a trip at the middle of its way, on the tick it gets
// there, by the same clicks a user would make: one to hold it and one within
// the hold-off to remove it, or only the second while a hold-off runs. A
// recording's own clicks stand in for this while it plays.
void RunHistory::dealLosses(Form1& form)
{
    losses::dealCrossings(form, current().ladder, losses_,
                          [this, &form](const UserEvent& click) { record(form, click); });
}

NetworkLookAhead RunHistory::networkAhead() const
{
    if (!losses_.any()) return {};
    // A recording plays its own clicks, and the network deals from the tick
    // it ends on; a look-ahead never passes a recorded action still to come.
    std::int32_t dealsFrom = ticks() + 1;
    if (replaying_)
        dealsFrom = scriptNext_ < script_.size() ? std::numeric_limits<std::int32_t>::max()
                                                 : std::max(dealsFrom, scriptEnd_ - scriptBase_);
    return NetworkLookAhead(current().ladder, losses_, ticks(), dealsFrom);
}

void RunHistory::step(Form1& form)
{
    const CallScope scope(*this, callOf(Call::Kind::Step), &form);
    // During a replay the recording decides when the run starts.
    replayScripted(form);
    if (!replaying_ && form.cmdReset.Caption == "Start") apply(form, PressStartReset);
    if (form.Timer1.Enabled) apply(form, PressPauseCont);
    tick(form);
}

void RunHistory::apply(Form1& form, const UserEvent& event)
{
    const CallScope scope(*this, callOf(Call::Kind::Apply, event), &form);
    atLessonEnd_ = false;
    if (event.kind == EventKind::Tick) {
        if (form.Timer1.Enabled) tick(form);
        return;
    }
    if (replaying_) {
        if (scriptedNow() && script_[scriptNext_].event == event) {
            ++scriptNext_;
            if (event.kind == EventKind::StartReset) clockFlipped_ = false;
            record(form, event);
            replayScripted(form);
            return;
        }
        if (movesThroughPlayback(form, event)) return;
        if (holdsPlayback(form, event)) {
            clockFlipped_ = !clockFlipped_;
            flips_.push_back(ticks());
            record(form, event);
            return;
        }
        branch();
    }
    record(form, event);
}

// Pause and Cont hold and release the playback as long as pressing the other
// one brings the model back to where it was: always, except in the waiting
// state (Start, Pause, clock off), where Pause and then Cont would leave the
// clock running.
bool RunHistory::holdsPlayback(const Form1& form, const UserEvent& event) const
{
    if (event.kind != EventKind::PauseCont) return false;
    return !(form.cmdPause.Caption == "Pause" && !form.Timer1.Enabled);
}

// Start, Pause or Cont pressed while the run waits at its tick 0 (Start,
// Pause, clock off) with the recording's actions stamped there: they play,
// Start among them, whichever comes first. The press itself adds nothing.
bool RunHistory::movesThroughPlayback(Form1& form, const UserEvent& event)
{
    const bool waiting = form.cmdReset.Caption == "Start" && !form.Timer1.Enabled;
    const bool press = event.kind == EventKind::PauseCont || event.kind == EventKind::StartReset;
    if (!press || !waiting || !scriptedNow()) return false;
    replayScripted(form);
    return true;
}

void RunHistory::endLessonIfDue(Form1& form)
{
    if (lessonEnd_ < 0 || ticks() + scriptBase_ != lessonEnd_) return;
    lessonEnd_ = -1;
    atLessonEnd_ = true;
    if (form.Timer1.Enabled) record(form, PressPauseCont);
    current().trace.note(
        fill(translatable("log", "%1: the clock is paused; Cont goes on as a live run"), LessonEndText));
}

void RunHistory::record(Form1& form, const UserEvent& event)
{
    // A Reset ends the run; the state it leaves is the next run's tick 0.
    const bool reset = event.kind == EventKind::StartReset && form.cmdReset.Caption == "Reset";
    // User events are rare; a whole copy keeps the comparison simple.
    const Form1 before = form;
    applyEvent(form, event);
    current().recorder.recordEvent(event);
    current().trace.recordEvent(before, event, form);
    current().ladder.recordEvent(before, event, form, ticks());
    if (!reset) return;

    if (replaying_) {
        // The rest of the recording goes on in the new run, from its tick 0.
        scriptBase_ += ticks();
        scriptRunFirst_ = scriptNext_;
        flips_.clear();
    }
    beginRun(form, true, {});
}

void RunHistory::replayScripted(Form1& form)
{
    while (replaying_ && scriptedNow()) {
        const UserEvent event = script_[scriptNext_++].event;
        if (clockFlipped_ && event.kind == EventKind::PauseCont) {
            // Held by the user, the model already stands where this press put the recording.
            clockFlipped_ = false;
            flips_.push_back(ticks());
            continue;
        }
        if (event.kind == EventKind::StartReset) clockFlipped_ = false;
        record(form, event);
    }
}

void RunHistory::branch()
{
    current().trace.note(
        fill(translatable("log", "Your own action at tick %1: the recorded run from here on is dropped "
                                 "and this run goes on as a new branch"),
             ticks()));
    replaying_ = false;
    script_.clear();
    scriptNext_ = 0;
    scriptRunFirst_ = 0;
    scriptBase_ = 0;
    flips_.clear();
    clockFlipped_ = false;
    lessonEnd_ = -1; // the lesson is no longer as it was written
}

// ---------------------------------------------------------------------------
// Rewinding, opening and saving

bool RunHistory::rewindTo(Form1& form, std::int32_t tick, Landing landing)
{
    const CallScope scope(*this, callOf(Call::Kind::Rewind, {}, tick, landing), &form);
    Run& run = current();
    if (tick < run.recorder.firstTick() || tick > ticks()) return false;
    atLessonEnd_ = false;

    if (!replaying_) {
        // The run as recorded becomes the recording to replay.
        script_ = run.recorder.eventsFrom(run.recorder.firstTick());
        scriptRunFirst_ = 0;
        scriptBase_ = 0;
        scriptEnd_ = ticks();
        flips_.clear();
        clockFlipped_ = false;
        replaying_ = true;
    }
    scriptNext_ = static_cast<std::size_t>(
        std::lower_bound(script_.begin() + static_cast<std::ptrdiff_t>(scriptRunFirst_), script_.end(),
                         tick + scriptBase_,
                         [](const RecordedEvent& e, std::int32_t t) { return e.tick < t; }) -
        script_.begin());
    // The clock stood flipped at `tick` if it was flipped an odd number of times before it.
    const auto flipsBefore = std::lower_bound(flips_.begin(), flips_.end(), tick);
    clockFlipped_ = (flipsBefore - flips_.begin()) % 2 != 0;
    flips_.erase(flipsBefore, flips_.end());
    if (scriptNext_ >= script_.size() && tick + scriptBase_ >= scriptEnd_)
        replaying_ = false; // nothing after it

    Form1 rebuilt = run.recorder.stateAt(tick);
    run.recorder.truncateTo(tick);
    run.trace.truncateTo(tick);
    run.ladder.truncateTo(tick);
    auto hook = std::move(form.showMessageBox);
    form = rebuilt;
    form.showMessageBox = std::move(hook);

    if (landing == Landing::Paused && form.Timer1.Enabled) apply(form, PressPauseCont);
    return true;
}

void RunHistory::open(Form1& form, const RunScript& script)
{
    const CallScope scope(*this, callOf(Call::Kind::Open, {}, 0, Landing::AsRecorded, &script), &form);
    auto hook = std::move(form.showMessageBox);
    form = startState(script);
    form.showMessageBox = std::move(hook);

    beginRun(form, false, script.title);
    current().note = script.note;
    current().label = script.label;
    current().questions = script.questions;
    losses_ = script.losses;
    script_ = script.actions;
    scriptNext_ = 0;
    scriptRunFirst_ = 0;
    scriptBase_ = 0;
    scriptEnd_ = script.ticks;
    flips_.clear();
    clockFlipped_ = false;
    replaying_ = true;
    atLessonEnd_ = false;
    lessonEnd_ = script.note.empty() ? -1 : script.ticks;
    const std::string_view opened =
        script.title.empty()
            ? translatable(
                  "log",
                  "Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action "
                  "of your own branches it")
            : translatable("log",
                           "Opened \"%2\" (%1 ticks): it plays as recorded while the clock runs; an action "
                           "of your own branches it");
    current().trace.note(fill(opened, script.ticks, script.title));
}

void RunHistory::setLosses(const LossSettings& losses)
{
    const CallScope scope(*this, callOf(Call::Kind::Losses), nullptr);
    losses_ = losses;
}

RunHistory::SavedRun RunHistory::script() const
{
    const Run& run = current();
    SavedRun saved;
    if (run.recorder.firstTick() > 0) {
        saved.error =
            fill(translatable("run files", "This run is too long to save: its first %1 ticks were dropped to "
                                           "keep within the memory budget."),
                 run.recorder.firstTick());
        return saved;
    }
    const Form1& start = run.recorder.firstState();
    saved.script.title = run.title;
    saved.script.losses = losses_;
    saved.script.settings = settingsOf(start);
    if (run.afterReset) saved.script.carried = carriedOf(start);
    if (replaying_) {
        saved.script.actions.assign(script_.begin() + static_cast<std::ptrdiff_t>(scriptRunFirst_),
                                    script_.end());
        for (RecordedEvent& action : saved.script.actions)
            action.tick -= scriptBase_;
        saved.script.ticks = std::max(scriptEnd_ - scriptBase_, ticks());
    } else {
        saved.script.actions = run.recorder.eventsFrom(0);
        saved.script.ticks = ticks();
    }
    saved.script.note = run.note;
    saved.script.label = run.label;
    // A question about a tick the run no longer reaches (it was branched
    // before it) is left out: the file must read back.
    for (const RunQuestion& question : run.questions)
        if (question.tick <= saved.script.ticks) saved.script.questions.push_back(question);
    return saved;
}

// ---------------------------------------------------------------------------
// Runs and the memory budget

void RunHistory::beginRun(const Form1& start, bool afterReset, std::string title)
{
    if (!runs_.empty()) earlierRunsBytes_ += runBytes(current());
    runs_.push_back(std::make_unique<Run>(start, spacing_, ++runsBegun_, afterReset, std::move(title)));
    ++runsVersion_;
    keepWithinBudget();
}

std::size_t RunHistory::approximateBytes() const
{
    return script_.capacity() * sizeof(RecordedEvent) + earlierRunsBytes_ + runBytes(current());
}

void RunHistory::keepWithinBudget()
{
    while (runs_.size() > 1 && approximateBytes() > budgetBytes_) {
        const Run& oldest = *runs_.front();
        const int number = oldest.number;
        earlierRunsBytes_ -= runBytes(oldest);
        runs_.pop_front();
        ++runsVersion_;
        current().trace.note(
            fill(translatable("log", "Run %1 dropped from the record to stay within the memory budget (%2)"),
                 number, megabytes(budgetBytes_)));
    }
    if (approximateBytes() <= budgetBytes_) return;

    // The older half of this run goes; rewinds reach back to the checkpoint it keeps.
    Run& run = current();
    const std::int32_t first = run.recorder.firstTick();
    const std::int32_t cut = run.recorder.dropBefore(first + (ticks() - first) / 2);
    if (cut == first) return; // nothing left that can go
    run.trace.dropBefore(cut);
    run.ladder.dropBefore(cut);
    ++runsVersion_;
    run.trace.note(
        fill(translatable("log", "Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): "
                                 "rewinds now reach back to tick %4"),
             first, cut - 1, megabytes(budgetBytes_), cut));
}

// RunHistory: everything the window keeps of a session beyond the model
// itself, for the chart, the event log, the CSV export, single steps,
// rewinds, run files and replays.
//
// How a front end uses it:
//   - after Form_Load:            RunHistory history(form);
//   - each clock firing:          history.tick(form);           (instead of form.Timer1_Timer())
//   - a single step:              history.step(form);
//   - each user action:           history.apply(form, event);   (instead of calling the handler)
//   - step back / pick a tick:    history.rewindTo(form, tick, RunHistory::Landing::Paused);
//   - open a run file:            history.open(form, script);
//   - save one:                   saveRunFile(path, history.script());
//   - chart and log:              history.trace().samples(), history.trace().log()
//   - time-sequence diagram:      ladder::describe(history.ladder(), history.trace())
//   - export:                     writeRunCsv(stream, history.trace())       (history/run_csv.h)
// The form passed in must be the one the history has followed since start-up.
//
// Runs. Every Reset begins a new run, counted from its own tick 0; the runs
// before it stay in the record (runCount(), run(i)) until the memory budget
// needs their room.
//
// The recorded future. After a rewind, or after opening a run file, what
// was recorded after the current tick is kept as a script: each tick forward
// replays the actions stamped with it, so the run goes on exactly as it went
// before. The one rule of playback, the same in every front end: while a
// recording lies ahead, Start, Cont, Pause, Step and Step back only move
// through it. Start (or Pause or Cont) on a run waiting at its tick 0 plays
// the recording's actions there, whatever the first one is; Pause and Cont
// on a running playback hold and release it; Step plays the recording's
// actions at this tick, then one tick. Only an action that changes the
// simulation (a click on a packet or an ACK, a box, a slider, Reset)
// branches the run: the rest of the script is dropped, with a line in the
// log. An action equal to the script's next one at this tick follows it.
//
// Lessons end. A run opened from a lesson (a run file with a note) pauses
// at the recording's last tick and atLessonEnd() says so until the next
// action or tick; Cont goes on from there as a live run.
//
// Holding the playback. Pause pressed while the recording runs its clock
// stops the clock as a recorded Pause always does; the live model then shows
// "Cont" where the recording showed "Pause". The history remembers that the
// clock is flipped: Cont flips it back, and a scripted Pause or Cont met while
// flipped is skipped, since the model already stands as the recording did
// after it. Nothing else differs between the two, so every tick replays
// exactly.
//
// Memory. The whole record stays within a budget (DefaultBudgetBytes): when
// it is reached the oldest earlier runs go first, then the older half of the
// current run (rewinds then reach back only to its new first tick), each
// with a line in the log.
//
// The engine is observed, never bent: a tick is Timer1_Timer and an event is
// applyEvent, exactly what the window would run without a history.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "history/ladder.h"
#include "history/network_look_ahead.h"
#include "history/run_file.h"
#include "history/run_recorder.h"
#include "history/run_trace.h"
#include "history/translatable.h"

class RunHistory {
public:
    static constexpr std::size_t DefaultBudgetBytes = 64u * 1024u * 1024u;
    // How often, in ticks, the record's size is checked against the budget.
    static constexpr std::int32_t BudgetCheckTicks = 256;

    // `startup` is the model as Form_Load left it: tick 0 of the first run.
    explicit RunHistory(const Form1& startup,
                        std::int32_t checkpointSpacing = RunRecorder::DefaultCheckpointSpacing,
                        std::size_t budgetBytes = DefaultBudgetBytes);

    // Runs one tick on `form` and records it, replaying whatever the script
    // holds for the tick it leaves and the tick it reaches. The caller
    // decides that a tick is due: the clock fires only while Timer1 is on.
    void tick(Form1& form);

    // A single step. A run not yet started is started first (Start), a
    // running clock is paused (Pause), so that the buttons match the clock.
    // During a replay the recording's own actions at this tick come first,
    // and only a running clock is held.
    void step(Form1& form);

    // Applies a user's action as the window would (applyEvent) and records
    // it with the current tick: following the script, holding or releasing
    // its playback, or branching from it (see above). A Tick event runs
    // tick() if the clock is on.
    void apply(Form1& form, const UserEvent& event);

    // How the clock stands after a rewind. AsRecorded leaves it as it was at
    // that tick; Paused holds a running clock, as Pause does during playback.
    enum class Landing { AsRecorded, Paused };

    // Puts `form` back into its state right after tick `tick` of the current
    // run and keeps what was recorded after it as the script. The form keeps
    // its showMessageBox hook; the rebuild is silent. Returns false, and
    // changes nothing, for a tick not reached or no longer kept.
    bool rewindTo(Form1& form, std::int32_t tick, Landing landing = Landing::AsRecorded);

    // Begins a new run from the file's start and plays its actions as the
    // script; `form` is left at tick 0 with the clock off.
    void open(Form1& form, const RunScript& script);

    // The current run as a run file: the recording being replayed, or the
    // run as recorded so far, with the title, note, label and questions of
    // the file it was opened from. Empty `error` when it can be saved.
    struct SavedRun {
        RunScript script;
        std::string error;
    };
    SavedRun script() const;

    // The losses the network deals from now on (history/losses.h): kept
    // across Resets, saved with the run, and taken from a file by open().
    // Each is made after a live tick as the model's own click gesture and
    // recorded like a user's; while a recording plays, its own clicks do.
    void setLosses(const LossSettings& losses);
    const LossSettings& losses() const { return losses_; }
    // The network as it will treat the run from the tick it stands on, for a
    // look-ahead that runs a copy of the model (history/network_look_ahead.h).
    NetworkLookAhead networkAhead() const;

    // Whoever repeats the run elsewhere (a classroom's phones replay the
    // teacher's run on copies of their own) hears of every call that moves
    // it, as its caller made it, once the call is done. The history is
    // deterministic, so the same calls on a history that began alike give the
    // same run, rewinds, recordings and lesson ends included. What a call
    // does through the others (a step's Start, a rewind's Pause) is part of
    // that call and is not heard of again.
    struct Call {
        enum class Kind : std::uint8_t { Tick, Step, Apply, Rewind, Open, Losses };
        Kind kind = Kind::Tick;
        UserEvent event;                       // Apply
        std::int32_t tick = 0;                 // Rewind: the tick asked for
        Landing landing = Landing::AsRecorded; // Rewind
        const RunScript* script = nullptr;     // Open; Losses: read losses()
    };
    // `after`: the model once the call is done; null for new losses, which
    // change nothing before the next tick.
    using CallObserver = std::function<void(const Call& call, const Form1* after)>;
    void observeCalls(CallObserver observer) { observer_ = std::move(observer); }

    // A recorded future is waiting to be replayed.
    bool replaying() const { return replaying_; }
    // Ticks from now until the recording being replayed acts again: the run
    // can be foreseen exactly that far. -1 when no recorded action waits.
    std::int32_t ticksToNextScripted() const
    {
        return replaying_ && scriptNext_ < script_.size() ? script_[scriptNext_].tick - scriptBase_ - ticks()
                                                          : -1;
    }
    // The lesson being played has just reached its last tick and paused.
    bool atLessonEnd() const { return atLessonEnd_; }
    static constexpr const char* LessonEndText = texts::translatable("status", "End of the lesson").data();
    // The last tick of the recording being replayed (ticks() when none).
    std::int32_t recordedEnd() const
    {
        return replaying_ ? std::max(scriptEnd_ - scriptBase_, ticks()) : ticks();
    }

    // The current run.
    std::int32_t ticks() const { return current().recorder.ticks(); }
    const RunRecorder& recorder() const { return current().recorder; }
    const RunTrace& trace() const { return current().trace; }
    const LadderTrace& ladder() const { return current().ladder; }
    const std::string& title() const { return current().title; }

    // Every run kept in the record, the current one last.
    struct Run {
        Run(const Form1& start, std::int32_t checkpointSpacing, int number, bool afterReset,
            std::string title);
        RunRecorder recorder;
        RunTrace trace;
        LadderTrace ladder; // every trip of a packet or ACK, for the time-sequence diagram
        int number;         // 1 for the session's first run
        bool afterReset;    // began with a Reset, rather than at start-up or from a file
        std::string title;
        // What the file it was opened from says beside its run, saved with it again.
        std::string note;
        std::string label;
        std::vector<RunQuestion> questions;
    };
    std::size_t runCount() const { return runs_.size(); }
    const Run& run(std::size_t index) const { return *runs_[index]; }
    // Changes whenever a run begins or is dropped, so views know to look again.
    std::uint64_t runsVersion() const { return runsVersion_; }

    std::size_t budgetBytes() const { return budgetBytes_; }
    // What the whole record holds, roughly, in bytes.
    std::size_t approximateBytes() const;

private:
    class CallScope;
    static Call callOf(Call::Kind kind, const UserEvent& event = {}, std::int32_t tick = 0,
                       Landing landing = Landing::AsRecorded, const RunScript* script = nullptr);
    Run& current() { return *runs_.back(); }
    const Run& current() const { return *runs_.back(); }

    void record(Form1& form, const UserEvent& event);
    void replayScripted(Form1& form);
    bool holdsPlayback(const Form1& form, const UserEvent& event) const;
    bool movesThroughPlayback(Form1& form, const UserEvent& event);
    void endLessonIfDue(Form1& form);
    void dealLosses(Form1& form);
    void branch();
    void beginRun(const Form1& start, bool afterReset, std::string title);
    void keepWithinBudget();
    // Whether the script's next action is stamped with the current tick.
    bool scriptedNow() const
    {
        return scriptNext_ < script_.size() && script_[scriptNext_].tick - scriptBase_ == ticks();
    }

    std::deque<std::unique_ptr<Run>> runs_;
    // What the runs before the current one hold: they no longer change, so
    // the sum is kept rather than counted again at every Reset.
    std::size_t earlierRunsBytes_ = 0;
    // What one run's record, trace and diagram take.
    static std::size_t runBytes(const Run& run)
    {
        return run.recorder.approximateBytes() + run.trace.approximateBytes() + run.ladder.approximateBytes();
    }
    std::int32_t spacing_;
    std::size_t budgetBytes_;
    std::uint64_t runsVersion_ = 0;
    int runsBegun_ = 0;
    ObservedState beforeTick_; // reused, so a tick allocates nothing once its strings have grown
    FlightSnapshot flightsBeforeTick_;

    // The recording being replayed: all its actions, the next one to replay,
    // its length, and the ticks at which the live clock was flipped from it.
    // The script keeps the recording's own ticks; a Reset during playback
    // only moves scriptBase_ (the recording's tick that is the current run's
    // tick 0) and scriptRunFirst_ (the current run's first action), so that
    // playing a file costs time in proportion to it, however many Resets it holds.
    bool replaying_ = false;
    std::vector<RecordedEvent> script_;
    std::size_t scriptNext_ = 0;
    std::size_t scriptRunFirst_ = 0;
    std::int32_t scriptBase_ = 0;
    std::int32_t scriptEnd_ = 0;
    std::vector<std::int32_t> flips_;
    bool clockFlipped_ = false;
    // The recording's tick at which the lesson being played ends, -1 for none.
    std::int32_t lessonEnd_ = -1;
    bool atLessonEnd_ = false;
    LossSettings losses_;
    CallObserver observer_;
    int callDepth_ = 0; // calls under way, so that only the outermost is heard of
};

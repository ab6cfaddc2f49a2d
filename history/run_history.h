// RunHistory: everything the window keeps of a run beyond the model itself,
// for the chart, the event log, the CSV export, single steps and rewinds.
//
// How the window uses it:
//   - after Form_Load:            RunHistory history(form);
//   - each clock firing or step:  history.tick(form);           (instead of form.Timer1_Timer())
//   - each user action:           history.apply(form, event);   (instead of calling the handler)
//   - step back / pick a tick:    history.rewindTo(form, tick, RunHistory::Landing::Paused);
//   - chart and log:              history.trace().samples(), history.trace().log()
//   - export:                     writeRunCsv(stream, history.trace())       (history/run_csv.h)
// The form passed in must be the one the history has followed since start-up.
//
// The engine is observed, never bent: a tick is Timer1_Timer and an event is
// applyEvent, exactly what the window would run without a history.
#pragma once

#include <cstdint>

#include "core/events.h"
#include "core/form.h"
#include "history/run_recorder.h"
#include "history/run_trace.h"

class RunHistory {
public:
    // `startup` is the model as Form_Load left it: tick 0.
    explicit RunHistory(const Form1& startup,
                        std::int32_t checkpointSpacing = RunRecorder::DefaultCheckpointSpacing);

    // Runs one tick on `form` and records it. The caller decides that a tick
    // is due: the clock fires only while Timer1 is enabled, a single step
    // runs one tick whatever the clock.
    void tick(Form1& form);

    // Applies a user's action as the window would (applyEvent) and records
    // it with the current tick. A Tick event runs tick() if the clock is on.
    void apply(Form1& form, const UserEvent& event);

    // How the clock stands after a rewind. AsRecorded leaves it as it was at
    // that tick; Paused stops a running clock with a click on Pause, which is
    // recorded as the first event of the new branch.
    enum class Landing { AsRecorded, Paused };

    // Puts `form` back into its state right after tick `tick` (0 = start-up)
    // and forgets everything recorded after it, so the run goes on from there
    // as a new branch. The form keeps its showMessageBox hook; the replay is
    // silent. Returns false, and changes nothing, for a tick not yet reached.
    bool rewindTo(Form1& form, std::int32_t tick, Landing landing = Landing::AsRecorded);

    std::int32_t ticks() const { return recorder_.ticks(); }
    const RunRecorder& recorder() const { return recorder_; }
    const RunTrace& trace() const { return trace_; }

private:
    RunRecorder recorder_;
    RunTrace trace_;
    ObservedState beforeTick_; // reused, so a tick allocates nothing once its strings have grown
};

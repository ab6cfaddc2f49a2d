// RunRecorder: the user's events of a run, stamped with their tick, and the
// means to rebuild the model at any earlier tick by replaying them.
//
// The engine is deterministic and reads nothing but its events, so a run is
// fully described by its start-up state, the user events and the ticks
// between them. Ticks are counted from start-up: tick 0 is the state that
// Form_Load left; tick k is the state right after the k-th tick ran, before
// any user event that followed it. An event is stamped with the number of
// ticks that ran before it, so the events stamped k happened between tick k
// and tick k + 1.
//
// Replay starts from a checkpoint, a full copy of the Form1: one at start-up
// and one every `checkpointSpacing` ticks. A copy of the whole form, not a
// fresh reset, because a reset leaves the sliders, the options, the launch
// hold-off, the windows and more as they were.
#pragma once

#include <cstdint>
#include <vector>

#include "core/events.h"
#include "core/form.h"

struct RecordedEvent {
    std::int32_t tick = 0; // ticks that had run when the event happened
    UserEvent event;

    bool operator==(const RecordedEvent&) const = default;
};

class RunRecorder {
public:
    // 1000 ticks are 50 s of run: a rewind replays at most that many ticks
    // (well under a millisecond), and an hour of run keeps 72 copies.
    static constexpr std::int32_t DefaultCheckpointSpacing = 1000;

    // `startup` is the model as Form_Load left it (or any state to count as tick 0).
    explicit RunRecorder(const Form1& startup, std::int32_t checkpointSpacing = DefaultCheckpointSpacing);

    // A user event, recorded after the window applied it to the model.
    void recordEvent(const UserEvent& event);
    // A tick that has just run on `after`; keeps a copy every checkpointSpacing ticks.
    void recordTick(const Form1& after);

    std::int32_t ticks() const { return ticks_; }
    // The earliest tick that can still be rebuilt: 0 unless a long run
    // dropped its beginning (dropBefore).
    std::int32_t firstTick() const { return checkpoints_.front().tick; }
    // The model at firstTick(): the run's start, unless dropped.
    const Form1& firstState() const { return checkpoints_.front().form; }
    const std::vector<RecordedEvent>& events() const { return events_; }
    std::int32_t checkpointSpacing() const { return spacing_; }
    std::size_t checkpointCount() const { return checkpoints_.size(); }

    // The model right after tick `tick` ran (0 <= tick <= ticks()), rebuilt by
    // replaying the recorded events on the latest checkpoint at or before it.
    // Message boxes stay silent during the replay; the result has no
    // showMessageBox hook.
    Form1 stateAt(std::int32_t tick) const;

    // Forgets everything after tick `tick`: the events stamped with it or
    // later, later ticks and their checkpoints. The run goes on from there.
    void truncateTo(std::int32_t tick);
    // Forgets everything before the latest checkpoint at or before `tick`,
    // which becomes the earliest tick that can be rebuilt. Returns it.
    std::int32_t dropBefore(std::int32_t tick);

    // The events stamped `tick` or later, in order.
    std::vector<RecordedEvent> eventsFrom(std::int32_t tick) const;
    // What the events and checkpoints hold, roughly, in bytes.
    std::size_t approximateBytes() const;
    // Roughly what one copy of the model takes, with its texts.
    static std::size_t formBytes(const Form1& form);

private:
    struct Checkpoint {
        std::int32_t tick;
        std::size_t eventsBefore; // events stamped before this tick
        Form1 form;
    };

    std::size_t firstEventStampedFrom(std::int32_t tick) const;

    std::int32_t spacing_;
    std::int32_t ticks_ = 0;
    std::vector<RecordedEvent> events_; // in the order they happened, so sorted by tick
    std::vector<Checkpoint> checkpoints_;
};

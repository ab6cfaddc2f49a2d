// The teacher's run, for phones to replay on copies of their own.
//
// The journal hears every call that moves the teacher's history (a tick, a
// step, a user's action, a rewind, a file opened, new losses: see
// RunHistory::observeCalls) from the program's start on. The history is
// deterministic, so a phone that begins at start-up and makes the same calls
// on its own history stands exactly where the teacher's window stands: the
// same model, the same recording ahead, the same lesson end. Each call goes
// to the phones numbered and with the state digest after it, so that a phone
// notices a message it missed or a state that strayed, and joins again; a
// phone joining late is sent every call so far at once.
//
// Twenty ticks a second to every phone would cost the teacher's laptop more
// than its window does, so ticks travel in batches (a Tick call with its
// count, sent a few times a second), while every other call goes at once,
// after the ticks before it. Between batches the phone keeps the run's
// clock itself (Follower::predict), a little behind the projector, and the
// next batch checks every tick it made; an action the teacher made at a tick
// the phone had already played past rebuilds the run. Calls that came are
// played at the pace they were made (Follower::advance).
//
// Ticks in a row are listed as one call with their count, and opening a run
// file starts the list again from there, so the catch-up stays small: a
// five-minute run with a few dozen actions is well under a kilobyte.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form.h"
#include "frontend/classroom_wire.h"
#include "history/run_history.h"

namespace classroom {

// The state digest as the messages carry it: sixteen hexadecimal digits.
std::string digestText(const Form1& form);

// The call as a phone replays it; `history.losses()` for new losses.
Call callOf(const RunHistory::Call& call, const RunHistory& history);

// Makes `call` on `form` and `history`, as the teacher's window made it.
void replay(const Call& call, Form1& form, RunHistory& history);

class Journal {
public:
    // After every call the teacher's history heard (its observer).
    void record(const RunHistory::Call& call, const RunHistory& history);

    // The last call as the message every phone following is sent.
    std::string lastMessage(const Form1& after) const;
    // The last ticks heard, as one message: `digests` holds the state digest
    // after each of them (digestText, one after another). It may be sent
    // after another call has been recorded, ahead of that call's message:
    // it carries the number of its own last tick.
    std::string ticksMessage(const std::string& digests) const;
    // Every call so far, for a phone that joins now.
    std::string catchUp(const Form1& now) const;
    // The same without the last `heldTicks` ticks, which every phone is about
    // to be sent in the next batch anyway: a phone joining between batches
    // then costs nobody else a message. `digest` is the state before them.
    std::string catchUpBefore(std::int32_t heldTicks, std::string_view digest) const;
    // The number of the last call (the first is 1).
    std::uint64_t number() const { return number_; }

private:
    std::uint64_t number_ = 0;
    std::uint64_t lastTick_ = 0; // the number of the last tick
    Call last_;
    // The calls before the current run of ticks, as the catch-up lists them.
    std::string listed_;
    std::int32_t ticksInARow_ = 0;
};

// A phone's side: the class's run rebuilt from the journal's messages.
class Follower {
public:
    enum class Outcome : std::uint8_t {
        Applied, // the run moved as the teacher's did
        Missed,  // a message was missed: join again to catch up
        Strayed, // the state differs from the teacher's: join again
    };

    // Takes a Calls or Sync message. A Sync replaces `form` and `history` at
    // once; the calls of other messages wait for advance(). While the student
    // tries something of their own (following() false), calls are only kept.
    Outcome take(const ServerMessage& message, Form1& form, std::optional<RunHistory>& history);

    // Makes the calls waiting, up to `ticks` ticks and every other call met
    // on the way; Strayed when the state then differs from the teacher's.
    Outcome advance(std::int32_t ticks, Form1& form, RunHistory& history);
    // Ticks waiting to be made.
    std::int32_t owed() const { return owed_; }

    // Makes up to `ticks` ticks of the phone's own clock beyond what the
    // teacher has sent, while nothing waits and the run's clock is running:
    // ticks are batched rarely, and the phone keeps pace with the projector
    // between batches instead of playing each batch after it. The next batch
    // checks each of them against the teacher's digests; an action that
    // turns out to lie behind them rebuilds the run, so the phone stands
    // where the teacher stood when it acted. Returns the ticks made, or -1
    // when there is no clock to keep: calls wait, the clock is stopped, the
    // student tries something of their own, or the phone has not caught up.
    std::int32_t predict(std::int32_t ticks, Form1& form, RunHistory& history);
    // Ticks made ahead of the teacher's messages, not yet checked.
    std::int32_t ahead() const { return static_cast<std::int32_t>(ahead_.size()); }

    // Stops making the calls on the run shown, or rebuilds it from every
    // call heard and makes them again from then on.
    void setFollowing(bool following, Form1& form, std::optional<RunHistory>& history);
    bool following() const { return following_; }
    bool synced() const { return synced_; }
    std::uint64_t number() const { return number_; }
    // Digests that differed from the teacher's (each answered by joining again).
    int strayed() const { return strayed_; }
    // Told the teacher's digest and the phone's at the end of every message made.
    std::function<void(const std::string& teachers, const std::string& own)> onChecked;

private:
    void rebuild(Form1& form, std::optional<RunHistory>& history);
    void keep(const Call& call);
    // Queues the calls of `message` from `first` on to be made by advance().
    void await(const ServerMessage& message, std::size_t first);
    // Takes a message that arrived while ticks were made ahead.
    Outcome confirm(const ServerMessage& message, Form1& form, std::optional<RunHistory>& history);
    // Counts a digest that differed from the teacher's and forgets what waits.
    Outcome stray();

    struct Waiting {
        Call call;
        std::string digest;       // the teacher's after it, when it ends a message
        bool checkedEach = false; // ticks that came with the digest after each
    };
    std::vector<Call> calls_;
    std::deque<Waiting> waiting_;
    std::int32_t owed_ = 0;
    // The phone's digest after each tick made ahead, oldest first. Only
    // while it is not empty may waiting_ be empty: the two never overlap.
    std::deque<std::string> ahead_;
    std::uint64_t number_ = 0;
    bool synced_ = false;
    bool following_ = true;
    int strayed_ = 0;
};

} // namespace classroom

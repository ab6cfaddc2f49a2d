#include "frontend/classroom_journal.h"

#include <utility>

#include "core/state_digest.h"
#include "history/run_file.h"

namespace classroom {

using Kind = RunHistory::Call::Kind;

std::string digestText(const Form1& form)
{
    constexpr char hex[] = "0123456789abcdef";
    std::uint64_t digest = stateDigest(form);
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, digest >>= 4)
        text[static_cast<std::size_t>(i)] = hex[digest & 0xF];
    return text;
}

Call callOf(const RunHistory::Call& heard, const RunHistory& history)
{
    Call call;
    call.kind = heard.kind;
    switch (heard.kind) {
    case Kind::Tick:
    case Kind::Step:
        break;
    case Kind::Apply:
        call.event = heard.event;
        break;
    case Kind::Rewind:
        call.tick = heard.tick;
        call.paused = heard.landing == RunHistory::Landing::Paused;
        break;
    case Kind::Open:
        call.runText = writeRunText(*heard.script);
        break;
    case Kind::Losses:
        call.losses = history.losses();
        break;
    }
    return call;
}

void replay(const Call& call, Form1& form, RunHistory& history)
{
    switch (call.kind) {
    case Kind::Tick:
        for (std::int32_t i = 0; i < call.count; ++i)
            history.tick(form);
        break;
    case Kind::Step:
        history.step(form);
        break;
    case Kind::Apply:
        history.apply(form, call.event);
        break;
    case Kind::Rewind:
        history.rewindTo(form, call.tick,
                         call.paused ? RunHistory::Landing::Paused : RunHistory::Landing::AsRecorded);
        break;
    case Kind::Open: {
        // The teacher's program read this very text; a phone's reads it the same.
        const RunFileResult read = readRunText(call.runText);
        if (read.script) history.open(form, *read.script);
        break;
    }
    case Kind::Losses:
        history.setLosses(call.losses);
        break;
    }
}

// ---------------------------------------------------------------------------
// The teacher's side

void Journal::record(const RunHistory::Call& heard, const RunHistory& history)
{
    ++number_;
    last_ = callOf(heard, history);
    if (last_.kind == Kind::Tick) {
        ++ticksInARow_;
        return;
    }
    if (ticksInARow_ > 0) {
        Call ticks;
        ticks.count = ticksInARow_;
        appendCall(listed_, ticks);
        ticksInARow_ = 0;
    }
    // A file opened is a new start: nothing before it shapes what follows.
    if (last_.kind == Kind::Open) listed_.clear();
    appendCall(listed_, last_);
}

std::string Journal::lastMessage(const Form1& after) const
{
    return callMessage(last_, number_, digestText(after));
}

std::string Journal::catchUp(const Form1& now) const
{
    if (ticksInARow_ == 0) return syncMessage(number_, digestText(now), listed_);
    std::string list = listed_;
    Call ticks;
    ticks.count = ticksInARow_;
    appendCall(list, ticks);
    return syncMessage(number_, digestText(now), list);
}

// ---------------------------------------------------------------------------
// A phone's side

void Follower::keep(const Call& call)
{
    if (call.kind == Kind::Open) calls_.clear();
    if (call.kind == Kind::Tick && !calls_.empty() && calls_.back().kind == Kind::Tick) {
        calls_.back().count += call.count;
        return;
    }
    calls_.push_back(call);
}

void Follower::rebuild(Form1& form, std::optional<RunHistory>& history) const
{
    // As the teacher's program began: a fresh start-up and its history.
    auto hook = std::move(form.showMessageBox);
    form = Form1{};
    form.showMessageBox = nullptr; // the teacher's window showed its boxes; the replay shows none
    form.Form_Load();
    history.emplace(form);
    for (const Call& call : calls_)
        replay(call, form, *history);
    form.showMessageBox = std::move(hook);
}

Follower::Outcome Follower::take(const ServerMessage& message, Form1& form,
                                 std::optional<RunHistory>& history)
{
    if (message.kind == ServerMessage::Kind::Sync) {
        calls_.clear();
        for (const Call& call : message.calls)
            keep(call);
        number_ = message.number;
        digest_ = message.digest;
        synced_ = true;
        if (!following_) return Outcome::Applied;
        rebuild(form, history);
    } else if (message.kind == ServerMessage::Kind::Calls) {
        if (!synced_ || message.number != number_ + 1) {
            synced_ = false;
            return Outcome::Missed;
        }
        number_ = message.number;
        digest_ = message.digest;
        for (const Call& call : message.calls)
            keep(call);
        if (!following_) return Outcome::Applied;
        auto hook = std::move(form.showMessageBox);
        form.showMessageBox = nullptr;
        for (const Call& call : message.calls)
            replay(call, form, *history);
        form.showMessageBox = std::move(hook);
    } else {
        return Outcome::Applied;
    }
    if (digestText(form) == digest_) return Outcome::Applied;
    ++strayed_;
    synced_ = false;
    return Outcome::Strayed;
}

void Follower::setFollowing(bool following, Form1& form, std::optional<RunHistory>& history)
{
    if (following == following_) return;
    following_ = following;
    if (following && synced_) rebuild(form, history);
}

} // namespace classroom

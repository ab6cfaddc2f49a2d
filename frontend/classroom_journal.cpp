#include "frontend/classroom_journal.h"

#include <algorithm>
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
        lastTick_ = number_;
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

std::string Journal::ticksMessage(const std::string& digests) const
{
    constexpr std::size_t digestSize = 16;
    Call ticks;
    ticks.count = static_cast<std::int32_t>(digests.size() / digestSize);
    ticks.tickDigests = digests;
    const std::string_view after =
        digests.size() >= digestSize ? std::string_view(digests).substr(digests.size() - digestSize) : "";
    return callMessage(ticks, lastTick_, after);
}

std::string Journal::catchUp(const Form1& now) const { return catchUpBefore(0, digestText(now)); }

std::string Journal::catchUpBefore(std::int32_t heldTicks, std::string_view digest) const
{
    // Only ticks of the current run can be held back: any other call sends the batch first.
    const std::int32_t held = std::clamp(heldTicks, 0, ticksInARow_);
    const std::uint64_t number = number_ - static_cast<std::uint64_t>(held);
    if (ticksInARow_ == held) return syncMessage(number, digest, listed_);
    std::string list = listed_;
    Call ticks;
    ticks.count = ticksInARow_ - held;
    appendCall(list, ticks);
    return syncMessage(number, digest, list);
}

// ---------------------------------------------------------------------------
// A phone's side

void Follower::keep(const Call& given)
{
    // Kept to rebuild the run, which checks no digest on the way.
    Call call = given;
    call.tickDigests.clear();
    if (call.kind == Kind::Open) calls_.clear();
    if (call.kind == Kind::Tick && !calls_.empty() && calls_.back().kind == Kind::Tick) {
        calls_.back().count += call.count;
        return;
    }
    calls_.push_back(call);
}

void Follower::rebuild(Form1& form, std::optional<RunHistory>& history)
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
    waiting_.clear();
    owed_ = 0;
    ahead_.clear();
}

namespace {

// The calls a message stands for: each tick is a call of its own.
std::uint64_t callsIn(const ServerMessage& message)
{
    std::uint64_t calls = 0;
    for (const Call& call : message.calls)
        calls += call.kind == Kind::Tick ? static_cast<std::uint64_t>(call.count) : 1;
    return calls;
}

} // namespace

Follower::Outcome Follower::take(const ServerMessage& message, Form1& form,
                                 std::optional<RunHistory>& history)
{
    if (message.kind == ServerMessage::Kind::Sync) {
        calls_.clear();
        for (const Call& call : message.calls)
            keep(call);
        number_ = message.number;
        synced_ = true;
        if (!following_) return Outcome::Applied;
        rebuild(form, history);
        if (digestText(form) == message.digest) return Outcome::Applied;
        ++strayed_;
        synced_ = false;
        return Outcome::Strayed;
    }
    if (message.kind != ServerMessage::Kind::Calls) return Outcome::Applied;
    if (!synced_ || message.number != number_ + callsIn(message)) {
        synced_ = false;
        return Outcome::Missed;
    }
    number_ = message.number;
    for (const Call& call : message.calls)
        keep(call);
    if (!following_) return Outcome::Applied;
    if (!ahead_.empty()) return confirm(message, form, history);
    await(message, 0);
    return Outcome::Applied;
}

void Follower::await(const ServerMessage& message, std::size_t first)
{
    for (std::size_t i = first; i < message.calls.size(); ++i) {
        const Call& call = message.calls[i];
        waiting_.push_back({call, i + 1 == message.calls.size() ? message.digest : std::string(),
                            !call.tickDigests.empty()});
        if (call.kind == Kind::Tick) owed_ += call.count;
    }
}

Follower::Outcome Follower::stray()
{
    ++strayed_;
    synced_ = false;
    waiting_.clear();
    owed_ = 0;
    ahead_.clear();
    return Outcome::Strayed;
}

Follower::Outcome Follower::confirm(const ServerMessage& message, Form1& form,
                                    std::optional<RunHistory>& history)
{
    const std::size_t calls = message.calls.size();
    for (std::size_t i = 0; i < calls; ++i) {
        const Call& call = message.calls[i];
        if (call.kind != Kind::Tick) {
            // The teacher acted at a tick the phone has already played past
            // (its clock was held, or the message came late): the run is made
            // again from every call heard, this message's too, and stands
            // where the teacher's does.
            rebuild(form, history);
            const std::string own = digestText(form);
            if (onChecked) onChecked(message.digest, own);
            return own == message.digest ? Outcome::Applied : stray();
        }
        const bool eachChecked = !call.tickDigests.empty();
        const std::int32_t made = std::min(call.count, ahead());
        for (std::int32_t t = 0; t < made; ++t) {
            const std::string own = std::move(ahead_.front());
            ahead_.pop_front();
            const bool lastOfMessage = i + 1 == calls && t + 1 == call.count;
            const std::string_view teachers =
                eachChecked ? std::string_view(call.tickDigests).substr(16 * static_cast<std::size_t>(t), 16)
                : lastOfMessage ? std::string_view(message.digest)
                                : std::string_view();
            if (teachers.empty()) continue;
            if (onChecked) onChecked(std::string(teachers), own);
            if (own != teachers) return stray();
        }
        if (made < call.count) {
            // The phone was behind the teacher after all: the rest of this
            // message waits for advance() like any other.
            Call rest = call;
            rest.count -= made;
            if (eachChecked) rest.tickDigests.erase(0, 16 * static_cast<std::size_t>(made));
            waiting_.push_back({rest, i + 1 == calls ? message.digest : std::string(), eachChecked});
            owed_ += rest.count;
            await(message, i + 1);
            return Outcome::Applied;
        }
        if (ahead_.empty()) {
            // Caught up exactly: what follows waits as usual.
            await(message, i + 1);
            return Outcome::Applied;
        }
    }
    return Outcome::Applied;
}

std::int32_t Follower::predict(std::int32_t ticks, Form1& form, RunHistory& history)
{
    if (!following_ || !synced_ || !waiting_.empty() || !form.Timer1.Enabled) return -1;
    auto hook = std::move(form.showMessageBox);
    form.showMessageBox = nullptr;
    std::int32_t made = 0;
    for (; made < ticks && form.Timer1.Enabled; ++made) {
        history.tick(form);
        ahead_.push_back(digestText(form));
    }
    form.showMessageBox = std::move(hook);
    return made;
}

Follower::Outcome Follower::advance(std::int32_t ticks, Form1& form, RunHistory& history)
{
    auto hook = std::move(form.showMessageBox);
    form.showMessageBox = nullptr;
    Outcome outcome = Outcome::Applied;
    // Compares the state with the teacher's; false, and the phone must join again, when they differ.
    const auto checked = [&](std::string_view teachers) {
        const std::string own = digestText(form);
        if (onChecked) onChecked(std::string(teachers), own);
        if (own == teachers) return true;
        ++strayed_;
        synced_ = false;
        outcome = Outcome::Strayed;
        waiting_.clear();
        owed_ = 0;
        return false;
    };
    while (!waiting_.empty() && following_) {
        Waiting& next = waiting_.front();
        if (next.call.kind == Kind::Tick) {
            if (ticks <= 0) break;
            // One tick at a time when the teacher's digest of each came with them.
            const bool eachChecked = !next.call.tickDigests.empty();
            const std::int32_t now = eachChecked ? 1 : std::min(ticks, next.call.count);
            Call some = next.call;
            some.count = now;
            some.tickDigests.clear();
            replay(some, form, history);
            ticks -= now;
            owed_ -= now;
            next.call.count -= now;
            if (eachChecked) {
                const std::string teachers = next.call.tickDigests.substr(0, 16);
                next.call.tickDigests.erase(0, 16);
                if (!checked(teachers)) break;
            }
            if (next.call.count > 0) continue;
        } else {
            replay(next.call, form, history);
        }
        const std::string digest = std::move(next.digest);
        const bool checkedEach = next.checkedEach;
        waiting_.pop_front();
        // A batch whose every tick was checked has had its last one checked too.
        if (digest.empty() || checkedEach) continue;
        if (!checked(digest)) break;
    }
    form.showMessageBox = std::move(hook);
    return outcome;
}

void Follower::setFollowing(bool following, Form1& form, std::optional<RunHistory>& history)
{
    if (following == following_) return;
    following_ = following;
    waiting_.clear();
    owed_ = 0;
    ahead_.clear();
    if (following && synced_) rebuild(form, history);
}

} // namespace classroom

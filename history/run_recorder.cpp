#include "history/run_recorder.h"

#include <algorithm>

namespace {

// Replay must not pop up the "Run Out of Packets to Send" box a second time.
// Whether the box is due is itself part of the state (once per shortage), so
// the silent replay still ends in the state the live run reached.
Form1 silentCopy(const Form1& form)
{
    Form1 copy = form;
    copy.showMessageBox = nullptr;
    return copy;
}

} // namespace

RunRecorder::RunRecorder(const Form1& startup, std::int32_t checkpointSpacing)
    : spacing_(std::max<std::int32_t>(checkpointSpacing, 1))
{
    checkpoints_.push_back(Checkpoint{0, 0, silentCopy(startup)});
}

void RunRecorder::recordEvent(const UserEvent& event) { events_.push_back(RecordedEvent{ticks_, event}); }

void RunRecorder::recordTick(const Form1& after)
{
    ++ticks_;
    if (ticks_ % spacing_ == 0) checkpoints_.push_back(Checkpoint{ticks_, events_.size(), silentCopy(after)});
}

Form1 RunRecorder::stateAt(std::int32_t tick) const
{
    tick = std::clamp(tick, firstTick(), ticks_);
    // The latest checkpoint at or before the tick; the one at start-up always qualifies.
    const auto later = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), tick,
                                        [](std::int32_t t, const Checkpoint& c) { return t < c.tick; });
    const Checkpoint& start = *std::prev(later);

    Form1 form = start.form;
    std::size_t next = start.eventsBefore;
    for (std::int32_t now = start.tick; now < tick; ++now) {
        for (; next < events_.size() && events_[next].tick == now; ++next)
            applyEvent(form, events_[next].event);
        // Every recorded tick ran, whether the clock drove it or a single step did.
        form.Timer1_Timer();
    }
    return form;
}

void RunRecorder::truncateTo(std::int32_t tick)
{
    tick = std::clamp(tick, firstTick(), ticks_);
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(firstEventStampedFrom(tick)), events_.end());
    const auto later = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), tick,
                                        [](std::int32_t t, const Checkpoint& c) { return t < c.tick; });
    checkpoints_.erase(later, checkpoints_.end());
    ticks_ = tick;
}

std::int32_t RunRecorder::dropBefore(std::int32_t tick)
{
    const auto later = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), tick,
                                        [](std::int32_t t, const Checkpoint& c) { return t < c.tick; });
    const auto keep = std::prev(later);
    const std::size_t droppedEvents = keep->eventsBefore;
    checkpoints_.erase(checkpoints_.begin(), keep);
    events_.erase(events_.begin(), events_.begin() + static_cast<std::ptrdiff_t>(droppedEvents));
    events_.shrink_to_fit();
    for (Checkpoint& checkpoint : checkpoints_)
        checkpoint.eventsBefore -= droppedEvents;
    return checkpoints_.front().tick;
}

std::vector<RecordedEvent> RunRecorder::eventsFrom(std::int32_t tick) const
{
    return {events_.begin() + static_cast<std::ptrdiff_t>(firstEventStampedFrom(tick)), events_.end()};
}

std::size_t RunRecorder::formBytes(const Form1& form)
{
    std::size_t bytes = sizeof(Form1);
    for (const auto* store : {&form.TxMessages, &form.RxMessages})
        for (const MessageLine& line : *store)
            bytes += line.Text.capacity();
    for (const auto* buttons : {&form.cmdPacket, &form.cmdACK})
        for (const FlightButton& button : *buttons)
            bytes += button.Caption.capacity() + button.Tag.capacity();
    return bytes + form.lblTxInfo.Caption.capacity() + form.lblRxInfo.Caption.capacity();
}

std::size_t RunRecorder::approximateBytes() const
{
    const std::size_t checkpointBytes = checkpoints_.empty() ? 0 : formBytes(checkpoints_.front().form);
    return events_.capacity() * sizeof(RecordedEvent) + checkpoints_.capacity() * checkpointBytes;
}

std::size_t RunRecorder::firstEventStampedFrom(std::int32_t tick) const
{
    const auto first = std::lower_bound(events_.begin(), events_.end(), tick,
                                        [](const RecordedEvent& e, std::int32_t t) { return e.tick < t; });
    return static_cast<std::size_t>(first - events_.begin());
}

#include "history/run_history.h"

#include <utility>

RunHistory::RunHistory(const Form1& startup, std::int32_t checkpointSpacing)
    : recorder_(startup, checkpointSpacing), trace_(startup)
{
}

void RunHistory::tick(Form1& form)
{
    beforeTick_.capture(form);
    form.Timer1_Timer();
    recorder_.recordTick(form);
    trace_.recordTick(beforeTick_, form);
}

void RunHistory::apply(Form1& form, const UserEvent& event)
{
    if (event.kind == EventKind::Tick) {
        if (form.Timer1.Enabled) tick(form);
        return;
    }
    // User events are rare; a whole copy keeps the comparison simple.
    const Form1 before = form;
    applyEvent(form, event);
    recorder_.recordEvent(event);
    trace_.recordEvent(before, event, form);
}

bool RunHistory::rewindTo(Form1& form, std::int32_t tick, Landing landing)
{
    if (tick < 0 || tick > ticks()) return false;
    Form1 rebuilt = recorder_.stateAt(tick);
    recorder_.truncateTo(tick);
    trace_.truncateTo(tick);

    auto hook = std::move(form.showMessageBox);
    form = rebuilt;
    form.showMessageBox = std::move(hook);

    if (landing == Landing::Paused && form.Timer1.Enabled) apply(form, UserEvent{EventKind::PauseCont, 0, 0});
    return true;
}

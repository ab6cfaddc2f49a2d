#include "frontend/run_player.h"

#include <algorithm>

#include "core/form.h"
#include "history/run_history.h"

namespace run_player {

std::int32_t play(Form1& form, RunHistory& history, std::int32_t ticks,
                  const std::function<void(const Form1&)>& afterTick)
{
    std::int32_t played = 0;
    // Counted here, not by the history: each Reset starts its run's count again.
    while (played < ticks &&
           (history.replaying() || form.Timer1.Enabled || form.cmdReset.Caption != "Start")) {
        history.tick(form);
        ++played;
        if (afterTick) afterTick(form);
    }
    return played;
}

std::int32_t goTo(Form1& form, RunHistory& history, std::int32_t tick)
{
    if (tick <= history.ticks()) {
        history.rewindTo(form, std::max(tick, history.recorder().firstTick()), RunHistory::Landing::Paused);
        return history.ticks();
    }
    const std::int32_t target = std::min(tick, history.ticks() + MostTicksForward);
    while (history.ticks() < target) {
        const std::int32_t before = history.ticks();
        history.step(form);
        if (history.ticks() == before) break; // a finished run goes no further
    }
    return history.ticks();
}

} // namespace run_player

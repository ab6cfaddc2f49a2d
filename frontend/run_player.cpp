#include "frontend/run_player.h"

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

} // namespace run_player

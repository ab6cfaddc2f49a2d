// The timeout slider's figure as the tooltip and the legend explain it, in
// ticks, is what the engine does: a lost packet is sent again that many
// ticks after it was sent, at settings on both sides of a round trip.
#include <gtest/gtest.h>

#include "frontend/run_player.h"
#include "frontend/view_texts.h"
#include "history/run_history.h"

TEST(TimeoutFigure, TheTicksSaidAreTheTicksTheEngineWaits)
{
    for (const int setting : {3, 5, 6, 12}) {
        Form1 form;
        form.Form_Load();
        RunHistory history(form);
        LossSettings losses;
        losses.plan({PlannedLoss::What::Packet, 0, 1});
        history.setLosses(losses);
        history.apply(form, {EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::Timeout),
                             static_cast<std::int16_t>(setting)});
        history.apply(form, {EventKind::StartReset, 0, 0});
        run_player::play(form, history, 1000);
        std::int32_t sent = -1;
        for (const LogEntry& entry : history.trace().log())
            if (sent < 0 && entry.text.find("sending packet 0") != std::string::npos) sent = entry.tick;
        std::int32_t expired = -1;
        for (std::int32_t tick = 0; tick <= history.ticks() && expired < 0; ++tick)
            if ((history.trace().sample(tick).markers() & marker::Timeout) != 0) expired = tick;
        ASSERT_GE(sent, 0) << setting;
        EXPECT_EQ(expired - sent, view_texts::timeoutTicks(setting)) << "setting " << setting;
    }
    EXPECT_NE(view_texts::timeoutScale().find("6 is 162 ticks (1.1 round trips)"), std::string::npos);
}

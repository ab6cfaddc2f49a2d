// Rewinding: the state rebuilt for a tick is the state the live run had at
// that tick, compared as a whole, and a rewind starts a new branch.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "history/run_history.h"
#include "history_support.h"

namespace {

using namespace history_support;

// A live run driven by a random user, with the whole state kept after every
// tick of the current run (each Reset begins a new one). A second recorder
// with no checkpoint but the run's first follows along, so replays from the
// start are checked as well as from checkpoints.
struct RecordedRun {
    Form1 form = loaded();
    RunHistory history{form, 128};
    RunRecorder fromStartup{form, 1 << 30};
    std::vector<FormState> states{form};  // states[t]: right after tick t
    std::vector<std::size_t> logSizes{0}; // log entries right after tick t
    std::array<int, EventKindCount> kinds{};
    std::int32_t totalTicks = 0;

    void play(RandomUser& user, int ticks)
    {
        const std::int32_t end = totalTicks + ticks;
        while (totalTicks < end) {
            for (const UserEvent& event : user.nextEvents(form)) {
                const std::uint64_t runs = history.runsVersion();
                history.apply(form, event);
                fromStartup.recordEvent(event);
                ++kinds[static_cast<std::size_t>(event.kind)];
                if (history.runsVersion() != runs) {
                    fromStartup = RunRecorder(form, 1 << 30);
                    states.assign(1, form);
                    logSizes.assign(1, 0);
                }
            }
            if (!form.Timer1.Enabled && !user.stepsWhilePaused()) continue;
            history.tick(form);
            ++totalTicks;
            fromStartup.recordTick(form);
            states.push_back(form);
            logSizes.push_back(history.trace().log().size());
        }
    }

    void truncateTo(std::int32_t tick)
    {
        fromStartup.truncateTo(tick);
        states.resize(static_cast<std::size_t>(tick) + 1);
        logSizes.resize(static_cast<std::size_t>(tick) + 1);
    }

    void expectEveryTickReplays() const
    {
        for (std::int32_t tick = 0; tick <= history.ticks(); ++tick) {
            const FormState& live = states[static_cast<std::size_t>(tick)];
            ASSERT_TRUE(static_cast<const FormState&>(history.recorder().stateAt(tick)) == live)
                << "tick " << tick;
            if (tick % 61 == 0 || tick == history.ticks()) {
                ASSERT_TRUE(static_cast<const FormState&>(fromStartup.stateAt(tick)) == live)
                    << "tick " << tick;
            }
        }
    }
};

TEST(Replay, RebuildsEveryTickOfRandomRunsExactly)
{
    // Seeds whose runs carry the transfer past packet 3. Some others spend
    // most of their run with the in-order receiver and a fixed window, where
    // go-back-N recovers from a loss one packet a round trip.
    for (const std::uint32_t seed : {1U, 2U, 3U, 7U}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RecordedRun run;
        RandomUser user(seed);
        run.play(user, 2500);

        // The run exercised what a rewind must get right: resets that keep
        // sliders and options, clicks that lose packets, single steps.
        for (const EventKind kind : {EventKind::StartReset, EventKind::PauseCont, EventKind::ClickPacket,
                                     EventKind::ClickAck, EventKind::ClickCheckBox, EventKind::MoveSlider})
            EXPECT_GE(run.kinds[static_cast<std::size_t>(kind)], 3);
        EXPECT_GT(run.history.runCount(), 1u);

        run.expectEveryTickReplays();
    }
}

TEST(Replay, LandingPausedStopsTheClockWithoutChangingTheSimulation)
{
    RecordedRun run;
    run.history.apply(run.form, StartReset);
    for (int i = 0; i < 50; ++i) {
        run.history.tick(run.form);
        run.states.push_back(run.form);
    }

    ASSERT_TRUE(run.history.rewindTo(run.form, 20, RunHistory::Landing::Paused));
    EXPECT_FALSE(run.form.Timer1.Enabled);
    EXPECT_EQ(run.form.cmdPause.Caption, "Cont");
    EXPECT_EQ(run.history.recorder().events().back(), (RecordedEvent{20, PauseCont}));
    EXPECT_EQ(run.history.trace().log().back(), (LogEntry{20, LogSource::User, "Pause pressed"}));

    // A single step from there is tick 21 as it first ran, but for the clock.
    run.history.tick(run.form);
    FormState expected = run.states[21];
    expected.Timer1.Enabled = false;
    expected.cmdPause.Caption = "Cont";
    EXPECT_TRUE(static_cast<const FormState&>(run.form) == expected);
}

// Sixteen packets held on the wire use up every flight slot: the next launch
// finds none and the model asks for its message box, once per shortage.
TEST(Replay, ReplayIsSilentAndTheWindowKeepsItsMessageBox)
{
    Form1 form = loaded();
    int boxes = 0;
    form.showMessageBox = [&boxes](const std::string&) { ++boxes; };
    RunHistory history(form, 64);
    for (const UserEvent& e : {slider(SliderId::RxWindow, 1), slider(SliderId::TxWindow, 1), StartReset})
        history.apply(form, e);
    std::int32_t firstBoxTick = -1;
    while (history.ticks() < 400) {
        history.tick(form);
        // Launches are 10 ticks apart, beyond the 7-tick hold-off, so each
        // single click holds the newest packet.
        for (std::int16_t slot = 0; slot < FlightSlots; ++slot) {
            const FlightButton& packet = form.cmdPacket[slot];
            if (packet.Visible && packet.TravelMarker == colours::Travelling &&
                packet.Top == geometry::PacketLaunchTop)
                history.apply(form, {EventKind::ClickPacket, slot, 0});
        }
        if (boxes == 1 && firstBoxTick < 0) firstBoxTick = history.ticks();
    }
    ASSERT_GT(firstBoxTick, 0);
    ASSERT_EQ(boxes, 1);
    const Form1 live = form;

    ASSERT_TRUE(history.rewindTo(form, 400));
    EXPECT_EQ(boxes, 1) << "replaying past the shortage shows nothing";
    EXPECT_TRUE(static_cast<const FormState&>(form) == live);

    // Back before the shortage, the same run meets it again, and the window's box shows.
    ASSERT_TRUE(history.rewindTo(form, firstBoxTick - 1));
    history.tick(form);
    EXPECT_EQ(boxes, 2);
}

} // namespace

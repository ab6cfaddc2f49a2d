// Losses dealt from a seed or a plan, and comparisons run from one clock.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/state_digest.h"
#include "frontend/comparison.h"
#include "history/run_file.h"

namespace {

constexpr UserEvent Start{EventKind::StartReset, 0, 0};

using TripKey = std::tuple<int, int, int>; // packet or ACK, number, transmission

// Every trip the run lost, and every trip that has ended (so has passed the
// middle, where losses are dealt), by what it was.
void collect(const RunHistory& history, std::set<TripKey>& lost, std::set<TripKey>& made)
{
    for (const ladder::Trip& trip : history.ladder().trips()) {
        const bool packet = trip.direction == ladder::Direction::Packet;
        const TripKey key{packet ? 0 : 1, packet ? trip.number : trip.arrived, trip.transmission};
        if (trip.ending != ladder::Ending::InFlight) made.insert(key);
        if (trip.ending == ladder::Ending::Lost) lost.insert(key);
    }
}

Comparison threeProtocols(const LossSettings& losses)
{
    return Comparison(Comparison::readPresetList("stop-and-wait,go-back-n,selective-repeat"), losses);
}

void play(Comparison& comparison, int ticks)
{
    while (comparison.ticks() < ticks)
        comparison.tick();
}

} // namespace

// The same trips are lost in every configuration, whatever their pace, and
// a saved comparison reopens and plays to exactly the same state.
TEST(Comparison, LosesTheSameTripsEverywhereAndReopensExactly)
{
    LossSettings losses;
    losses.packetPercent = 10;
    losses.ackPercent = 5;
    losses.seed = 7;
    losses.plan({PlannedLoss::What::Packet, 3, 1});
    Comparison comparison = threeProtocols(losses);
    ASSERT_EQ(comparison.size(), 3u);
    comparison.apply(0, Start);
    play(comparison, 1500);

    std::vector<std::set<TripKey>> lost(3), made(3);
    for (std::size_t i = 0; i < 3; ++i)
        collect(comparison.history(i), lost[i], made[i]);
    EXPECT_TRUE(lost[1].count({0, 3, 1}) && lost[2].count({0, 3, 1})) << "the planned loss";
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(lost[i].empty());
        for (const TripKey& key : made[i])
            for (std::size_t j = 0; j < 3; ++j) {
                if (made[j].count(key) && j != i) {
                    EXPECT_EQ(lost[i].count(key), lost[j].count(key))
                        << "trip " << std::get<0>(key) << "/" << std::get<1>(key) << "." << std::get<2>(key);
                }
            }
    }

    const RunHistory::SavedRun saved = comparison.script();
    ASSERT_TRUE(saved.error.empty()) << saved.error;
    const RunFileResult reread = readRunText(writeRunText(saved.script));
    ASSERT_TRUE(reread.script) << reread.error;
    EXPECT_EQ(*reread.script, saved.script);
    Comparison reopened(*reread.script);
    ASSERT_EQ(reopened.labels(), comparison.labels());
    reopened.apply(0, Start);
    play(reopened, 1500);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(stateDigest(reopened.form(i)), stateDigest(comparison.form(i))) << comparison.label(i);
    EXPECT_EQ(reopened.figures(), comparison.figures());

    // Past the recording the network goes on dealing the same losses live.
    play(comparison, 2500);
    play(reopened, 2500);
    EXPECT_EQ(reopened.figures(), comparison.figures());
}

// A run with random losses is an ordinary recorded run: rewound and played
// again, or saved and opened, it comes out tick for tick the same.
TEST(Losses, RandomLossRunReplaysWithIdenticalDigests)
{
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.setLosses({15, 10, 42, {}});
    history.apply(form, Start);
    std::vector<std::uint64_t> digests;
    for (int t = 0; t < 1200; ++t) {
        history.tick(form);
        digests.push_back(stateDigest(form));
    }
    EXPECT_GT(figuresOf(history).retransmissions, 0);

    ASSERT_TRUE(history.rewindTo(form, 400));
    for (int t = 400; t < 1200; ++t) {
        history.tick(form);
        ASSERT_EQ(stateDigest(form), digests[static_cast<std::size_t>(t)])
            << "after the rewind, tick " << t + 1;
    }

    const RunFileResult reread = readRunText(writeRunText(history.script().script));
    ASSERT_TRUE(reread.script) << reread.error;
    EXPECT_EQ(reread.script->losses, history.losses());
    Form1 other;
    other.Form_Load();
    RunHistory opened(other);
    opened.open(other, *reread.script);
    opened.apply(other, Start);
    for (int t = 0; t < 1200; ++t) {
        opened.tick(other);
        ASSERT_EQ(stateDigest(other), digests[static_cast<std::size_t>(t)]) << "opened, tick " << t + 1;
    }
}

// One configuration against itself: the figures cannot differ. A click loss
// in one is planned for both, so they stay equal.
TEST(Comparison, AConfigurationAgainstItselfGivesTheSameFigures)
{
    const Comparison::Configuration reno = Comparison::presetConfiguration("reno");
    ASSERT_FALSE(reno.label.empty());
    Comparison comparison({reno, reno}, {5, 0, 3, {}});
    comparison.apply(1, Start);
    play(comparison, 300);
    const std::int16_t slot = [&] {
        for (std::int16_t k = 0; k < FlightSlots; ++k)
            if (comparison.form(0).cmdPacket[k].Visible) return k;
        return std::int16_t{-1};
    }();
    ASSERT_GE(slot, 0);
    comparison.apply(0, {EventKind::ClickPacket, slot, 0});
    comparison.apply(0, {EventKind::ClickPacket, slot, 0});
    EXPECT_EQ(comparison.losses().planned.size(), 1u);
    play(comparison, 2000);
    const std::vector<RunFigures> figures = comparison.figures();
    EXPECT_EQ(figures[0], figures[1]);
    EXPECT_EQ(stateDigest(comparison.form(0)), stateDigest(comparison.form(1)));
    EXPECT_GT(figures[0].delivered, 0);
    EXPECT_GT(figures[0].goodput, 0.0);
}

// Plans as links write them, and what is refused.
TEST(Losses, PlanTextRoundTripsAndRefusesNonsense)
{
    const auto plan = losses::readPlan("p5,p7.2,a9");
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->size(), 3u);
    EXPECT_EQ((*plan)[1], (PlannedLoss{PlannedLoss::What::Packet, 7, 2}));
    EXPECT_EQ(losses::planText(*plan), "p5,p7.2,a9");
    EXPECT_EQ(losses::describe((*plan)[2]), "the ACK for packet 9");
    EXPECT_EQ(losses::describe((*plan)[1]), "packet 7 (transmission 2)");
    for (const char* bad : {"x5", "p", "p-1", "p5.0", "p5,", "p99999999", "a9.x"}) {
        std::string error;
        EXPECT_FALSE(losses::readPlan(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_EQ(losses::summary({5, 2, 7, *plan}), "Losses: 5 % of packets, 2 % of ACKs (seed 7), 3 planned");
    EXPECT_EQ(losses::summary({}), "No losses");
    // A seed chosen before any rate survives a file (found by the run file fuzzer).
    RunScript seeded;
    seeded.losses.seed = 7;
    const RunFileResult back = readRunText(writeRunText(seeded));
    ASSERT_TRUE(back.script) << back.error;
    EXPECT_EQ(back.script->losses, seeded.losses);
    // Rates decide by seed: another seed loses other packets.
    const LossSettings a{20, 0, 1, {}}, b{20, 0, 2, {}};
    int differ = 0, lostA = 0;
    for (int n = 0; n < 400; ++n) {
        differ += a.loses(PlannedLoss::What::Packet, n, 1) != b.loses(PlannedLoss::What::Packet, n, 1);
        lostA += a.loses(PlannedLoss::What::Packet, n, 1);
    }
    EXPECT_GT(differ, 0);
    EXPECT_NEAR(lostA, 80, 30);
}

// Losses outlive a Reset, whose run counts transmissions afresh; a click
// loss in one configuration reaches the same trip at once where it is past
// the middle in another; a rewind moves all configurations or none.
TEST(Comparison, PlansReachEveryConfigurationAndRewindsMoveAllOrNone)
{
    const auto lostPacket = [](const RunHistory& history, int number) {
        for (const ladder::Trip& trip : history.ladder().trips())
            if (trip.direction == ladder::Direction::Packet && trip.number == number &&
                trip.transmission == 1)
                return trip.ending == ladder::Ending::Lost;
        return false;
    };
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.setLosses({0, 0, 1, {{PlannedLoss::What::Packet, 2, 1}}});
    history.apply(form, Start);
    for (int t = 0; t < 200; ++t)
        history.tick(form);
    EXPECT_TRUE(lostPacket(history, 2));
    history.apply(form, Start); // Reset
    history.apply(form, Start);
    ASSERT_EQ(history.runCount(), 2u);
    for (int t = 0; t < 200; ++t)
        history.tick(form);
    EXPECT_TRUE(lostPacket(history, 2)) << "the new run's packet 2 is again its first transmission";

    const Comparison::Configuration goBackN = Comparison::presetConfiguration("go-back-n");
    Comparison comparison({goBackN, goBackN}, {});
    comparison.apply(0, Start);
    play(comparison, 50);
    std::int16_t slot = -1;
    for (std::int16_t k = 0; k < FlightSlots && slot < 0; ++k) {
        const FlightButton& button = comparison.form(0).cmdPacket[k];
        if (button.Visible && ladder::across(ladder::Direction::Packet, button.Top) > 0.5) slot = k;
    }
    ASSERT_GE(slot, 0);
    const std::int32_t trip = comparison.history(1).ladder().activeTrip(ladder::Direction::Packet, slot);
    ASSERT_GE(trip, 0);
    comparison.apply(0, {EventKind::ClickPacket, slot, 0});
    comparison.apply(0, {EventKind::ClickPacket, slot, 0});
    EXPECT_EQ(comparison.history(1).ladder().trips()[static_cast<std::size_t>(trip)].ending,
              ladder::Ending::Lost);
    EXPECT_EQ(stateDigest(comparison.form(0)), stateDigest(comparison.form(1)));

    EXPECT_FALSE(comparison.rewindTo(51));
    EXPECT_EQ(comparison.history(1).ticks(), 50);
    EXPECT_TRUE(comparison.rewindTo(20));
    EXPECT_EQ(comparison.history(0).ticks(), 20);
    EXPECT_EQ(comparison.history(1).ticks(), 20);
}

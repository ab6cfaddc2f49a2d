// Seeded random runs: every invariant after every event, the same seed giving
// the same run, and a digest that tells states apart.
#include <gtest/gtest.h>

#include "core/invariants.h"
#include "core/random_events.h"
#include "core/state_digest.h"

namespace reliability {
namespace {

TEST(RandomEvents, EveryInvariantHoldsAfterEveryEventOfManySeededRuns)
{
    RunFigures all;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Driver driver(seed);
        ASSERT_TRUE(driver.run(100000)) << driver.failure();
        all += driver.figures();
    }
    // The runs did what they were meant to: ran the clock, clicked, reset and
    // moved the transfer well along.
    EXPECT_GT(all.ticks, all.events / 2);
    EXPECT_GT(all.clicks, 1000);
    EXPECT_GT(all.resets, 10);
    EXPECT_GT(all.highestRxNext, 500);
}

TEST(RandomEvents, TheSameSeedEndsInTheSameStateAndAnotherSeedDoesNot)
{
    Driver first(42);
    Driver second(42);
    Driver other(43);
    ASSERT_TRUE(first.run(150000)) << first.failure();
    ASSERT_TRUE(second.run(150000)) << second.failure();
    ASSERT_TRUE(other.run(150000)) << other.failure();

    const FormState& a = first.form();
    const FormState& b = second.form();
    EXPECT_TRUE(a == b) << stateDifferences(a, b);
    EXPECT_EQ(stateDigest(a), stateDigest(b));
    EXPECT_EQ(first.figures().ticks, second.figures().ticks);

    EXPECT_FALSE(a == other.form());
    EXPECT_NE(stateDigest(a), stateDigest(other.form()));
}

// Whenever a run changes anything, the digest changes with it, and the
// listing names what changed; a field left out of the digest shows here as
// soon as a run changes it.
TEST(StateDigest, ChangesExactlyWhenTheStateChanges)
{
    Driver driver(7);
    FormState previous = driver.form();
    int changes = 0;
    for (int i = 0; i < 10000; ++i) {
        ASSERT_TRUE(driver.step()) << driver.failure();
        const FormState& now = driver.form();
        const bool equal = now == previous;
        ASSERT_EQ(equal, stateDigest(now) == stateDigest(previous)) << "after event " << i << "\n"
                                                                    << stateDifferences(previous, now);
        // The listing is dear to build; a sample of the events is enough.
        if (i % 64 == 0) {
            ASSERT_EQ(equal, stateDifferences(previous, now).empty());
        }
        if (!equal) {
            ++changes;
            previous = now;
        }
    }
    EXPECT_GT(changes, 5000);
}

TEST(StateDigest, ListsEveryControlArrayElementAndReportsWhatDiffers)
{
    Form1 form;
    form.Form_Load();
    const std::string listing = dumpState(form);
    EXPECT_NE(listing.find("lblTx[18].ForeColor = 0xA0A0A0"), std::string::npos);
    EXPECT_NE(listing.find("cmdACK[15].TravelMarker = 0xC0C0C0"), std::string::npos);
    EXPECT_NE(listing.find("VScroll3.Value = 17"), std::string::npos);

    Form1 changed = form;
    changed.lblRx[4].ForeColor = colours::RxAliased;
    changed.RxMessages[5].Priority = 3;
    EXPECT_EQ(stateDifferences(form, changed),
              "RxMessages[5].Priority: 0 -> 3\nlblRx[4].ForeColor: 0x008000 -> 0x0000C0\n");
    EXPECT_NE(stateDigest(form), stateDigest(changed));
}

// The checker itself must see corruption, or a clean run proves nothing.
TEST(Invariants, EachKindOfCorruptionIsReported)
{
    Form1 started;
    started.Form_Load();
    started.cmdReset_Click();
    for (int i = 0; i < 120; ++i)
        started.Timer1_Timer();
    ASSERT_EQ(checkInvariants(started), "");

    const auto reported = [&](auto corrupt, const char* expected) {
        Form1 form = started;
        corrupt(form);
        const std::string findings = checkInvariants(form);
        EXPECT_NE(findings.find(expected), std::string::npos) << "expected \"" << expected << "\" in:\n"
                                                              << findings;
    };
    reported([](Form1& f) { f.lblTx[7].Caption = "9"; }, "sender strip numbers not consecutive");
    reported([](Form1& f) { f.lblRx[0].Caption = " 0"; }, "receiver strip numbers not consecutive");
    reported([](Form1& f) { f.lblTx[0].ForeColor = 0x123456; }, "sender cell colour unknown");
    reported([](Form1& f) { f.lblRx[18].ForeColor = colours::TxNotSent; }, "receiver cell colour unknown");
    reported([](Form1& f) { f.TxOutstanding = 25; }, "sender range ends past cell 18");
    reported([](Form1& f) { f.shpRxWindow.Left = 0; }, "receiver frame not at RxNext");
    reported([](Form1& f) { f.QueueTail = 15; }, "send queue index outside 0..14");
    reported([](Form1& f) { f.SendQueue[f.QueueTail] = 3; }, "send queue slot outside the ring not empty");
    reported(
        [](Form1& f) {
            f.cmdPacket[0].Visible = true;
            f.cmdPacket[0].Tag = "";
        },
        "has no numeric Tag");
    reported([](Form1& f) { f.cmdACK[15].TravelMarker = colours::Held; }, "free slot left held");
    reported([](Form1& f) { f.VScroll3.Max = 40, f.VScroll3.setValue(40); }, "SeqModulus does not follow");
    reported([](Form1& f) { f.TxWindowBytes = 9000; }, "transmit slider does not show the window");
    reported([](Form1& f) { f.TxMessages[2].TicksLeft = -1; }, "message TicksLeft");
    reported([](Form1& f) { f.Timer1.Enabled = false; }, "clock stopped while running is shown");

    Form1 capped = started;
    capped.RxWindowBytes = 3000;
    EXPECT_EQ(checkInvariants(capped, {false}).find("exceeds the receive window"), std::string::npos);
    EXPECT_NE(checkInvariants(capped, {true}).find("exceeds the receive window"), std::string::npos);
}

} // namespace
} // namespace reliability

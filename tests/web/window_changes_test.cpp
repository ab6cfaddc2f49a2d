#include <gtest/gtest.h>

#include "ui/web/web_session.h"

// The page is sent everything once, then only what a tick or an action
// changed: a change left out would leave the page showing a stale state.
TEST(WindowChanges, EverythingOnceThenOnlyWhatChanged)
{
    web::WebSession session("?run=1");
    const std::string first = session.changesJson();
    EXPECT_NE(first.find("\"lblSequences_1\""), std::string::npos);
    EXPECT_NE(first.find("\"cmdPacket\":{\"0\":"), std::string::npos) << "arrays come keyed by index";
    EXPECT_EQ(session.changesJson(), "{}");

    session.tick(); // the first packet leaves: its button shows, the tick count moves
    const std::string afterTick = session.changesJson();
    EXPECT_NE(afterTick.find("\"cmdPacket\":{\"0\":{"), std::string::npos) << afterTick;
    EXPECT_NE(afterTick.find("\"run\":{\"tick\":1"), std::string::npos) << afterTick;
    EXPECT_EQ(afterTick.find("lblSequences"), std::string::npos) << afterTick;
    EXPECT_EQ(afterTick.find("cmdPacket\":{\"1\""), std::string::npos) << "slot 1 is still free";

    session.apply(3, 0, 0); // a click holds packet 0
    EXPECT_NE(session.changesJson().find("\"held\":true"), std::string::npos);
    EXPECT_NE(session.windowJson().find("\"held\":true"), std::string::npos);
}

// The page's Go to Tick lands on the state stepping there gives, forward
// from a paused run and back to a tick reached, under random losses.
TEST(WindowChanges, GoToTickLandsWhereSteppingLands)
{
    const std::string link = "?options=slowstart,avoidance,fastretransmit&loss=10&ackloss=5&seed=35&run=1";
    web::WebSession stepped(link);
    std::vector<std::string> digests;
    for (int i = 0; i < 400; ++i) {
        stepped.step();
        digests.push_back(stepped.digest());
    }
    web::WebSession jumped(link);
    EXPECT_EQ(jumped.goToTick(400), 400);
    EXPECT_EQ(jumped.digest(), digests[399]);
    EXPECT_FALSE(jumped.clockRuns());
    EXPECT_EQ(jumped.goToTick(123), 123);
    EXPECT_EQ(jumped.digest(), digests[122]);
    EXPECT_EQ(jumped.goToTick(321), 321);
    EXPECT_EQ(jumped.digest(), digests[320]);
}

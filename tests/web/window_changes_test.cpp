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

#include <gtest/gtest.h>

#include "ui/web/web_session.h"

namespace {

std::string settingsOf(const web::WebSession& session)
{
    // The link a session writes is exactly its settings.
    return session.linkQuery();
}

} // namespace

// A link's settings reach the model as the user's own clicks and moves, and
// the link the page writes opens a page with the same settings.
TEST(LinkSettings, ALinkSetsTheModelAndTheWrittenLinkRoundTrips)
{
    web::WebSession session(
        "?options=slowstart,avoidance,fastretransmit&tx=8&rx=12&seq=16&timeout=9&slide=1");
    const std::string query = settingsOf(session);
    EXPECT_EQ(query,
              "options=slowstart,avoidance,fastretransmit&autortt=0&slide=1&timeout=9&tx=8&rx=12&seq=16");
    EXPECT_NE(session.windowJson().find("\"lblTxWindow_1\":{\"caption\":\"8\""), std::string::npos);
    EXPECT_EQ(session.linkOutcomeJson(), "{\"embed\":false,\"follow\":false,\"ignored\":[],\"refused\":\"\"}");

    const web::WebSession again(query + "&speed=2");
    EXPECT_EQ(again.linkQuery(), query + "&speed=2");
    EXPECT_TRUE(web::WebSession(query + "&run=1").clockRuns());
}

// A bad value leaves that setting at start-up and names the parameter; the
// rest of the link still counts.
TEST(LinkSettings, BadValuesAreIgnoredOneByOneAndNamed)
{
    const web::WebSession plain("");
    web::WebSession session("tx=99&options=slowstart,warp&run=yes&seq=16&colour=red&speed=3");
    const std::string outcome = session.linkOutcomeJson();
    for (const char* named : {"tx=99", "options=slowstart,warp", "run=yes", "\\\"colour\\\"", "speed=3"})
        EXPECT_NE(outcome.find(named), std::string::npos) << named << " in " << outcome;
    const std::string query = session.linkQuery();
    EXPECT_NE(query.find("&seq=16"), std::string::npos);
    EXPECT_EQ(query.substr(0, query.find("&seq=")),
              plain.linkQuery().substr(0, plain.linkQuery().find("&seq=")));
    EXPECT_FALSE(session.clockRuns());
}

// practice=1 opens the page in practice mode: a question holds the page's
// clock until answered, and the page learns the right choice only once the
// run has shown it.
TEST(PagePractice, ALinkStartsPracticeAndAQuestionHoldsTheClockUntilAnswered)
{
    web::WebSession session("run=1&practice=1");
    const auto phase = [&session] {
        const std::string json = session.practiceJson();
        const auto at = json.find("\"phase\":\"") + 9;
        return json.substr(at, json.find('"', at) - at);
    };
    for (int i = 0; i < 5000 && phase() != "asking"; ++i)
        session.tick();
    ASSERT_EQ(phase(), "asking");
    EXPECT_FALSE(session.clockRuns());
    EXPECT_NE(session.practiceJson().find("\"right\":-1"), std::string::npos);
    session.answerPractice(0);
    EXPECT_TRUE(session.clockRuns());
    for (int i = 0; i < 50 && phase() != "explaining"; ++i)
        session.tick();
    ASSERT_EQ(phase(), "explaining");
    EXPECT_EQ(session.practiceJson().find("\"right\":-1"), std::string::npos);
    EXPECT_NE(session.practiceSummary().find("1. "), std::string::npos);
}

// A link full of junk: ten notices and a count, each name plain and short.
TEST(LinkSettings, AHostileLinkGivesTenPlainNoticesAndACount)
{
    std::string link = "tx=%E2%80%AE99&x%1B%5B2J=1&%E2%80%AEevil=1";
    for (int i = 0; i < 500; ++i) // within the longest link the page reads
        link += "&junk" + std::to_string(i) + "=1";
    const web::WebSession session(link);
    const std::string outcome = session.linkOutcomeJson();
    std::size_t notices = 0;
    for (std::size_t at = outcome.find("Ignored"); at != std::string::npos;
         at = outcome.find("Ignored", at + 1))
        ++notices;
    EXPECT_EQ(notices, 10u);
    EXPECT_NE(outcome.find("And 493 more parameters of the link ignored."), std::string::npos) << outcome;
    EXPECT_NE(outcome.find(R"(\"x[2J\")"), std::string::npos) << "the escape is dropped: " << outcome;
    EXPECT_NE(outcome.find(R"(\"evil\")"), std::string::npos) << "the override is dropped: " << outcome;
}

// A link longer than any the page makes is refused whole, unread, with the
// sentence that refuses making one; a file's size is read right past 4 GiB.
TEST(LinkSettings, AnOverlongLinkIsRefusedUnreadAndHugeFilesAreSizedRight)
{
    const std::string link = "https://example.org/demo/?tx=8&seq=16#" + std::string(8000, 'x');
    const web::WebSession session(link);
    EXPECT_NE(session.linkOutcomeJson().find("too long for a browser's address bar"), std::string::npos);
    EXPECT_EQ(session.windowJson(), web::WebSession("").windowJson()) << "none of its settings applied";
    EXPECT_NE(web::WebSession("?tx=8").linkOutcomeJson().find("\"refused\":\"\""), std::string::npos);

    EXPECT_EQ(session.fileSizeRefusal("big.swrun", 4294967297.0),
              "big.swrun cannot be opened. The file is 4096.1 MB, larger than a run file may be (4 MB).");
    EXPECT_NE(session.fileSizeRefusal("edge.swrun", runfile::MaxFileBytes + 1.0).find("The file is 4.1 MB"),
              std::string::npos);
}

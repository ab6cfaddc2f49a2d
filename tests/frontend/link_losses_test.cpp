// Losses and comparisons carried in a link: read into the history and the
// outcome, written back into a link that opens the same, and bad values
// ignored one by one with a notice naming them.
#include <gtest/gtest.h>

#include <string>

#include "frontend/comparison.h"
#include "frontend/link_settings.h"
#include "frontend/run_clock.h"
#include "history/run_history.h"

namespace {

Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

struct Page {
    Form1 form = loaded();
    RunHistory history{form};
};

bool names(const links::LinkOutcome& outcome, const std::string& text)
{
    for (const std::string& notice : outcome.ignored)
        if (notice.find(text) != std::string::npos) return true;
    return false;
}

} // namespace

TEST(LinkLosses, LossesAndAComparisonRoundTripThroughALink)
{
    Page page;
    const links::LinkOutcome outcome = links::applyLink(page.form, page.history,
                                                        "protocol=go-back-n&loss=5&ackloss=2&seed=4294967295&"
                                                        "lose=p5,p7.2,a9&compare=stop-and-wait,go-back-n");
    EXPECT_TRUE(outcome.ignored.empty()) << outcome.ignored.front();
    const LossSettings& losses = page.history.losses();
    EXPECT_EQ(losses.packetPercent, 5);
    EXPECT_EQ(losses.ackPercent, 2);
    EXPECT_EQ(losses.seed, 4294967295u);
    EXPECT_EQ(losses::planText(losses.planned), "p5,p7.2,a9");
    ASSERT_EQ(outcome.compare.size(), 2u);

    // The written link opens a page with the same settings and losses.
    const std::string query = links::linkQuery(page.form, run_clock::NormalSpeed, losses);
    Page again;
    EXPECT_TRUE(links::applyLink(again.form, again.history, query).ignored.empty()) << query;
    EXPECT_EQ(again.history.losses(), losses);
    EXPECT_EQ(links::linkQuery(again.form, run_clock::NormalSpeed, again.history.losses()), query);

    // A comparison's link names its presets, and opens the same comparison.
    const Comparison comparison(outcome.compare, losses);
    const std::string compare = links::compareQuery(comparison, run_clock::NormalSpeed);
    Page third;
    const links::LinkOutcome reopened = links::applyLink(third.form, third.history, compare);
    EXPECT_EQ(compare.substr(0, compare.find('&')), "compare=stop-and-wait,go-back-n");
    ASSERT_EQ(reopened.compare.size(), 2u);
    EXPECT_EQ(reopened.compare[1].settings, outcome.compare[1].settings);
    EXPECT_EQ(third.history.losses(), losses);
}

TEST(LinkLosses, BadLossesAreIgnoredOneByOneAndNamed)
{
    Page page;
    const LossSettings before = page.history.losses();
    const links::LinkOutcome outcome = links::applyLink(
        page.form, page.history, "loss=31&ackloss=x&seed=4294967296&lose=q5&compare=go-back-n&tx=8");
    for (const char* named : {"loss=31", "ackloss=x", "seed=4294967296", "lose=q5", "compare=go-back-n"})
        EXPECT_TRUE(names(outcome, named)) << named;
    EXPECT_EQ(page.history.losses(), before);
    EXPECT_TRUE(outcome.compare.empty());
    EXPECT_NE(links::linkQuery(page.form, run_clock::NormalSpeed).find("&tx=8"), std::string::npos);

    // A lesson brings its own losses: the link's are set aside, with a notice.
    Page lesson;
    const links::LinkOutcome withLesson =
        links::applyLink(lesson.form, lesson.history, "lesson=fast-retransmit&loss=5");
    EXPECT_TRUE(names(withLesson, "loss=5"));
    EXPECT_EQ(lesson.history.losses(), before);
}

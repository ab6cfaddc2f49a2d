// What an exported picture says and draws: its title line names the lesson
// and what its protocol is, and the run chart draws the threshold only over
// the ticks where Slow Start gives it a meaning.
#include <gtest/gtest.h>

#include <string>

#include "frontend/comparison.h"
#include "frontend/picture_title.h"
#include "frontend/pictures.h"
#include "history/lessons.h"
#include "tests/history/history_support.h"

namespace {

using namespace history_support;

// How often `needle` stands in `text`.
int count(const std::string& text, const std::string& needle)
{
    int found = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++found;
    return found;
}

// The chart's threshold line is drawn in its own orange; nothing else is.
const std::string ThresholdStroke = "stroke=\"#e67800\"";

} // namespace

TEST(PictureTitle, ALessonNamesItselfAndSaysInWordsWhatItsProtocolIs)
{
    const RunFileResult lesson = loadLesson("go-back-n");
    ASSERT_TRUE(lesson.script) << lesson.error;
    Comparison played(*lesson.script);
    played.apply(0, {EventKind::StartReset, 0, 0});
    while (played.ticks() < 300)
        played.tick();
    const RunHistory& history = played.history(0);
    const pictures::TitleParts title =
        pictures::runTitle(history.run(history.runCount() - 1), history.losses(), 0, 300);
    EXPECT_EQ(title.title, lesson.script->title);
    // Window 4 rather than the preset's 8: go-back-N all the same, with its figures.
    EXPECT_EQ(title.protocol, "Go-back-N, window 4, receive window 8, highest sequence number 15, timeout 6");
    // The lesson loses packet 1 by a click at tick 15: no loss setting, but a loss all the same.
    EXPECT_EQ(pictures::titleLine(title), lesson.script->title + " \u00b7 " + title.protocol +
                                              " \u00b7 Lost by click: packet 1 \u00b7 ticks 0\u2013300");
    EXPECT_EQ(pictures::runTitle(history.run(history.runCount() - 1), history.losses(), 100, 300).losses,
              "No losses");

    // A preset is named by its title; other sets by their family and the boxes beyond it.
    Form1 form = loaded();
    EXPECT_EQ(pictures::settingsText(form),
              "Sliding window, window 4, receive window 8, highest sequence number "
              "15, timeout 6");
    form.chkSelective.Value = 1;
    form.chkDelayedACK.Value = 1;
    EXPECT_EQ(pictures::settingsText(form), "Selective repeat with Delayed ACKs, window 4, receive window 8, "
                                            "highest sequence number 15, timeout 6");
    form.chkSlowStart.Value = 1;
    EXPECT_EQ(
        pictures::settingsText(form).rfind("TCP-like with Selective Repeat, Delayed ACKs, receive window", 0),
        0u)
        << pictures::settingsText(form);
}

TEST(PictureChart, TheThresholdIsDrawnOnlyOverTicksWithSlowStart)
{
    // Slow Start on for ticks 0-199, off for 200-399, on again from 400.
    Form1 form = loaded();
    RunHistory history(form);
    history.apply(form, box(OptionBox::SlowStart));
    history.apply(form, StartReset);
    while (history.ticks() < 600) {
        if (history.ticks() == 200 || history.ticks() == 400) history.apply(form, box(OptionBox::SlowStart));
        history.tick(form);
    }
    ASSERT_TRUE(history.trace().sample(100).slowStart);
    ASSERT_FALSE(history.trace().sample(300).slowStart);
    ASSERT_TRUE(history.trace().sample(500).slowStart);
    const RunHistory::Run& run = history.run(history.runCount() - 1);
    const auto chart = [&](std::int32_t from, std::int32_t to) {
        pictures::Request request;
        request.from = from;
        request.to = to;
        return pictures::runPicture(run, history.losses(), pictures::View::Chart, request);
    };

    // Two stretches with Slow Start: two lines, and the legend's swatch.
    const std::string whole = chart(0, 600);
    EXPECT_EQ(count(whole, ThresholdStroke), 2 + 1);
    EXPECT_EQ(count(whole, ">SSThresh<"), 1);
    // Partly without it: the line only where it is in force, the legend keeps it.
    const std::string part = chart(300, 500);
    EXPECT_EQ(count(part, ThresholdStroke), 1 + 1);
    EXPECT_EQ(count(part, ">SSThresh<"), 1);
    // Wholly without it: neither line nor legend entry.
    const std::string none = chart(250, 350);
    EXPECT_EQ(count(none, ThresholdStroke), 0);
    EXPECT_EQ(count(none, ">SSThresh<"), 0);
}

// The same-losses lesson, played as the comparison it is: its note's figures
// are the engine's at its last tick, and over a longer run at the same loss
// rate the three protocols order as the textbooks say.
#include <gtest/gtest.h>

#include "frontend/comparison.h"
#include "history/lessons.h"

namespace {

constexpr UserEvent Start{EventKind::StartReset, 0, 0};

void playTo(Comparison& comparison, std::int32_t ticks)
{
    comparison.apply(0, Start);
    while (comparison.ticks() < ticks && comparison.running())
        comparison.tick();
}

} // namespace

TEST(SameLossesLesson, ItsNoteGivesTheFiguresAndTheProtocolsOrderAsTheTextbooksSay)
{
    const RunFileResult read = loadLesson("same-losses");
    ASSERT_TRUE(read.script) << read.error;
    Comparison lesson(*read.script);
    ASSERT_EQ(lesson.labels(),
              (std::vector<std::string>{"Stop-and-wait", "Go-back-N (textbook)", "Selective repeat"}));
    playTo(lesson, read.script->ticks + 100);
    // Every configuration ends the lesson together, paused at its last tick.
    ASSERT_FALSE(lesson.running());
    for (std::size_t i = 0; i < lesson.size(); ++i) {
        EXPECT_EQ(lesson.history(i).ticks(), read.script->ticks) << lesson.label(i);
        EXPECT_TRUE(lesson.history(i).atLessonEnd()) << lesson.label(i);
    }
    const std::vector<RunFigures> figures = lesson.figures();
    for (std::size_t i = 0; i < lesson.size(); ++i) {
        const std::string said = lesson.label(i) + ": " + std::to_string(figures[i].delivered) +
                                 " delivered, " + std::to_string(figures[i].retransmissions) +
                                 " retransmissions, goodput " + figures::oneDecimal(figures[i].goodput) + ".";
        EXPECT_NE(read.script->note.find(said), std::string::npos)
            << said << "\nnot in: " << read.script->note;
    }

    // 5,000 ticks with the lesson's losses and windows of 8.
    Comparison longer(Comparison::readPresetList("stop-and-wait,go-back-n,selective-repeat"),
                      lesson.losses());
    ASSERT_EQ(longer.form(1).VScroll1.value(), 17 - 8);
    playTo(longer, 5000);
    ASSERT_EQ(longer.ticks(), 5000);
    const std::vector<RunFigures> after = longer.figures();
    EXPECT_GE(after[2].delivered, after[1].delivered);
    EXPECT_GT(after[1].delivered, after[0].delivered);
    EXPECT_GT(after[1].retransmissions, after[2].retransmissions) << "go-back-N resends whole windows";
}

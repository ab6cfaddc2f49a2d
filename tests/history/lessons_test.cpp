// Every built-in lesson, played through: what its note promises happens at
// the ticks the note names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "history/lessons.h"
#include "history/run_history.h"

namespace {

struct Played {
    RunScript script;
    RunTrace trace{Form1{}};
};

// Plays the lesson for its own length, or for `ticks` when that is given.
Played play(const std::string& name, std::int32_t ticks = -1)
{
    const RunFileResult read = loadLesson(name);
    EXPECT_TRUE(read.script) << name << ": " << read.error;
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.open(form, *read.script);
    const std::int32_t until = ticks >= 0 ? ticks : read.script->ticks;
    while (history.ticks() < until)
        history.tick(form);
    return {*read.script, history.trace()};
}

bool logged(const RunTrace& trace, std::int32_t tick, const std::string& text)
{
    return std::any_of(trace.log().begin(), trace.log().end(), [&](const LogEntry& e) {
        return e.tick == tick && e.text.find(text) != std::string::npos;
    });
}

std::vector<std::int32_t> ticksWith(const RunTrace& trace, Markers bit)
{
    std::vector<std::int32_t> ticks;
    for (std::int32_t tick = 0; tick <= trace.ticks(); ++tick)
        if ((trace.sample(tick).markers() & bit) != 0) ticks.push_back(tick);
    return ticks;
}

using Ticks = std::vector<std::int32_t>;

TEST(Lessons, EveryLessonShowsWhatItsNotePromises)
{
    const std::vector<LessonEntry> lessons = lessonList();
    ASSERT_GE(lessons.size(), 9u);
    for (const LessonEntry& lesson : lessons) {
        const RunFileResult read = loadLesson(lesson.name);
        ASSERT_TRUE(read.script) << lesson.name << ": " << read.error;
        EXPECT_FALSE(read.script->title.empty() || read.script->note.empty()) << lesson.name;
    }
    EXPECT_FALSE(loadLesson("no-such-lesson").script);

    {
        const Played p = play("one-at-a-time");
        double mostBefore = 0, mostAfter = 0;
        for (std::int32_t tick = 1; tick <= p.trace.ticks(); ++tick)
            (tick <= 350 ? mostBefore : mostAfter) =
                std::max(tick <= 350 ? mostBefore : mostAfter, p.trace.sample(tick).flight());
        EXPECT_EQ(mostBefore, 1);
        EXPECT_EQ(mostAfter, 8);
    }
    {
        const Played p = play("go-back-n");
        EXPECT_EQ(ticksWith(p.trace, marker::PacketLost), Ticks{15});
        EXPECT_EQ(ticksWith(p.trace, marker::OutOfOrderDrop), (Ticks{96, 107, 220}));
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout), Ticks{174});
        EXPECT_TRUE(logged(p.trace, 174, "Going back: retransmitting packet 2"));
        EXPECT_TRUE(logged(p.trace, 176, "Going back: retransmitting packet 4"));
        EXPECT_EQ(p.trace.sample(280).rxNext, 5);
    }
    {
        const Played p = play("go-back-n-original-receiver");
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout), Ticks{174});
        EXPECT_EQ(p.trace.sample(247).rxNext, 5);
        EXPECT_FALSE(std::any_of(p.trace.log().begin(), p.trace.log().end(), [](const LogEntry& e) {
            return e.text.starts_with("Retransmitting packet 2");
        }));
    }
    {
        const Played p = play("selective-repeat");
        EXPECT_EQ(p.trace.sample(169).txState, txstate::Selective);
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout), Ticks{180});
        EXPECT_TRUE(logged(p.trace, 180, "Retransmitting packet 1"));
        EXPECT_EQ(p.trace.sample(326).txState, txstate::Normal);
    }
    {
        const Played p = play("lost-ack");
        EXPECT_EQ(ticksWith(p.trace, marker::AckLost), Ticks{80});
        EXPECT_TRUE(ticksWith(p.trace, marker::Timeout).empty());
    }
    {
        const Played p = play("slow-start");
        EXPECT_EQ(p.trace.sample(158).txWindow(), 4);
        EXPECT_EQ(p.trace.sample(326).txWindow(), 8);
        EXPECT_EQ(ticksWith(p.trace, marker::PacketLost), Ticks{330});
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout), Ticks{455});
        EXPECT_EQ(p.trace.sample(455).ssThresh(), 4);
        EXPECT_EQ(p.trace.sample(904).txWindow(), 4);
        EXPECT_EQ(p.trace.sample(1039).txWindow(), 4.25);
    }
    {
        const Played p = play("fast-retransmit");
        EXPECT_EQ(ticksWith(p.trace, marker::PacketLost), Ticks{230});
        EXPECT_EQ(ticksWith(p.trace, marker::FastRetransmit), Ticks{450});
        EXPECT_TRUE(ticksWith(p.trace, marker::Timeout).empty());
        EXPECT_EQ(p.trace.sample(450).ssThresh(), 3);
        EXPECT_EQ(p.trace.sample(596).txState, txstate::SlowStart);
    }
    {
        const Played p = play("auto-rtt-timeout");
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout).front(), 93);
        EXPECT_TRUE(logged(p.trace, 147, "Retransmitting packet 1"));
        EXPECT_EQ(p.trace.sample(93).timeoutSetting, 8);
        EXPECT_EQ(p.trace.sample(147).timeoutSetting, 16);
        EXPECT_EQ(p.trace.sample(293).timeoutSetting, 8);
        EXPECT_EQ(p.trace.sample(304).timeoutSetting, 7);
        EXPECT_EQ(p.trace.sample(439).timeoutSetting, 6);
    }
    {
        const Played p = play("small-sequence-space");
        EXPECT_EQ(p.trace.sample(0).seqModulus, 4);
        EXPECT_EQ(ticksWith(p.trace, marker::Timeout), Ticks{174});
        EXPECT_TRUE(logged(p.trace, 320, "Retransmitting packet 3"));
    }
}

// One loss under each of the three recoveries, watched for 3,000 ticks: the
// textbook go-back-N pair keeps nearly the pace of selective repeat.
TEST(Lessons, GoBackNRecoversNearlyAsFastAsSelectiveRepeat)
{
    const Played goBack = play("go-back-n", 3000);
    const Played selective = play("selective-repeat", 3000);
    const int goBackReached = goBack.trace.sample(3000).rxNext;
    const int selectiveReached = selective.trace.sample(3000).rxNext;
    EXPECT_GE(goBackReached * 100, selectiveReached * 85) << goBackReached << " against " << selectiveReached;
    EXPECT_EQ(ticksWith(goBack.trace, marker::Timeout), Ticks{174});
    EXPECT_EQ(ticksWith(goBack.trace, marker::OutOfOrderDrop).size(), 3u);
}

} // namespace

// A run carried in a link: a teacher's run with losses travels through the
// link and plays tick for tick as it did; damaged or oversized links are
// refused with a sentence.
#include <gtest/gtest.h>

#include <vector>

#include "core/state_digest.h"
#include "frontend/run_clock.h"
#include "frontend/run_link.h"
#include "history/run_history.h"
#include "tests/history/history_support.h"

namespace {

using namespace history_support;

std::int16_t visiblePacket(const Form1& form) { return firstVisible(form.cmdPacket); }

// Slow Start, Start, two packets lost on their way, then 400 more ticks.
std::vector<std::uint64_t> teachersRun(Form1& form, RunHistory& history)
{
    history.apply(form, box(OptionBox::SlowStart));
    history.apply(form, StartReset);
    std::vector<std::uint64_t> digests;
    int lost = 0;
    for (int t = 1; t <= 700; ++t) {
        history.tick(form);
        // A playback applies the actions stamped with a tick right after that tick.
        if (lost < 2 && t >= 20 + 150 * lost && visiblePacket(form) >= 0) {
            history.apply(form, {EventKind::ClickPacket, visiblePacket(form), 0});
            ++lost;
        }
        digests.push_back(stateDigest(form));
    }
    EXPECT_EQ(lost, 2);
    return digests;
}

TEST(RunLink, ARunWithLossesTravelsByLinkAndPlaysTheSame)
{
    Form1 teacher = loaded();
    RunHistory taught(teacher);
    const std::vector<std::uint64_t> expected = teachersRun(teacher, taught);

    const runlink::LinkParts parts = runlink::linkParts(taught, run_clock::NormalSpeed + 1);
    ASSERT_FALSE(parts.runText.empty());
    EXPECT_EQ(parts.query, "speed=2");
    const runlink::BuiltLink built = runlink::buildLink("https://example.org/demo/", parts);
    ASSERT_TRUE(built.error.empty()) << built.error;
    EXPECT_LT(built.link.size(), 1000u); // compressed: a run file of several kilobytes fits a QR code

    Form1 student = loaded();
    RunHistory history(student);
    const runlink::OpenedLink opened = runlink::openLink(student, history, built.link);
    ASSERT_TRUE(opened.openedRun) << opened.error;
    EXPECT_EQ(opened.outcome.speedIndex, run_clock::NormalSpeed + 1);
    EXPECT_FALSE(student.Timer1.Enabled); // paused at its start, as a file opens
    EXPECT_EQ(history.ticks(), 0);
    std::vector<std::uint64_t> played;
    while (played.size() < expected.size()) {
        history.tick(student); // as the exporter plays it: the recording's actions at their ticks
        played.push_back(stateDigest(student));
    }
    EXPECT_EQ(played, expected);

    // A run without an action yet is the short settings link of before.
    Form1 fresh = loaded();
    RunHistory idle(fresh);
    const runlink::LinkParts plain = runlink::linkParts(idle, run_clock::NormalSpeed);
    EXPECT_TRUE(plain.runText.empty());
    EXPECT_TRUE(plain.query.starts_with("options=none")) << plain.query;
}

TEST(RunLink, DamagedAndOversizedLinksAreRefusedWithASentence)
{
    Form1 form = loaded();
    RunHistory history(form);
    const RunFileResult good = runlink::readPayload(runlink::runPayload(writeRunText(RunScript{})));
    ASSERT_TRUE(good.script) << good.error;

    const std::string payload = runlink::runPayload(writeRunText(RunScript{}));
    for (const std::string& bad :
         {std::string("not*base64"), payload.substr(0, payload.size() / 2), std::string("A")}) {
        const RunFileResult read = runlink::readPayload(bad);
        EXPECT_FALSE(read.script);
        EXPECT_EQ(read.error, runlink::damagedSentence()) << bad;
    }
    // Valid compression of text that is no run: the run-file reader's own sentence.
    const RunFileResult notRun =
        runlink::readPayload(runlink::runPayload("{\"format\": \"something else\"}"));
    ASSERT_FALSE(notRun.script);
    EXPECT_EQ(notRun.error, "The run in this link cannot be opened. " +
                                readRunText("{\"format\": \"something else\"}").error);
    // A bomb that inflates past a run file's size is refused as it inflates,
    // with one sentence whatever its size, the page's too.
    const RunFileResult bomb =
        runlink::readPayload(runlink::runPayload(std::string(runfile::MaxFileBytes + 10, ' ')));
    ASSERT_FALSE(bomb.script);
    EXPECT_EQ(bomb.error, runfile::linkTooLargeSentence());

    // Too long for an address bar: refused, the file offered instead.
    runlink::LinkParts huge;
    std::uint32_t noise = 1;
    for (int i = 0; i < 8000; ++i)
        huge.runText += static_cast<char>((noise = noise * 1664525u + 1013904223u) >> 24);
    const runlink::BuiltLink built = runlink::buildLink("https://example.org/", huge);
    EXPECT_TRUE(built.link.empty());
    EXPECT_NE(built.error.find("save it as a run file"), std::string::npos) << built.error;

    const runlink::OpenedLink opened = runlink::openLink(form, history, "https://example.org/?tx=3#run=%%%");
    EXPECT_FALSE(opened.openedRun);
    EXPECT_EQ(opened.error, runlink::damagedSentence());

    // Reading is bounded as making is: a link longer than any the program
    // makes is refused unread with the same sentence, and bytes after the
    // compressed run make it damaged, as the browser judges it.
    const std::string lesson =
        "https://example.org/?tx=3#run=" + runlink::runPayload(writeRunText(RunScript{}));
    const std::string padded =
        lesson + "&" + std::string(runlink::MaxLinkCharacters - lesson.size() - 1, 'x');
    EXPECT_TRUE(runlink::openLink(form, history, padded).openedRun);
    const runlink::OpenedLink tooLong = runlink::openLink(form, history, padded + "x");
    EXPECT_FALSE(tooLong.openedRun);
    EXPECT_EQ(tooLong.error, runlink::tooLongSentence(runlink::MaxLinkCharacters + 1));
    EXPECT_TRUE(tooLong.outcome.ignored.empty()) << "nothing of it is read";
    const std::string trailing = runlink::base64UrlEncode(
        *runlink::base64UrlDecode(runlink::runPayload(writeRunText(RunScript{}))) + "x");
    EXPECT_EQ(runlink::readPayload(trailing).error, runlink::damagedSentence());
}

// What the page takes from its address, a link opened outside the page
// takes too: a query of settings alone (the README's example, run=1 and all),
// every parameter at once, a lesson with what counts beside it.
TEST(RunLink, EveryPageParameterIsTakenWhereverTheLinkIsOpened)
{
    const auto open = [](std::string_view link) {
        Form1 form = loaded();
        RunHistory history(form);
        return runlink::openLink(form, history, link);
    };
    const runlink::OpenedLink example = open("options=slowstart,avoidance,fastretransmit&tx=8&seq=16&run=1");
    EXPECT_EQ(example.error, "");
    EXPECT_FALSE(example.openedRun);
    EXPECT_TRUE(example.outcome.run);
    EXPECT_TRUE(example.outcome.ignored.empty()) << example.outcome.ignored.front();

    const runlink::OpenedLink all =
        open("https://example.org/demo/?protocol=reno&options=slowstart,avoidance,fastretransmit&autortt=0&"
             "slide=1&inorder=0&gobackn=1&timeout=12&tx=2&rx=16&seq=31&run=1&speed=2&embed=1&practice=1&"
             "loss=5&ackloss=2&seed=7&lose=p5,a9&compare=tahoe,reno&tahoe=1");
    EXPECT_EQ(all.error, "");
    EXPECT_TRUE(all.outcome.run && all.outcome.embed && all.outcome.practice);
    EXPECT_EQ(all.outcome.compare.size(), 2u);
    EXPECT_TRUE(all.outcome.ignored.empty()) << all.outcome.ignored.front();

    const runlink::OpenedLink lesson = open("?lesson=slow-start&speed=0.5&embed=1&practice=1");
    EXPECT_TRUE(lesson.openedRun) << lesson.error;
    EXPECT_EQ(lesson.outcome.speedIndex, 1);
    EXPECT_TRUE(lesson.outcome.ignored.empty()) << lesson.outcome.ignored.front();
}

} // namespace

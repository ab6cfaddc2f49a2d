// What a built-in lesson says about its run is checked against the run.
//
// Every tick, packet number and figure that a lesson's title, note, question
// prompts and explanations state is a claim (lesson_claims.cpp): the words
// that state it and how the engine bears them out. The test plays each
// lesson as a class would open it, checks every claim, and then requires
// that no number is left in the lesson's texts that no claim accounts for. A
// text that drifts from its run, or a new number written without a claim,
// fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "history/lessons.h"
#include "tests/frontend/lesson_checks.h"

namespace {

using lesson_checks::Claim;
using lesson_checks::lessonClaims;
using lesson_checks::Played;

std::vector<std::string> textsOf(const RunScript& script)
{
    std::vector<std::string> texts{script.title, script.note};
    for (const RunQuestion& q : script.questions) {
        texts.push_back(q.prompt);
        texts.push_back(q.explanation);
    }
    return texts;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Removes every place where `said` stands as whole numbers (not as part of a
// longer number), so that what is left shows the numbers no claim covers.
void strike(std::string& text, const std::string& said)
{
    for (std::size_t at = text.find(said); at != std::string::npos; at = text.find(said, at)) {
        const std::size_t end = at + said.size();
        const bool cutsNumber =
            (at > 0 && digit(said.front()) && digit(text[at - 1])) ||
            (end < text.size() && digit(said.back()) &&
             (digit(text[end]) || (text[end] == '.' && end + 1 < text.size() && digit(text[end + 1]))));
        if (cutsNumber) {
            ++at;
            continue;
        }
        text.replace(at, said.size(), "~");
    }
}

TEST(LessonNotes, EveryNumberALessonStatesIsWhatItsRunShows)
{
    const std::map<std::string, std::vector<Claim>> claims = lessonClaims();
    for (const LessonEntry& lesson : lessonList()) {
        SCOPED_TRACE(lesson.name);
        ASSERT_TRUE(claims.contains(lesson.name)) << "a lesson with no claims checked";
        const RunFileResult read = loadLesson(lesson.name);
        ASSERT_TRUE(read.script) << read.error;
        const Played played(*read.script);
        std::vector<std::string> texts = textsOf(*read.script);

        std::vector<Claim> ordered = claims.at(lesson.name);
        // The longest first, so a short claim never takes a piece of a longer one.
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const Claim& a, const Claim& b) { return a.said.size() > b.said.size(); });
        for (const Claim& claim : ordered) {
            const bool written = std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
                return t.find(claim.said) != std::string::npos;
            });
            EXPECT_TRUE(written) << "the lesson no longer says: " << claim.said;
            EXPECT_EQ(claim.check(played), "") << "says: " << claim.said;
            for (std::string& t : texts)
                strike(t, claim.said);
        }
        for (const std::string& t : texts) {
            const auto number = std::find_if(t.begin(), t.end(), digit);
            EXPECT_EQ(number, t.end())
                << "a number no claim covers: ..."
                << t.substr(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, number - t.begin() - 60)),
                            120)
                << "...";
        }
    }
}

} // namespace

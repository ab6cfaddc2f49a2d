// Files from strangers: whatever a run file holds, it is refused with one
// plain sentence or read into plain, short text; a file full of Resets plays
// with the recording's own ticks; a save never writes through a planted link
// and never leaves half a file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "history/display_text.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "history_support.h"
#include "tests/reliability/plain_text_check.h"

namespace {

using namespace history_support;

RunScript scriptWith(std::vector<RecordedEvent> actions, std::int32_t ticks)
{
    RunScript script;
    script.settings = settingsOf(loaded());
    script.actions = std::move(actions);
    script.ticks = ticks;
    return script;
}

// The text of a valid run, with `replace` put in place of its first `from`.
std::string edited(std::string text, const std::string& from, const std::string& replace)
{
    text.replace(text.find(from), from.size(), replace);
    return text;
}

TEST(HostileFiles, AreRefusedWithOnePlainSentenceOrReadAsPlainShortText)
{
    const std::string valid = writeRunText(scriptWith({{0, StartReset}}, 10));
    // As JSON text: a picture, an escape sequence, a right-to-left override, megabytes.
    const std::string longName =
        "<img src=\\\"/dev/zero\\\">\\u001b[2J\xe2\x80\xae" + std::string(3'000'000, 'x');
    struct Case {
        std::string text;
        std::string sentence;
    };
    const std::vector<Case> cases = {
        {valid + " x", "The file has more after its end, at line "},
        {edited(valid, "\"ticks\"", std::string("\"t\0cks\"", 7)), "The file holds a NUL byte at line 4"},
        {edited(valid, "\"ticks\"", "\"t\xff\xfe\""),
         "The file is not UTF-8 text: a malformed byte stands at line 4"},
        {edited(valid, "\"ticks\"",
                "\"x\": " + std::string(100, '[') + std::string(100, ']') + ", \"ticks\""),
         "more than 16 deep"},
        {std::string(runfile::MaxFileBytes, '['), "more than 16 deep"},
        {"[" + std::string(runfile::MaxFileBytes / 3 - 2, ' ') + "]",
         ""}, // a list of nothing: refused as no run
        {"{\"x\": [" +
             [] {
                 std::string empties;
                 for (int i = 0; i < 1'300'000; ++i)
                     empties += "[],";
                 return empties;
             }() +
             "[]]}",
         "holds more values than a run file"},
        {edited(valid, "\"startReset\"", "\"" + longName + "\""), "names no action this program knows"},
    };
    for (const Case& c : cases) {
        const RunFileResult read = readRunText(c.text);
        ASSERT_FALSE(read.script);
        EXPECT_NE(read.error.find(c.sentence), std::string::npos)
            << read.error.substr(0, 300) << " for " << c.text.substr(0, 40);
        EXPECT_TRUE(isPlainSentence(read.error)) << read.error.substr(0, 300);
        EXPECT_LT(read.error.size(), 400u) << "a name echoed is shortened";
    }

    // A title and a note are text, never markup or commands; the reader hands
    // them out plain and shortened, the same in every front end.
    RunScript noted = scriptWith({}, 5);
    noted.title = "<b>\x1b]0;owned\x07Lesson\xe2\x80\xae" + std::string(500, 't');
    noted.note = "<img src=\"/dev/zero\">\nline two\r\n" + std::string(100'000, 'n');
    const RunFileResult read = readRunText(writeRunText(noted));
    ASSERT_TRUE(read.script) << read.error;
    EXPECT_TRUE(read.script->title.starts_with("<b>]0;ownedLesson"));
    EXPECT_TRUE(read.script->title.ends_with("\u2026"));
    EXPECT_TRUE(read.script->note.starts_with("<img src=\"/dev/zero\">\nline two\n"));
    EXPECT_EQ(read.script->note.size(), displaytext::NoteLength + 3); // and an ellipsis of three bytes
    EXPECT_TRUE(isPlainSentence(read.script->title) && isPlainSentence(read.script->note));
    // Invisible format characters that could hide or split words are dropped
    // too: zero-width space, byte-order mark, word joiner, soft hyphen, a tag
    // character, the interlinear annotation marks; the joiners of emoji stay.
    RunScript hidden = scriptWith({}, 5);
    hidden.label = "Go\u200B-\uFEFFback\u2060-\u00ADN\U000E0041 \uFFF9shown\uFFFAhidden\uFFFB "
                   "\U0001F469\u200D\U0001F52C";
    EXPECT_EQ(readRunText(writeRunText(hidden)).script->label,
              "Go-back-N shownhidden \U0001F469\u200D\U0001F52C");
    EXPECT_EQ(readRunText(writeRunText(*read.script)).script, read.script)
        << "shown text reads back the same";
}

// The recording's ticks count on across its Resets: each Reset begins a run,
// and what comes after it happens at the same tick of the recording.
TEST(HostileFiles, ResetsDuringPlaybackKeepTheRecordingsTicks)
{
    std::vector<RecordedEvent> actions;
    constexpr int Resets = 3000;
    for (int i = 0; i < Resets; ++i)
        actions.insert(actions.end(), {{2 * i, StartReset}, {2 * i + 1, StartReset}});
    // Then a last run, from the last Reset at 5999: Start at 6000 (its tick 1),
    // Pause at 6010, Cont at 6020, the end at 6030.
    actions.insert(actions.end(),
                   {{2 * Resets, StartReset}, {2 * Resets + 10, PauseCont}, {2 * Resets + 20, PauseCont}});
    const RunScript script = scriptWith(actions, 2 * Resets + 30);

    Form1 form = loaded();
    RunHistory history(form);
    history.open(form, script);
    for (int tick = 0; tick < 2 * Resets + 15; ++tick)
        history.tick(form);
    EXPECT_EQ(history.run(history.runCount() - 1).number, Resets + 2) << "start-up, the file, each Reset";
    EXPECT_EQ(history.ticks(), 16);
    EXPECT_EQ(form.cmdPause.Caption, "Cont") << "the Pause of tick 6010 happened at the last run's tick 11";
    EXPECT_EQ(history.recordedEnd(), 31);

    // The current run saves as its own, counted from its tick 0.
    const RunHistory::SavedRun saved = history.script();
    ASSERT_TRUE(saved.error.empty()) << saved.error;
    EXPECT_EQ(saved.script.ticks, 31);
    EXPECT_EQ(saved.script.actions,
              (std::vector<RecordedEvent>{{1, StartReset}, {11, PauseCont}, {21, PauseCont}}));

    // A rewind inside the last run finds the recording's actions again.
    ASSERT_TRUE(history.rewindTo(form, 5));
    for (int tick = 5; tick < 25; ++tick)
        history.tick(form);
    EXPECT_EQ(form.cmdPause.Caption, "Pause");
    EXPECT_TRUE(form.Timer1.Enabled);
    EXPECT_EQ(history.ticks(), 25);
}

TEST(HostileFiles, ASaveNeverWritesThroughAPlantedLinkNorLeavesHalfAFile)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("hostile_files_test_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path victim = folder / "victim";
    std::ofstream(victim) << "precious";
    const std::string path = (folder / "run.json").string();
    fs::create_symlink(victim, path + ".saving");

    RunScript script = scriptWith({{0, StartReset}}, 10);
    EXPECT_EQ(saveRunFile(path, script), "");
    EXPECT_EQ(loadRunFile(path).script, script);
    std::ifstream victimText(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victimText), {}), "precious");

    // A disk that takes only a few bytes: the old file stays whole.
    script.note = std::string(20'000, 'n');
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = saveRunFile(path, script);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(error.starts_with("Could not write ") && error.ends_with(".")) << error;
    EXPECT_EQ(loadRunFile(path).script->note, "") << "the file saved before is untouched";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3)
        << "run.json, the link and its target only";
    fs::remove_all(folder);
}

} // namespace

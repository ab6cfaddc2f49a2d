// Run files and the recorded future: a saved run plays back tick for tick,
// a rewind keeps what was recorded after it until the user acts, each Reset
// begins a run, the record stays within its budget, and bad files are
// refused with one sentence.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/state_digest.h"
#include "history/lessons.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "history_support.h"

namespace {

using namespace history_support;

// A hidden flight button is a free slot: its leftover caption, tag and place
// are written afresh when it is launched again, and a run file does not carry
// them across a Reset.
FormState withFreeSlotsCleared(FormState state)
{
    for (auto* buttons : {&state.cmdPacket, &state.cmdACK}) {
        for (FlightButton& button : *buttons) {
            if (button.Visible) continue;
            button.Caption.clear();
            button.Tag.clear();
            button.Top = 0;
            button.Left = 0;
        }
    }
    return state;
}

std::uint64_t shownDigest(const FormState& state) { return stateDigest(withFreeSlotsCleared(state)); }

struct SavedRun {
    RunScript script;
    std::vector<std::uint64_t> digests; // after each tick
};

TEST(RunFile, SavedRunsPlayBackEveryTickExactly)
{
    std::vector<SavedRun> saved;
    for (std::uint32_t seed = 11; seed <= 13; ++seed) {
        Form1 form = loaded();
        form.showMessageBox = [](const std::string&) {};
        RunHistory history(form, 200);
        RandomUser user(seed);
        std::vector<std::uint64_t> digests{shownDigest(form)};
        const auto save = [&] {
            const RunHistory::SavedRun run = history.script();
            ASSERT_TRUE(run.error.empty()) << run.error;
            saved.push_back({run.script, digests});
        };
        for (int t = 0; t < 3000; ++t) {
            for (const UserEvent& event : user.nextEvents(form)) {
                if (event.kind == EventKind::StartReset && form.cmdReset.Caption == "Reset") save();
                const std::uint64_t runs = history.runsVersion();
                history.apply(form, event);
                if (history.runsVersion() != runs) digests.assign(1, shownDigest(form));
            }
            if (!form.Timer1.Enabled && !user.stepsWhilePaused()) continue;
            history.tick(form);
            digests.push_back(shownDigest(form));
        }
        save();
    }

    int afterReset = 0;
    for (const SavedRun& run : saved) {
        if (run.script.ticks < 50) continue;
        afterReset += run.script.carried ? 1 : 0;
        const RunFileResult read = readRunText(writeRunText(run.script));
        ASSERT_TRUE(read.script) << read.error;
        ASSERT_EQ(*read.script, run.script);

        Form1 form = loaded();
        form.showMessageBox = [](const std::string&) {};
        RunHistory playback(form, 50);
        playback.open(form, *read.script);
        ASSERT_EQ(shownDigest(form), run.digests[0]);
        while (playback.ticks() < run.script.ticks)
            playback.tick(form);
        EXPECT_FALSE(playback.replaying());
        for (std::int32_t tick = 0; tick <= run.script.ticks; ++tick)
            ASSERT_EQ(shownDigest(playback.recorder().stateAt(tick)),
                      run.digests[static_cast<std::size_t>(tick)])
                << "tick " << tick << " of a run of " << run.script.ticks;
    }
    EXPECT_GE(afterReset, 3) << "runs that began with a Reset carry what it kept";
}

// Start, lose the packet in flight at tick 40, run to 200; rewind and watch it happen again.
// Saving what was opened, as --save and Save As do, keeps every field the
// reader knows: a lesson reads back as itself, note and questions included;
// branched before a question's tick, the run keeps only what it still reaches.
TEST(RunFile, SavingALessonKeepsItsNoteQuestionsAndLabel)
{
    RunScript lesson = *loadLesson("go-back-n").script;
    ASSERT_FALSE(lesson.questions.empty());
    lesson.label = "Go-back-N (textbook)";
    Form1 form = loaded();
    RunHistory history(form);
    history.open(form, lesson);
    RunHistory::SavedRun saved = history.script();
    ASSERT_EQ(saved.error, "");
    EXPECT_EQ(readRunText(writeRunText(saved.script)).script, lesson);

    history.apply(form, StartReset); // plays the recording
    while (history.ticks() < 50)
        history.tick(form);
    history.apply(form, box(OptionBox::SlowStart)); // branches it at tick 50
    saved = history.script();
    const RunFileResult read = readRunText(writeRunText(saved.script));
    ASSERT_TRUE(read.script) << read.error;
    EXPECT_EQ(read.script->note, lesson.note);
    EXPECT_EQ(read.script->title, lesson.title);
    EXPECT_TRUE(read.script->questions.empty()) << "the question at tick 96 lies past the branch";
}

TEST(RunFile, RewindKeepsTheRecordedFutureUntilTheUserActs)
{
    Form1 form = loaded();
    RunHistory history(form, 64);
    history.step(form); // a step before Start presses Start, then Pause
    EXPECT_EQ(form.cmdReset.Caption, "Reset");
    EXPECT_EQ(form.cmdPause.Caption, "Cont");
    history.apply(form, PauseCont);
    std::map<std::int32_t, FormState> states;
    while (history.ticks() < 200) {
        history.tick(form);
        if (history.ticks() == 40) {
            const std::int16_t slot = firstVisible(form.cmdPacket);
            ASSERT_GE(slot, 0);
            history.apply(form, {EventKind::ClickPacket, slot, 0});
            history.apply(form, {EventKind::ClickPacket, slot, 0});
        }
        states[history.ticks()] = form;
    }
    ASSERT_NE(history.trace().sample(40).markers() & marker::PacketLost, 0);

    // Back to 100, held there; stepping replays the loss.
    ASSERT_TRUE(history.rewindTo(form, 20, RunHistory::Landing::Paused));
    EXPECT_TRUE(history.replaying());
    EXPECT_EQ(form.cmdPause.Caption, "Cont");
    while (history.ticks() < 60)
        history.step(form);
    EXPECT_NE(history.trace().sample(40).markers() & marker::PacketLost, 0);
    history.apply(form, PauseCont); // releasing the hold is no action of one's own
    EXPECT_TRUE(history.replaying());
    while (history.ticks() < 200)
        history.tick(form);
    EXPECT_TRUE(static_cast<const FormState&>(form) == states[200]);
    EXPECT_FALSE(history.replaying());

    // Back again, and this time the user acts: the recorded loss is gone.
    ASSERT_TRUE(history.rewindTo(form, 20, RunHistory::Landing::Paused));
    history.apply(form, box(OptionBox::DelayedAck));
    EXPECT_FALSE(history.replaying());
    const auto& log = history.trace().log();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const LogEntry& e) {
        return e.tick == 20 && e.text.find("new branch") != std::string::npos;
    }));
    while (history.ticks() < 50)
        history.step(form);
    EXPECT_EQ(history.trace().sample(40).markers() & marker::PacketLost, 0);
}

TEST(RunHistory, EachResetBeginsARunAndTheBudgetDropsTheOldestFirst)
{
    Form1 form = loaded();
    RunHistory history(form, 1000, 3u << 20);
    for (int run = 0; run < 3; ++run) {
        history.apply(form, StartReset); // Start
        for (int t = 0; t < 300; ++t)
            history.tick(form);
        history.apply(form, StartReset); // Reset: a new run from tick 0
    }
    ASSERT_EQ(history.runCount(), 4u);
    EXPECT_EQ(history.ticks(), 0);
    EXPECT_EQ(history.run(0).trace.ticks(), 300);
    EXPECT_TRUE(history.run(3).afterReset);

    // A long run fills the budget: the earlier runs go first, then its own beginning.
    history.apply(form, StartReset);
    const auto& log = history.trace().log();
    while (history.runCount() == 4)
        history.tick(form);
    const auto firstNote = std::find_if(log.begin(), log.end(), [](const LogEntry& e) {
        return e.text.starts_with("Run 1 dropped from the record to stay within the memory budget (3 MB)");
    });
    ASSERT_NE(firstNote, log.end());
    EXPECT_EQ(std::next(firstNote)->text.substr(0, 5), history.runCount() < 3 ? "Run 2" : "Ticks");
    while (history.recorder().firstTick() == 0)
        history.tick(form);
    EXPECT_EQ(history.runCount(), 1u);
    EXPECT_EQ(history.run(0).number, 4);
    EXPECT_TRUE(log.back().text.starts_with("Ticks 0 to ") &&
                log.back().text.find("memory budget") != std::string::npos)
        << log.back().text;
    EXPECT_LE(history.approximateBytes(), history.budgetBytes());
    EXPECT_FALSE(history.script().error.empty()) << "a run that lost its beginning cannot be saved";
    EXPECT_FALSE(history.rewindTo(form, 0));
    EXPECT_TRUE(history.rewindTo(form, history.recorder().firstTick()));
}

std::string
validRun(const std::string& sliders = R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)",
         const std::string& actions = R"({"tick": 0, "action": "startReset"})",
         const std::string& head = R"("format": "sliding-window-run", "version": 1, "ticks": 100)")
{
    return "{" + head + R"(, "settings": {"options": {"slowStart": true, "avoidance": false,
        "fastRetransmit": false, "selectiveRepeat": false, "delayedAcks": false, "autoRtt": false,
        "slideNumbers": false, "inOrderReceiver": false}, "sliders": {)" +
           sliders + "}}, \"actions\": [" + actions + "]}";
}

TEST(RunFile, RefusesBadFilesWithOneSentenceNamingWhatAndWhere)
{
    ASSERT_TRUE(readRunText(validRun()).script) << readRunText(validRun()).error;
    const std::string whole = validRun();
    const auto withQuestion = [&whole](const std::string& question) {
        return whole.substr(0, whole.rfind('}')) + R"(, "questions": [)" + question + "]}";
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"hello", "not valid JSON: something unexpected stands at line 1, column 1"},
        {whole.substr(0, whole.size() / 2), "ends too early"},
        {"[1, 2]", "its top level is a list"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8)"),
         "\"settings.sliders.highestSequence\" is missing"},
        {validRun(R"("timeout": 40, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)"),
         "\"settings.sliders.timeout\" is 40, outside 1 to 20"},
        {validRun(R"("timeout": "6", "txWindow": 4, "rxWindow": 8, "highestSequence": 15)"),
         "\"settings.sliders.timeout\" should be a whole number, not text"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)",
                  R"({"tick": 5, "action": "clickPacket", "slot": 17})"),
         "\"actions[0].slot\" is 17, outside 0 to 15"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)",
                  R"({"tick": 9, "action": "startReset"}, {"tick": 4, "action": "pauseCont"})"),
         "\"actions[1].tick\" is 4, before the tick of the action before it (9)"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)",
                  R"({"tick": 2, "action": "explode"})"),
         "\"actions[0].action\" names no action this program knows: \"explode\""},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)",
                  R"({"tick": 0, "action": "startReset"})",
                  R"("format": "sliding-window-run", "version": 5, "ticks": 100)"),
         "format version 5, newer than this program reads (4)"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)", "",
                  R"("format": "sliding-window-run", "version": 1, "ticks": 100,
                     "losses": {"packetPercent": 5, "ackPercent": 0, "seed": 1, "planned": ["p5,p6"]})"),
         "\"losses.planned[0]\" should be one planned loss"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)", "",
                  R"("format": "sliding-window-run", "version": 1, "ticks": 100,
                     "losses": {"packetPercent": 31, "ackPercent": 0, "seed": 1})"),
         "\"losses.packetPercent\" is 31, outside 0 to 30"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)", "",
                  R"("format": "sliding-window-run", "version": 1, "ticks": 100,
                     "alongside": [{"label": "B", "settings": {}, "actions": []}])"),
         "\"alongside[0].settings.options\" is missing"},
        // One byte past the limit never reads as the limit itself.
        {std::string(runfile::MaxFileBytes + 1, ' '),
         "The file is 4.1 MB, larger than a run file may be (4 MB)"},
        // A number that is not whole is named as written, not called "not a number".
        {validRun(R"("timeout": 6.0, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)"),
         "\"settings.sliders.timeout\" should be a whole number written without a decimal point or an "
         "exponent, not 6.0"},
        {validRun(R"("timeout": 0.5, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)"),
         "\"settings.sliders.timeout\" should be a whole number, not 0.5"},
        {validRun(R"("timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": -0.0)"),
         "should be a whole number written without a decimal point or an exponent, not -0.0"},
        {validRun(R"("timeout": 1e9, "txWindow": 4, "rxWindow": 8, "highestSequence": 15)"),
         "\"settings.sliders.timeout\" is 1000000000.0, outside 1 to 20"},
        {withQuestion(R"({"tick": 5, "ask": "ssThresh", "prompt": "?", "choices": ["4", "8"], "answer": 2})"),
         "\"questions[0].answer\" is 2, outside 0 to 1"},
        {withQuestion(R"({"tick": 5, "ask": "guess", "prompt": "?", "choices": ["4", "8"], "answer": 0})"),
         "\"questions[0].ask\" names no kind of question this program knows"},
        {withQuestion(R"({"tick": 5, "ask": "text", "prompt": "?", "choices": ["4", "4"], "answer": 0})"),
         "\"questions[0].choices[1]\" is empty or the same as a choice before it"},
    };
    for (const auto& [text, expected] : cases) {
        const RunFileResult read = readRunText(text);
        EXPECT_FALSE(read.script);
        EXPECT_NE(read.error.find(expected), std::string::npos) << read.error;
        EXPECT_TRUE(read.error.ends_with('.') && read.error.find(". ") == std::string::npos)
            << "one sentence: " << read.error;
        // Read a few bytes at a time, as the page reads, the sentence is the same.
        RunTextReading reading(text);
        while (!reading.step(5)) {
        }
        EXPECT_EQ(reading.result().error, read.error);
    }
    RunTextReading reading(validRun());
    int steps = 1;
    while (!reading.step(16))
        ++steps;
    EXPECT_GT(steps, 20);
    EXPECT_EQ(reading.result().script, readRunText(validRun()).script);

    // On disk: a huge file is refused unread, a save replaces the whole file or nothing.
    // Its own folder, so that two builds running the suite at once never meet.
    const auto folder =
        std::filesystem::temp_directory_path() / ("run_file_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "run.json").string();
    std::ofstream(path).put(' ');
    std::filesystem::resize_file(path, runfile::MaxFileBytes + 10);
    EXPECT_NE(loadRunFile(path).error.find("larger than a run file may be"), std::string::npos);
    const RunScript script = *readRunText(validRun()).script;
    EXPECT_EQ(saveRunFile(path, script), "");
    EXPECT_EQ(*loadRunFile(path).script, script);
    EXPECT_FALSE(saveRunFile((folder / "missing" / "run.json").string(), script).empty());
    // What is wrong with a path that is no file, said as it is.
    EXPECT_NE(loadRunFile((folder / "missing.json").string()).error.find(": there is no such file."),
              std::string::npos);
    EXPECT_NE(loadRunFile(folder.string()).error.find(": it is a folder, not a file."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary left behind";
    std::filesystem::remove_all(folder);
}

} // namespace

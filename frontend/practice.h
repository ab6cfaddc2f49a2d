// Practice mode: a few questions a minute about the run on screen.
//
// The session decides when to ask, holds the clock while a question waits for
// its answer, lets the run play the event, then explains it, and keeps the
// score. The desktop window and the page show what it says and pass the
// student's answer on; neither decides anything.
//
// How a front end uses it:
//   - after each tick it ran:     afterTick(form, history, milliseconds since any fixed moment)
//   - after each user action:     userActed()   (anything but a tick; rewinds too)
//   - while holdsClock():         keep the clock still and show question()
//   - the student's choice:       answer(index) or skip()
//   - in phase Explaining:        show the verdict and question()->explanation
//   - on opening a run file:      setLesson(script.questions)
//
// A question never waits on a wrong claim: it is about the run exactly as it
// stands, so anything the user does before the event withdraws it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/form.h"
#include "frontend/practice_questions.h"
#include "history/run_file.h"
#include "history/run_history.h"

namespace practice {

class Session {
public:
    enum class Phase : std::uint8_t {
        Off,        // practice mode is off
        Watching,   // running; no question on screen
        Asking,     // a question waits for its answer; the clock is held
        Awaiting,   // answered or skipped; the run plays on to the event
        Explaining, // the event has happened; the verdict and explanation show
    };

    // How many ticks before its event a question is asked.
    static constexpr int LeadTicks = 4;
    static constexpr int DefaultPerMinute = 3;
    static constexpr int MostPerMinute = 12;

    struct Record {
        std::string prompt;
        std::string answer; // "" when skipped
        std::string right;
        bool correct = false;
        bool skipped = false;
        bool withdrawn = false;
        Happening happening = Happening::WindowSlide;
    };

    void setOn(bool on);
    bool on() const { return phase_ != Phase::Off; }
    void setPerMinute(int questions);
    // A lesson's own questions, each asked LeadTicks before its tick (ahead
    // of any found question and whatever the rate); none for other runs.
    void setLesson(std::vector<RunQuestion> questions);
    int perMinute() const { return perMinute_; }

    // `foreseeable`: how many ticks ahead the run goes on by itself, -1 for
    // as far as it likes; a recording being replayed acts again after that.
    void afterTick(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable = -1);
    // The same for a run kept by `history`, whose tick and foreseeable stretch
    // it reads, and whose network's losses the look-ahead deals as the run will.
    void afterTick(const Form1& form, const RunHistory& history, double nowMs);
    void userActed();

    bool holdsClock() const { return phase_ == Phase::Asking; }
    Phase phase() const { return phase_; }
    // The question being asked, awaited or explained.
    const std::optional<Question>& question() const { return question_; }
    // The tick of the run on which the question's event happens.
    std::int32_t eventTick() const { return eventTick_; }
    // The last choice made for the current question, -1 for none or skipped.
    int chosen() const { return chosen_; }
    // One sentence for the front end to show once: a question withdrawn.
    const std::string& notice() const { return notice_; }

    void answer(int choice);
    void skip();

    const std::vector<Record>& records() const { return records_; }
    int rightCount() const;
    int answeredCount() const;
    // "3 of 4 right" and every question with its answer, for a course page.
    std::string summary() const;

private:
    void afterTick(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable,
                   const RunHistory* history);
    void ask(const Question& question, std::int32_t tick, double nowMs);
    bool askFromLesson(const Form1& form, std::int32_t tick, double nowMs, std::int32_t foreseeable,
                       const RunHistory* history);
    void withdraw();
    void finishEvent();

    Phase phase_ = Phase::Off;
    int perMinute_ = DefaultPerMinute;
    std::optional<Question> question_;
    std::int32_t eventTick_ = -1;
    std::int32_t lastTick_ = -1;
    // A question found ahead: the tick of its event, to ask LeadTicks before.
    std::int32_t pendingEventTick_ = -1;
    // Nothing teachable until this tick: no need to look again before it.
    std::int32_t lookAgainAt_ = -1;
    double lastAskedMs_ = -1e300;
    // A question was asked: the pause restarts on the first tick run after it.
    bool restartPause_ = false;
    unsigned variety_ = 0;
    int chosen_ = -1;
    bool answered_ = false;
    std::string notice_;
    std::vector<Record> records_;
    std::vector<RunQuestion> lesson_;
    // The tick of the last lesson question considered: each once a pass.
    std::int32_t lessonDone_ = -1;
};

const char* phaseName(Session::Phase phase);

} // namespace practice

// Asking the room: the question the teacher poses to every phone, the votes,
// the histogram on Reveal, a second vote after discussion, and the table of
// every question's counts for after the class.
//
//   Idle --pose--> Voting --reveal--> Revealed --voteAgain--> Voting (round 2) --reveal--> Revealed
//   Voting or Revealed --close--> Idle   (the event plays, or the question is withdrawn)
//
// While a question is posed the teacher's clock holds (holdsClock), so the
// run waits at the moment the question is about. Votes are anonymous: one
// per device (a random token the phone keeps) and question, counted for the
// round under way and changeable until Reveal. The room never sees who chose
// what, nor any text from a phone: a vote is a question number and a choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/form.h"
#include "frontend/classroom_wire.h"
#include "frontend/practice_questions.h"
#include "history/run_file.h"

namespace classroom {

// The question for the room now: a lesson's own question whose event lies
// ahead (and which the run still bears out), else the practice finder's
// question about the next teachable event. A paused run is looked at as if
// it went on. `foreseeable`: ticks the run goes on by itself (-1: any).
std::optional<practice::Question> questionForRoom(const Form1& form, const std::vector<RunQuestion>& lesson,
                                                  std::int32_t tick, std::int32_t foreseeable,
                                                  unsigned variety);

class Room {
public:
    enum class Stage : std::uint8_t { Idle, Voting, Revealed };
    static constexpr int Rounds = 2;
    // Devices counted in one round: a bound against a flood of made-up
    // tokens, far above any room (the server admits MostStudents phones).
    static constexpr std::size_t MaxVotersPerRound = 2 * static_cast<std::size_t>(MostStudents);

    struct Asked {
        int number = 0; // from 1
        practice::Question question;
        std::vector<std::vector<int>> rounds; // the votes for each choice, round by round, once revealed
        bool withdrawn = false;
    };

    // Poses `question` to the room; its number.
    int pose(const practice::Question& question);
    // Counts a device's vote (replacing its earlier vote this round); false
    // when no question of that number is open or the choice is not one of it.
    bool vote(std::string_view device, int question, int choice);
    void reveal();
    // A second vote after a reveal; false after the second.
    bool voteAgain();
    // The question leaves the phones: the event plays, or (withdrawn) the run
    // changed before it. Counts never revealed are kept for the table.
    void close(bool withdrawn = false);

    Stage stage() const { return stage_; }
    bool holdsClock() const { return stage_ != Stage::Idle; }
    // The question posed, while one is.
    const Asked* current() const { return stage_ == Stage::Idle ? nullptr : &asked_.back(); }
    int round() const { return round_; }
    // Votes in the round under way.
    int answered() const { return static_cast<int>(votes_.size()); }
    // The votes for each choice in the round under way or just revealed.
    std::vector<int> counts() const;
    // What a phone shows: the question, its own vote, and once revealed the counts.
    RoomView view(std::string_view device) const;
    // The devices that voted in the round under way or just revealed.
    std::vector<std::string> voters() const;

    const std::vector<Asked>& asked() const { return asked_; }

private:
    std::vector<Asked> asked_;
    Stage stage_ = Stage::Idle;
    int round_ = 0;
    std::unordered_map<std::string, int> votes_; // device -> choice, this round
};

// One bar of the histogram, for the projector and the phones alike.
struct Bar {
    std::string choice;
    int votes = 0;
    int percent = 0; // of the answers, rounded to the nearest
    bool right = false;
    std::string text; // "14 (38 %)"
};
struct Histogram {
    std::vector<Bar> bars;
    int total = 0;
    int most = 0; // the largest count, for scaling the bars
    std::string caption;
};
Histogram histogramOf(int question, int round, const practice::Question& asked,
                      const std::vector<int>& counts);

// Every question with its counts, one row per choice and round: question,
// round, prompt, choice, right, votes. No device, token or time is written.
std::string answersCsv(const std::vector<Room::Asked>& asked);

} // namespace classroom

#include "frontend/classroom_room.h"

#include <algorithm>
#include <cmath>

#include "frontend/classroom_texts.h"
#include "frontend/practice_lesson.h"
#include "history/run_csv.h"

namespace classroom {

namespace {

// As far as practice looks: fifteen seconds of run at the normal speed.
constexpr int Horizon = 300;

} // namespace

std::optional<practice::Question> questionForRoom(const Form1& form, const std::vector<RunQuestion>& lesson,
                                                  std::int32_t tick, std::int32_t foreseeable,
                                                  unsigned variety)
{
    // Asked while paused, the question is about the run as it goes on when
    // the teacher lets it: the look-ahead runs a copy with the clock going.
    Form1 going = form;
    going.showMessageBox = nullptr;
    if (!going.Timer1.Enabled && going.cmdReset.Caption == "Reset" && going.cmdPause.Caption == "Cont")
        going.cmdPause_Click();
    if (!going.Timer1.Enabled) return std::nullopt;

    const int horizon = foreseeable >= 0 ? std::min(Horizon, static_cast<int>(foreseeable)) : Horizon;
    for (const RunQuestion& q : lesson) {
        const int ahead = q.tick - tick;
        if (ahead < 1 || ahead > horizon) continue;
        if (q.asks != RunQuestion::Asks::Text) {
            const auto shown = practice::lookAheadAnswer(going, q.asks, ahead);
            if (!shown || *shown != q.choices[static_cast<std::size_t>(q.answer)]) continue;
        }
        return practice::lessonQuestion(q, ahead);
    }
    if (horizon < 1) return std::nullopt;
    return practice::findQuestion(going, {horizon, 1, variety});
}

int Room::pose(const practice::Question& question)
{
    if (stage_ != Stage::Idle) close(true);
    Asked asked;
    asked.number = asked_.empty() ? 1 : asked_.back().number + 1;
    asked.question = question;
    asked_.push_back(std::move(asked));
    stage_ = Stage::Voting;
    round_ = 1;
    votes_.clear();
    return asked_.back().number;
}

bool Room::vote(std::string_view device, int question, int choice)
{
    if (stage_ != Stage::Voting || question != asked_.back().number) return false;
    if (choice < 0 || choice >= static_cast<int>(asked_.back().question.choices.size())) return false;
    const std::string key(device);
    const auto found = votes_.find(key);
    if (found != votes_.end()) {
        found->second = choice;
        return true;
    }
    if (votes_.size() >= MaxVotersPerRound) return false;
    votes_.emplace(key, choice);
    return true;
}

std::vector<int> Room::counts() const
{
    std::vector<int> counts(asked_.empty() ? 0 : asked_.back().question.choices.size(), 0);
    for (const auto& [device, choice] : votes_)
        ++counts[static_cast<std::size_t>(choice)];
    return counts;
}

void Room::reveal()
{
    if (stage_ != Stage::Voting) return;
    asked_.back().rounds.push_back(counts());
    stage_ = Stage::Revealed;
}

bool Room::voteAgain()
{
    if (stage_ != Stage::Revealed || round_ >= Rounds) return false;
    ++round_;
    votes_.clear();
    stage_ = Stage::Voting;
    return true;
}

void Room::close(bool withdrawn)
{
    if (stage_ == Stage::Idle) return;
    if (stage_ == Stage::Voting && !votes_.empty()) asked_.back().rounds.push_back(counts());
    asked_.back().withdrawn = withdrawn;
    votes_.clear();
    stage_ = Stage::Idle;
}

RoomView Room::view(std::string_view device) const
{
    RoomView view;
    if (stage_ == Stage::Idle) return view;
    const Asked& asked = asked_.back();
    view.question = asked.number;
    view.round = round_;
    view.prompt = asked.question.prompt;
    view.choices = asked.question.choices;
    const auto mine = votes_.find(std::string(device));
    view.mine = mine == votes_.end() ? -1 : mine->second;
    if (stage_ == Stage::Revealed) {
        view.revealed = true;
        view.counts = asked.rounds.back();
        view.right = asked.question.right;
        view.explanation = asked.question.explanation;
    }
    return view;
}

std::vector<std::string> Room::voters() const
{
    std::vector<std::string> devices;
    devices.reserve(votes_.size());
    for (const auto& [device, choice] : votes_)
        devices.push_back(device);
    return devices;
}

Histogram histogramOf(int question, int round, const practice::Question& asked,
                      const std::vector<int>& counts)
{
    Histogram histogram;
    for (const int votes : counts) {
        histogram.total += votes;
        histogram.most = std::max(histogram.most, votes);
    }
    for (std::size_t i = 0; i < asked.choices.size(); ++i) {
        Bar bar;
        bar.choice = asked.choices[i];
        bar.votes = i < counts.size() ? counts[i] : 0;
        bar.percent =
            histogram.total == 0
                ? 0
                : static_cast<int>(std::lround(100.0 * bar.votes / static_cast<double>(histogram.total)));
        bar.right = static_cast<int>(i) == asked.right;
        bar.text = texts::barText(bar.votes, bar.percent);
        histogram.bars.push_back(std::move(bar));
    }
    histogram.caption = texts::histogramCaption(question, round, histogram.total);
    return histogram;
}

std::string answersCsv(const std::vector<Room::Asked>& asked)
{
    std::string csv = "question,round,prompt,choice,right,votes,withdrawn\r\n";
    for (const Room::Asked& a : asked) {
        for (std::size_t round = 0; round < a.rounds.size(); ++round) {
            for (std::size_t i = 0; i < a.question.choices.size(); ++i) {
                csv += std::to_string(a.number) + ',' + std::to_string(round + 1) + ',' +
                       csvField(a.question.prompt) + ',' + csvField(a.question.choices[i]) + ',' +
                       (static_cast<int>(i) == a.question.right ? "yes" : "no") + ',' +
                       std::to_string(a.rounds[round][i]) + ',' + (a.withdrawn ? "yes" : "no") + "\r\n";
            }
        }
    }
    return csv;
}

} // namespace classroom

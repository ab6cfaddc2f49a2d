// Practice mode in the page: the same session the desktop's panel shows,
// handed to the page as JSON after every change.
#include <chrono>

#include "ui/web/json_text.h"
#include "ui/web/web_session.h"

namespace web {

namespace {

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void WebSession::practiceAfterTick() { practice_.afterTick(form_, *history_, nowMs()); }

void WebSession::setPractice(bool on) { practice_.setOn(on); }

void WebSession::answerPractice(int choice) { practice_.answer(choice); }

void WebSession::skipPractice() { practice_.skip(); }

void WebSession::setQuestionsPerMinute(int questions) { practice_.setPerMinute(questions); }

std::string WebSession::practiceJson() const
{
    using Phase = practice::Session::Phase;
    const auto& question = practice_.question();
    const Phase phase = practice_.phase();
    const bool shown =
        question && (phase == Phase::Asking || phase == Phase::Awaiting || phase == Phase::Explaining);
    const bool explained = shown && phase == Phase::Explaining;
    JsonText json;
    json.beginObject();
    json.key("on").value(practice_.on());
    json.key("phase").value(practice::phaseName(phase));
    json.key("prompt").value(shown ? question->prompt : std::string());
    json.key("choices").beginArray();
    if (shown) {
        for (const std::string& choice : question->choices)
            json.value(choice);
    }
    json.endArray();
    // The right choice stays unknown to the page until the run has shown it.
    json.key("right").value(explained ? question->right : -1);
    json.key("chosen").value(practice_.chosen());
    json.key("explanation").value(explained ? question->explanation : std::string());
    json.key("notice").value(practice_.notice());
    json.key("score").value(practice_.rightCount());
    json.key("answered").value(practice_.answeredCount());
    json.key("perMinute").value(practice_.perMinute());
    json.key("eventTick").value(shown ? static_cast<int>(practice_.eventTick()) : -1);
    json.key("packet").value(shown ? question->packet : -1);
    // The sender cell to mark once the event has happened, while the packet
    // is still on the strip; it moves with the window.
    const int cell = explained && question->packet >= 0 ? question->packet - form_.txOrigin() : -1;
    json.key("markedCell").value(Form1::onStrip(cell) ? cell : -1);
    json.endObject();
    return json.text();
}

std::string WebSession::frameJson()
{
    // Read before the message is taken, as a page asking apart would: a
    // message waiting and a message shown both keep the clock standing.
    const bool runs = clockRuns();
    std::string practice = practiceJson();
    const bool practiceChanged = practice != practiceSent_;
    if (practiceChanged) practiceSent_ = std::move(practice);
    std::string changes = changesJson();
    JsonText json(changes.size() + (practiceChanged ? practiceSent_.size() : 0) + 96);
    json.beginObject().key("clockRuns").value(runs).key("clockInterval").value(clockInterval());
    json.key("message").value(takeMessage()).key("practice");
    std::string text = json.take();
    text += practiceChanged ? practiceSent_ : "null";
    text += ",\"changes\":";
    text += changes;
    text += '}';
    return text;
}

} // namespace web

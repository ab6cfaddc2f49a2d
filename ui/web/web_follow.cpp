// The page following a classroom session: the C++ side. Every message the
// laptop sends is read and made here, on the session's own model and history;
// the page only carries the socket, draws the window and the question, and
// sends the student's vote.
#include "frontend/classroom_room.h"
#include "frontend/classroom_texts.h"
#include "frontend/classroom_wire.h"
#include "ui/web/json_text.h"
#include "ui/web/web_session.h"

namespace web {

namespace {

// Enough for the tests to compare the last 300 ticks, and no more kept.
constexpr std::size_t DigestsKept = 600;

void roomJson(JsonText& json, const classroom::RoomView& room)
{
    json.beginObject();
    json.key("question").value(room.question).key("round").value(room.round);
    json.key("prompt").value(room.prompt).key("choices").beginArray();
    for (const std::string& choice : room.choices)
        json.value(choice);
    json.endArray().key("mine").value(room.mine).key("revealed").value(room.revealed);
    json.key("title").value(room.round == 1 ? classroom::texts::QuestionToTheRoom
                                            : classroom::texts::SecondVote);
    if (room.revealed) {
        practice::Question asked;
        asked.choices = room.choices;
        asked.right = room.right;
        const classroom::Histogram histogram =
            classroom::histogramOf(room.question, room.round, asked, room.counts);
        json.key("right").value(room.right).key("explanation").value(room.explanation);
        json.key("caption")
            .value(histogram.caption)
            .key("most")
            .value(histogram.most)
            .key("bars")
            .beginArray();
        for (const classroom::Bar& bar : histogram.bars) {
            json.beginObject().key("choice").value(bar.choice).key("votes").value(bar.votes);
            json.key("text").value(bar.text).key("right").value(bar.right).endObject();
        }
        json.endArray();
    }
    json.endObject();
}

} // namespace

std::string WebSession::followJson() const
{
    namespace texts = classroom::texts;
    JsonText json;
    json.beginObject().key("on").value(!outcome_.follow.empty()).key("own").value(!follower_.following());
    json.key("synced").value(follower_.synced()).key("strayed").value(follower_.strayed());
    json.key("ahead").value(follower_.ahead());
    json.key("socketPath")
        .value(classroom::SocketPath)
        .key("batchMs")
        .value(classroom::TickBatchMilliseconds)
        .key("tickMs")
        .value(form_.Timer1.Interval);
    json.key("texts").beginObject();
    for (const auto& [name, text] :
         {std::pair{"following", texts::Following}, std::pair{"tryItYourself", texts::TryItYourself},
          std::pair{"backToTheClass", texts::BackToTheClass}, std::pair{"trying", texts::TryingItYourself},
          std::pair{"connecting", texts::Connecting}, std::pair{"reconnecting", texts::Reconnecting},
          std::pair{"voteCounted", texts::VoteCounted}, std::pair{"rightAnswer", texts::RightAnswer}})
        json.key(name).value(text);
    json.endObject().endObject();
    return json.take();
}

std::string WebSession::followJoin(const std::string& device) const
{
    return classroom::joinMessage(outcome_.follow, device);
}

std::string WebSession::followVote(int question, int choice) const
{
    return classroom::voteMessage(question, choice);
}

std::string WebSession::followTake(const std::string& text)
{
    JsonText json;
    json.beginObject();
    const auto message = outcome_.follow.empty() ? std::nullopt : classroom::readServerMessage(text);
    bool rejoin = false;
    bool sync = false;
    std::int32_t ticks = 0;
    std::string_view end;
    if (message) {
        using Kind = classroom::ServerMessage::Kind;
        switch (message->kind) {
        case Kind::Calls:
        case Kind::Sync: {
            // What the teacher's window showed is its own business: no box here.
            const bool wasOpen = messageOpen_;
            const classroom::Follower::Outcome outcome = follower_.take(*message, form_, history_);
            rejoin = outcome != classroom::Follower::Outcome::Applied;
            sync = message->kind == Kind::Sync && follower_.following();
            if (sync || rejoin) messages_.clear();
            messageOpen_ = wasOpen;
            if (message->kind == Kind::Calls)
                for (const classroom::Call& call : message->calls)
                    ticks += call.kind == RunHistory::Call::Kind::Tick ? call.count : 0;
            break;
        }
        case Kind::Ask:
            room_ = message->room;
            break;
        case Kind::Close:
            if (room_.question == message->question) room_ = {};
            break;
        case Kind::Full:
            end = classroom::texts::ClassFull;
            break;
        case Kind::End:
            end = classroom::texts::ClassOver;
            room_ = {};
            break;
        case Kind::Refused:
            end = classroom::texts::WrongLink;
            break;
        }
    }
    const bool calls = message && message->kind == classroom::ServerMessage::Kind::Calls;
    json.key("rejoin").value(rejoin).key("sync").value(sync).key("ticks").value(ticks).key("calls").value(
        calls);
    json.key("end").value(end);
    json.key("room");
    if (room_.question > 0) {
        roomJson(json, room_);
    } else {
        json.beginObject().endObject();
    }
    json.endObject();
    return json.take();
}

bool WebSession::followAdvance(int ticks)
{
    if (!classDrives()) return false;
    const bool wasOpen = messageOpen_;
    const bool strayed = follower_.advance(ticks, form_, *history_) != classroom::Follower::Outcome::Applied;
    messages_.clear();
    messageOpen_ = wasOpen;
    return strayed;
}

int WebSession::followPredict(int ticks)
{
    // A question to the room holds the teacher's clock, which the run itself does not show.
    if (!classDrives() || room_.question > 0) return -1;
    const bool wasOpen = messageOpen_;
    const int made = follower_.predict(ticks, form_, *history_);
    messages_.clear();
    messageOpen_ = wasOpen;
    return made;
}

void WebSession::noteFollowed(const std::string& teachers, const std::string& own)
{
    followed_.push_back({teachers, own});
    if (followed_.size() > DigestsKept) followed_.pop_front();
}

void WebSession::followOwnCopy(bool own)
{
    if (outcome_.follow.empty()) return;
    messages_.clear();
    follower_.setFollowing(!own, form_, history_);
}

std::string WebSession::followDigests() const
{
    JsonText json;
    json.beginArray();
    for (const auto& [teacher, own] : followed_)
        json.beginArray().value(teacher).value(own).endArray();
    json.endArray();
    return json.take();
}

} // namespace web

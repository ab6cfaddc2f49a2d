// Writing the classroom's messages. The run's calls are written by hand, as
// a tick's message goes to every phone twenty times a second; texts go
// through the JSON library, which escapes them.
#include "core/numbers.h"
#include "frontend/classroom_wire.h"
#include "history/json_document.h"

namespace classroom {

namespace {

using Kind = RunHistory::Call::Kind;
using Json = jsonsteps::Document;

std::string number(long long value) { return std::to_string(value); }

// A JSON text, with anything that is not UTF-8 replaced rather than refused.
std::string jsonText(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string jsonString(std::string_view text) { return jsonText(Json(std::string(text))); }

std::string lossesArray(const LossSettings& losses)
{
    return "[" + number(losses.packetPercent) + "," + number(losses.ackPercent) + "," + number(losses.seed) +
           "," + jsonString(losses::planText(losses.planned)) + "]";
}

// The call's own fields after its kind, each with a leading comma.
std::string callFields(const Call& call)
{
    switch (call.kind) {
    case Kind::Tick:
        return call.count == 1 ? std::string() : "," + number(call.count);
    case Kind::Step:
        return {};
    case Kind::Apply:
        return "," + number(static_cast<int>(call.event.kind)) + "," + number(call.event.target) + "," +
               number(call.event.value);
    case Kind::Rewind:
        return "," + number(call.tick) + "," + (call.paused ? "1" : "0");
    case Kind::Open:
        return "," + jsonString(call.runText);
    case Kind::Losses:
        return "," + lossesArray(call.losses);
    }
    return {};
}

constexpr std::string_view kindLetter(Kind kind)
{
    switch (kind) {
    case Kind::Tick:
        return "t";
    case Kind::Step:
        return "s";
    case Kind::Apply:
        return "a";
    case Kind::Rewind:
        return "r";
    case Kind::Open:
        return "o";
    case Kind::Losses:
        return "l";
    }
    return "t";
}

} // namespace

std::string joinMessage(std::string_view token, std::string_view device)
{
    return R"({"k":"join","token":)" + jsonString(token) + R"(,"device":)" + jsonString(device) + "}";
}

std::string voteMessage(int question, int choice)
{
    return R"({"k":"vote","q":)" + number(question) + R"(,"c":)" + number(choice) + "}";
}

std::string leaveMessage() { return R"({"k":"leave"})"; }

bool isToken(std::string_view text)
{
    if (text.size() < MinTokenCharacters || text.size() > MaxTokenCharacters) return false;
    for (const char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letter && c != '-' && c != '_') return false;
    }
    return true;
}

std::string tokenFrom(std::string_view randomBytes)
{
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string token;
    // Six bits of the bytes for each character, in order.
    unsigned bits = 0;
    int held = 0;
    for (const char byte : randomBytes) {
        bits = (bits << 8) | static_cast<unsigned char>(byte);
        held += 8;
        while (held >= 6 && token.size() < TokenCharacters) {
            held -= 6;
            token += alphabet[(bits >> held) & 0x3F];
        }
        if (token.size() == TokenCharacters) break;
    }
    // The last bits, padded with zeros, as base64 writes them.
    if (held > 0 && token.size() < TokenCharacters) token += alphabet[(bits << (6 - held)) & 0x3F];
    return token;
}

void appendCall(std::string& list, const Call& call)
{
    if (!list.empty()) list += ',';
    list += "[\"";
    list += kindLetter(call.kind);
    list += '"';
    list += callFields(call);
    list += ']';
}

std::string callMessage(const Call& call, std::uint64_t sequence, std::string_view digest)
{
    std::string text = R"({"k":")";
    text += kindLetter(call.kind);
    text += R"(","n":)" + number(static_cast<long long>(sequence)) + R"(,"d":")" + std::string(digest) + '"';
    switch (call.kind) {
    case Kind::Tick:
        if (call.count != 1) text += R"(,"c":)" + number(call.count);
        if (!call.tickDigests.empty()) text += R"(,"ds":")" + call.tickDigests + '"';
        break;
    case Kind::Step:
        break;
    case Kind::Apply:
        text += R"(,"e":[)" + callFields(call).substr(1) + "]";
        break;
    case Kind::Rewind:
        text += R"(,"to":)" + number(call.tick) + R"(,"p":)" + (call.paused ? "1" : "0");
        break;
    case Kind::Open:
        text += R"(,"run":)" + jsonString(call.runText);
        break;
    case Kind::Losses:
        text += R"(,"loss":)" + lossesArray(call.losses);
        break;
    }
    return text + "}";
}

std::string syncMessage(std::uint64_t sequence, std::string_view digest, std::string_view callList)
{
    std::string text = R"({"k":"sync","n":)" + number(static_cast<long long>(sequence)) + R"(,"d":")";
    text.reserve(text.size() + callList.size() + 40);
    text += digest;
    text += R"(","calls":[)";
    text += callList;
    text += "]}";
    return text;
}

std::string askMessage(const RoomView& view)
{
    // The fields in the order of their names, so that the text is the same
    // whichever JSON object type writes it.
    Json message = Json::object();
    message["choices"] = view.choices;
    if (view.revealed) {
        message["counts"] = view.counts;
        message["explanation"] = view.explanation;
    }
    message["k"] = view.revealed ? "reveal" : "ask";
    message["mine"] = view.mine;
    message["prompt"] = view.prompt;
    message["q"] = view.question;
    message["r"] = view.round;
    if (view.revealed) message["right"] = view.right;
    return jsonText(message);
}

std::string closeMessage(int question) { return R"({"k":"close","q":)" + number(question) + "}"; }

} // namespace classroom

// Reading the classroom's messages. A phone's message comes from anyone on
// the room's network, so it is held to its exact shape: the size first,
// before any parsing, then every field, none missing and none more. The
// laptop's messages are read as carefully, though they come from the
// teacher: a page that joins whatever answers on that port must not break on it.
#include <limits>

#include "frontend/classroom_wire.h"
#include "history/json_document.h"

namespace classroom {

namespace {

using json = jsonsteps::Document;
using Kind = RunHistory::Call::Kind;

// The JSON of `text`, or a discarded value for anything that is not JSON.
json parsed(std::string_view text) { return jsonsteps::readDocument(text); }

bool hasExactly(const json& object, std::initializer_list<std::string_view> names)
{
    if (!object.is_object() || object.size() != names.size()) return false;
    for (const std::string_view name : names)
        if (!object.contains(name)) return false;
    return true;
}

// A whole number from `least` to `most`; nothing for anything else (2.0 included).
std::optional<long long> whole(const json& value, long long least, long long most)
{
    long long number = 0;
    if (value.is_number_unsigned()) {
        const auto big = value.get<std::uint64_t>();
        if (big > static_cast<std::uint64_t>(std::numeric_limits<long long>::max())) return std::nullopt;
        number = static_cast<long long>(big);
    } else if (value.is_number_integer()) {
        number = value.get<long long>();
    } else {
        return std::nullopt;
    }
    if (number < least || number > most) return std::nullopt;
    return number;
}

std::optional<std::string> text(const json& value)
{
    if (!value.is_string()) return std::nullopt;
    return value.get<std::string>();
}

constexpr long long MostInt = std::numeric_limits<std::int32_t>::max();

std::optional<StudentMessage> studentMessage(const json& message)
{
    if (!message.is_object() || !message.contains("k") || !message["k"].is_string()) return std::nullopt;
    const std::string kind = message["k"].get<std::string>();
    StudentMessage read;
    if (kind == "join" && hasExactly(message, {"k", "token", "device"})) {
        const auto token = text(message["token"]);
        const auto device = text(message["device"]);
        if (!token || !device || !isToken(*token) || !isToken(*device)) return std::nullopt;
        read.kind = StudentMessage::Kind::Join;
        read.token = *token;
        read.device = *device;
        return read;
    }
    if (kind == "vote" && hasExactly(message, {"k", "q", "c"})) {
        const auto question = whole(message["q"], 1, MostInt);
        const auto choice = whole(message["c"], 0, 3);
        if (!question || !choice) return std::nullopt;
        read.kind = StudentMessage::Kind::Vote;
        read.question = static_cast<int>(*question);
        read.choice = static_cast<int>(*choice);
        return read;
    }
    if (kind == "leave" && hasExactly(message, {"k"})) {
        read.kind = StudentMessage::Kind::Leave;
        return read;
    }
    return std::nullopt;
}

// --- The laptop's messages ---------------------------------------------------------

std::optional<LossSettings> lossesOf(const json& value)
{
    if (!value.is_array() || value.size() != 4) return std::nullopt;
    const auto packets = whole(value[0], 0, LossSettings::MaxPercent);
    const auto acks = whole(value[1], 0, LossSettings::MaxPercent);
    const auto seed = whole(value[2], 0, std::numeric_limits<std::uint32_t>::max());
    const auto plan = text(value[3]);
    if (!packets || !acks || !seed || !plan) return std::nullopt;
    auto planned = losses::readPlan(*plan);
    if (!planned || planned->size() > LossSettings::MaxPlanned) return std::nullopt;
    LossSettings losses;
    losses.packetPercent = static_cast<int>(*packets);
    losses.ackPercent = static_cast<int>(*acks);
    losses.seed = static_cast<std::uint32_t>(*seed);
    losses.planned = std::move(*planned);
    return losses;
}

std::optional<Kind> kindOf(std::string_view letter)
{
    if (letter == "t") return Kind::Tick;
    if (letter == "s") return Kind::Step;
    if (letter == "a") return Kind::Apply;
    if (letter == "r") return Kind::Rewind;
    if (letter == "o") return Kind::Open;
    if (letter == "l") return Kind::Losses;
    return std::nullopt;
}

std::optional<UserEvent> eventOf(const json& kind, const json& target, const json& value)
{
    const auto k = whole(kind, 0, EventKindCount - 1);
    const auto t = whole(target, 0, 15);
    const auto v = whole(value, -32768, 32767);
    if (!k || !t || !v) return std::nullopt;
    return UserEvent{static_cast<EventKind>(*k), static_cast<std::int16_t>(*t),
                     static_cast<std::int16_t>(*v)};
}

// A call as the catch-up lists it: ["t"], ["t",5], ["a",kind,target,value], ...
std::optional<Call> listedCall(const json& item)
{
    if (!item.is_array() || item.empty() || !item[0].is_string()) return std::nullopt;
    const auto kind = kindOf(item[0].get<std::string>());
    if (!kind) return std::nullopt;
    Call call;
    call.kind = *kind;
    const std::size_t fields = item.size() - 1;
    switch (*kind) {
    case Kind::Tick: {
        if (fields > 1) return std::nullopt;
        const auto count = fields == 1 ? whole(item[1], 1, MostInt) : std::optional<long long>(1);
        if (!count) return std::nullopt;
        call.count = static_cast<std::int32_t>(*count);
        return call;
    }
    case Kind::Step:
        return fields == 0 ? std::optional<Call>(call) : std::nullopt;
    case Kind::Apply: {
        if (fields != 3) return std::nullopt;
        const auto event = eventOf(item[1], item[2], item[3]);
        if (!event) return std::nullopt;
        call.event = *event;
        return call;
    }
    case Kind::Rewind: {
        if (fields != 2) return std::nullopt;
        const auto tick = whole(item[1], 0, MostInt);
        const auto paused = whole(item[2], 0, 1);
        if (!tick || !paused) return std::nullopt;
        call.tick = static_cast<std::int32_t>(*tick);
        call.paused = *paused == 1;
        return call;
    }
    case Kind::Open: {
        const auto run = fields == 1 ? text(item[1]) : std::nullopt;
        if (!run) return std::nullopt;
        call.runText = *run;
        return call;
    }
    case Kind::Losses: {
        const auto losses = fields == 1 ? lossesOf(item[1]) : std::nullopt;
        if (!losses) return std::nullopt;
        call.losses = *losses;
        return call;
    }
    }
    return std::nullopt;
}

// The same call as a message of its own: its fields by name, put in a list.
std::optional<Call> messageCall(const json& message, Kind kind, std::string_view letter)
{
    json item = json::array({std::string(letter)});
    switch (kind) {
    case Kind::Tick: {
        if (message.contains("c")) item.push_back(message["c"]);
        auto call = listedCall(item);
        if (!call || !message.contains("ds")) return call;
        const auto digests = text(message["ds"]);
        if (!digests || digests->size() != 16 * static_cast<std::size_t>(call->count) ||
            digests->find_first_not_of("0123456789abcdef") != std::string::npos)
            return std::nullopt;
        call->tickDigests = *digests;
        return call;
    }
    case Kind::Step:
        break;
    case Kind::Apply:
        if (!message.contains("e") || !message["e"].is_array()) return std::nullopt;
        for (const json& field : message["e"])
            item.push_back(field);
        break;
    case Kind::Rewind:
        if (!message.contains("to") || !message.contains("p")) return std::nullopt;
        item.push_back(message["to"]);
        item.push_back(message["p"]);
        break;
    case Kind::Open:
        if (!message.contains("run")) return std::nullopt;
        item.push_back(message["run"]);
        break;
    case Kind::Losses:
        if (!message.contains("loss")) return std::nullopt;
        item.push_back(message["loss"]);
        break;
    }
    return listedCall(item);
}

bool numbered(const json& message, ServerMessage& read)
{
    if (!message.contains("n") || !message.contains("d")) return false;
    const auto sequence = whole(message["n"], 0, std::numeric_limits<long long>::max());
    const auto digest = text(message["d"]);
    if (!sequence || !digest || digest->size() != 16) return false;
    read.number = static_cast<std::uint64_t>(*sequence);
    read.digest = *digest;
    return true;
}

std::optional<std::vector<std::string>> choicesOf(const json& value)
{
    if (!value.is_array() || value.size() < 2 || value.size() > 4) return std::nullopt;
    std::vector<std::string> choices;
    for (const json& choice : value) {
        const auto t = text(choice);
        if (!t) return std::nullopt;
        choices.push_back(*t);
    }
    return choices;
}

// The whole number of field `name`, from `least` to `most`, into `out`.
bool field(const json& message, const char* name, long long least, long long most, long long& out)
{
    if (!message.contains(name)) return false;
    const auto value = whole(message[name], least, most);
    if (!value) return false;
    out = *value;
    return true;
}

std::optional<RoomView> roomOf(const json& message, bool revealed)
{
    long long question = 0;
    long long round = 0;
    long long mine = -1;
    if (!field(message, "q", 1, MostInt, question) || !field(message, "r", 1, 2, round) ||
        !field(message, "mine", -1, 3, mine) || !message.contains("prompt") || !message.contains("choices"))
        return std::nullopt;
    const auto prompt = text(message["prompt"]);
    auto choices = choicesOf(message["choices"]);
    if (!prompt || !choices) return std::nullopt;
    RoomView view;
    view.question = static_cast<int>(question);
    view.round = static_cast<int>(round);
    view.prompt = *prompt;
    view.mine = mine < static_cast<long long>(choices->size()) ? static_cast<int>(mine) : -1;
    view.choices = std::move(*choices);
    if (!revealed) return view;
    long long right = 0;
    if (!field(message, "right", 0, static_cast<long long>(view.choices.size()) - 1, right) ||
        !message.contains("counts") || !message.contains("explanation"))
        return std::nullopt;
    const json& counts = message["counts"];
    const auto explanation = text(message["explanation"]);
    if (!counts.is_array() || counts.size() != view.choices.size() || !explanation) return std::nullopt;
    for (const json& count : counts) {
        const auto votes = whole(count, 0, MostInt);
        if (!votes) return std::nullopt;
        view.counts.push_back(static_cast<int>(*votes));
    }
    view.revealed = true;
    view.right = static_cast<int>(right);
    view.explanation = *explanation;
    return view;
}

std::optional<ServerMessage> serverMessage(const json& message)
{
    if (!message.is_object() || !message.contains("k") || !message["k"].is_string()) return std::nullopt;
    const std::string kind = message["k"].get<std::string>();
    ServerMessage read;
    if (const auto call = kindOf(kind)) {
        read.kind = ServerMessage::Kind::Calls;
        const auto one = messageCall(message, *call, kind);
        if (!one || !numbered(message, read)) return std::nullopt;
        read.calls.push_back(*one);
        return read;
    }
    if (kind == "sync") {
        read.kind = ServerMessage::Kind::Sync;
        if (!numbered(message, read) || !message.contains("calls") || !message["calls"].is_array())
            return std::nullopt;
        for (const json& item : message["calls"]) {
            auto call = listedCall(item);
            if (!call) return std::nullopt;
            read.calls.push_back(std::move(*call));
        }
        return read;
    }
    if (kind == "ask" || kind == "reveal") {
        auto room = roomOf(message, kind == "reveal");
        if (!room) return std::nullopt;
        read.kind = ServerMessage::Kind::Ask;
        read.room = std::move(*room);
        return read;
    }
    if (kind == "close") {
        const auto question = message.contains("q") ? whole(message["q"], 1, MostInt) : std::nullopt;
        if (!question) return std::nullopt;
        read.kind = ServerMessage::Kind::Close;
        read.question = static_cast<int>(*question);
        return read;
    }
    if (kind == "full")
        read.kind = ServerMessage::Kind::Full;
    else if (kind == "end")
        read.kind = ServerMessage::Kind::End;
    else if (kind == "refused")
        read.kind = ServerMessage::Kind::Refused;
    else
        return std::nullopt;
    return read;
}

} // namespace

std::optional<StudentMessage> readStudentMessage(std::string_view text)
{
    if (text.size() > MaxStudentMessageBytes) return std::nullopt;
    const json message = parsed(text);
    if (message.is_discarded()) return std::nullopt;
    try {
        return studentMessage(message);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<ServerMessage> readServerMessage(std::string_view text)
{
    const json message = parsed(text);
    if (message.is_discarded()) return std::nullopt;
    try {
        return serverMessage(message);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace classroom

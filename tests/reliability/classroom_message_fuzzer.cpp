// libFuzzer target for the classroom's message readers. Whatever bytes a
// phone sends, the laptop's reader either refuses them or reads a message
// that writes back to the same message, within the size limit, with tokens
// and numbers in range; whatever answers a page on the session's port, the
// page's reader refuses it or reads calls a history can take.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "frontend/classroom_wire.h"

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

std::string written(const classroom::StudentMessage& message)
{
    using Kind = classroom::StudentMessage::Kind;
    switch (message.kind) {
    case Kind::Join:
        return classroom::joinMessage(message.token, message.device);
    case Kind::Vote:
        return classroom::voteMessage(message.question, message.choice);
    case Kind::Leave:
        break;
    }
    return classroom::leaveMessage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto message = classroom::readStudentMessage(text)) {
        if (size > classroom::MaxStudentMessageBytes) fail("a message over the size limit was read");
        if (message->kind == classroom::StudentMessage::Kind::Join &&
            (!classroom::isToken(message->token) || !classroom::isToken(message->device)))
            fail("a join with a token that is no token");
        if (message->kind == classroom::StudentMessage::Kind::Vote &&
            (message->question < 1 || message->choice < 0 || message->choice > 3))
            fail("a vote out of range");
        const auto again = classroom::readStudentMessage(written(*message));
        if (!again || !(*again == *message)) fail("a message that does not write back as read");
    }
    if (const auto message = classroom::readServerMessage(text)) {
        for (const classroom::Call& call : message->calls) {
            if (call.count < 1) fail("a run of no ticks");
            if (call.kind == RunHistory::Call::Kind::Apply &&
                (static_cast<int>(call.event.kind) >= EventKindCount || call.event.target < 0))
                fail("an action no window can make");
        }
        if (message->kind == classroom::ServerMessage::Kind::Ask) {
            const classroom::RoomView& room = message->room;
            if (room.choices.size() < 2 || room.choices.size() > 4 ||
                room.mine >= static_cast<int>(room.choices.size()))
                fail("a question with choices out of range");
            if (room.revealed && (room.counts.size() != room.choices.size() || room.right < 0 ||
                                  room.right >= static_cast<int>(room.choices.size())))
                fail("a reveal that does not fit its question");
        }
    }
    return 0;
}

// A classroom session's messages: what a phone may send the teacher's laptop
// and what the laptop sends the phones, as small JSON texts, one WebSocket
// message each, over one socket per phone on the port that serves the page.
//
// A phone sends only three things, each at most MaxStudentMessageBytes:
//
//   {"k":"join","token":"<the link's join token>","device":"<the phone's own token>"}
//   {"k":"vote","q":<question number>,"c":<choice index, from 0>}
//   {"k":"leave"}
//
// Anything else (another shape, a field too many or missing, a number out of
// range, more bytes) is no message at all: the server drops it and counts it
// against the connection. Nothing a phone sends is ever shown as text.
//
// The laptop sends the teacher's run as the calls its history heard
// (classroom_journal.h), each numbered and with the state digest after it,
// and the question to the room as it stands (classroom_room.h):
//
//   {"k":"sync","n":N,"d":"<digest>","calls":[...]}   everything so far, on joining
//   {"k":"t","n":N,"d":"...","c":C,"ds":"..."}        C ticks, the digest after each
//   {"k":"a","n":N,"d":"...","e":[kind,target,value]} one user action
//   {"k":"s","n":N,"d":"..."}                         a single step
//   {"k":"r","n":N,"d":"...","to":T,"p":1}            a rewind (p: landing paused)
//   {"k":"o","n":N,"d":"...","run":"<run file>"}      a run file or lesson opened
//   {"k":"l","n":N,"d":"...","loss":[p,a,seed,"plan"]} the network's losses
//   {"k":"ask","q":Q,"r":round,"prompt":"...","choices":[...],"mine":-1}
//   {"k":"reveal","q":Q,"r":round,"counts":[...],"right":i,"explanation":"...","mine":-1}
//   {"k":"close","q":Q}                               the question is over; the event plays
//   {"k":"full"}  {"k":"end"}  {"k":"refused"}        the class is full, over, or the link's token is wrong
//
// Both sides read and write through here, the laptop natively and the page
// through the engine binding, so the format is defined once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/events.h"
#include "history/losses.h"
#include "history/run_history.h"

namespace classroom {

// --- Limits ------------------------------------------------------------------

// Phones a session takes by default; more are refused with a page that says so.
inline constexpr int DefaultMaxStudents = 500;
inline constexpr int MostStudents = 5000;
inline constexpr std::size_t MaxStudentMessageBytes = 256;
inline constexpr int MaxStudentMessagesPerSecond = 10;
// Offences (a message malformed, oversized, too fast or not allowed yet) a
// connection may make before it is closed: a phone on a poor network may
// repeat itself now and then; a program that keeps at it is no phone.
inline constexpr int OffencesBeforeClosing = 20;
// The WebSocket layer refuses outright a message this large, far past the
// limit above: what lies between is read, dropped and counted.
inline constexpr std::size_t MaxIncomingSocketBytes = 4096;
// What may wait to be sent to one phone, beyond its catch-up, before it
// counts as too far behind and is dropped (it may rejoin and catch up at
// once). A tick's message is about 50 bytes: this is minutes of run.
inline constexpr std::size_t MaxQueuedBytes = 256 * 1024;
// Ticks go to the phones in batches this far apart (classroom_journal.h):
// every message to every phone costs the laptop, mostly in its kernel. The
// phones keep their own clock between batches (Follower::predict), and each
// batch checks the ticks they made. Every other call goes at once.
inline constexpr int TickBatchMilliseconds = 2000;
// 128 random bits in base64url, for the join token and a phone's own token.
inline constexpr std::size_t TokenCharacters = 22;
inline constexpr std::size_t MinTokenCharacters = 16;
inline constexpr std::size_t MaxTokenCharacters = 64;
// Where the phones open their WebSocket, on the page's own host and port.
inline constexpr std::string_view SocketPath = "/class";

// --- What a phone sends -------------------------------------------------------

struct StudentMessage {
    enum class Kind : std::uint8_t { Join, Vote, Leave };
    Kind kind = Kind::Leave;
    std::string token;  // Join: the join token of the link the phone opened
    std::string device; // Join: the phone's own random token, kept between visits
    int question = 0;   // Vote: the question's number
    int choice = 0;     // Vote: the index of the choice, from 0

    bool operator==(const StudentMessage&) const = default;
};

// The message, or nothing for anything that is not exactly one of the three.
std::optional<StudentMessage> readStudentMessage(std::string_view text);

std::string joinMessage(std::string_view token, std::string_view device);
std::string voteMessage(int question, int choice);
std::string leaveMessage();

// Whether `text` can be a token: MinTokenCharacters to MaxTokenCharacters of base64url.
bool isToken(std::string_view text);
// A token of TokenCharacters from `randomBytes` (at least 16 of them).
std::string tokenFrom(std::string_view randomBytes);

// --- What the laptop sends ------------------------------------------------------

// One call of the teacher's history, as a phone replays it (classroom_journal.h).
struct Call {
    RunHistory::Call::Kind kind = RunHistory::Call::Kind::Tick;
    std::int32_t count = 1; // Tick: ticks in a row
    // Tick, as sent live: the state digest after each of them, sixteen
    // hexadecimal digits apiece, so that a phone checks every tick.
    std::string tickDigests;
    UserEvent event;       // Apply
    std::int32_t tick = 0; // Rewind
    bool paused = false;   // Rewind: landing paused
    std::string runText;   // Open: the run file as written
    LossSettings losses;   // Losses

    bool operator==(const Call&) const = default;
};

// The calls as the catch-up lists them, joined by commas (no brackets).
void appendCall(std::string& list, const Call& call);
// One call as its own numbered message, with the digest after it.
std::string callMessage(const Call& call, std::uint64_t number, std::string_view digest);
std::string syncMessage(std::uint64_t number, std::string_view digest, std::string_view callList);

// The question to the room as a phone shows it.
struct RoomView {
    int question = 0;
    int round = 1;
    std::string prompt;
    std::vector<std::string> choices;
    int mine = -1; // the phone's own vote this round, -1 for none
    // Once revealed: the votes for each choice, the right one, the explanation.
    bool revealed = false;
    std::vector<int> counts;
    int right = -1;
    std::string explanation;

    bool operator==(const RoomView&) const = default;
};
std::string askMessage(const RoomView& view); // or the reveal, once revealed
std::string closeMessage(int question);

inline constexpr std::string_view FullMessage = R"({"k":"full"})";
inline constexpr std::string_view EndMessage = R"({"k":"end"})";
inline constexpr std::string_view RefusedMessage = R"({"k":"refused"})";

struct ServerMessage {
    enum class Kind : std::uint8_t { Calls, Sync, Ask, Close, Full, End, Refused };
    Kind kind = Kind::End;
    std::uint64_t number = 0; // Calls, Sync
    std::string digest;       // Calls, Sync: after the calls
    std::vector<Call> calls;  // Calls: one; Sync: all since the start
    RoomView room;            // Ask (and its reveal)
    int question = 0;         // Close
};

// Nothing for a text that is not one of the messages above.
std::optional<ServerMessage> readServerMessage(std::string_view text);

} // namespace classroom

// A classroom session: phones rebuild the teacher's run from its calls and
// must stand exactly where the teacher's window stands; what a phone may send
// is held to its exact shape; the room's votes are counted once per device.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "frontend/classroom_journal.h"
#include "frontend/classroom_link.h"
#include "frontend/classroom_room.h"
#include "frontend/classroom_wire.h"
#include "frontend/practice_questions.h"
#include "history/lessons.h"
#include "history/run_history.h"

namespace {

using namespace classroom;

// The teacher's window: a model and its history, heard by a journal, with
// every message a following phone would be sent: ticks in batches of up to
// five, every other call at once after the ticks before it.
struct Teacher {
    Form1 form;
    std::optional<RunHistory> history;
    Journal journal;
    std::vector<std::string> sent;
    std::string pending; // the digest after each tick not yet sent

    Teacher()
    {
        form.Form_Load();
        history.emplace(form);
        history->observeCalls([this](const RunHistory::Call& call, const Form1* after) {
            journal.record(call, *history);
            if (call.kind == RunHistory::Call::Kind::Tick) {
                pending += digestText(*after);
                if (pending.size() == 5 * 16) flush();
                return;
            }
            flush();
            sent.push_back(journal.lastMessage(after != nullptr ? *after : form));
        });
    }
    void flush()
    {
        if (!pending.empty()) sent.push_back(journal.ticksMessage(pending));
        pending.clear();
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            history->tick(form);
    }
    void act(EventKind kind, int target = 0, int value = 0)
    {
        history->apply(form,
                       UserEvent{kind, static_cast<std::int16_t>(target), static_cast<std::int16_t>(value)});
    }
};

struct Phone {
    Form1 form;
    std::optional<RunHistory> history;
    Follower follower;
    std::size_t read = 0; // messages of the teacher's taken so far

    Phone() { form.Form_Load(); }
    // Takes a message and makes its calls at once.
    Follower::Outcome take(const std::string& text)
    {
        const auto message = readServerMessage(text);
        EXPECT_TRUE(message) << text.substr(0, 200);
        if (!message) return Follower::Outcome::Missed;
        const Follower::Outcome taken = follower.take(*message, form, history);
        if (taken != Follower::Outcome::Applied || !history) return taken;
        return follower.advance(std::numeric_limits<std::int32_t>::max(), form, *history);
    }
    // Joins now, then takes every message sent from here on.
    void join(Teacher& teacher)
    {
        teacher.flush();
        ASSERT_EQ(take(teacher.journal.catchUp(teacher.form)), Follower::Outcome::Applied);
        read = teacher.sent.size();
    }
    void follow(Teacher& teacher)
    {
        teacher.flush();
        for (; read < teacher.sent.size(); ++read)
            ASSERT_EQ(take(teacher.sent[read]), Follower::Outcome::Applied) << "message " << read;
        if (!follower.following()) return;
        EXPECT_EQ(digestText(form), digestText(teacher.form));
        EXPECT_EQ(history->ticks(), teacher.history->ticks());
    }
};

// The lowest flight slot carrying a packet, or -1 when none flies.
int firstPacketInFlight(const Teacher& teacher)
{
    for (int i = 0; i < FlightSlots; ++i)
        if (teacher.form.cmdPacket[i].Visible) return i;
    return -1;
}

// The run a lecture makes: a protocol's boxes, a start, a packet lost by two
// clicks, a rewind, a pause held during the playback, losses, a lesson opened.
TEST(ClassroomFollowing, PhonesJoiningAtAnyTimeStandWhereTheTeacherStands)
{
    Teacher teacher;
    Phone early;
    early.join(teacher);
    teacher.act(EventKind::ClickCheckBox, static_cast<int>(OptionBox::SlowStart));
    teacher.act(EventKind::StartReset);
    teacher.ticks(40);
    // A batch's ticks are played at the phone's pace, a few at a time.
    teacher.flush();
    for (; early.read < teacher.sent.size(); ++early.read) {
        const auto message = readServerMessage(teacher.sent[early.read]);
        ASSERT_TRUE(message);
        ASSERT_EQ(early.follower.take(*message, early.form, early.history), Follower::Outcome::Applied);
    }
    EXPECT_GT(early.follower.owed(), 30);
    while (early.follower.owed() > 0)
        ASSERT_EQ(early.follower.advance(3, early.form, *early.history), Follower::Outcome::Applied);
    early.follow(teacher);

    Phone late;
    late.join(teacher);
    const int slot = firstPacketInFlight(teacher);
    ASSERT_GE(slot, 0);
    teacher.act(EventKind::ClickPacket, slot);
    teacher.act(EventKind::ClickPacket, slot);
    teacher.ticks(200);
    ASSERT_TRUE(teacher.history->rewindTo(teacher.form, 120, RunHistory::Landing::Paused));
    teacher.history->step(teacher.form);
    teacher.act(EventKind::PauseCont); // Cont: the recording plays on
    teacher.ticks(30);
    teacher.act(EventKind::PauseCont); // held during the playback: the clock is flipped
    teacher.history->step(teacher.form);
    early.follow(teacher);
    late.follow(teacher);

    LossSettings losses;
    losses.packetPercent = 10;
    losses.seed = 7;
    teacher.history->setLosses(losses);
    teacher.act(EventKind::PauseCont);
    teacher.ticks(400);
    early.follow(teacher);

    // A lesson opened: a phone joining now is sent the lesson and what followed it.
    const RunFileResult lesson = loadLesson("fast-retransmit");
    ASSERT_TRUE(lesson.script);
    teacher.history->open(teacher.form, *lesson.script);
    teacher.act(EventKind::StartReset);
    teacher.ticks(300);
    Phone afterLesson;
    afterLesson.join(teacher);
    EXPECT_LT(teacher.journal.catchUp(teacher.form).size(), 8000u) << "the catch-up starts at the lesson";
    teacher.ticks(200);
    for (Phone* phone : {&early, &late, &afterLesson})
        phone->follow(teacher);
    EXPECT_EQ(early.history->atLessonEnd(), teacher.history->atLessonEnd());
    EXPECT_EQ(early.follower.strayed(), 0);

    // Trying it yourself branches a private copy; back to the class rebuilds the class's run.
    early.follower.setFollowing(false, early.form, early.history);
    early.history->apply(early.form, UserEvent{EventKind::StartReset, 0, 0});
    teacher.ticks(50);
    early.follow(teacher); // kept, not applied: the phone shows its own copy
    EXPECT_NE(digestText(early.form), digestText(teacher.form));
    early.follower.setFollowing(true, early.form, early.history);
    EXPECT_EQ(digestText(early.form), digestText(teacher.form));

    // A message missed is noticed, and a sync puts the phone right again.
    teacher.ticks(2);
    EXPECT_EQ(late.take(teacher.sent.back()), Follower::Outcome::Missed);
    late.join(teacher);
    EXPECT_EQ(digestText(late.form), digestText(teacher.form));

    // Joining between batches: the catch-up stops where the last message
    // stopped, and the next batch, the one everybody is sent, brings the rest.
    const std::string sentDigest = digestText(teacher.form);
    teacher.ticks(3);
    ASSERT_EQ(teacher.pending.size(), 3u * 16);
    Phone between;
    ASSERT_EQ(between.take(teacher.journal.catchUpBefore(3, sentDigest)), Follower::Outcome::Applied);
    EXPECT_EQ(between.follower.number(), teacher.journal.number() - 3);
    between.read = teacher.sent.size();
    teacher.ticks(4);
    // An action with ticks still to send: they go first, numbered as they were heard.
    ASSERT_EQ(teacher.pending.size(), 2u * 16);
    teacher.act(EventKind::PauseCont);
    between.follow(teacher);
    late.follow(teacher);
}

// Between the rare batches a phone keeps the run's clock itself: the next
// batch checks each tick it made, an action behind them rebuilds the run, a
// tick that differs is caught, and a stopped clock is not kept.
TEST(ClassroomFollowing, APhoneKeepingItsOwnClockIsCheckedAndPutRightByTheTeacher)
{
    Teacher teacher;
    teacher.act(EventKind::ClickCheckBox, static_cast<int>(OptionBox::SlowStart));
    teacher.act(EventKind::StartReset);
    Phone phone;
    phone.join(teacher);
    std::vector<std::string> checked;
    phone.follower.onChecked = [&](const std::string& teachers, const std::string& own) {
        checked.push_back(teachers);
        EXPECT_EQ(own, teachers);
    };
    // Takes what the teacher sent while the phone may stand ahead of it.
    const auto hear = [&] {
        teacher.flush();
        for (; phone.read < teacher.sent.size(); ++phone.read)
            ASSERT_EQ(phone.take(teacher.sent[phone.read]), Follower::Outcome::Applied);
    };

    // Ahead of the teacher by two ticks, then level: every tick made ahead is checked once.
    ASSERT_EQ(phone.follower.predict(12, phone.form, *phone.history), 12);
    teacher.ticks(10);
    hear(); // the teacher's two batches of five
    EXPECT_EQ(phone.follower.ahead(), 2);
    EXPECT_EQ(phone.history->ticks(), teacher.history->ticks() + 2);
    EXPECT_EQ(checked.size(), 10u);
    teacher.ticks(4); // two of them made already, two to make
    phone.follow(teacher);
    EXPECT_EQ(phone.follower.ahead(), 0);
    EXPECT_EQ(checked.size(), 14u);

    // The teacher loses a packet one tick on, the phone already three ticks on.
    ASSERT_EQ(phone.follower.predict(3, phone.form, *phone.history), 3);
    teacher.ticks(1);
    const int slot = firstPacketInFlight(teacher);
    ASSERT_GE(slot, 0);
    teacher.act(EventKind::ClickPacket, slot);
    teacher.act(EventKind::ClickPacket, slot);
    phone.follow(teacher); // stands where the teacher stands, ticks and all
    EXPECT_EQ(phone.follower.ahead(), 0);
    EXPECT_EQ(phone.follower.strayed(), 0);

    // A paused run's clock is not kept.
    teacher.act(EventKind::PauseCont);
    phone.follow(teacher);
    EXPECT_EQ(phone.follower.predict(5, phone.form, *phone.history), -1);
    teacher.act(EventKind::PauseCont);
    phone.follow(teacher);

    // A tick made ahead that differs from the teacher's: join again.
    phone.follower.onChecked = nullptr;
    ASSERT_EQ(phone.follower.predict(5, phone.form, *phone.history), 5);
    teacher.ticks(5);
    std::string batch = teacher.sent.back();
    const std::size_t digests = batch.find("\"ds\":\"");
    ASSERT_NE(digests, std::string::npos);
    char& first = batch[digests + 6 + 16 * 2];
    first = first == '0' ? '1' : '0';
    EXPECT_EQ(phone.take(batch), Follower::Outcome::Strayed);
    EXPECT_EQ(phone.follower.strayed(), 1);
    EXPECT_FALSE(phone.follower.synced());
    EXPECT_EQ(phone.follower.predict(1, phone.form, *phone.history), -1);
}

TEST(ClassroomWire, APhoneMaySendOnlyAJoinAVoteOrALeaveOfTheirExactShape)
{
    const std::string token = tokenFrom("0123456789abcdef");
    ASSERT_EQ(token.size(), TokenCharacters);
    EXPECT_TRUE(isToken(token));
    const StudentMessage join = *readStudentMessage(joinMessage(token, token));
    EXPECT_EQ(join.kind, StudentMessage::Kind::Join);
    EXPECT_EQ(join.token, token);
    EXPECT_EQ(readStudentMessage(voteMessage(3, 2))->choice, 2);
    EXPECT_EQ(readStudentMessage(leaveMessage())->kind, StudentMessage::Kind::Leave);

    const std::string padded = R"({"k":"vote","q":3,"c":1})" + std::string(MaxStudentMessageBytes, ' ');
    for (const std::string& refused :
         {padded,                                           // oversized
          std::string(R"({"k":"vote","q":3,"c":1)"),        // cut short
          std::string(R"({"k":"vote","q":3,"c":4})"),       // no such choice
          std::string(R"({"k":"vote","q":3,"c":1.0})"),     // not a whole number
          std::string(R"({"k":"vote","q":"3","c":1})"),     // a text for a number
          std::string(R"({"k":"vote","q":3,"c":1,"x":0})"), // a field too many
          std::string(R"({"k":"vote","q":0,"c":1})"),       // questions count from 1
          std::string(R"({"k":"a","e":[1,0,0]})"),          // an action: phones cannot drive the run
          std::string(R"({"k":"join","token":"short","device":"0123456789abcdefgh"})"),
          std::string(R"({"k":"join","token":"<script>alert(1)</script>","device":"0123456789abcdefgh"})"),
          std::string(R"(["vote",3,1])"), std::string("\xff\xfe"), std::string()}) {
        EXPECT_FALSE(readStudentMessage(refused)) << refused.substr(0, 60);
    }
}

TEST(ClassroomWire, TheLaptopsMessagesReadBackAsWritten)
{
    Call open;
    open.kind = RunHistory::Call::Kind::Open;
    open.runText = "{\"title\": \"A \\\"quoted\\\" run\"}\n";
    Call losses;
    losses.kind = RunHistory::Call::Kind::Losses;
    losses.losses.ackPercent = 5;
    losses.losses.seed = 4294967295u;
    losses.losses.planned = *losses::readPlan("p5,a9.2");
    Call action;
    action.kind = RunHistory::Call::Kind::Apply;
    action.event = UserEvent{EventKind::MoveSlider, 2, 9};
    Call rewind;
    rewind.kind = RunHistory::Call::Kind::Rewind;
    rewind.tick = 120;
    rewind.paused = true;
    std::string list;
    for (const Call& call : {open, losses, action, rewind}) {
        const auto read = readServerMessage(callMessage(call, 41, "0123456789abcdef"));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->number, 41u);
        EXPECT_EQ(read->calls.at(0), call);
        appendCall(list, call);
    }
    const auto sync = readServerMessage(syncMessage(9, "0123456789abcdef", list));
    ASSERT_TRUE(sync);
    EXPECT_EQ(sync->calls, (std::vector<Call>{open, losses, action, rewind}));

    RoomView view{4,          2, "What will SSThresh be?", {"8", "4", "2"}, 1, true,
                  {3, 10, 1}, 1, "Half the flight."};
    const auto ask = readServerMessage(askMessage(view));
    ASSERT_TRUE(ask);
    EXPECT_EQ(ask->room, view);
    EXPECT_FALSE(readServerMessage(R"({"k":"reveal","q":4,"r":1,"prompt":"?","choices":["a","b"],"mine":-1,)"
                                   R"("counts":[1],"right":0,"explanation":""})"))
        << "a count for every choice";
}

practice::Question threeChoices()
{
    practice::Question q;
    q.prompt = "=HYPERLINK(\"x\") What will the Tx Window Size be?";
    q.choices = {"4", "8", "2, or 3"};
    q.right = 1;
    q.explanation = "The window doubles in slow start.";
    return q;
}

TEST(ClassroomRoom, OneVotePerDeviceChangeableUntilRevealThenASecondRound)
{
    Room room;
    EXPECT_FALSE(room.holdsClock());
    const int number = room.pose(threeChoices());
    EXPECT_TRUE(room.holdsClock());
    EXPECT_TRUE(room.vote("phone-a", number, 0));
    EXPECT_TRUE(room.vote("phone-a", number, 1)); // changed, not added
    EXPECT_TRUE(room.vote("phone-b", number, 1));
    EXPECT_TRUE(room.vote("phone-c", number, 2));
    EXPECT_FALSE(room.vote("phone-d", number, 3)) << "no fourth choice";
    EXPECT_FALSE(room.vote("phone-d", number + 1, 0)) << "no such question";
    EXPECT_EQ(room.answered(), 3);
    EXPECT_EQ(room.view("phone-a").mine, 1);

    room.reveal();
    EXPECT_FALSE(room.vote("phone-d", number, 0)) << "closed on Reveal";
    const RoomView shown = room.view("phone-c");
    EXPECT_TRUE(shown.revealed);
    EXPECT_EQ(shown.counts, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(shown.right, 1);
    const Histogram histogram = histogramOf(number, 1, room.current()->question, shown.counts);
    EXPECT_EQ(histogram.total, 3);
    EXPECT_EQ(histogram.bars[1].percent, 67);
    EXPECT_TRUE(histogram.bars[1].right);

    ASSERT_TRUE(room.voteAgain());
    EXPECT_EQ(room.answered(), 0);
    EXPECT_TRUE(room.vote("phone-c", number, 1));
    room.reveal();
    EXPECT_FALSE(room.voteAgain()) << "two rounds at most";
    room.close();
    EXPECT_FALSE(room.holdsClock());
    EXPECT_FALSE(room.vote("phone-a", number, 1));

    const std::string csv = answersCsv(room.asked());
    EXPECT_EQ(csv.substr(0, csv.find('\r')), "question,round,prompt,choice,right,votes,withdrawn");
    EXPECT_NE(csv.find(",\"2, or 3\",no,1,no\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("1,2,"), std::string::npos) << "the second round has rows of its own";
    EXPECT_EQ(csv.find("phone-"), std::string::npos) << "no device is written";
}

TEST(ClassroomRoom, APausedRunIsAskedAboutAsItWillGoOn)
{
    Form1 form;
    form.Form_Load();
    form.cmdReset_Click();
    for (int i = 0; i < 30; ++i)
        form.Timer1_Timer();
    form.cmdPause_Click();
    ASSERT_FALSE(form.Timer1.Enabled);
    const auto question = questionForRoom(form, {}, 30, -1, 0);
    ASSERT_TRUE(question);
    EXPECT_GE(question->ticksAhead, 1);
    EXPECT_FALSE(form.Timer1.Enabled) << "the run itself is not touched";

    RunQuestion lessons;
    lessons.tick = 30 + question->ticksAhead + 5;
    lessons.prompt = "What comes next?";
    lessons.choices = {"this", "that"};
    EXPECT_EQ(questionForRoom(form, {lessons}, 30, -1, 0)->prompt, "What comes next?");
    Form1 unstarted;
    unstarted.Form_Load();
    EXPECT_FALSE(questionForRoom(unstarted, {}, 0, -1, 0)) << "nothing runs before Start";
}

TEST(ClassroomLink, TheRoomsNetworkAddressIsOfferedBeforeAnyOther)
{
    EXPECT_EQ(chooseHost({"127.0.0.1", "169.254.3.4", "fe80::1%eth0", "2001:db8::5", "192.168.1.20"}),
              "192.168.1.20");
    EXPECT_EQ(chooseHost({"127.0.0.1", "2001:db8::5"}), "2001:db8::5");
    EXPECT_EQ(chooseHost({"127.0.0.1"}), "127.0.0.1");
    EXPECT_EQ(joinLink("10.0.0.7", 8472, "abc"), "http://10.0.0.7:8472/?follow=abc");
    EXPECT_EQ(joinAddress("2001:db8::5", 80), "http://[2001:db8::5]:80/");
}

} // namespace

// Practice questions are claims about the run's future; these tests let the
// run go on and hold the claims against what the window then shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "core/colours.h"
#include "core/events.h"
#include "core/random_events.h"
#include "frontend/practice.h"
#include "frontend/practice_lesson.h"
#include "frontend/practice_questions.h"
#include "frontend/protocol_presets.h"
#include "history/lessons.h"
#include "history/run_history.h"

namespace {

using practice::Asked;
using practice::Happening;
using practice::Question;

std::string trimmed(const std::string& text) { return text.substr(text.find_first_not_of(' ')); }

// Packets put on the send queue by the tick from `pre` to `post`, read off the
// queue itself: what waits now, plus what left, less what waited before.
std::multiset<int> queuedBetween(const Form1& pre, const Form1& post)
{
    std::multiset<int> queued;
    for (int i = post.QueueHead; i != post.QueueTail; i = (i + 1) % SendQueueSlots)
        queued.insert(post.SendQueue[i]);
    if (post.LaunchHoldoff == 10) {
        for (const FlightButton& b : post.cmdPacket)
            if (b.Visible && b.Top == geometry::PacketLaunchTop)
                queued.insert(std::stoi(b.Tag) / post.SegmentBytes);
    }
    for (int i = pre.QueueHead; i != pre.QueueTail; i = (i + 1) % SendQueueSlots) {
        const auto found = queued.find(pre.SendQueue[i]);
        if (found != queued.end()) queued.erase(found);
    }
    return queued;
}

std::string listText(const std::multiset<int>& packets)
{
    return practice::packetList(std::vector<int>(packets.begin(), packets.end()));
}

// What the window shows after the event's tick, written as the choice would be.
std::string outcome(const Question& q, const Form1& pre, const Form1& post)
{
    switch (q.asked) {
    case Asked::Threshold:
        return trimmed(post.lblSSThresh.Caption);
    case Asked::TxWindow:
        return trimmed(post.lblTxWindow[1].Caption);
    case Asked::ResentPackets:
    case Asked::RoundResends:
        return listText(queuedBetween(pre, post));
    case Asked::ReceiverAsksFor:
        return "packet " + std::to_string(post.RxNext);
    case Asked::SenderWindowStart:
        return "packet " + std::to_string(post.TxBase);
    case Asked::CellTakenInto:
        for (int cell = 0; cell < geometry::CellCount; ++cell) {
            const int packet = post.rxOrigin() + cell;
            const int before = packet - pre.rxOrigin();
            const bool newlyAliased =
                post.lblRx[cell].ForeColor == colours::RxAliased &&
                (!Form1::onStrip(before) || pre.lblRx[before].ForeColor != colours::RxAliased);
            if (newlyAliased) return "the cell of packet " + std::to_string(packet);
        }
        return "none: it is dropped";
    }
    return {};
}

// Plays the run on, untouched, by `tick` to the question's event, and as far
// as its claim reaches: for what a go-back round sends again, until the round
// is over. What the run then showed, written as the choice would be.
template <class Tick> std::string playedOut(const Question& q, Form1& form, Tick tick)
{
    for (int t = 1; t < q.ticksAhead; ++t)
        tick();
    const Form1 pre = form;
    tick();
    if (q.happening == Happening::InOrderDrop) {
        EXPECT_EQ(form.RxNext, pre.RxNext) << "the in-order receiver dropped nothing: " << q.prompt;
    }
    if (q.asked != Asked::RoundResends) return outcome(q, pre, form);
    // Only packets sent before the round count: none is new while it lasts.
    const int sentEnd = pre.TxBase + pre.TxOutstanding;
    std::multiset<int> resent;
    const auto add = [&](const Form1& before) {
        for (const int packet : queuedBetween(before, form))
            if (packet < sentEnd && !resent.contains(packet)) resent.insert(packet);
    };
    add(pre);
    for (int t = 0; t < 1000 && form.GoBackNext >= 0 && form.Timer1.Enabled; ++t) {
        const Form1 before = form;
        tick();
        add(before);
    }
    return listText(resent);
}

// Every choice is different, and none names a packet twice.
void expectWellFormed(const Question& q)
{
    ASSERT_GE(q.ticksAhead, 4);
    ASSERT_GE(q.choices.size(), 3u) << q.prompt;
    ASSERT_LE(q.choices.size(), 4u);
    const std::set<std::string> distinct(q.choices.begin(), q.choices.end());
    ASSERT_EQ(distinct.size(), q.choices.size()) << q.prompt;
    for (const std::string& choice : q.choices) {
        if (!choice.starts_with("packet")) continue;
        std::vector<int> numbers;
        for (std::size_t at = choice.find_first_of("0123456789"); at != std::string::npos;
             at = choice.find_first_of("0123456789", choice.find_first_not_of("0123456789", at)))
            numbers.push_back(std::stoi(choice.substr(at)));
        const std::set<int> packets(numbers.begin(), numbers.end());
        EXPECT_EQ(packets.size(), numbers.size()) << "a packet twice in \"" << choice << "\": " << q.prompt;
    }
    ASSERT_FALSE(q.explanation.empty());
}

// A run with settings drawn at random: small sequence spaces for aliasing,
// the in-order receiver now and then, every option in some runs.
Form1 randomRun(reliability::Random& random)
{
    Form1 form;
    form.Form_Load();
    const auto click = [&form](OptionBox box) {
        applyEvent(form, {EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
    };
    for (OptionBox box :
         {OptionBox::SlowStart, OptionBox::Avoidance, OptionBox::FastRetransmit, OptionBox::Selective,
          OptionBox::DelayedAck, OptionBox::AutoRtt, OptionBox::Slide, OptionBox::InOrderReceiver})
        if (random.oneIn(2)) click(box);
    const auto move = [&form](SliderId id, int value) {
        applyEvent(form,
                   {EventKind::MoveSlider, static_cast<std::int16_t>(id), static_cast<std::int16_t>(value)});
    };
    move(SliderId::TxWindow, 1 + random.below(14));
    move(SliderId::RxWindow, 1 + random.below(14));
    move(SliderId::Sequences, random.oneIn(3) ? 20 + random.below(12) : 1 + random.below(20));
    move(SliderId::Timeout, 3 + random.below(10));
    applyEvent(form, {EventKind::StartReset, 0, 0});
    return form;
}

// Loses a random packet or ACK by a double click, as a student would.
void loseOne(Form1& form, reliability::Random& random)
{
    const bool ack = random.oneIn(2);
    const auto& buttons = ack ? form.cmdACK : form.cmdPacket;
    const std::int16_t slot = static_cast<std::int16_t>(random.below(FlightSlots));
    if (!buttons[slot].Visible) return;
    const UserEvent click{ack ? EventKind::ClickAck : EventKind::ClickPacket, slot, 0};
    applyEvent(form, click);
    applyEvent(form, click);
}

TEST(Practice, EveryRightChoiceIsWhatTheRunDoesAndNoWrongChoiceIs)
{
    reliability::Random random(20240611);
    std::array<int, practice::HappeningCount> seen{};
    int questions = 0;
    for (int run = 0; questions < 1000; ++run) {
        ASSERT_LT(run, 2000) << "too few questions found";
        Form1 form = randomRun(random);
        for (int round = 0; round < 12 && form.Timer1.Enabled; ++round) {
            const int quiet = random.below(120);
            for (int t = 0; t < quiet && form.Timer1.Enabled; ++t) {
                if (random.oneIn(25)) loseOne(form, random);
                form.Timer1_Timer();
            }
            const auto q = practice::findQuestion(form, {300, 4, static_cast<unsigned>(questions)});
            if (!q) continue;
            ++questions;
            ++seen[static_cast<std::size_t>(q->happening)];
            expectWellFormed(*q);
            ASSERT_EQ(playedOut(*q, form, [&form] { form.Timer1_Timer(); }),
                      q->choices[static_cast<std::size_t>(q->right)])
                << "run " << run << ": " << q->prompt;
        }
    }
    for (int kind = 0; kind < practice::HappeningCount; ++kind)
        EXPECT_GT(seen[static_cast<std::size_t>(kind)], 0)
            << "no question about " << practice::happeningName(static_cast<Happening>(kind));
}

// Under every protocol preset, with the network losing packets and ACKs at
// random and as planned, the look-ahead loses what the run will lose: no
// question marks an answer right that the run then contradicts.
TEST(Practice, UnderEveryPresetWithLossesEveryRightChoiceIsWhatTheRunDoes)
{
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        reliability::Random random(std::hash<std::string>{}(preset.name));
        std::array<int, practice::HappeningCount> seen{};
        int questions = 0;
        int rounds = 0;
        for (int run = 0; questions < 1000; ++run) {
            ASSERT_LT(run, 500) << preset.name << ": too few questions found";
            Form1 form;
            form.showMessageBox = [](const std::string&) {};
            form.Form_Load();
            RunHistory history(form);
            for (const UserEvent& event : presets::presetEvents(form, preset))
                history.apply(form, event);
            if (random.oneIn(3))
                history.apply(form,
                              {EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::Slide), 0});
            history.apply(form, {EventKind::StartReset, 0, 0});
            LossSettings losses;
            losses.packetPercent = 2 + random.below(7);
            losses.ackPercent = random.oneIn(3) ? 3 : 0;
            losses.seed = static_cast<std::uint32_t>(run + 1);
            for (int planned = random.below(3); planned > 0; --planned)
                losses.plan({random.oneIn(4) ? PlannedLoss::What::Ack : PlannedLoss::What::Packet,
                             static_cast<std::int16_t>(5 + random.below(60)), 1});
            history.setLosses(losses);
            const auto tick = [&] { history.tick(form); };
            for (int pause = 0; pause < 16 && form.Timer1.Enabled; ++pause) {
                for (int t = random.below(150); t > 0 && form.Timer1.Enabled; --t)
                    tick();
                const auto q = practice::findQuestion(form, {300, 4, static_cast<unsigned>(questions)},
                                                      history.networkAhead());
                if (!q) continue;
                ++questions;
                ++seen[static_cast<std::size_t>(q->happening)];
                rounds += q->asked == Asked::RoundResends ? 1 : 0;
                expectWellFormed(*q);
                ASSERT_EQ(playedOut(*q, form, tick), q->choices[static_cast<std::size_t>(q->right)])
                    << preset.name << ", run " << run << ", tick " << history.ticks() << ": " << q->prompt
                    << "\n"
                    << q->explanation;
            }
        }
        EXPECT_GT(seen[static_cast<std::size_t>(Happening::Timeout)], 0) << preset.name;
        if (preset.options[static_cast<int>(OptionBox::FastRetransmit)]) {
            EXPECT_GT(seen[static_cast<std::size_t>(Happening::FastRetransmit)], 0) << preset.name;
        }
        if (preset.options[static_cast<int>(OptionBox::GoBackN)]) {
            EXPECT_GT(rounds, 0) << preset.name;
        }
    }
}

// The session asks a few ticks ahead, holds the clock until answered, scores
// the answer once the event has happened, and withdraws a question the
// moment the user changes anything before its event.
TEST(Practice, SessionAsksHoldsScoresAndWithdraws)
{
    Form1 form;
    form.Form_Load();
    applyEvent(form, {EventKind::StartReset, 0, 0});
    practice::Session session;
    session.setOn(true);

    int tick = 0;
    double now = 0;
    const auto runUntilAsked = [&] {
        for (int guard = 0; guard < 5000 && !session.holdsClock(); ++guard) {
            form.Timer1_Timer();
            session.afterTick(form, ++tick, now += 50);
        }
        ASSERT_TRUE(session.holdsClock());
    };

    runUntilAsked();
    const Question asked = *session.question();
    EXPECT_EQ(session.eventTick() - tick, practice::Session::LeadTicks);
    session.answer(asked.right);
    EXPECT_EQ(session.phase(), practice::Session::Phase::Awaiting);
    while (session.phase() == practice::Session::Phase::Awaiting) {
        form.Timer1_Timer();
        session.afterTick(form, ++tick, now += 50);
    }
    EXPECT_EQ(tick, session.eventTick());
    EXPECT_EQ(session.phase(), practice::Session::Phase::Explaining);
    EXPECT_EQ(session.rightCount(), 1);

    // The next question comes only after the pause between questions.
    runUntilAsked();
    EXPECT_GE(now, 60000.0 / practice::Session::DefaultPerMinute);
    applyEvent(form, {EventKind::PauseCont, 0, 0});
    session.userActed();
    EXPECT_FALSE(session.holdsClock());
    EXPECT_FALSE(session.notice().empty());
    ASSERT_EQ(session.records().size(), 2u);
    EXPECT_TRUE(session.records().back().withdrawn);
    EXPECT_EQ(session.rightCount(), 1);
    EXPECT_NE(session.summary().find("1 of 1 answers right, 1 withdrawn"), std::string::npos)
        << session.summary();
}

// However long a student thinks over a question (the clock held meanwhile),
// the run plays at least the chosen interval between one question and the next.
TEST(Practice, QuestionsComeAtLeastTheChosenIntervalApart)
{
    constexpr double MsPerTick = 50;
    for (const int perMinute : {3, 12}) {
        Form1 form;
        form.Form_Load();
        applyEvent(form, {EventKind::StartReset, 0, 0});
        practice::Session session;
        session.setOn(true);
        session.setPerMinute(perMinute);
        std::vector<int> askedAt;
        double now = 0;
        for (int tick = 1; tick <= 2400; ++tick) {
            form.Timer1_Timer();
            session.afterTick(form, tick, now += MsPerTick);
            if (!session.holdsClock()) continue;
            askedAt.push_back(tick);
            now += 30000; // thinking, with the run held
            if (askedAt.size() % 2 == 0)
                session.skip();
            else
                session.answer(session.question()->right);
        }
        ASSERT_GE(askedAt.size(), 3u) << perMinute << " a minute";
        const double leastTicks = 60000.0 / perMinute / MsPerTick;
        for (std::size_t i = 1; i < askedAt.size(); ++i)
            EXPECT_GE(askedAt[i] - askedAt[i - 1], leastTicks)
                << perMinute << " a minute: questions at ticks " << askedAt[i - 1] << " and " << askedAt[i];
    }
}

// Every built-in lesson asks at least one question of its own; each
// checkable one's right choice is what the window shows on its tick, and a
// practice session playing the lesson asks every one of them at its tick.
TEST(Practice, LessonQuestionsCheckOutAgainstTheEngineAndAreAsked)
{
    for (const LessonEntry& lesson : lessonList()) {
        const RunFileResult read = loadLesson(lesson.name);
        ASSERT_TRUE(read.script) << lesson.name << ": " << read.error;
        const RunScript& script = *read.script;
        ASSERT_FALSE(script.questions.empty()) << lesson.name;
        EXPECT_EQ(readRunText(writeRunText(script)).script, script) << lesson.name << ": questions kept";

        Form1 form;
        form.Form_Load();
        RunHistory history(form);
        history.open(form, script);
        practice::Session session;
        session.setOn(true);
        session.setPerMinute(1); // the lesson's own questions come whatever the rate
        session.setLesson(script.questions);
        std::set<std::string> asked;
        std::size_t next = 0;
        while (history.ticks() < script.ticks) {
            const practice::detail::Snapshot before = practice::detail::take(form);
            history.tick(form);
            const practice::detail::Snapshot after = practice::detail::take(form);
            for (; next < script.questions.size() && script.questions[next].tick <= history.ticks(); ++next) {
                const RunQuestion& q = script.questions[next];
                if (q.asks == RunQuestion::Asks::Text || q.tick != history.ticks()) continue;
                EXPECT_EQ(practice::shownAnswer(q.asks, before, after),
                          q.choices[static_cast<std::size_t>(q.answer)])
                    << lesson.name << " at tick " << q.tick << ": " << q.prompt;
            }
            session.afterTick(form, history.ticks(), history.ticks() * 50.0, history.ticksToNextScripted());
            if (session.holdsClock()) {
                if (session.question()->fromLesson) asked.insert(session.question()->prompt);
                session.answer(session.question()->right);
            }
        }
        for (const RunQuestion& q : script.questions)
            EXPECT_TRUE(asked.contains(q.prompt)) << lesson.name << ": never asked: " << q.prompt;
    }
}

} // namespace

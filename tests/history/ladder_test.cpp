// The time-sequence diagram's description, checked against the run's own
// record: markers and the model's launch hold-off, never today's tick numbers.
#include <gtest/gtest.h>

#include <algorithm>

#include "history/ladder_description.h"
#include "history/lessons.h"
#include "history/run_figures.h"
#include "history_support.h"

namespace {

using namespace history_support;
using ladder::Ending;
using ladder::LineKind;

struct PlayedLesson {
    Form1 form;
    RunHistory history{loaded()};
    int packetLaunches = 0; // counted from the sender's launch hold-off, not the buttons
};

void play(PlayedLesson& played, const char* name)
{
    const RunFileResult read = loadLesson(name);
    ASSERT_TRUE(read.script) << read.error;
    played.form.Form_Load();
    played.history.open(played.form, *read.script);
    while (played.history.ticks() < read.script->ticks &&
           (played.history.replaying() || played.form.Timer1.Enabled)) {
        const std::int16_t holdoff = played.form.LaunchHoldoff;
        played.history.tick(played.form);
        if (played.form.LaunchHoldoff > holdoff) ++played.packetLaunches; // a launch restarts the spacing
    }
}

bool isPacket(const ladder::Line& line)
{
    return line.kind == LineKind::Packet || line.kind == LineKind::Resend;
}

TEST(Ladder, LessonsDrawEveryTransmissionLossAndResendWhereTheRecordHasIt)
{
    for (const char* name : {"lost-ack", "go-back-n"}) {
        SCOPED_TRACE(name);
        PlayedLesson played;
        play(played, name);
        const RunTrace& trace = played.history.trace();
        const ladder::Description diagram = ladder::describe(played.history.ladder(), trace);

        EXPECT_EQ(std::count_if(diagram.lines.begin(), diagram.lines.end(), isPacket), played.packetLaunches);

        for (std::int32_t tick = trace.firstTick(); tick <= trace.ticks(); ++tick) {
            const Markers markers = trace.sample(tick).markers();
            const auto lostAt = [&](bool packet) {
                return std::count_if(
                    diagram.lines.begin(), diagram.lines.end(), [&](const ladder::Line& line) {
                        return isPacket(line) == packet && line.ending == Ending::Lost && line.ended == tick;
                    });
            };
            EXPECT_EQ(lostAt(true) > 0, (markers & marker::PacketLost) != 0) << "tick " << tick;
            EXPECT_EQ(lostAt(false) > 0, (markers & marker::AckLost) != 0) << "tick " << tick;
            if (markers & marker::Timeout) {
                EXPECT_TRUE(std::any_of(diagram.lines.begin(), diagram.lines.end(),
                                        [&](const ladder::Line& line) {
                                            return line.kind == LineKind::Resend && line.left == tick;
                                        }))
                    << "no resend leaves at the timeout of tick " << tick;
            }
        }
        for (const ladder::Line& line : diagram.lines) {
            const ladder::Point& last = diagram.end(line)[-1];
            if (line.ending == Ending::Lost) {
                EXPECT_EQ(last.tick, line.ended);
                EXPECT_GT(last.across, 0.0);
                EXPECT_LT(last.across, 1.0);
            }
            // An undisturbed trip takes 73 ticks.
            if (line.ending == Ending::Arrived && line.pointCount == 2) {
                EXPECT_EQ(line.ended - line.left, 73);
            }
        }
        // The diagram's labels name what each trip carries.
        const bool anyResend =
            std::any_of(diagram.lines.begin(), diagram.lines.end(),
                        [](const ladder::Line& line) { return line.kind == LineKind::Resend; });
        EXPECT_EQ(anyResend, std::string(name) == "go-back-n");
    }
}

TEST(Ladder, DuplicateAcksDropsAndWindowNotesComeFromTheRun)
{
    PlayedLesson played;
    play(played, "go-back-n");
    const ladder::Description diagram = ladder::describe(played.history.ladder(), played.history.trace());
    // The in-order receiver throws away what follows the loss, so the ACKs
    // they cause ask again for the lost packet.
    const auto dropped = std::find_if(diagram.lines.begin(), diagram.lines.end(),
                                      [](const ladder::Line& line) { return line.dropped; });
    ASSERT_NE(dropped, diagram.lines.end());
    EXPECT_TRUE(std::any_of(diagram.marks.begin(), diagram.marks.end(), [&](const ladder::Mark& mark) {
        return mark.kind == ladder::MarkKind::Drop && mark.atReceiver && mark.tick == dropped->ended;
    }));
    const auto duplicate =
        std::find_if(diagram.lines.begin(), diagram.lines.end(), [&](const ladder::Line& line) {
            return line.kind == LineKind::DuplicateAck && line.left == dropped->ended;
        });
    ASSERT_NE(duplicate, diagram.lines.end());
    EXPECT_TRUE(duplicate->label.ends_with(" dup"));

    for (const ladder::WindowNote& note : diagram.windows) {
        const TickSample& sample = played.history.trace().sample(note.tick);
        EXPECT_EQ(note.first, sample.txBase);
        EXPECT_EQ(note.last - note.first + 1, static_cast<int>(sample.txWindow() + 0.5));
    }

    // A range keeps only what crosses it, with whole courses.
    const ladder::Description part =
        ladder::describe(played.history.ladder(), played.history.trace(), 100, 200);
    for (const ladder::Line& line : part.lines) {
        EXPECT_LE(line.left, 200);
        EXPECT_TRUE(line.ended < 0 || line.ended >= 100);
    }
    EXPECT_TRUE(std::all_of(part.marks.begin(), part.marks.end(),
                            [](const ladder::Mark& mark) { return mark.tick >= 100 && mark.tick <= 200; }));
}

// A resend is a trip of a packet that has left before. A go-back round also
// queues again, in the resend colour, packets that were still waiting for
// their first launch: their first trip is no resend, in the figures or the diagram.
TEST(Ladder, AResendIsATripOfAPacketThatLeftBefore)
{
    Form1 form = loaded();
    RunHistory history(form);
    // Slow start opens the window faster than the sender launches, so a
    // backlog waits in the queue when a timeout starts the go-back round:
    // those packets leave for the first time, in the first-send colour.
    for (const UserEvent& event :
         {box(OptionBox::SlowStart), box(OptionBox::Avoidance), box(OptionBox::GoBackN),
          slider(SliderId::RxWindow, 1), slider(SliderId::Sequences, 1), StartReset})
        history.apply(form, event);
    LossSettings losses;
    losses.packetPercent = 5;
    losses.seed = 5;
    history.setLosses(losses);
    int firstTripsInResendColour = 0;
    std::size_t seen = 0;
    while (history.ticks() < 1500) {
        history.tick(form);
        const std::vector<ladder::Trip>& trips = history.ladder().trips();
        for (; seen < trips.size(); ++seen) {
            const ladder::Trip& trip = trips[seen];
            const int cell = trip.number - form.txOrigin();
            if (trip.direction == ladder::Direction::Packet && trip.transmission == 1 &&
                Form1::onStrip(cell) && form.lblTx[cell].ForeColor == colours::TxResentInFlight)
                ++firstTripsInResendColour;
        }
    }
    EXPECT_EQ(firstTripsInResendColour, 0);

    int resends = 0;
    for (const ladder::Trip& trip : history.ladder().trips()) {
        if (trip.direction != ladder::Direction::Packet) continue;
        EXPECT_EQ(trip.again, trip.transmission > 1) << "packet " << trip.number << " left at " << trip.left;
        resends += trip.again ? 1 : 0;
    }
    EXPECT_GT(resends, 0);
    EXPECT_EQ(figuresOf(history).retransmissions, resends);
}

// A rewind and the same run played on must leave the diagram exactly as an
// uninterrupted run leaves it, holds and losses by a random user included.
TEST(Ladder, RewindAndReplayGiveTheDiagramOfTheUninterruptedRun)
{
    const auto flatten = [](const ladder::Description& d) {
        std::vector<std::tuple<int, int, int, int, std::string, std::vector<double>>> lines;
        for (const ladder::Line& line : d.lines) {
            std::vector<double> course;
            for (const ladder::Point* p = d.begin(line); p != d.end(line); ++p) {
                course.push_back(p->tick);
                course.push_back(p->across);
            }
            lines.emplace_back(static_cast<int>(line.kind), static_cast<int>(line.ending), line.left,
                               line.ended, line.label, course);
        }
        return lines;
    };
    for (const std::uint32_t seed : {3u, 17u, 41u}) {
        SCOPED_TRACE(seed);
        Form1 form = loaded();
        RunHistory history(form);
        history.apply(form, StartReset);
        RandomUser user(seed);
        bool sawHold = false;
        while (history.ticks() < 900) {
            for (const UserEvent& event : user.nextEvents(form))
                history.apply(form, event);
            if (form.Timer1.Enabled)
                history.tick(form);
            else
                history.step(form);
            sawHold = sawHold || !history.ladder().holds().empty();
        }
        const auto whole = flatten(ladder::describe(history.ladder(), history.trace()));
        const std::int32_t end = history.ticks();
        ASSERT_TRUE(history.rewindTo(form, end / 3));
        while (history.ticks() < end)
            history.tick(form);
        EXPECT_EQ(flatten(ladder::describe(history.ladder(), history.trace())), whole);
        EXPECT_TRUE(sawHold);
    }
}

} // namespace

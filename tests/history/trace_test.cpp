// The chart's samples and markers and the event log, observed on scripted
// runs whose course the engine's timing fixes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "history/run_history.h"
#include "history_support.h"

namespace {

using namespace history_support;

std::int16_t slotCarrying(const Form1& form, const std::string& tag)
{
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot)
        if (form.cmdPacket[slot].Visible && form.cmdPacket[slot].Tag == tag) return slot;
    return -1;
}

class TraceTest : public ::testing::Test {
protected:
    void apply(const UserEvent& event) { history.apply(form, event); }

    void runUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 3000 && !done(); ++i)
            history.tick(form);
        ASSERT_TRUE(done()) << "not reached by tick " << history.ticks();
    }

    // Two clicks within the hold-off: the button leaves the network.
    void doubleClick(EventKind kind, std::int16_t slot)
    {
        apply({kind, slot, 0});
        apply({kind, slot, 0});
    }

    std::vector<std::int32_t> ticksMarked(Markers bit) const
    {
        std::vector<std::int32_t> ticks;
        const auto& samples = history.trace().samples();
        for (std::size_t t = 0; t < samples.size(); ++t)
            if ((samples[t].markers() & bit) != 0) ticks.push_back(static_cast<std::int32_t>(t));
        return ticks;
    }

    std::vector<LogEntry> entries(LogSource source, const std::string& prefix) const
    {
        std::vector<LogEntry> found;
        for (const LogEntry& entry : history.trace().log())
            if (entry.source == source && entry.text.starts_with(prefix)) found.push_back(entry);
        return found;
    }

    Form1 form = loaded();
    RunHistory history{form};
};

TEST_F(TraceTest, LostPacketTimesOutAndLostAckIsMarked)
{
    apply(StartReset);
    runUntil([&] { return form.cmdPacket[0].Visible && form.cmdPacket[0].Top > 2000; });
    const std::int32_t lossTick = history.ticks();
    doubleClick(EventKind::ClickPacket, 0);
    EXPECT_EQ(ticksMarked(marker::PacketLost), std::vector<std::int32_t>{lossTick});
    EXPECT_EQ(entries(LogSource::User, "packet 0"),
              (std::vector<LogEntry>{{lossTick, LogSource::User, "packet 0 held"},
                                     {lossTick, LogSource::User, "packet 0 lost"}}));

    // With no option ticked the sender goes from Normal to TimedOut when the
    // timer of packet 0 runs out, and resends it in that same tick.
    runUntil([&] { return form.TxState == txstate::TimedOut; });
    const std::int32_t timeoutTick = history.ticks();
    EXPECT_EQ(ticksMarked(marker::Timeout), std::vector<std::int32_t>{timeoutTick});
    EXPECT_NE(history.trace().samples()[timeoutTick].tickMarkers & marker::StateChange, 0);
    EXPECT_EQ(entries(LogSource::Sender, "Retransmitting packet 0").at(0).tick, timeoutTick);

    // The resent packet 0 completes 0 to 3 at the receiver, whose ACK asks for 4.
    runUntil([&] { return form.cmdACK[0].Visible && form.cmdACK[0].Top < 3000; });
    const std::int32_t ackLossTick = history.ticks();
    doubleClick(EventKind::ClickAck, 0);
    EXPECT_EQ(ticksMarked(marker::AckLost), std::vector<std::int32_t>{ackLossTick});
    EXPECT_EQ(history.trace().log().back().text, "ACK asking for sequence number 4 lost");
}

TEST_F(TraceTest, ThirdDuplicateAckMarksTheFastRetransmitEntry)
{
    for (const UserEvent& e : {slider(SliderId::TxWindow, 1), slider(SliderId::RxWindow, 1),
                               box(OptionBox::SlowStart), box(OptionBox::FastRetransmit), StartReset})
        apply(e);
    // Once slow start has opened the window, lose the oldest packet in
    // flight while at least three more follow it.
    runUntil([&] { return form.TxOutstanding >= 6; });
    runUntil([&] {
        const std::int16_t slot = firstVisible(form.cmdPacket);
        return slot >= 0 && form.cmdPacket[slot].Top > 1500;
    });
    doubleClick(EventKind::ClickPacket, firstVisible(form.cmdPacket));

    runUntil([&] { return form.TxState == txstate::FastRetransmit; });
    const std::int32_t entryTick = history.ticks();
    EXPECT_EQ(ticksMarked(marker::FastRetransmit), std::vector<std::int32_t>{entryTick});
    EXPECT_TRUE(ticksMarked(marker::Timeout).empty()) << "the duplicates came before any timer ran out";
    const auto entered = entries(LogSource::Sender, "Third duplicate ACK arrived.");
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0].tick, entryTick);
}

TEST_F(TraceTest, CommentaryIsLoggedBySideWithStandingLinesOnlyWhenTheyChange)
{
    apply(StartReset);
    EXPECT_EQ(entries(LogSource::Receiver, "Press"),
              (std::vector<LogEntry>{{0, LogSource::Receiver, "Press 'Start' to go..."}}));
    runUntil([&] { return history.ticks() == 140; });
    // Four packets fill the window, each announced once, in the tick it was queued.
    const auto sent = entries(LogSource::Sender, "Transmit window now");
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], (LogEntry{1, LogSource::Sender,
                                 "Transmit window now 4 only 0 in flight, so sending packet 0"}));

    // Packet 0 leaves in tick 1 and arrives 73 ticks later; the receiver says so then.
    runUntil([&] { return history.ticks() == 300; });
    EXPECT_EQ(entries(LogSource::Receiver, "Sending ACK for packet 0 "),
              (std::vector<LogEntry>{{74, LogSource::Receiver,
                                      "Sending ACK for packet 0 (sequence number 0) asking for packet with "
                                      "sequence number 1"}}));

    // The standing line is reposted every tick but logged once per text.
    const auto waiting = entries(LogSource::Receiver, "Waiting for packet");
    ASSERT_GE(waiting.size(), 2u);
    EXPECT_EQ(waiting[0], (LogEntry{1, LogSource::Receiver, "Waiting for packet 0 with sequence number 0"}));
    EXPECT_EQ(waiting[1], (LogEntry{74, LogSource::Receiver, "Waiting for packet 1 with sequence number 1"}));
    for (std::size_t i = 1; i < waiting.size(); ++i)
        EXPECT_NE(waiting[i].text, waiting[i - 1].text);
}

TEST_F(TraceTest, UserActionsAreLoggedInWordsWithTheirTick)
{
    for (const UserEvent& e : {box(OptionBox::SlowStart), box(OptionBox::Avoidance),
                               slider(SliderId::RxWindow, 11), slider(SliderId::Timeout, 9), StartReset})
        apply(e);
    for (int i = 0; i < 5; ++i)
        history.tick(form);
    for (const UserEvent& e : {PauseCont, box(OptionBox::SlowStart), slider(SliderId::Sequences, 25)})
        apply(e);

    std::vector<std::string> said;
    for (const LogEntry& entry : history.trace().log())
        if (entry.source == LogSource::User) said.push_back(std::to_string(entry.tick) + " " + entry.text);
    EXPECT_EQ(said,
              (std::vector<std::string>{"0 Slow Start on", "0 Avoidance on", "0 receive window set to 6",
                                        "0 timeout set to 9", "0 Start pressed", "5 Pause pressed",
                                        "5 Slow Start off", "5 highest sequence number set to 7"}));
    // Leaving slow start changes the sender state: marked on the tick of the click.
    EXPECT_EQ(history.trace().samples()[5].eventMarkers, marker::StateChange);
    EXPECT_EQ(history.trace().samples()[5].tickMarkers, 0);
}

// A packet lost under go-back-N with the in-order receiver: the two packets
// behind it reach the receiver and are dropped. Each drop is logged and marked
// in its tick, just before the receiver's duplicate ACK asking again for 1.
TEST_F(TraceTest, InOrderReceiverDropsAreLoggedAndMarked)
{
    for (const UserEvent& e : {box(OptionBox::SlowStart), box(OptionBox::InOrderReceiver), StartReset})
        apply(e);
    runUntil([&] { return slotCarrying(form, "1000") >= 0; });
    doubleClick(EventKind::ClickPacket, slotCarrying(form, "1000"));
    runUntil([&] { return form.TxBase >= 6; });

    std::vector<std::int32_t> dropTicks;
    const auto& log = history.trace().log();
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (!log[i].text.ends_with("dropped: out of order")) continue;
        const std::string packet = std::to_string(2 + dropTicks.size());
        dropTicks.push_back(log[i].tick);
        EXPECT_EQ(log[i], (LogEntry{log[i].tick, LogSource::Receiver,
                                    "packet " + packet + " dropped: out of order"}));
        ASSERT_LT(i + 1, log.size());
        EXPECT_EQ(log[i + 1], (LogEntry{log[i].tick, LogSource::Receiver,
                                        "Sending ACK for packet " + packet + " (sequence number " + packet +
                                            ") asking for packet with sequence number 1"}));
    }
    EXPECT_EQ(dropTicks.size(), 2u);
    EXPECT_EQ(ticksMarked(marker::OutOfOrderDrop), dropTicks);
}

} // namespace

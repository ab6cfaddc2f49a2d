// The go-back-N sender after one lost packet: every packet not yet
// acknowledged is sent again once, oldest first, and a receiver that keeps
// only in-order packets then takes them all.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "history/run_file.h"
#include "tests/history/history_support.h"

using namespace history_support;

namespace {

struct Recovery {
    std::vector<int> resent;  // in the order they were sent again
    std::vector<int> dropped; // by the in-order receiver
    std::int32_t lastDropTick = -1;
    std::int32_t firstResendTick = -1;
};

int numberAfter(const std::string& text, const std::string& words)
{
    const std::size_t at = text.find(words);
    return at != std::string::npos ? std::stoi(text.substr(at + words.size())) : -1;
}

// Window 8, packet 20 lost; the run goes on long enough for several rounds of
// the window after the recovery.
Recovery loseOnePacket(bool slowStart)
{
    Form1 form = loaded();
    RunHistory history(form);
    if (slowStart) history.apply(form, box(OptionBox::SlowStart));
    history.apply(form, box(OptionBox::InOrderReceiver));
    history.apply(form, box(OptionBox::GoBackN));
    history.apply(form, slider(SliderId::TxWindow, 9)); // 17 - 9 = 8 packets
    history.apply(form, StartReset);
    bool lost = false;
    while (history.ticks() < 2000) {
        history.tick(form);
        for (std::int16_t slot = 0; slot < FlightSlots && !lost; ++slot) {
            if (!form.cmdPacket[slot].Visible || form.cmdPacket[slot].Tag != "20000") continue;
            history.apply(form, {EventKind::ClickPacket, slot, 0});
            history.apply(form, {EventKind::ClickPacket, slot, 0});
            lost = true;
        }
    }
    EXPECT_TRUE(lost);
    Recovery r;
    for (const LogEntry& e : history.trace().log()) {
        if (const int p = numberAfter(e.text, "etransmitting packet "); p >= 0) {
            r.resent.push_back(p);
            if (r.firstResendTick < 0) r.firstResendTick = e.tick;
        }
        if (const int p = numberAfter(e.text, "packet "); e.text.ends_with("dropped: out of order")) {
            r.dropped.push_back(p);
            r.lastDropTick = e.tick;
        }
    }
    EXPECT_GT(form.RxNext, 60) << "the transfer did not recover";
    return r;
}

TEST(GoBackSender, OneLossResendsTheOutstandingPacketsOnceInOrderAndNothingIsDroppedAfterwards)
{
    std::vector<int> window(8);
    std::iota(window.begin(), window.end(), 20);
    for (const bool slowStart : {false, true}) {
        SCOPED_TRACE(slowStart ? "slow start" : "fixed window");
        const Recovery r = loseOnePacket(slowStart);
        EXPECT_EQ(r.resent, window);
        EXPECT_FALSE(r.dropped.empty());
        EXPECT_LT(r.dropped.size(), window.size()); // at most the packets behind the lost one
        // The first resend reaches the receiver 73 ticks after it leaves; nothing is dropped from then on.
        EXPECT_LT(r.lastDropTick, r.firstResendTick + 73);
    }
}

// Window 8, packet 20 lost: the flight figure on the tick its timer runs out.
// The go-back sender has given up the seven packets behind it and counts only
// the resend on the wire; without it they still count, as in the original.
TEST(GoBackSender, PacketsWaitingToBeSentAgainAreNotCountedInFlight)
{
    for (const bool goBack : {true, false}) {
        Form1 form = loaded();
        RunHistory history(form);
        history.apply(form, box(OptionBox::InOrderReceiver));
        if (goBack) history.apply(form, box(OptionBox::GoBackN));
        history.apply(form, slider(SliderId::TxWindow, 9)); // 17 - 9 = 8 packets
        history.apply(form, StartReset);
        bool lost = false;
        while (form.TxState != txstate::TimedOut && history.ticks() < 1000) {
            history.tick(form);
            for (std::int16_t slot = 0; slot < FlightSlots && !lost; ++slot) {
                if (!form.cmdPacket[slot].Visible || form.cmdPacket[slot].Tag != "20000") continue;
                history.apply(form, {EventKind::ClickPacket, slot, 0});
                history.apply(form, {EventKind::ClickPacket, slot, 0});
                lost = true;
            }
        }
        ASSERT_EQ(form.TxBase, 20);
        EXPECT_EQ(form.lblTxWindow[3].Caption, goBack ? "1" : "8")
            << (goBack ? "go-back sender" : "original");
    }
}

// The go-back-N lesson as version 1 of the format wrote it, before the sender
// option existed: it must open without the field and play as it always did,
// one resend a round trip for each packet of the window.
constexpr std::string_view VersionOneGoBack = R"({
  "format": "sliding-window-run", "version": 1, "ticks": 600,
  "settings": {
    "options": {"slowStart": false, "avoidance": false, "fastRetransmit": false, "selectiveRepeat": false,
                "delayedAcks": false, "autoRtt": false, "slideNumbers": false, "inOrderReceiver": true},
    "sliders": {"timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15}
  },
  "actions": [{"tick": 0, "action": "startReset"},
              {"tick": 15, "action": "clickPacket", "slot": 1}, {"tick": 15, "action": "clickPacket", "slot": 1}]
})";

TEST(GoBackSender, VersionOneFilesPlayWithoutItAndNewFilesCarryIt)
{
    const RunFileResult read = readRunText(VersionOneGoBack);
    ASSERT_TRUE(read.script) << read.error;
    EXPECT_FALSE(read.script->settings.options[static_cast<int>(OptionBox::GoBackN)]);
    Form1 form = loaded();
    RunHistory history(form);
    history.open(form, *read.script);
    while (history.ticks() < 600)
        history.tick(form);
    std::vector<std::int32_t> resends;
    for (const LogEntry& e : history.trace().log())
        if (e.text.starts_with("Retransmitting packet")) resends.push_back(e.tick);
    EXPECT_EQ(resends, (std::vector<std::int32_t>{174, 320, 466}));
    EXPECT_EQ(form.UseGoBackN, False);

    std::string written = writeRunText(*read.script);
    EXPECT_NE(written.find("\"version\": 2"), std::string::npos) << written;
    EXPECT_NE(written.find("\"goBackNSender\": false"), std::string::npos) << written;
    // From version 2 on the field is required like every other option.
    written.replace(written.find("goBackNSender"), 13, "goBackSender_");
    EXPECT_NE(readRunText(written).error.find("\"settings.options.goBackNSender\" is missing"),
              std::string::npos);

    // Tahoe's rule came with version 4: older files open with it off, and a
    // run that uses it is written as version 4, which older programs refuse.
    EXPECT_FALSE(read.script->settings.options[static_cast<int>(OptionBox::TahoeRule)]);
    EXPECT_NE(written.find("\"tahoeRule\": false"), std::string::npos) << written;
    RunScript tahoe = *read.script;
    tahoe.actions.push_back({tahoe.actions.back().tick, box(OptionBox::TahoeRule)});
    const std::string withTahoe = writeRunText(tahoe);
    EXPECT_NE(withTahoe.find("\"version\": 4"), std::string::npos) << withTahoe;
    EXPECT_EQ(readRunText(withTahoe).script, tahoe);
}

} // namespace

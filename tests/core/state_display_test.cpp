// Figures, the state name, and the two commentary lines with their priorities.
#include "tests/test_support.h"

using namespace support;

namespace {

class StateDisplayTest : public FormTest {
protected:
    StateDisplayTest()
    {
        form.TxMessages = {};
        form.RxMessages = {};
    }
};

TEST_F(StateDisplayTest, SeventhEqualPostingReplacesTheLowestIndexAndShowsThere)
{
    for (int k = 1; k <= 7; ++k)
        form.AddMessageLine(true, 40, 8, "message" + n(k));
    EXPECT_EQ(form.TxMessages[0].Text, "message" + n(7));
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(form.TxMessages[k - 1].Text, "message" + n(k));
    EXPECT_EQ(form.lblTxInfo.Caption, "message" + n(7));
    EXPECT_EQ(form.lblRxInfo.Caption, "Press 'Start' to go..."); // the other side is not touched
}

TEST_F(StateDisplayTest, LessImportantMessageIsDroppedWhenEverySlotHoldsAMoreImportantOne)
{
    for (int k = 0; k < MessageSlots; ++k)
        form.AddMessageLine(true, static_cast<std::int16_t>(40 - k), 9, "busy" + n(k));
    const auto store = form.TxMessages;
    form.AddMessageLine(true, 40, 5, "dropped");
    EXPECT_EQ(form.TxMessages, store);
    EXPECT_EQ(form.lblTxInfo.Caption, "busy" + n(0));
}

TEST_F(StateDisplayTest, AmongEqualPrioritiesTheLongestToLiveWins)
{
    form.AddMessageLine(false, 40, 7, "A");
    form.AddMessageLine(false, 30, 7, "B");
    EXPECT_EQ(form.lblRxInfo.Caption, "A");
    form.AddMessageLine(false, 50, 7, "C");
    EXPECT_EQ(form.lblRxInfo.Caption, "C");
    form.AddMessageLine(false, 10, 8, "D");
    EXPECT_EQ(form.lblRxInfo.Caption, "D");
}

TEST_F(StateDisplayTest, EventMessageIsFreedByItsFortiethAgeingAndTheStatusLineReturns)
{
    form.AddMessageLine(true, 10000, 1, "status");
    form.AddMessageLine(true, 40, 8, "event");
    for (int run = 1; run < 40; ++run)
        form.AgeMessages();
    EXPECT_EQ(form.lblTxInfo.Caption, "event");
    EXPECT_EQ(form.TxMessages[1].TicksLeft, 1);
    form.AgeMessages();
    EXPECT_EQ(form.lblTxInfo.Caption, "status");
    EXPECT_EQ(form.TxMessages[1], MessageLine{});
    EXPECT_EQ(form.TxMessages[0].TicksLeft, 10000 - 40);
}

TEST_F(StateDisplayTest, RedrawWithoutPostingShowsAnEmptyLineWhenAllSlotsAreFree)
{
    form.lblTxInfo.Caption = "stale";
    form.AddMessageLine(true, 0, 9, "not posted");
    EXPECT_EQ(form.lblTxInfo.Caption, "");
    for (const auto& line : form.TxMessages)
        EXPECT_EQ(line, MessageLine{});
}

TEST_F(StateDisplayTest, FiguresRoundEachInItsOwnWay)
{
    form.SSThreshBytes = 2500;
    form.FlightBytes = 2500;
    form.ShowState();
    EXPECT_EQ(form.lblSSThresh.Caption, "2.5");
    EXPECT_EQ(form.lblTxWindow[3].Caption, "3");
    EXPECT_EQ(form.lblTxWindow[1].Caption, " 4");
    EXPECT_EQ(form.lblRxWindow[1].Caption, " 8");

    form.SSThreshBytes = 5336;
    form.FlightBytes = 2499;
    form.ShowState();
    EXPECT_EQ(form.lblSSThresh.Caption, "5.33");
    EXPECT_EQ(form.lblTxWindow[3].Caption, "2");

    const char* names[] = {"Normal",         "SlowStart", "TimedOut", "Avoidance",
                           "FastRetransmit", "Selective", "Unknown"};
    for (int state = 0; state <= 6; ++state) {
        form.TxState = state;
        form.ShowState();
        EXPECT_EQ(form.lblState.Caption, names[state]);
    }
}

TEST_F(StateDisplayTest, FractionalWindowSnapsOnlyWhenItsRoundedPositionChanges)
{
    form.TxWindowBytes = 4500; // slider at 13: 12.5 goes to the even 12
    form.ShowState();
    EXPECT_EQ(form.VScroll1.value(), 12);
    EXPECT_EQ(form.TxWindowBytes, 5000);
    EXPECT_EQ(numbers::parseNumber(form.lblTxWindow[1].Caption), 5.0);

    form.TxWindowBytes = 4500; // slider already at 12: nothing moves
    form.ShowState();
    EXPECT_EQ(form.VScroll1.value(), 12);
    EXPECT_EQ(form.TxWindowBytes, 4500);
    EXPECT_EQ(form.lblTxWindow[1].Caption, " 4");
}

TEST_F(StateDisplayTest, WindowBelowHalfASegmentPutsTheSliderAtItsLastPosition)
{
    form.TxWindowBytes = 400;
    form.ShowState();
    EXPECT_EQ(form.VScroll1.value(), 16);
    EXPECT_EQ(form.TxWindowBytes, 1000);
}

} // namespace

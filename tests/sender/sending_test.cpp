// Queueing new packets and launching them into flight slots.
#include "tests/test_support.h"

using namespace support;

namespace {

using SendingTest = FormTest;

TEST_F(SendingTest, NewPacketsAreQueuedOnePerTickAndLaunchedElevenTicksApart)
{
    start();
    tick();
    const FlightButton& first = form.cmdPacket[0];
    EXPECT_TRUE(first.Visible);
    EXPECT_EQ(first.Caption, "Packet " + n(0) + " : Sequence Number " + n(0));
    EXPECT_EQ(first.Tag, "0");
    EXPECT_EQ(first.Top, 1320);
    EXPECT_EQ(first.Left, 960);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.shpTimeOut[0], (TimeoutBar{675, "1"}));
    EXPECT_EQ(form.LaunchHoldoff, 10);

    tick();
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxQueued);
    EXPECT_EQ(form.shpTimeOut[1], (TimeoutBar{675, "0"})); // full, but not timing before launch
    EXPECT_EQ(queued(form, 1), 1);
    tick(3); // tick 5: the window of four is full
    EXPECT_EQ(form.TxOutstanding, 4);
    EXPECT_EQ(form.lblTx[4].ForeColor, colours::TxNotSent);
    EXPECT_TRUE(hasMessage(form.TxMessages, "Transmit window now" + n(4) + " only" + n(3) +
                                                " in flight, so sending packet" + n(3)));

    tick(6); // tick 11: still held off
    EXPECT_EQ(visibleCount(form.cmdPacket), 1);
    tick(); // tick 12
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "1000"), 1);
    EXPECT_EQ(form.lblTx[1].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.FlightBytes, 2000);
}

TEST_F(SendingTest, LaunchNamesPacketAndSequenceNumberAndTakesTheLowestFreeSlot)
{
    form.cmdPacket[0].Visible = true;
    form.cmdPacket[1].Visible = true;
    form.QueuePacket(17);
    EXPECT_EQ(form.shpTimeOut[17].Width, 675);
    form.LaunchPacket();
    const FlightButton& slot = form.cmdPacket[2];
    EXPECT_TRUE(slot.Visible);
    EXPECT_EQ(slot.Caption, "Packet  17 : Sequence Number  1");
    EXPECT_EQ(slot.Tag, "17000");
    EXPECT_EQ(form.lblTx[17].ForeColor, colours::TxInFlight); // grey at launch becomes navy
    EXPECT_EQ(form.shpTimeOut[17].Tag, "1");
}

TEST_F(SendingTest, QueueHoldsFourteenEntriesAndWrapsAroundTheRing)
{
    for (std::int16_t p = 0; p < 14; ++p)
        form.QueuePacket(p);
    EXPECT_TRUE(form.sendQueueFull());
    EXPECT_EQ(form.QueueTail, 14);
    const FormState full = form;
    form.QueuePacket(14);
    EXPECT_TRUE(static_cast<const FormState&>(form) == full);

    form.LaunchPacket();
    EXPECT_EQ(form.SendQueue[0], -1);
    EXPECT_EQ(form.QueueHead, 1);
    form.QueuePacket(14);
    EXPECT_EQ(form.SendQueue[14], 14);
    EXPECT_EQ(form.QueueTail, 0);

    for (int i = 0; i < 14; ++i) {
        form.LaunchHoldoff = 0;
        form.LaunchPacket();
    }
    EXPECT_EQ(form.QueueHead, 0);
    EXPECT_EQ(visibleCount(form.cmdPacket), 15);
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "14000"), 14);
}

TEST_F(SendingTest, WithoutAFreeSlotTheLaunchWaitsAndTheShortageIsReportedOnce)
{
    for (auto& slot : form.cmdPacket)
        slot.Visible = true;
    form.QueuePacket(0);
    form.LaunchPacket();
    form.LaunchPacket();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Run Out of Packets to Send");
    EXPECT_EQ(form.SendQueue[form.QueueHead], 0);
    EXPECT_EQ(form.LaunchHoldoff, 0);

    form.cmdPacket[3].Visible = false;
    form.LaunchPacket();
    EXPECT_EQ(form.cmdPacket[3].Tag, "0");
    EXPECT_TRUE(form.cmdPacket[3].Visible);

    form.QueuePacket(1); // a new shortage is reported again
    form.LaunchHoldoff = 0;
    form.LaunchPacket();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(SendingTest, AcknowledgedQueueHeadIsDroppedAndTheNextEntryLaunched)
{
    form.QueuePacket(0);
    form.QueuePacket(1);
    form.TxBase = 1;
    form.TxOutstanding = 1;
    form.LaunchPacket();
    EXPECT_EQ(visibleSlotWithTag(form.cmdPacket, "1000"), 0);
    EXPECT_EQ(form.QueueHead, form.QueueTail);
}

TEST_F(SendingTest, FullQueueMakesNewPacketsAndResendsWait)
{
    start();
    putInFlight(form, 0, 14);
    for (std::int16_t p = 0; p < 14; ++p)
        form.QueuePacket(p);
    form.TxMessages = {};

    form.SendNewPackets();
    EXPECT_EQ(form.TxOutstanding, 14);
    EXPECT_EQ(form.lblTx[14].ForeColor, colours::TxNotSent);
    form.RetransmitPacket(0);
    EXPECT_EQ(form.lblTx[0].ForeColor, colours::TxInFlight);
    EXPECT_EQ(form.shpTimeOut[1], (TimeoutBar{675, "1"}));
    for (const auto& line : form.TxMessages)
        EXPECT_EQ(line.Text, "");

    form.LaunchPacket(); // room again: the new packet goes out on a later call
    form.SendNewPackets();
    EXPECT_EQ(form.TxOutstanding, 15);
    EXPECT_EQ(form.lblTx[14].ForeColor, colours::TxQueued);
    EXPECT_EQ(queued(form, 14), 1);
}

} // namespace

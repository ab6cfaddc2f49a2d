// Putting ACKs on the wire: slot choice, what an ACK says, running out of slots.
#include "tests/test_support.h"

using namespace support;

namespace {

using AckGenerationTest = FormTest;

TEST_F(AckGenerationTest, AckTakesTheLowestFreeSlot)
{
    form.cmdACK[1].Visible = true;
    form.SendAck(0);
    EXPECT_TRUE(form.cmdACK[0].Visible);
    form.SendAck(1000);
    EXPECT_TRUE(form.cmdACK[2].Visible);
    EXPECT_EQ(form.cmdACK[2].Caption, "ACK with Seq Num 0 (packet 0) : Packet 1 Arrived");
}

TEST_F(AckGenerationTest, AckCarriesTheNextSequenceWantedAndTheSequenceThatArrived)
{
    form.RxNext = 16;
    form.SendAck(15000);
    EXPECT_EQ(form.cmdACK[0].Caption, "ACK with Seq Num 0 (packet 16) : Packet 15 Arrived");
    EXPECT_EQ(form.cmdACK[0].Tag, "15");
    EXPECT_EQ(form.lblRxInfo.Caption,
              "Sending ACK for packet 15 (sequence number 15) asking for packet with sequence number 0");

    form.RxNext = 3; // a packet beyond a gap asks again for the gap
    form.SendAck(5000);
    EXPECT_EQ(form.cmdACK[1].Caption, "ACK with Seq Num 3 (packet 3) : Packet 5 Arrived");
    EXPECT_EQ(form.cmdACK[1].Tag, "3005");

    form.RxNext = 20;
    form.SendAck(19000);
    EXPECT_EQ(form.cmdACK[2].Tag, "4003");
    EXPECT_EQ(form.cmdACK[2].Caption, "ACK with Seq Num 4 (packet 20) : Packet 19 Arrived");
}

TEST_F(AckGenerationTest, WithEverySlotInFlightTheAckIsDroppedAndTheShortageReportedOnce)
{
    for (auto& slot : form.cmdACK) {
        slot.Visible = true;
        slot.Tag = "7";
    }
    const auto slots = form.cmdACK;
    const auto lines = form.RxMessages;
    form.SendAck(0);
    form.SendAck(1000);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Run Out of Packets to Send");
    EXPECT_EQ(form.cmdACK, slots);
    EXPECT_EQ(form.RxMessages, lines);

    form.cmdACK[4].Visible = false;
    form.SendAck(2000);
    EXPECT_EQ(form.cmdACK[4].Tag, "2");
    form.SendAck(3000); // a new shortage
    EXPECT_EQ(boxes.size(), 2u);
}

} // namespace

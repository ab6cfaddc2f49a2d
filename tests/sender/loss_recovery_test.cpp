// Long runs under every combination of the five protocol options, with packets
// and ACKs lost by double clicks along the way: the transfer must recover from
// every loss, and the strips must stay well formed after every tick.
#include "tests/test_support.h"

#include <bit>
#include <string>
#include <vector>

using namespace support;

namespace {

constexpr int RunTicks = 4400;
constexpr int FirstLossTick = 200;
constexpr int LossInterval = 700;
constexpr int RecoveryBound = 650; // ticks within which both edges must have moved on

bool isSenderColour(Colour c)
{
    using namespace colours;
    const Colour states[] = {TxNotSent,        TxQueued,          TxQueuedAgain, TxInFlight,
                             TxResentInFlight, TxMarkedForResend, TxAcknowledged};
    return std::find(std::begin(states), std::end(states), c) != std::end(states);
}

bool isReceiverColour(Colour c)
{
    using namespace colours;
    return c == RxOutside || c == RxAwaited || c == RxReceived || c == RxAliased;
}

// Returns an empty text when the strips are well formed, otherwise what is wrong.
std::string stripFault(const Form1& form)
{
    const int txFirst = captionNumber(form.lblTx[0]);
    const int rxFirst = captionNumber(form.lblRx[0]);
    for (int i = 0; i < geometry::CellCount; ++i) {
        if (captionNumber(form.lblTx[i]) != txFirst + i) return "sender captions not consecutive";
        if (captionNumber(form.lblRx[i]) != rxFirst + i) return "receiver captions not consecutive";
        if (!isSenderColour(form.lblTx[i].ForeColor))
            return "unknown sender colour in cell " + std::to_string(i);
        if (!isReceiverColour(form.lblRx[i].ForeColor))
            return "unknown receiver colour in cell " + std::to_string(i);
    }
    const int txCell = form.TxBase - txFirst;
    const int rxCell = form.RxNext - rxFirst;
    if (txCell < 0) return "sender strip starts after TxBase";
    if (rxCell < 0) return "receiver strip starts after RxNext";
    if (form.TxBase > form.RxNext) return "sender counts packets the receiver has not taken in order";
    if (form.TxOutstanding < 0) return "negative TxOutstanding";
    if (txCell + form.TxOutstanding > geometry::CellCount) return "sender range runs past cell 18";
    if (form.shpTxWindow.Left != geometry::frameLeft(txCell)) return "sender frame not at TxBase";
    if (form.shpRxWindow.Left != geometry::frameLeft(rxCell)) return "receiver frame not at RxNext";
    return {};
}

// Picks the lowest visible slot, or -1.
int firstVisible(const std::array<FlightButton, FlightSlots>& slots)
{
    for (int i = 0; i < FlightSlots; ++i)
        if (slots[i].Visible) return i;
    return -1;
}

struct Loss {
    int tick;
    std::int16_t rxNext;
    std::int16_t txBase;
};

class ProgressTest : public FormTest, public ::testing::WithParamInterface<int> {
protected:
    void tickOptions(int mask)
    {
        // Slow Start first, so that the boxes that depend on it are enabled when clicked.
        if (mask & 1) click(form.chkSlowStart);
        if (mask & 2) click(form.chkAvoidance);
        if (mask & 4) click(form.chkFastRetransmit);
        if (mask & 8) click(form.chkSelective);
        if (mask & 16) click(form.chkDelayedACK);
        if (std::popcount(static_cast<unsigned>(mask)) % 2 == 1) click(form.chkSlide);
    }

    void clickSlot(bool packet, int slot)
    {
        const auto index = static_cast<std::int16_t>(slot);
        packet ? form.cmdPacket_Click(index) : form.cmdACK_Click(index);
    }
};

TEST_P(ProgressTest, TransferRecoversFromEveryLossAndTheStripsStayWellFormed)
{
    tickOptions(GetParam());
    start();

    std::vector<Loss> losses;
    int nextLoss = FirstLossTick;
    int heldSlot = -1; // first click done, second one due three ticks later
    bool heldPacket = true;
    int heldTick = 0;
    for (int t = 1; t <= RunTicks; ++t) {
        tick();
        ASSERT_EQ(stripFault(form), "") << "after tick " << t;

        if (heldSlot >= 0 && t == heldTick + 3) {
            clickSlot(heldPacket, heldSlot);
            ASSERT_FALSE((heldPacket ? form.cmdPacket : form.cmdACK)[heldSlot].Visible);
            losses.push_back({t, form.RxNext, form.TxBase});
            nextLoss = t + LossInterval;
            heldSlot = -1;
        } else if (heldSlot < 0 && t >= nextLoss && form.ClickHoldoff == 0) {
            // Packets and ACKs take turns.
            heldPacket = losses.size() % 2 == 0;
            heldSlot = firstVisible(heldPacket ? form.cmdPacket : form.cmdACK);
            heldTick = t;
            if (heldSlot >= 0) clickSlot(heldPacket, heldSlot);
        }
        for (const Loss& loss : losses) {
            if (t != loss.tick + RecoveryBound) continue;
            EXPECT_GT(form.RxNext, loss.rxNext) << "receiver stuck after the loss in tick " << loss.tick;
            EXPECT_GT(form.TxBase, loss.txBase) << "sender stuck after the loss in tick " << loss.tick;
        }
    }
    EXPECT_GE(losses.size(), 5u);
    EXPECT_TRUE(boxes.empty());
}

std::string optionsName(const ::testing::TestParamInfo<int>& info)
{
    static const char* names[] = {"SlowStart", "Avoidance", "FastRetransmit", "Selective", "DelayedAck"};
    std::string name;
    for (int bit = 0; bit < 5; ++bit)
        if (info.param & (1 << bit)) name += names[bit];
    return name.empty() ? "NoOptions" : name;
}

INSTANTIATE_TEST_SUITE_P(EveryOptionCombination, ProgressTest, ::testing::Range(0, 32), optionsName);

} // namespace

// The end of the packet numbers: a run that uses them all stops its clock and
// says so, with nothing undefined on the way (run under the sanitizers too).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/invariants.h"

namespace reliability {
namespace {

class PacketLimit : public ::testing::Test {
protected:
    PacketLimit()
    {
        form.showMessageBox = [this](const std::string& text) { boxes.push_back(text); };
        form.Form_Load();
    }

    // Ticks while the clock runs, checking every invariant after each tick.
    long runUntilTheClockStops(long most)
    {
        long ticks = 0;
        while (form.Timer1.Enabled && ticks < most) {
            const CheckContext context{ackArrivesNextTick(form)};
            form.Timer1_Timer();
            ++ticks;
            const std::string broken = checkInvariants(form, context);
            if (!broken.empty()) {
                ADD_FAILURE() << "tick " << ticks << ":\n" << broken;
                break;
            }
        }
        return ticks;
    }

    Form1 form;
    std::vector<std::string> boxes;
};

TEST_F(PacketLimit, AFullSpeedRunStopsTheClockWithAMessageAtTheLastNumber)
{
    form.VScroll2.setValue(1); // receive window 16
    form.VScroll1.setValue(1); // transmit window 16
    form.clickCheckBox(form.chkSlide);
    form.cmdReset_Click();

    // One packet leaves every 10 ticks, so 32749 packets take some 330000 ticks.
    const long ticks = runUntilTheClockStops(500000);
    EXPECT_GT(ticks, 320000);
    EXPECT_LT(ticks, 400000);
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.cmdPause.Caption, "Cont");
    EXPECT_EQ(form.TxBase + form.TxOutstanding, PacketNumberLimit);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("32748"), std::string::npos) << boxes[0];

    // Each Cont runs one more tick and stops again with the same message, so
    // what is already on its way can still be stepped home.
    for (int i = 0; i < 1000 && form.RxNext < PacketNumberLimit; ++i) {
        form.cmdPause_Click();
        EXPECT_EQ(runUntilTheClockStops(10), 1);
    }
    EXPECT_EQ(form.RxNext, PacketNumberLimit);
    EXPECT_EQ(form.TxBase + form.TxOutstanding, PacketNumberLimit);
    EXPECT_EQ(boxes.back(), boxes.front());

    // Reset and Start begin again from packet 0.
    form.cmdReset_Click();
    form.cmdReset_Click();
    EXPECT_EQ(runUntilTheClockStops(200), 200);
    EXPECT_GT(form.TxOutstanding, 0);
    EXPECT_LT(form.TxBase + form.TxOutstanding, 40);
}

} // namespace
} // namespace reliability

// The keyboard's pick among travelling packets and ACKs: the one rule the
// desktop's flight area and the page's both follow.
#include <gtest/gtest.h>

#include "frontend/control_events.h"
#include "frontend/flight_picking.h"

using flight_picking::Arrow;
using flight_picking::next;
using flight_picking::Pick;

namespace {

void travel(FlightButton& button, std::int32_t top)
{
    button.Visible = true;
    button.Top = top;
}

} // namespace

TEST(FlightPicking, ArrowsWalkALaneByHeightAndCrossToTheNearestButton)
{
    Form1 form;
    EXPECT_EQ(next(form, std::nullopt, Arrow::Down), std::nullopt) << "nothing travels, nothing is picked";

    // Packets stand at 900 (slot 5), 300 (slot 2) and 300 (slot 7): equal
    // heights keep slot order. One ACK, at 1000.
    travel(form.cmdPacket[5], 900);
    travel(form.cmdPacket[2], 300);
    travel(form.cmdPacket[7], 300);
    travel(form.cmdACK[4], 1000);

    EXPECT_EQ(next(form, std::nullopt, Arrow::Down), (Pick{false, 2}))
        << "the first pick is the highest packet";
    EXPECT_EQ(next(form, Pick{false, 2}, Arrow::Down), (Pick{false, 7}));
    EXPECT_EQ(next(form, Pick{false, 7}, Arrow::Down), (Pick{false, 5}));
    EXPECT_EQ(next(form, Pick{false, 5}, Arrow::Down), (Pick{false, 5})) << "the lane's end stays put";
    EXPECT_EQ(next(form, Pick{false, 2}, Arrow::Up), (Pick{false, 2}));

    EXPECT_EQ(next(form, Pick{false, 2}, Arrow::Right), (Pick{true, 4}));
    EXPECT_EQ(next(form, Pick{true, 4}, Arrow::Left), (Pick{false, 5})) << "the packet nearest in height";
    form.cmdACK[4].Visible = false;
    EXPECT_EQ(next(form, Pick{false, 5}, Arrow::Right), std::nullopt) << "no ACK travels: the pick stays";

    // A picked button that has arrived counts as no pick; with no packet
    // left, the first pick falls on any button.
    form.cmdPacket = {};
    travel(form.cmdACK[9], 500);
    EXPECT_EQ(next(form, Pick{false, 5}, Arrow::Up), (Pick{true, 9}));
    EXPECT_EQ(next(form, Pick{false, 99}, Arrow::Down), (Pick{true, 9}));
    EXPECT_EQ(flight_picking::arrowNamed("sideways"), std::nullopt);
}

TEST(ControlEvents, EachControlNameMakesTheEventOfItsGesture)
{
    using control_events::eventFor;
    EXPECT_EQ(eventFor("cmdReset", 0, 0), (UserEvent{EventKind::StartReset, 0, 0}));
    EXPECT_EQ(eventFor("cmdPause", 0, 0), (UserEvent{EventKind::PauseCont, 0, 0}));
    EXPECT_EQ(eventFor("cmdACK", 15, 0), (UserEvent{EventKind::ClickAck, 15, 0}));
    EXPECT_EQ(eventFor("chkGoBackN", 0, 0),
              (UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::GoBackN), 0}));
    EXPECT_EQ(eventFor("VScroll3", 0, 12),
              (UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::Sequences), 12}));
    // Every name reaches the control it names.
    for (std::size_t box = 0; box < control_events::OptionBoxNames.size(); ++box) {
        Form1 form;
        form.Form_Load();
        CheckBox& named = optionBox(form, static_cast<OptionBox>(box));
        if (!named.Enabled) continue;
        const int before = named.Value;
        applyEvent(form, *eventFor(control_events::OptionBoxNames[box], 0, 0));
        EXPECT_NE(named.Value, before) << control_events::OptionBoxNames[box];
    }
    EXPECT_EQ(eventFor("cmdPacket", 16, 0), std::nullopt) << "no such flight slot";
    EXPECT_EQ(eventFor("lblState", 0, 0), std::nullopt) << "a label is no control a user operates";
}

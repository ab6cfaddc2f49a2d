// Losing packets and ACKs by clicking them.
//
// One click holds a travelling button (or lets a held one travel on); any
// click within 7 ticks of that, on any flight button, removes the clicked one
// from the network. The hold-off is shared by all 32 buttons, so the second
// click of a double click may fall on another button: that one is lost and the
// first stays held.
#include "core/form.h"

namespace {

constexpr std::int16_t RemovalWindowTicks = 7;

void clickFlightButton(std::int16_t& clickHoldoff, FlightButton& button)
{
    if (clickHoldoff > 0) {
        button.TravelMarker = colours::Travelling; // a hidden slot always carries the travelling marker
        button.Visible = false;
        return;
    }
    if (button.TravelMarker == colours::Travelling) {
        clickHoldoff = RemovalWindowTicks;
        button.TravelMarker = colours::Held;
    } else if (button.TravelMarker == colours::Held) {
        clickHoldoff = RemovalWindowTicks;
        button.TravelMarker = colours::Travelling;
    }
}

// Hidden buttons cannot be clicked; holding a free slot would strand the next
// packet launched into it.
bool clickable(int index, const std::array<FlightButton, FlightSlots>& buttons)
{
    return index >= 0 && index < FlightSlots && buttons[index].Visible;
}

} // namespace

void Form1::cmdPacket_Click(std::int16_t index)
{
    if (clickable(index, cmdPacket)) clickFlightButton(ClickHoldoff, cmdPacket[index]);
}

void Form1::cmdACK_Click(std::int16_t index)
{
    if (clickable(index, cmdACK)) clickFlightButton(ClickHoldoff, cmdACK[index]);
}

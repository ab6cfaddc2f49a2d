#include "tests/reliability/byte_events.h"

namespace reliability {

namespace {

// The n-th visible button of the array (counting round), or -1 when none is.
std::int16_t visibleButton(const std::array<FlightButton, FlightSlots>& buttons, int n)
{
    int visible = 0;
    for (const FlightButton& button : buttons)
        visible += button.Visible ? 1 : 0;
    if (visible == 0) return -1;
    n %= visible;
    for (std::int16_t i = 0; i < FlightSlots; ++i) {
        if (buttons[i].Visible && n-- == 0) return i;
    }
    return -1;
}

} // namespace

bool ByteEvents::next(const Form1& form, UserEvent& event)
{
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        event = {EventKind::Tick};
        return true;
    }
    if (secondClick_) {
        secondClick_ = false;
        event = click_;
        return true;
    }
    if (position_ >= size_) return false;

    const std::uint8_t byte = data_[position_++];
    const int k = byte >> 3;
    switch (byte & 7) {
    case 0:
        ticksLeft_ = k;
        event = {EventKind::Tick};
        return true;
    case 1:
        ticksLeft_ = 8 * (k + 1) - 1;
        event = {EventKind::Tick};
        return true;
    case 2:
    case 3: {
        const bool packet = (byte & 7) == 2;
        const std::int16_t slot = visibleButton(packet ? form.cmdPacket : form.cmdACK, k % 16);
        if (slot < 0) {
            event = {EventKind::Tick};
            return true;
        }
        event = {packet ? EventKind::ClickPacket : EventKind::ClickAck, slot};
        click_ = event;
        secondClick_ = k >= 16;
        return true;
    }
    case 4: {
        // The in-order receiver and the go-back-N sender came later and took
        // the top four values, which no seed input used, so older inputs
        // decode as they always did.
        constexpr int FirstInOrderK = 28;
        constexpr int FirstGoBackK = 30;
        const auto box = k < FirstInOrderK  ? static_cast<OptionBox>(k % 7)
                         : k < FirstGoBackK ? OptionBox::InOrderReceiver
                                            : OptionBox::GoBackN;
        event = {EventKind::ClickCheckBox, static_cast<std::int16_t>(box)};
        return true;
    }
    case 5: {
        const int value = position_ < size_ ? data_[position_++] % 34 : 0;
        event = {EventKind::MoveSlider, static_cast<std::int16_t>(k % SliderCount),
                 static_cast<std::int16_t>(value)};
        return true;
    }
    case 6:
        event = {EventKind::StartReset};
        return true;
    default:
        event = {EventKind::PauseCont};
        return true;
    }
}

} // namespace reliability

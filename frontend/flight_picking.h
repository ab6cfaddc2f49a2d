// Picking a travelling packet or ACK with the keyboard, the same in every
// window: Up and Down walk along a lane in the order the buttons stand on
// screen; Left and Right cross to the other lane (packets on the left, ACKs
// on the right), to the button nearest in height. The desktop's flight area
// and the page's both ask here, with the model they show.
#pragma once

#include <optional>
#include <string_view>

#include "core/form.h"

namespace flight_picking {

struct Pick {
    bool ack = false; // cmdACK, else cmdPacket
    int slot = 0;
    bool operator==(const Pick&) const = default;
};

enum class Arrow { Up, Down, Left, Right };

// "up", "down", "left", "right"; nothing for any other name.
std::optional<Arrow> arrowNamed(std::string_view name);

// The button to pick after `arrow`, from `current` while its button still
// travels (else as from nothing picked); nothing when there is no button to
// move to, and the pick stays as it is.
std::optional<Pick> next(const Form1& form, std::optional<Pick> current, Arrow arrow);

} // namespace flight_picking

#include "frontend/control_events.h"

#include <algorithm>
#include <cstdint>

namespace control_events {

std::optional<UserEvent> eventFor(std::string_view control, int index, int value)
{
    const auto small = [](int number) { return static_cast<std::int16_t>(number); };
    if (control == "cmdReset") return UserEvent{EventKind::StartReset, 0, 0};
    if (control == "cmdPause") return UserEvent{EventKind::PauseCont, 0, 0};
    const bool flightSlot = index >= 0 && index < FlightSlots;
    if (control == "cmdPacket" && flightSlot) return UserEvent{EventKind::ClickPacket, small(index), 0};
    if (control == "cmdACK" && flightSlot) return UserEvent{EventKind::ClickAck, small(index), 0};
    for (std::size_t box = 0; box < OptionBoxNames.size(); ++box)
        if (control == OptionBoxNames[box])
            return UserEvent{EventKind::ClickCheckBox, small(static_cast<int>(box)), 0};
    for (std::size_t bar = 0; bar < SliderNames.size(); ++bar)
        if (control == SliderNames[bar])
            return UserEvent{EventKind::MoveSlider, small(static_cast<int>(bar)),
                             small(std::clamp(value, -32768, 32767))};
    return std::nullopt;
}

} // namespace control_events

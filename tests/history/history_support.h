// Helpers for the history tests: a model with its history from start-up, and
// a reproducible random user who does a bit of everything a person can do.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "history/run_history.h"

namespace history_support {

inline Form1 loaded()
{
    Form1 form;
    form.Form_Load();
    return form;
}

inline UserEvent box(OptionBox which)
{
    return {EventKind::ClickCheckBox, static_cast<std::int16_t>(which), 0};
}
inline UserEvent slider(SliderId id, int value)
{
    return {EventKind::MoveSlider, static_cast<std::int16_t>(id), static_cast<std::int16_t>(value)};
}
inline constexpr UserEvent StartReset{EventKind::StartReset, 0, 0};
inline constexpr UserEvent PauseCont{EventKind::PauseCont, 0, 0};

// The first visible flight button, or -1.
inline std::int16_t firstVisible(const std::array<FlightButton, FlightSlots>& buttons)
{
    for (std::int16_t slot = 0; slot < FlightSlots; ++slot)
        if (buttons[slot].Visible) return slot;
    return -1;
}

// Between two ticks, now and then: Start/Reset, Pause/Cont, single and double
// clicks on packets and ACKs in flight, option boxes, all four sliders.
class RandomUser {
public:
    explicit RandomUser(std::uint32_t seed) : random_(seed) {}

    // The events to apply before the next tick (usually none).
    std::vector<UserEvent> nextEvents(const Form1& form)
    {
        std::vector<UserEvent> events;
        if (chance(94)) return events;
        const int choice = pick(0, 99);
        if (choice < 4) {
            events.push_back({EventKind::StartReset, 0, 0});
        } else if (choice < 12) {
            events.push_back({EventKind::PauseCont, 0, 0});
        } else if (choice < 50) {
            clickInFlight(form, events);
        } else if (choice < 72) {
            events.push_back(
                {EventKind::ClickCheckBox, static_cast<std::int16_t>(pick(0, OptionBoxCount - 1)), 0});
        } else {
            constexpr std::array<int, SliderCount> Highest = {20, 16, 16, 32};
            const auto id = static_cast<std::int16_t>(pick(0, SliderCount - 1));
            events.push_back({EventKind::MoveSlider, id, static_cast<std::int16_t>(pick(1, Highest[id]))});
        }
        return events;
    }

    // While the clock is off, the user sometimes steps one tick.
    bool stepsWhilePaused() { return chance(10); }

private:
    void clickInFlight(const Form1& form, std::vector<UserEvent>& events)
    {
        const bool packet = chance(60);
        const std::int16_t slot = firstVisible(packet ? form.cmdPacket : form.cmdACK);
        if (slot < 0) return;
        const UserEvent click{packet ? EventKind::ClickPacket : EventKind::ClickAck, slot, 0};
        events.push_back(click);
        if (chance(60)) events.push_back(click); // a double click: lost
    }

    bool chance(int percent) { return pick(0, 99) < percent; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937 random_;
};

} // namespace history_support

#include "frontend/flight_picking.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace flight_picking {

namespace {

const FlightButton* buttonOf(const Form1& form, const Pick& pick)
{
    if (pick.slot < 0 || pick.slot >= FlightSlots) return nullptr;
    const auto slot = static_cast<std::size_t>(pick.slot);
    return pick.ack ? &form.cmdACK[slot] : &form.cmdPacket[slot];
}

struct Candidate {
    Pick pick;
    std::int32_t top = 0;
};

// The travelling buttons of one lane (or of both), packets first, each in slot
// order: the order the windows create them in, which breaks ties in height.
struct Lane {
    std::array<Candidate, 2 * FlightSlots> candidates{};
    std::size_t size = 0;

    void gather(const Form1& form, bool ack)
    {
        for (int slot = 0; slot < FlightSlots; ++slot) {
            const Pick pick{ack, slot};
            const FlightButton& button = *buttonOf(form, pick);
            if (button.Visible) candidates[size++] = {pick, button.Top};
        }
    }
    // Top first, ties in the order gathered. A lane holds a few buttons: an
    // insertion sort is all it needs.
    void sortByHeight()
    {
        for (std::size_t i = 1; i < size; ++i) {
            const Candidate moving = candidates[i];
            std::size_t at = i;
            for (; at > 0 && candidates[at - 1].top > moving.top; --at)
                candidates[at] = candidates[at - 1];
            candidates[at] = moving;
        }
    }
    Candidate* begin() { return candidates.data(); }
    Candidate* end() { return candidates.data() + size; }
};

} // namespace

std::optional<Arrow> arrowNamed(std::string_view name)
{
    if (name == "up") return Arrow::Up;
    if (name == "down") return Arrow::Down;
    if (name == "left") return Arrow::Left;
    if (name == "right") return Arrow::Right;
    return std::nullopt;
}

std::optional<Pick> next(const Form1& form, std::optional<Pick> current, Arrow arrow)
{
    if (current) {
        const FlightButton* button = buttonOf(form, *current);
        if (button == nullptr || !button->Visible) current.reset();
    }
    const bool wantAck = arrow == Arrow::Right  ? true
                         : arrow == Arrow::Left ? false
                                                : current && current->ack;
    Lane lane;
    lane.gather(form, wantAck);
    if (lane.size == 0 && !current) {
        lane.gather(form, false);
        lane.gather(form, true);
    }
    if (lane.size == 0) return std::nullopt;
    lane.sortByHeight();

    if (!current) return lane.begin()->pick;
    if (arrow == Arrow::Up || arrow == Arrow::Down) {
        const Candidate* at = std::find_if(
            lane.begin(), lane.end(), [&](const Candidate& candidate) { return candidate.pick == *current; });
        const std::ptrdiff_t index = at - lane.begin();
        const auto last = static_cast<std::ptrdiff_t>(lane.size) - 1;
        return lane
            .begin()[arrow == Arrow::Down ? std::min(index + 1, last)
                                          : std::max<std::ptrdiff_t>(index - 1, 0)]
            .pick;
    }
    const std::int32_t height = buttonOf(form, *current)->Top;
    return std::min_element(lane.begin(), lane.end(),
                            [height](const Candidate& a, const Candidate& b) {
                                return std::abs(a.top - height) < std::abs(b.top - height);
                            })
        ->pick;
}

} // namespace flight_picking

// The window's controls as the page draws them: the whole set once, then
// after each tick or action only the elements whose drawn properties
// changed, so that a tick sends the page a few hundred bytes rather than the
// whole window.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "core/form.h"

namespace web {

// What the run controls beside the window show.
struct RunState {
    int tick = 0;
    bool clockOn = false;
    int speed = 0;
    bool canStepBack = false;
    bool lessonEnd = false; // a lesson has reached its last tick and paused there

    bool operator==(const RunState&) const = default;
};

// Every control: {"lblTx": [19 labels], "lblRx": [...], "shpTimeOut": [19 widths],
// "cmdPacket": [16 flights], "cmdACK": [...], "shpTxWindow", "shpRxWindow",
// "labels": {name: label}, "buttons": {name: caption}, "checks", "sliders", "run"}.
std::string windowJson(const Form1& form, const RunState& run);

// The flight button the keyboard picks after the arrow named `arrow` ("up",
// "down", "left", "right") from packet or ACK `slot` (-1: none picked), by the
// rule of frontend/flight_picking.h: {"ack": bool, "slot": n}, or null when
// the pick stays as it is.
std::string nextPickJson(const Form1& form, bool ack, int slot, const std::string& arrow);

class WindowChanges {
public:
    // The members of windowJson that differ from what the last call sent,
    // arrays as objects keyed by index ({"cmdPacket": {"3": flight}}); the
    // first call, and the first after forget(), sends everything. A flight
    // sent before comes with only its members that changed ({"top": 2120}).
    std::string take(const Form1& form, const RunState& run);
    void forget()
    {
        sent_.clear();
        std::apply([](auto&... kinds) { ((kinds.values.clear()), ...); }, models_);
    }

private:
    // The model values of one kind of element as last written, in the order
    // they are written, and how many of them this call has reached.
    template <class Model> struct Seen {
        std::vector<Model> values;
        std::size_t next = 0;
    };

    std::tuple<Seen<Label>, Seen<TimeoutBar>, Seen<FlightButton>, Seen<Frame>, Seen<Button>, Seen<CheckBox>,
               Seen<ScrollBar>, Seen<RunState>>
        models_;
    // Every element's text as last sent, in the order they are written.
    std::vector<std::string> sent_;
};

} // namespace web

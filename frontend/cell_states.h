// What each cell colour of the model means, and how a window may show it
// besides the colour itself: a colour-blind safe colour, a one-character
// mark and the words a student (or a screen reader) understands.
//
// This is presentation only. The model keeps its own colours and compares
// them by exact value; a window maps a model colour to what it draws, and the
// mapping never goes back into the model.
//
// The safe colours are chosen so that every pair of states of one strip, and
// the timeout bar among the sender states, stays clearly apart for normal
// vision and under protanopia, deuteranopia and tritanopia, and every one
// stands out from the cells' light background, as text must (a contrast of
// at least 4.5:1; the cell states test proves all of it). Colours are
// 0x00BBGGRR, as the model writes them.
#pragma once

#include <array>
#include <string_view>

#include "core/colours.h"
#include "history/translatable.h"

namespace cell_states {

enum class Strip { Sender, Receiver };

struct CellState {
    Strip strip;
    Colour model;            // the state, as the model writes it
    Colour safe;             // what the colour-blind safe palette draws instead
    std::string_view mark;   // the state mark drawn in the cell's corner
    std::string_view words;  // "in flight, retransmitted": for names and tooltips
    std::string_view legend; // one line for the legend
};

inline constexpr std::array<CellState, 11> States = {{
    {Strip::Sender, colours::TxNotSent, 0x4C564C, "\u00b7", texts::translatable("legend", "not sent yet"),
     texts::translatable("legend", "not sent yet")},
    {Strip::Sender, colours::TxQueued, 0xFF5328, "Q", texts::translatable("legend", "queued"),
     texts::translatable("legend", "queued, waiting for its first trip")},
    {Strip::Sender, colours::TxQueuedAgain, 0x0A4EB0, "R",
     texts::translatable("legend", "queued again to be resent"),
     texts::translatable("legend", "queued again, waiting to be resent")},
    {Strip::Sender, colours::TxInFlight, 0x7A001E, "F", texts::translatable("legend", "in flight"),
     texts::translatable("legend", "in flight (sent once)")},
    {Strip::Sender, colours::TxResentInFlight, 0x000A71, "S",
     texts::translatable("legend", "in flight, retransmitted"),
     texts::translatable("legend", "sent again, in flight once more")},
    {Strip::Sender, colours::TxMarkedForResend, 0x7D507C, "M",
     texts::translatable("legend", "marked for a selective resend"),
     texts::translatable("legend", "marked to be resent at the next tick (selective repeat)")},
    {Strip::Sender, colours::TxAcknowledged, 0x000000, "\u2713",
     texts::translatable("legend", "acknowledged"), texts::translatable("legend", "acknowledged: done")},
    {Strip::Receiver, colours::RxOutside, 0x654646, "\u00b7",
     texts::translatable("legend", "outside the receive window"),
     texts::translatable("legend", "outside the receive window")},
    {Strip::Receiver, colours::RxAwaited, 0x5C7614, "?", texts::translatable("legend", "awaited"),
     texts::translatable("legend", "inside the window, not here yet")},
    {Strip::Receiver, colours::RxReceived, 0x000000, "\u2713", texts::translatable("legend", "received"),
     texts::translatable("legend", "received")},
    {Strip::Receiver, colours::RxAliased, 0x0000AF, "!",
     texts::translatable("legend", "received under another packet's number"),
     texts::translatable("legend", "taken in under another packet's number (too few sequence numbers)")},
}};

// The timeout bars' fill in the safe palette.
inline constexpr Colour SafeTimeoutBar = 0x1CC5F7;

// The state a strip cell's colour stands for, or nullptr for a colour that is
// no state of that strip.
constexpr const CellState* find(Strip strip, Colour model)
{
    for (const CellState& state : States)
        if (state.strip == strip && state.model == model) return &state;
    return nullptr;
}

} // namespace cell_states

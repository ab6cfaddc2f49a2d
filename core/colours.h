// Colours, written 0x00BBGGRR (blue in the high byte, red in the low byte).
//
// The text colour of a strip cell is the state of its packet, and the code
// decides by comparing exact values. Several states look alike on screen and
// differ only in the lowest bit; they are distinct states and must stay so.
#pragma once

#include <cstdint>

using Colour = std::uint32_t;

namespace colours {

// Sender cells (lblTx): what has happened to the packet.
inline constexpr Colour TxNotSent = 0xA0A0A0;         // grey
inline constexpr Colour TxQueued = 0xC00000;          // blue: waiting for its first launch
inline constexpr Colour TxQueuedAgain = 0xC00001;     // blue, lowest bit set: waiting to be resent
inline constexpr Colour TxInFlight = 0x800000;        // navy: sent once
inline constexpr Colour TxResentInFlight = 0x800080;  // purple: resent
inline constexpr Colour TxMarkedForResend = 0x800001; // navy, lowest bit set: selective resend next tick
inline constexpr Colour TxAcknowledged = 0x000000;    // black

// Receiver cells (lblRx): what the receiver holds.
inline constexpr Colour RxOutside = 0xA0A0A1;  // grey, one above the sender's grey
inline constexpr Colour RxAwaited = 0x008000;  // green: inside the window, not yet here
inline constexpr Colour RxReceived = 0x000001; // black, value 1
inline constexpr Colour RxAliased = 0x0000C0;  // dark red: taken in under another packet's number

// Travel markers of the flight buttons.
inline constexpr Colour Travelling = 0xC0C0C0;
inline constexpr Colour Held = 0xA0A0A0;

// Display colours that carry no state.
inline constexpr Colour Navy = 0x800000;        // commentary lines and the state name
inline constexpr Colour Black = 0x000000;       // timeout figure, long enough
inline constexpr Colour Red = 0x0000FF;         // timeout figure, shorter than a round trip
inline constexpr Colour WindowFrame = 0x800080; // purple frames over the windows
inline constexpr Colour TimeoutBar = 0xC0C0FF;  // light red fill of the timeout bars

} // namespace colours

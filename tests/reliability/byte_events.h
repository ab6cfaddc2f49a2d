// Reads arbitrary bytes as a sequence of user events, for the fuzzer.
//
// One event per byte, its low three bits choosing the kind:
//
//   bits 0-2  event                          bits 3-7 (k = byte >> 3, 0..31)
//   0         k + 1 ticks                     count
//   1         8 x (k + 1) ticks               a longer stretch, 8..256 ticks
//   2         click a packet button           the (k mod 16)-th visible one; k >= 16 clicks twice
//   3         click an ACK button             as for packets
//   4         click a check box               box k mod 7 (Slow Start .. Slide Numbers);
//                                             k >= 28 the in-order receiver
//   5         move a slider                   slider k mod 4, to the next byte mod 34
//   6         Start/Reset
//   7         Pause/Cont
//
// Clicks pick among the visible buttons so that most bytes do something; a
// slider position of 0 or past the bar's end exercises the clamp. Decoding
// reads the form, so the events a byte stands for depend on the run so far,
// deterministically.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/events.h"
#include "core/form.h"

namespace reliability {

class ByteEvents {
public:
    ByteEvents(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next event, or false when the bytes are used up.
    bool next(const Form1& form, UserEvent& event);

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    int ticksLeft_ = 0;        // of a run of ticks
    bool secondClick_ = false; // the other half of a double click is due
    UserEvent click_{};
};

} // namespace reliability

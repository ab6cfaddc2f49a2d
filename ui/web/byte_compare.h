// memcmp, eight bytes at a time, for the page's engine.
//
// Emscripten's C library compares a byte at a time: no SIMD, no word loads.
// Every tick compares the commentary lines it is about to store with the ones
// it holds (about fifty characters each, a few times a side), and in
// WebAssembly that byte loop was a tenth of the tick. WebAssembly is always
// little-endian and loads words from any address, so eight bytes are read at
// once and the first differing byte is the lowest differing one of the word.
#pragma once

#include <cstddef>
#include <cstdint>

namespace web {

inline int compareBytes(const void* left, const void* right, std::size_t count)
{
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (; count >= 8; count -= 8, a += 8, b += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        __builtin_memcpy(&x, a, 8);
        __builtin_memcpy(&y, b, 8);
        if (x != y) {
            // Little-endian: the byte at the lowest address is the lowest in the word.
            const int at = __builtin_ctzll(x ^ y) / 8;
            return a[at] - b[at];
        }
    }
    for (; count != 0; --count, ++a, ++b)
        if (*a != *b) return *a - *b;
    return 0;
}

} // namespace web

// A link as a QR code's modules, from libqrencode (native builds only; the
// page draws its code with an npm package, by the rules below, which it reads
// through the engine binding). Front ends only paint the matrix.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qr {

struct Matrix {
    int size = 0;           // modules a side, without the quiet zone
    std::vector<bool> dark; // row by row
    bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)]; }
};

// Readers expect four light modules all round.
inline constexpr int QuietZone = 4;
// The lowest error correction, so that the longest links still fit: a code
// on a projector is whole and sharp and needs little repair.
inline constexpr char ErrorCorrectionLevel = 'L';

// The code of `text` as bytes at ErrorCorrectionLevel; nothing when it is
// too long for any code.
std::optional<Matrix> encode(std::string_view text);

} // namespace qr

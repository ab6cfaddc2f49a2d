#include "frontend/qr_code.h"

#include <qrencode.h>

#include <memory>
#include <string>

namespace qr {

namespace {

constexpr QRecLevel libraryLevel(char level)
{
    switch (level) {
    case 'M':
        return QR_ECLEVEL_M;
    case 'Q':
        return QR_ECLEVEL_Q;
    case 'H':
        return QR_ECLEVEL_H;
    default:
        return QR_ECLEVEL_L;
    }
}

} // namespace

std::optional<Matrix> encode(std::string_view text)
{
    const std::string bytes(text); // libqrencode reads a terminated string
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.c_str(), 0, libraryLevel(ErrorCorrectionLevel)), &QRcode_free);
    if (!code) return std::nullopt;
    Matrix matrix;
    matrix.size = code->width;
    matrix.dark.resize(static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width));
    for (std::size_t i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = (code->data[i] & 1) != 0; // the lowest bit is the module's colour
    return matrix;
}

} // namespace qr

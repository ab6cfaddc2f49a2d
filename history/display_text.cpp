#include "history/display_text.h"

#include <algorithm>

namespace displaytext {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The next code point of `text` at `at`, advancing `at`; a malformed or
// overlong sequence, a surrogate or a value past U+10FFFF reads as one
// U+FFFD for its first byte.
char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    }
    if (length == 0 || at + length > text.size()) {
        ++at;
        return Replacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return Replacement;
        }
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        ++at;
        return Replacement;
    }
    at += length;
    return value;
}

bool invisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void append(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::size_t malformedUtf8At(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        // A U+FFFD written out in the text is three bytes; a malformed byte reads as one.
        if (nextCodePoint(text, at) == Replacement && at == start + 1) return start;
    }
    return std::string_view::npos;
}

std::string plain(std::string_view text, std::size_t limit, Lines lines)
{
    std::string out;
    out.reserve(std::min(text.size(), limit * 4 + 3));
    std::size_t kept = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        char32_t c = nextCodePoint(text, at);
        if (c == '\t' || c == 0x2028 || c == 0x2029 || ((c == '\n' || c == '\r') && lines == Lines::Join))
            c = ' ';
        else if (c == '\r')
            continue; // a note's line ends are "\n"
        else if (invisible(c) && !(c == '\n' && lines == Lines::Keep))
            continue;
        if (kept == limit) {
            out += "\u2026";
            break;
        }
        append(out, c);
        ++kept;
    }
    return out;
}

} // namespace displaytext

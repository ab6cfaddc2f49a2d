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

bool directional(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Format characters that draw nothing and so can hide or split words: the
// zero-width space, word joiner and invisible operators, the byte-order
// mark, the soft hyphen, the fillers drawn as nothing, the interlinear
// annotation marks (which hide the text between them), the tag characters
// and the noncharacters U+FFFE and U+FFFF. The joiners U+200C and U+200D
// stay: scripts and emoji need them.
bool invisibleFormat(char32_t c)
{
    return c == 0x00AD || c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5 ||
           c == 0x180E || c == 0x200B || (c >= 0x2060 && c <= 0x2064) || (c >= 0x206A && c <= 0x206F) ||
           c == 0x3164 || c == 0xFEFF || c == 0xFFA0 || (c >= 0xFFF9 && c <= 0xFFFB) || c == 0xFFFE ||
           c == 0xFFFF || (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A) ||
           (c >= 0xE0000 && c <= 0xE007F);
}

bool invisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || directional(c) || invisibleFormat(c);
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

std::string grouped(long long value)
{
    const std::string digits = std::to_string(value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                        : static_cast<unsigned long long>(value));
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

char32_t codePointAt(std::string_view text, std::size_t& at) { return nextCodePoint(text, at); }

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

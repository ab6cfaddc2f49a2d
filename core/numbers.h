// The arithmetic and number text the simulation relies on.
//
// The behaviour of the demonstration depends on exactly how fractions become
// whole numbers and how numbers are written into captions, so every such
// conversion goes through this header.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace numbers {

// Nearest integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
// Runs on every tick for every running timer, so it avoids the library's
// floor and fmod for the values the simulation meets.
inline double roundHalfEven(double x)
{
    constexpr double beyondFractions = 4503599627370496.0; // 2^52: every double past it is whole
    if (!(x > -beyondFractions && x < beyondFractions)) return x;
    const auto truncated = static_cast<std::int64_t>(x);
    const std::int64_t lower = static_cast<double>(truncated) > x ? truncated - 1 : truncated;
    const double fraction = x - static_cast<double>(lower);
    if (fraction > 0.5) return static_cast<double>(lower + 1);
    if (fraction < 0.5) return static_cast<double>(lower);
    return static_cast<double>(lower % 2 == 0 ? lower : lower + 1);
}

inline std::int32_t roundToInt32(double x) { return static_cast<std::int32_t>(roundHalfEven(x)); }
inline std::int16_t roundToInt16(double x) { return static_cast<std::int16_t>(roundHalfEven(x)); }

// The integer part as the original program takes it: always rounds down.
inline std::int32_t intFloor(double x) { return static_cast<std::int32_t>(std::floor(x)); }

// Shortest decimal text that reads back as the same double, never with an
// exponent or trailing zeros: 4, 2.5, 5.33. Writes into [first, last) and
// returns the end of what it wrote.
inline char* writeShortest(char* first, char* last, double value)
{
    if (value > -1e15 && value < 1e15 && static_cast<double>(static_cast<long>(value)) == value) {
        const long whole = static_cast<long>(value);
        // The figures are packet counts, nearly always one or two digits.
        if (whole >= 0 && whole < 100 && last - first >= 2) {
            if (whole >= 10) *first++ = static_cast<char>('0' + whole / 10);
            *first++ = static_cast<char>('0' + whole % 10);
            return first;
        }
        return std::to_chars(first, last, whole).ptr;
    }
    return std::to_chars(first, last, value, std::chars_format::fixed).ptr;
}

// Reads a caption or tag back as a number: leading blanks, an optional sign,
// digits and an optional fraction. Anything that is not a number reads as 0,
// as a lenient numeric conversion of a label would.
inline double parseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} ? value : 0.0;
}

// The captions and tags the simulation reads back hold whole numbers written
// by the program itself, plain digits, and the tick reads several of them, so
// those take a short loop. Anything else (blanks, a sign, a fraction) goes
// through parseNumber and is rounded.
inline std::int32_t parseWhole(std::string_view text)
{
    if (!text.empty() && text.size() <= 9) {
        std::int32_t value = 0;
        std::size_t i = 0;
        for (; i < text.size(); ++i) {
            const unsigned digit = static_cast<unsigned>(text[i] - '0');
            if (digit > 9) break;
            value = value * 10 + static_cast<std::int32_t>(digit);
        }
        if (i == text.size()) return value;
    }
    return static_cast<std::int32_t>(roundHalfEven(parseNumber(text)));
}

// Int(a / b) for a positive divisor, in integers: exact, and cheaper than
// going through a double on every tick.
inline std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

// Builds a commentary text or caption on the stack, so the tick can compose
// its texts without touching the heap. Text beyond the capacity is cut off;
// the longest text the program writes is well under it.
class TextBuilder {
public:
    TextBuilder& text(std::string_view piece)
    {
        const std::size_t room = sizeof buffer_ - length_;
        const std::size_t count = piece.size() < room ? piece.size() : room;
        piece.copy(buffer_ + length_, count);
        length_ += count;
        return *this;
    }
    // A number with the place of its sign kept: " 5", "-5".
    TextBuilder& number(long value)
    {
        char digits[24];
        char* end = digits;
        if (value >= 0) *end++ = ' ';
        end = std::to_chars(end, digits + sizeof digits, value).ptr;
        return text(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    TextBuilder& plain(long value)
    {
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return text(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    std::string_view view() const { return {buffer_, length_}; }

private:
    char buffer_[192];
    std::size_t length_ = 0;
};

// Assigning an unchanged text is the common case on every tick; skip the copy.
// Figures are a few characters long: those are compared in place rather than
// through a library call.
inline void assignIfChanged(std::string& target, std::string_view text)
{
    if (target.size() == text.size()) {
        if (text.size() > 8) {
            if (std::string_view(target) == text) return;
        } else {
            std::size_t same = 0;
            while (same < text.size() && target[same] == text[same])
                ++same;
            if (same == text.size()) return;
        }
    }
    target.assign(text);
}

// Decimal text without any blank: "5", "-5".
inline std::string plainText(long value) { return std::string(TextBuilder().plain(value).view()); }

// Decimal text with the place of the sign kept: " 5" for 5, "-5" for -5.
// Every number joined into a commentary line or a flight-button caption is written this way.
inline std::string signedText(long value) { return std::string(TextBuilder().number(value).view()); }

inline std::string shortestText(double value)
{
    char buffer[64];
    return std::string(buffer, writeShortest(buffer, buffer + sizeof buffer, value));
}

} // namespace numbers

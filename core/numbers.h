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
inline double roundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

inline std::int32_t roundToInt32(double x) { return static_cast<std::int32_t>(roundHalfEven(x)); }
inline std::int16_t roundToInt16(double x) { return static_cast<std::int16_t>(roundHalfEven(x)); }

// The integer part as the original program takes it: always rounds down.
inline std::int32_t intFloor(double x) { return static_cast<std::int32_t>(std::floor(x)); }

// Decimal text without any blank: "5", "-5". Appends, so callers can reuse buffers.
inline void appendPlain(std::string& out, long value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// Decimal text with the place of the sign kept: " 5" for 5, "-5" for -5.
// Every number joined into a commentary line or a flight-button caption is written this way.
inline void appendSigned(std::string& out, long value)
{
    if (value >= 0) out.push_back(' ');
    appendPlain(out, value);
}

inline std::string plainText(long value)
{
    std::string text;
    appendPlain(text, value);
    return text;
}

inline std::string signedText(long value)
{
    std::string text;
    appendSigned(text, value);
    return text;
}

// Shortest decimal text that reads back as the same double, never with an
// exponent or trailing zeros: 4, 2.5, 5.33.
inline void appendShortest(std::string& out, double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    out.append(buffer, end);
}

inline std::string shortestText(double value)
{
    std::string text;
    appendShortest(text, value);
    return text;
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

// Fast path for the many captions and tags that hold whole numbers.
inline std::int32_t parseWhole(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{}) return 0;
    if (result.ptr != text.data() + text.size() && *result.ptr == '.')
        return static_cast<std::int32_t>(roundHalfEven(parseNumber(text)));
    return value;
}

} // namespace numbers

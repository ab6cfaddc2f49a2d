// The arithmetic and number text the simulation relies on.
//
// The behaviour of the demonstration depends on exactly how fractions become
// whole numbers and how numbers are written into captions, so every such
// conversion goes through this header.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// Floating-point text in both directions without std::to_chars/from_chars
// for doubles, which not every standard library this program is built with
// provides. Both directions ignore the C locale: a caption is always written
// and read with a decimal point.
namespace detail {

inline constexpr int MaxSignificantDigits = 17; // enough for any double to read back

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of `mantissa` (the number's digits without its point) times
// 10^scale, rounded correctly. Up to 15 significant digits and a scale
// within 10^22 are both exact doubles, so one multiplication or division
// rounds once and correctly; anything else goes to strtod, given a text with
// no point in it so that the C locale cannot misread it.
inline double scaled(std::string_view mantissa, long scale)
{
    std::uint64_t whole = 0;
    int significantDigits = 0;
    for (const char c : mantissa) {
        if (significantDigits == 0 && c == '0') continue;
        if (++significantDigits > 15) break;
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (significantDigits == 0) return 0.0;
    constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (significantDigits <= 15 && scale >= -22 && scale <= 22) {
        return scale >= 0 ? static_cast<double>(whole) * powers[scale]
                          : static_cast<double>(whole) / powers[-scale];
    }
    std::string text(mantissa);
    text += 'e';
    text += std::to_string(scale);
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isinf(value) ? 0.0 : value; // too large reads as no number, as a lenient reader does
}

// Reads the longest prefix of `text` that is a decimal number (digits, an
// optional point and fraction, an optional exponent) into `value`; returns
// the characters read, 0 when there is no number.
inline std::size_t readDecimal(std::string_view text, double& value)
{
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) ++at;
    // The digits without the point, kept on the stack for the numbers a caption holds.
    char digits[40];
    std::size_t kept = 0;
    bool overflowed = false;
    long scale = 0;
    bool anyDigit = false;
    bool pastPoint = false;
    const std::size_t mantissaStart = at;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !pastPoint) {
            pastPoint = true;
            continue;
        }
        if (!isDigit(c)) break;
        anyDigit = true;
        if (kept < sizeof digits)
            digits[kept++] = c;
        else
            overflowed = true;
        if (pastPoint) --scale;
    }
    if (!anyDigit) return 0;
    const std::size_t mantissaEnd = at;
    if (at < text.size() && (text[at] | 0x20) == 'e') {
        std::size_t e = at + 1;
        const bool negativeExponent = e < text.size() && text[e] == '-';
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && isDigit(text[e])) {
            long exponent = 0;
            for (; e < text.size() && isDigit(text[e]); ++e)
                if (exponent < 100000) exponent = exponent * 10 + (text[e] - '0');
            scale += negativeExponent ? -exponent : exponent;
            at = e;
        }
    }
    double magnitude = 0.0;
    if (!overflowed) {
        magnitude = scaled(std::string_view(digits, kept), scale);
    } else {
        std::string all;
        for (std::size_t i = mantissaStart; i < mantissaEnd; ++i)
            if (text[i] != '.') all += text[i];
        magnitude = scaled(all, scale);
    }
    value = negative ? -magnitude : magnitude;
    return at;
}

// The shortest decimal that reads back as `value` (finite, not zero), in
// scientific form: digits d1 d2 ... dn meaning d1.d2...dn x 10^exponent.
struct Decimal {
    char digits[MaxSignificantDigits + 1] = {};
    int count = 0;
    int exponent = 0;
};

// printf rounds correctly, and a text with one more digit reads back
// whenever one with fewer does, so a binary search over the precision finds
// the fewest digits; among texts that short the correctly rounded one is the
// nearest.
inline Decimal shortestDecimal(double value)
{
    const double magnitude = std::abs(value);
    char text[48];
    const auto render = [magnitude, &text](int precision) {
        std::snprintf(text, sizeof text, "%.*e", precision, magnitude);
        // The locale may write a comma for the point: read it back with a point.
        for (char* c = text; *c != '\0'; ++c)
            if (!isDigit(*c) && *c != 'e' && *c != '+' && *c != '-') *c = '.';
        double back = 0.0;
        readDecimal(text, back);
        return back == magnitude;
    };
    int low = 0;
    int high = MaxSignificantDigits - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (render(middle))
            high = middle;
        else
            low = middle + 1;
    }
    render(low);
    Decimal decimal;
    const char* c = text;
    for (; *c != 'e' && *c != '\0'; ++c)
        if (isDigit(*c)) decimal.digits[decimal.count++] = *c;
    if (*c == 'e') decimal.exponent = std::atoi(c + 1);
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
    return decimal;
}

} // namespace detail

// Shortest decimal text that reads back as the same double, never with an
// exponent or trailing zeros: 4, 2.5, 5.33. Writes into [first, last) and
// returns the end of what it wrote (the text is cut off at `last`).
inline char* writeShortest(char* first, char* last, double value)
{
    // 64 bits, not long: long has 32 on WebAssembly.
    if (value > -1e15 && value < 1e15 && static_cast<double>(static_cast<std::int64_t>(value)) == value) {
        const std::int64_t whole = static_cast<std::int64_t>(value);
        // The figures are packet counts, nearly always one or two digits.
        if (whole >= 0 && whole < 100 && last - first >= 2) {
            if (whole >= 10) *first++ = static_cast<char>('0' + whole / 10);
            *first++ = static_cast<char>('0' + whole % 10);
            return first;
        }
        return std::to_chars(first, last, whole).ptr;
    }
    const auto put = [&first, last](char c) {
        if (first != last) *first++ = c;
    };
    const auto putText = [&put](const char* text) {
        for (; *text != '\0'; ++text)
            put(*text);
    };
    if (std::signbit(value)) put('-');
    if (std::isnan(value)) {
        putText("nan");
        return first;
    }
    if (std::isinf(value)) {
        putText("inf");
        return first;
    }
    if (std::trunc(value) == value) {
        // Whole beyond the fast path: every digit of the exact value, as the
        // shortest fixed text of such a number has always been written.
        char text[320];
        std::snprintf(text, sizeof text, "%.0f", std::abs(value));
        putText(text);
        return first;
    }
    const detail::Decimal decimal = detail::shortestDecimal(value);
    if (decimal.exponent < 0) {
        putText("0.");
        for (int i = -1; i > decimal.exponent; --i)
            put('0');
        for (int i = 0; i < decimal.count; ++i)
            put(decimal.digits[i]);
        return first;
    }
    const int wholeDigits = decimal.exponent + 1;
    for (int i = 0; i < wholeDigits; ++i)
        put(i < decimal.count ? decimal.digits[i] : '0');
    if (decimal.count > wholeDigits) {
        put('.');
        for (int i = wholeDigits; i < decimal.count; ++i)
            put(decimal.digits[i]);
    }
    return first;
}

// Reads a caption or tag back as a number: leading blanks, an optional sign,
// digits and an optional fraction and exponent ("inf" and "nan" too).
// Anything that is not a number reads as 0, as a lenient numeric conversion
// of a label would.
inline double parseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    const auto startsWith = [&text, negative](std::string_view word) {
        const std::string_view rest = text.substr(negative ? 1 : 0);
        if (rest.size() < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((rest[i] | 0x20) != word[i]) return false;
        return true;
    };
    if (startsWith("inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (startsWith("nan")) return std::nan("");
    double value = 0.0;
    return detail::readDecimal(text, value) == 0 ? 0.0 : value;
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

// The ceiling of a / b, in integers.
inline std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

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

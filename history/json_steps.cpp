#include "history/json_steps.h"

#include <charconv>
#include <cstdlib>

namespace jsonsteps {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, char32_t c)
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

char Reader::next()
{
    while (at_ < text_.size() && blank(text_[at_]))
        ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
}

Outcome Reader::fail(Outcome outcome, std::size_t at)
{
    outcome_ = outcome;
    at_ = at;
    return outcome;
}

bool Reader::readString(std::string& into)
{
    into.clear();
    std::size_t at = at_ + 1; // past the opening quote
    // Four hex digits at `from`, or -1 (the reading failed there).
    const auto hex4 = [&](std::size_t from) -> long {
        long value = 0;
        for (std::size_t i = from; i < from + 4; ++i) {
            if (i >= text_.size()) {
                fail(Outcome::EndsEarly, text_.size());
                return -1;
            }
            const int digitValue = hexValue(text_[i]);
            if (digitValue < 0) {
                fail(Outcome::Unexpected, i);
                return -1;
            }
            value = value * 16 + digitValue;
        }
        return value;
    };
    for (;;) {
        // The plain run up to the next quote, backslash or control character, in one piece.
        std::size_t end = at;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\\' &&
               static_cast<unsigned char>(text_[end]) >= 0x20)
            ++end;
        into.append(text_.substr(at, end - at));
        at = end;
        if (at >= text_.size()) {
            fail(Outcome::EndsEarly, text_.size());
            return false;
        }
        const char c = text_[at];
        if (c == '"') {
            at_ = at + 1;
            return true;
        }
        if (c != '\\') {
            fail(Outcome::Unexpected, at); // a control character must be escaped
            return false;
        }
        if (at + 1 >= text_.size()) {
            fail(Outcome::EndsEarly, text_.size());
            return false;
        }
        const char escape = text_[at + 1];
        at += 2;
        switch (escape) {
        case '"':
        case '\\':
        case '/':
            into += escape;
            continue;
        case 'b':
            into += '\b';
            continue;
        case 'f':
            into += '\f';
            continue;
        case 'n':
            into += '\n';
            continue;
        case 'r':
            into += '\r';
            continue;
        case 't':
            into += '\t';
            continue;
        case 'u':
            break;
        default:
            fail(Outcome::Unexpected, at - 1);
            return false;
        }
        const long first = hex4(at);
        if (first < 0) return false;
        at += 4;
        char32_t code = static_cast<char32_t>(first);
        if (first >= 0xDC00 && first <= 0xDFFF) {
            fail(Outcome::Unexpected, at - 6); // a low surrogate alone
            return false;
        }
        if (first >= 0xD800 && first <= 0xDBFF) {
            // A high surrogate must be followed by its low half.
            if (at + 1 < text_.size() && (text_[at] != '\\' || text_[at + 1] != 'u')) {
                fail(Outcome::Unexpected, at);
                return false;
            }
            if (at + 1 >= text_.size()) {
                fail(Outcome::EndsEarly, text_.size());
                return false;
            }
            const long second = hex4(at + 2);
            if (second < 0) return false;
            if (second < 0xDC00 || second > 0xDFFF) {
                fail(Outcome::Unexpected, at);
                return false;
            }
            at += 6;
            code = 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) +
                   (static_cast<char32_t>(second) - 0xDC00);
        }
        appendUtf8(into, code);
    }
}

bool Reader::scanNumber(std::string_view& token)
{
    std::size_t at = at_;
    const auto need = [&](bool (*accepts)(char)) {
        if (at >= text_.size()) {
            fail(Outcome::EndsEarly, text_.size());
            return false;
        }
        if (!accepts(text_[at])) {
            fail(Outcome::Unexpected, at);
            return false;
        }
        return true;
    };
    const auto digits = [&] {
        while (at < text_.size() && digit(text_[at]))
            ++at;
    };
    if (text_[at] == '-') ++at;
    if (!need(digit)) return false;
    if (text_[at] == '0')
        ++at;
    else
        digits();
    if (at < text_.size() && text_[at] == '.') {
        ++at;
        if (!need(digit)) return false;
        digits();
    }
    if (at < text_.size() && (text_[at] == 'e' || text_[at] == 'E')) {
        ++at;
        if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) ++at;
        if (!need(digit)) return false;
        digits();
    }
    token = text_.substr(at_, at - at_);
    at_ = at;
    return true;
}

NumberValue numberValue(std::string_view token)
{
    NumberValue number;
    const char* first = token.data();
    const char* last = token.data() + token.size();
    if (token.find_first_of(".eE") == std::string_view::npos) {
        if (token.front() == '-') {
            const auto [end, status] = std::from_chars(first, last, number.signedWhole);
            if (status == std::errc() && end == last) {
                number.kind = NumberValue::Kind::Signed;
                return number;
            }
        } else {
            const auto [end, status] = std::from_chars(first, last, number.whole);
            if (status == std::errc() && end == last) {
                number.kind = NumberValue::Kind::Unsigned;
                return number;
            }
        }
    }
    const std::string text(token); // strtod needs its end
    number.real = std::strtod(text.c_str(), nullptr);
    return number;
}

} // namespace jsonsteps

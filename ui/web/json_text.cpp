#include "ui/web/json_text.h"

#include "core/numbers.h"

namespace web {

void JsonText::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_) text_ += ',';
    first_ = false;
}

JsonText& JsonText::open(char bracket)
{
    separate();
    text_ += bracket;
    first_ = true;
    return *this;
}

JsonText& JsonText::close(char bracket)
{
    text_ += bracket;
    first_ = false;
    return *this;
}

JsonText& JsonText::key(std::string_view name)
{
    value(name);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

JsonText& JsonText::value(std::string_view text)
{
    separate();
    text_ += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            text_ += "\\\"";
            break;
        case '\\':
            text_ += "\\\\";
            break;
        case '\n':
            text_ += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                text_ += "\\u00";
                text_ += hex[(c >> 4) & 0xF];
                text_ += hex[c & 0xF];
            } else {
                text_ += c;
            }
        }
    }
    text_ += '"';
    return *this;
}

JsonText& JsonText::value(bool flag)
{
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

JsonText& JsonText::value(std::int64_t number)
{
    separate();
    text_ += numbers::plainText(static_cast<long>(number));
    return *this;
}

JsonText& JsonText::value(double number)
{
    separate();
    // JSON has no infinities; the figures the page asks for are always finite.
    text_ += std::isfinite(number) ? numbers::shortestText(number) : std::string("null");
    return *this;
}

JsonText& JsonText::colour(Colour colour)
{
    constexpr char hex[] = "0123456789abcdef";
    const unsigned red = colour & 0xFF;
    const unsigned green = (colour >> 8) & 0xFF;
    const unsigned blue = (colour >> 16) & 0xFF;
    const char text[] = {'#',
                         hex[red >> 4],
                         hex[red & 0xF],
                         hex[green >> 4],
                         hex[green & 0xF],
                         hex[blue >> 4],
                         hex[blue & 0xF]};
    return value(std::string_view(text, sizeof text));
}

} // namespace web

#include "history/export_text.h"

#include <algorithm>

#include "history/display_text.h"

namespace exporttext {

namespace {

bool plainNumber(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return !part.empty() &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(whole) && (point == std::string_view::npos || digits(fraction));
}

} // namespace

std::string spreadsheetSafe(std::string_view cell)
{
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos ||
        plainNumber(cell))
        return std::string(cell);
    return "'" + std::string(cell);
}

std::string csvQuoted(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string xmlSafe(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        const char32_t c = displaytext::codePointAt(text, at);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0xFFFE || c == 0xFFFF) continue;
        if (c == 0xFFFD && at == start + 1)
            out += "\uFFFD"; // a byte that is not UTF-8
        else
            out.append(text.substr(start, at - start));
    }
    return out;
}

} // namespace exporttext

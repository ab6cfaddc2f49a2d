#include "frontend/run_names.h"

namespace run_names {

namespace {

// Lower-case letters and digits joined by single dashes: a name every file
// system and every download folder takes as it is.
std::string slug(std::string_view text)
{
    std::string out;
    bool dash = false;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        const bool upper = c >= 'A' && c <= 'Z';
        if (letter || upper) {
            if (dash && !out.empty()) out += '-';
            out += upper ? static_cast<char>(c - 'A' + 'a') : c;
            dash = false;
        } else {
            dash = true;
        }
        if (out.size() >= 60) break;
    }
    return out;
}

} // namespace

std::string suggestedFileName(std::string_view lesson, std::string_view title, std::int32_t tick,
                              std::string_view extension)
{
    std::string name = slug(lesson);
    if (name.empty()) name = slug(title);
    if (name.empty()) name = "run";
    return name + "-tick-" + std::to_string(tick) + std::string(extension);
}

} // namespace run_names

#include "history/translatable.h"

namespace texts {

std::string fillValues(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool placeholder =
            c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace texts

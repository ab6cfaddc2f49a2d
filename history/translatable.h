// Texts a translator translates.
//
// The English text is the key. Code below the front ends builds its
// sentences in English, from patterns with numbered placeholders rather than
// by joining pieces ("The field %1 should be a list, not %2."), and a front
// end shows them in the reader's language: frontend/catalogue.h finds the
// pattern a sentence was filled from and fills the translated pattern with
// the same values. The simulation, the record, run files, logs and exports
// never hold a translation.
//
// `translatable(context, english)` marks a text for the catalogue. The
// extraction (scripts/update-translations, through lupdate) finds every
// call by its name and files the text under `context`, which groups it for
// the translator; both arguments must be string literals (adjacent literals
// join, \u escapes are read), and the call must have exactly these two.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace texts {

constexpr std::string_view translatable(std::string_view context, std::string_view english)
{
    static_cast<void>(context);
    return english;
}

// `pattern` with %1 to %9 replaced by the values in order. A placeholder
// without a value, and a % that is not followed by 1 to 9, stay as they are.
std::string fillValues(std::string_view pattern, std::initializer_list<std::string_view> values);

namespace detail {
inline std::string_view asText(std::string_view text) { return text; }
inline std::string_view asText(const std::string& text) { return text; }
inline std::string_view asText(const char* text) { return text; }
template <typename Number, typename = std::enable_if_t<std::is_integral_v<Number>>>
std::string asText(Number number)
{
    return std::to_string(number);
}
} // namespace detail

// fill(translatable("Ctx", "Run %1 of %2"), 3, name): strings and whole numbers.
template <typename... Values> std::string fill(std::string_view pattern, const Values&... values)
{
    // A number's text is a temporary that lives until fillValues returns.
    return fillValues(pattern, {std::string_view(detail::asText(values))...});
}

} // namespace texts

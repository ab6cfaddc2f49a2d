#include "frontend/languages.h"

#include <algorithm>

namespace languages {

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

bool isLetters(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= 'a' && c <= 'z'); });
}

} // namespace

std::optional<std::string_view> shipped(std::string_view tag)
{
    std::string text = lowered(tag.substr(0, 64));
    if (text == Pseudo) return Pseudo;
    // POSIX's encoding and modifier say nothing about the language.
    text = text.substr(0, text.find_first_of(".@"));
    std::replace(text.begin(), text.end(), '_', '-');
    const std::string primary = text.substr(0, text.find('-'));
    // A language is two or three letters; "c", "posix" and "*" are not one.
    if (primary.size() < 2 || primary.size() > 3 || !isLetters(primary)) return std::nullopt;
    for (const Language& language : Shipped) {
        const std::string own = lowered(language.tag);
        if (primary == own.substr(0, own.find('-'))) return language.tag;
    }
    return std::nullopt;
}

std::string_view choose(const std::vector<std::string>& preferred)
{
    for (const std::string& tag : preferred) {
        if (const std::optional<std::string_view> language = shipped(tag); language && *language != Pseudo)
            return *language;
    }
    return English;
}

const Language* find(std::string_view tag)
{
    for (const Language& language : Shipped) {
        if (language.tag == tag) return &language;
    }
    return nullptr;
}

bool rightToLeft(std::string_view tag)
{
    const Language* language = find(tag);
    return language != nullptr && language->rightToLeft;
}

} // namespace languages

// The languages the program speaks, and which one a reader gets.
//
// English is the program's own; the others come with a translation file
// each (translations/sliding-window-demo_<file suffix>.ts). The desktop
// offers them under View > Language, the page in its run bar, each by its
// own name, so that a reader finds theirs whatever language is on screen.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace languages {

struct Language {
    std::string_view tag;        // BCP 47, for links (lang=zh-CN) and preferences
    std::string_view fileSuffix; // the translation file's: "zh_CN"
    std::string_view ownName;    // as its readers write it: "简体中文"
    bool rightToLeft = false;
};

inline constexpr std::string_view English = "en";
// The test language: every text accented and longer (texts::pseudoText).
// Never offered; a link or a test asks for it by name.
inline constexpr std::string_view Pseudo = "x-pseudo";

inline constexpr std::array<Language, 9> Shipped = {{
    {"en", "en", "English", false},
    {"zh-CN", "zh_CN", "\u7b80\u4f53\u4e2d\u6587", false},
    {"es", "es", "Espa\u00f1ol", false},
    {"pt-BR", "pt_BR", "Portugu\u00eas (Brasil)", false},
    {"ru", "ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439", false},
    {"ar", "ar", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629", true},
    {"id", "id", "Bahasa Indonesia", false},
    {"fr", "fr", "Fran\u00e7ais", false},
    {"de", "de", "Deutsch", false},
}};

// The shipped language a tag asks for, or nothing. Tags are read as BCP 47
// ("de-AT", "zh-Hans-CN") or POSIX ("de_DE.UTF-8", "pt_BR@euro"), in any
// case: a region or script the program has no file of falls back to the
// language's (Traditional Chinese readers get Simplified Chinese, Portugal
// gets Brazil's Portuguese). "x-pseudo" is the test language. Anything else,
// invalid tags such as "C" or "" included, is nothing.
std::optional<std::string_view> shipped(std::string_view tag);

// The first of the reader's languages, in their order of preference (a
// browser's navigator.languages, the desktop's QLocale::uiLanguages), that
// the program speaks; English when it speaks none of them.
std::string_view choose(const std::vector<std::string>& preferred);

const Language* find(std::string_view tag);
bool rightToLeft(std::string_view tag);

} // namespace languages

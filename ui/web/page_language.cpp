#include "ui/web/page_language.h"

#include <string_view>
#include <vector>

#include "frontend/languages.h"
#include "ui/web/json_text.h"

namespace web {

namespace {

// The file suffixes of the languages the build shipped, separated by ",".
constexpr std::string_view ShippedFiles = SWD_SHIPPED_LANGUAGE_FILES;

bool shippedHere(const languages::Language& language)
{
    if (language.tag == languages::English) return true;
    std::string_view rest = ShippedFiles;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(','), rest.size());
        if (rest.substr(0, end) == language.fileSuffix) return true;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return false;
}

} // namespace

std::string languagesJson()
{
    JsonText json;
    json.beginArray();
    for (const languages::Language& language : languages::Shipped) {
        if (!shippedHere(language)) continue;
        json.beginObject()
            .key("tag")
            .value(std::string(language.tag))
            .key("file")
            .value(std::string(language.fileSuffix))
            .key("name")
            .value(std::string(language.ownName))
            .key("rtl")
            .value(language.rightToLeft)
            .endObject();
    }
    json.endArray();
    return json.take();
}

std::string chooseLanguage(const std::string& preferred)
{
    std::string_view rest = preferred;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view tag = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const auto language = languages::shipped(tag);
        if (!language || *language == languages::Pseudo) continue;
        if (const languages::Language* found = languages::find(*language); found && shippedHere(*found))
            return std::string(found->tag);
    }
    return std::string(languages::English);
}

std::string PageLanguage::text(const std::string& english) const
{
    return catalogue_.text(english, simulationTexts_ ? texts::Catalogue::Simulation::Translated
                                                     : texts::Catalogue::Simulation::AsWritten);
}

} // namespace web

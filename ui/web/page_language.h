// The language the page speaks: which one a reader gets, and the texts in it.
//
// The site carries one catalogue script per shipped language
// (i18n/sliding-window-demo_<file>.js, made from the Linguist files at build
// time), which the page loads only when a reader gets that language, so an
// English reader downloads none of them. The choice is the desktop's rule
// (frontend/languages.h): a link's lang= first, then the reader's remembered
// choice, then the browser's languages; anything else, invalid tags such as
// "C" included, is English.
#pragma once

#include <string>

#include "frontend/catalogue.h"

namespace web {

// The languages the site speaks, English first, each by its own name:
// [{"tag":"de","file":"de","name":"Deutsch","rtl":false}, ...]
std::string languagesJson();
// The language for a reader who prefers the tags of `preferred` (one a
// line, most wanted first) among those the site speaks; "en" for none.
std::string chooseLanguage(const std::string& preferred);

class PageLanguage {
public:
    // Takes up a catalogue script's entries, as the browser parsed them
    // (the engine carries no JSON reader of its own): every entry, then finish.
    void add(bool simulation, const std::string& english, const std::string& translation)
    {
        catalogue_.add(simulation, english, translation);
    }
    void finish(const std::string& language) { catalogue_.finish(language); }
    // The test language (lang=x-pseudo): every text accented and longer.
    void usePseudo() { catalogue_ = texts::Catalogue::pseudo(); }
    // Any text the page shows, in the language; a text the catalogue does
    // not know stays as it is.
    std::string text(const std::string& english) const;
    // Whether the simulation's own texts are shown translated too (modeltext=1).
    void setSimulationTexts(bool translated) { simulationTexts_ = translated; }
    std::string language() const { return catalogue_.language(); }
    bool rightToLeft() const { return catalogue_.rightToLeft(); }

private:
    texts::Catalogue catalogue_;
    bool simulationTexts_ = false;
};

} // namespace web

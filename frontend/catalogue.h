// The texts of one language, and how a front end shows an English text in it.
//
// Code builds its texts in English (history/translatable.h): a fixed text, or
// a pattern filled with values ("Run 3, options kept at Reset" from "Run %1,
// options kept at Reset"). A front end hands every text it shows to
// `text()`, which finds the translation of the text itself or of the
// pattern it was filled from, and fills the translated pattern with the same
// values, each translated in turn when it is a text of the catalogue. A
// paragraph the catalogue does not know whole is translated line by line and
// sentence by sentence, so that explanations built of several sentences
// read in the language too. A text
// the catalogue does not know stays English, so a missing translation never
// hides anything. In a right-to-left language every value is isolated
// (U+2068 ... U+2069), so that packet numbers and names inside Arabic
// sentences keep their own direction.
//
// The simulation's own texts (its commentary lines, captions and figures)
// are a second table, used only when the reader asks for them translated;
// they are matched by the same rule against the simulation's patterns
// (frontend/simulation_texts.h), in the view only.
//
// The tables come from the translation files, as the build writes them for
// both front ends (scripts/catalogue-json):
//   {"language": "de", "texts": {"English": "Deutsch", ...}, "simulation": {...}}
// The language's direction is frontend/languages.h's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace texts {

class Catalogue {
public:
    // English: every text as it is.
    Catalogue() = default;
    // A language's catalogue; nothing (and `error` says why) when `json` is
    // not one.
    static std::optional<Catalogue> fromJson(std::string_view json, std::string* error = nullptr);
    // The test language "x-pseudo": every text, simulation's included, with
    // its letters accented, in brackets and about 40 % longer, so that a text
    // cut off or never translated shows at a glance.
    static Catalogue pseudo();
    // A language's catalogue built entry by entry (the page hands over what
    // the browser parsed, so the engine carries no JSON reader): add every
    // entry, then finish.
    void add(bool simulation, std::string_view english, std::string_view translation);
    void finish(std::string language);

    const std::string& language() const { return language_; }
    bool rightToLeft() const { return rightToLeft_; }
    bool isEnglish() const { return !pseudo_ && texts_.empty() && simulation_.empty(); }
    // How many texts each table holds.
    std::size_t textCount() const { return texts_.size(); }
    std::size_t simulationTextCount() const { return simulation_.size(); }

    // Whether the simulation's own texts are shown translated (View >
    // Translate the simulation's texts, modeltext=1 in a link).
    enum class Simulation { AsWritten, Translated };

    // Any text a front end shows: its own, the shared code's, a log line.
    // Where it is (or holds) a text of the simulation, that part is
    // translated only when `simulation` says so.
    std::string text(std::string_view english, Simulation simulation = Simulation::AsWritten) const;
    // A text only the simulation writes (a caption, a figure's name, a
    // commentary line): as written, or translated by its patterns.
    std::string simulationText(std::string_view english, Simulation simulation) const;

    // One table of translations: whole texts by their English, and patterns
    // (texts with placeholders) matched against a filled text.
    class Table {
    public:
        void add(std::string_view english, std::string_view translation);
        // Sorts the patterns so that the most specific one is tried first.
        void finish();
        bool empty() const { return whole_.empty() && patterns_.empty(); }
        std::size_t size() const { return whole_.size() + patterns_.size(); }
        const std::string* whole(std::string_view english) const;

        struct Pattern {
            std::vector<std::string> literals; // one more than the placeholders
            std::vector<int> placeholders;     // 0 for %1 ...
            std::string translation;
            std::size_t literalBytes = 0;
        };
        // The first pattern `english` was filled from, with the values it
        // was filled with (in placeholder order, %1 first).
        const Pattern* match(std::string_view english, std::vector<std::string>& values) const;

    private:
        std::unordered_map<std::string, std::string> whole_;
        std::vector<Pattern> patterns_;
        // Patterns by the first two bytes they begin with; those that begin
        // with a placeholder or a single byte are tried for every text.
        std::unordered_map<std::uint16_t, std::vector<std::size_t>> byStart_;
        std::vector<std::size_t> anyStart_;
    };

private:
    // `tables` in the order they are tried.
    std::string translate(std::string_view english, const Table* const* tables, int depth) const;
    // The translation of `english` as a whole text or a filled pattern.
    std::optional<std::string> known(std::string_view english, const Table* const* tables, int depth) const;

    std::string language_ = "en";
    bool rightToLeft_ = false;
    bool pseudo_ = false;
    Table texts_;
    Table simulation_;
};

// A text accented, in brackets and about 40 % longer, its placeholders,
// menu mnemonics and markup kept: the pseudo language's translation.
std::string pseudoText(std::string_view english);

} // namespace texts

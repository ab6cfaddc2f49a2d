#include "frontend/catalogue.h"

#include <algorithm>

#include "frontend/languages.h"
#include "history/json_document.h"
#include "history/stable_order.h"

namespace texts {

namespace {

// A value nested in a value nested in a text is as deep as the program's
// texts go; deeper matching would only cost time.
constexpr int DeepestValue = 2;
// Longer texts are a lesson's note or a stranger's file: matched whole only.
constexpr std::size_t LongestPatternMatch = 4000;

constexpr std::string_view FirstStrongIsolate = "\u2068";
constexpr std::string_view PopDirectionalIsolate = "\u2069";

bool isPlaceholder(std::string_view text, std::size_t at)
{
    return text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
}

bool hasLetter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
    });
}

std::uint16_t startKey(std::string_view text)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(text[0]) << 8) |
                                      static_cast<unsigned char>(text[1]));
}

// Matches `text` from `at` against the placeholders from `next` on, each
// value at least one byte long; leftmost first, backing up where a later
// literal does not fit.
bool matchFrom(const Catalogue::Table::Pattern& pattern, std::string_view text, std::size_t at,
               std::size_t next, std::vector<std::string>& values)
{
    const std::string& literal = pattern.literals[next + 1];
    if (next + 1 == pattern.placeholders.size()) {
        if (text.size() < at + 1 + literal.size() || text.substr(text.size() - literal.size()) != literal)
            return false;
        values[static_cast<std::size_t>(pattern.placeholders[next])] =
            std::string(text.substr(at, text.size() - literal.size() - at));
        return true;
    }
    for (std::size_t found = text.find(literal, at + 1); found != std::string_view::npos;
         found = text.find(literal, found + 1)) {
        values[static_cast<std::size_t>(pattern.placeholders[next])] =
            std::string(text.substr(at, found - at));
        if (matchFrom(pattern, text, found + literal.size(), next + 1, values)) return true;
    }
    return false;
}

// A paragraph's sentences: a text is cut after ".", "?" or "!" where a blank
// and a capital letter, a digit or an opening quote or bracket follow.
std::vector<std::string_view> sentencesOf(std::string_view text)
{
    std::vector<std::string_view> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const char c = text[i];
        const char next = text[i + 2];
        const bool opens =
            (next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9') || next == '"' || next == '(';
        if ((c == '.' || c == '?' || c == '!') && text[i + 1] == ' ' && opens) {
            sentences.push_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    sentences.push_back(text.substr(start));
    return sentences;
}

// Chinese and Japanese sentences end with a wide stop and need no blank after it.
bool endsWideStop(std::string_view text)
{
    for (const std::string_view stop : {"\u3002", "\uff1f", "\uff01", "\uff1a"}) {
        if (text.size() >= stop.size() && text.substr(text.size() - stop.size()) == stop) return true;
    }
    return false;
}

// Accented stand-ins for a to z and A to Z, two bytes each in UTF-8.
constexpr std::string_view AccentedLower[] = {
    "\u00e0", "\u0180", "\u00e7", "\u00f0", "\u00e9", "\u0192", "\u011d", "\u0125", "\u00ee",
    "\u0135", "\u0137", "\u013c", "\u0271", "\u00f1", "\u00f6", "\u00fe", "\u01eb", "\u0155",
    "\u0161", "\u0163", "\u00fb", "\u028b", "\u0175", "\u0445", "\u00fd", "\u017e"};
constexpr std::string_view AccentedUpper[] = {
    "\u00c5", "\u0181", "\u00c7", "\u00d0", "\u00c9", "\u0191", "\u011c", "\u0124", "\u00ce",
    "\u0134", "\u0136", "\u013b", "\u1e40", "\u00d1", "\u00d6", "\u00de", "\u01ea", "\u0154",
    "\u0160", "\u0162", "\u00db", "\u1e7c", "\u0174", "\u03a7", "\u00dd", "\u017d"};

} // namespace

// ---------------------------------------------------------------------------
// A table
// ---------------------------------------------------------------------------

void Catalogue::Table::add(std::string_view english, std::string_view translation)
{
    Pattern pattern;
    pattern.translation = std::string(translation);
    std::string literal;
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (isPlaceholder(english, i)) {
            pattern.literals.push_back(literal);
            pattern.literalBytes += literal.size();
            literal.clear();
            pattern.placeholders.push_back(english[i + 1] - '1');
            ++i;
        } else {
            literal += english[i];
        }
    }
    pattern.literals.push_back(literal);
    pattern.literalBytes += literal.size();
    if (pattern.placeholders.empty()) {
        whole_.emplace(std::string(english), pattern.translation);
        return;
    }
    // Two placeholders side by side could split their values anywhere: such
    // a text is only found whole.
    const bool inseparable = std::any_of(pattern.literals.begin() + 1, pattern.literals.end() - 1,
                                         [](const std::string& piece) { return piece.empty(); });
    if (inseparable || pattern.literalBytes == 0) {
        whole_.emplace(std::string(english), pattern.translation);
        return;
    }
    patterns_.push_back(std::move(pattern));
}

void Catalogue::Table::finish()
{
    // Most literal text first; among equals, the order the texts came in
    // (the catalogue files list them in the order of their English).
    stable_order::sortBy(patterns_,
                         [](const Pattern& pattern) { return ~std::uint64_t{pattern.literalBytes}; });
    byStart_.clear();
    anyStart_.clear();
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        const std::string& first = patterns_[i].literals.front();
        if (first.size() >= 2) {
            byStart_[startKey(first)].push_back(i);
        } else {
            anyStart_.push_back(i);
        }
    }
}

const std::string* Catalogue::Table::whole(std::string_view english) const
{
    const auto found = whole_.find(std::string(english));
    return found == whole_.end() ? nullptr : &found->second;
}

const Catalogue::Table::Pattern* Catalogue::Table::match(std::string_view english,
                                                         std::vector<std::string>& values) const
{
    if (patterns_.empty() || english.size() > LongestPatternMatch) return nullptr;
    static const std::vector<std::size_t> none;
    const std::vector<std::size_t>* started = &none;
    if (english.size() >= 2) {
        if (const auto found = byStart_.find(startKey(english)); found != byStart_.end())
            started = &found->second;
    }
    // Both lists are in the patterns' order, most literal text first: merged,
    // the most specific pattern that fits wins.
    std::size_t a = 0;
    std::size_t b = 0;
    while (a < started->size() || b < anyStart_.size()) {
        const bool fromStarted =
            b >= anyStart_.size() || (a < started->size() && (*started)[a] < anyStart_[b]);
        const Pattern& pattern = patterns_[fromStarted ? (*started)[a++] : anyStart_[b++]];
        const std::string& first = pattern.literals.front();
        if (english.substr(0, first.size()) != first) continue;
        values.assign(9, std::string());
        // A value never runs on into the next sentence: that sentence is
        // translated on its own.
        if (matchFrom(pattern, english, first.size(), 0, values) &&
            std::none_of(values.begin(), values.end(),
                         [](const std::string& value) { return sentencesOf(value).size() > 1; }))
            return &pattern;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The catalogue
// ---------------------------------------------------------------------------

std::optional<Catalogue> Catalogue::fromJson(std::string_view json, std::string* error)
{
    const auto refuse = [error](const std::string& why) -> std::optional<Catalogue> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    const jsonsteps::Document document = jsonsteps::readDocument(json);
    if (document.is_discarded() || !document.is_object()) return refuse("not a JSON object");
    Catalogue catalogue;
    const auto language = document.find("language");
    if (language == document.end() || !language->is_string()) return refuse("no language");
    catalogue.language_ = language->get<std::string>();
    catalogue.rightToLeft_ = languages::rightToLeft(catalogue.language_);
    const auto readTable = [&document](const char* name, Table& table) {
        const auto found = document.find(name);
        if (found == document.end() || !found->is_object()) return false;
        for (const auto& [english, translation] : found->items()) {
            if (!translation.is_string()) return false;
            table.add(english, translation.get_ref<const std::string&>());
        }
        table.finish();
        return true;
    };
    if (!readTable("texts", catalogue.texts_)) return refuse("no texts");
    if (!readTable("simulation", catalogue.simulation_)) return refuse("no simulation texts");
    return catalogue;
}

void Catalogue::add(bool simulation, std::string_view english, std::string_view translation)
{
    (simulation ? simulation_ : texts_).add(english, translation);
}

void Catalogue::finish(std::string language)
{
    language_ = std::move(language);
    rightToLeft_ = languages::rightToLeft(language_);
    texts_.finish();
    simulation_.finish();
}

Catalogue Catalogue::pseudo()
{
    Catalogue catalogue;
    catalogue.language_ = "x-pseudo";
    catalogue.pseudo_ = true;
    return catalogue;
}

std::string Catalogue::text(std::string_view english, Simulation simulation) const
{
    if (pseudo_) return pseudoText(english);
    const Table* tables[] = {&texts_, simulation == Simulation::Translated ? &simulation_ : nullptr, nullptr};
    return translate(english, tables, 0);
}

std::string Catalogue::simulationText(std::string_view english, Simulation simulation) const
{
    if (simulation == Simulation::AsWritten) return std::string(english);
    if (pseudo_) return pseudoText(english);
    const Table* tables[] = {&simulation_, nullptr};
    return translate(english, tables, 0);
}

std::optional<std::string> Catalogue::known(std::string_view english, const Table* const* tables,
                                            int depth) const
{
    for (const Table* const* table = tables; *table != nullptr; ++table) {
        if (const std::string* whole = (*table)->whole(english)) return *whole;
    }
    std::vector<std::string> values;
    for (const Table* const* table = tables; *table != nullptr; ++table) {
        const Table::Pattern* pattern = (*table)->match(english, values);
        if (pattern == nullptr) continue;
        std::string translated;
        translated.reserve(pattern->translation.size() + english.size());
        for (std::size_t i = 0; i < pattern->translation.size(); ++i) {
            if (!isPlaceholder(pattern->translation, i)) {
                translated += pattern->translation[i];
                continue;
            }
            const std::string& value = values[static_cast<std::size_t>(pattern->translation[++i] - '1')];
            // A value that is a text of the program reads in the language too.
            const std::string shown =
                depth < DeepestValue && hasLetter(value) ? translate(value, tables, depth + 1) : value;
            if (rightToLeft_) translated += FirstStrongIsolate;
            translated += shown;
            if (rightToLeft_) translated += PopDirectionalIsolate;
        }
        return translated;
    }
    return std::nullopt;
}

std::string Catalogue::translate(std::string_view english, const Table* const* tables, int depth) const
{
    if (english.empty()) return std::string(english);
    if (std::optional<std::string> translated = known(english, tables, depth)) return std::move(*translated);
    if (depth == 0 && english.find('\n') != std::string_view::npos) {
        // Line by line, each line's indent kept.
        std::string translated;
        std::size_t at = 0;
        while (at <= english.size()) {
            const std::size_t end = std::min(english.find('\n', at), english.size());
            const std::string_view line = english.substr(at, end - at);
            const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
            translated += line.substr(0, indent);
            translated += translate(line.substr(indent), tables, depth);
            if (end < english.size()) translated += '\n';
            at = end + 1;
        }
        return translated;
    }
    // A line of parts joined by " · " (the status line): part by part.
    if (constexpr std::string_view dot = " \u00b7 ";
        depth == 0 && english.find(dot) != std::string_view::npos) {
        std::string translated;
        std::size_t at = 0;
        while (at <= english.size()) {
            const std::size_t end = std::min(english.find(dot, at), english.size());
            if (at > 0) translated += dot;
            translated += translate(english.substr(at, end - at), tables, depth);
            at = end + dot.size();
        }
        return translated;
    }
    if (depth == 0) {
        const std::vector<std::string_view> sentences = sentencesOf(english);
        if (sentences.size() > 1) {
            std::string translated;
            for (const std::string_view sentence : sentences) {
                if (!translated.empty() && !endsWideStop(translated)) translated += ' ';
                translated += known(sentence, tables, depth).value_or(std::string(sentence));
            }
            return translated;
        }
    }
    // A sentence quoted inside another without its full stop.
    if (depth > 0 && english.back() != '.') {
        const std::string sentence = std::string(english) + ".";
        if (std::optional<std::string> translated = known(sentence, tables, depth)) {
            for (const std::string_view stop : {".", "\u3002", "\u06d4"}) {
                if (translated->size() >= stop.size() &&
                    translated->compare(translated->size() - stop.size(), stop.size(), stop) == 0) {
                    translated->resize(translated->size() - stop.size());
                    break;
                }
            }
            return std::move(*translated);
        }
    }
    return std::string(english);
}

// ---------------------------------------------------------------------------
// The pseudo language
// ---------------------------------------------------------------------------

std::string pseudoText(std::string_view english)
{
    if (english.empty()) return std::string();
    std::string text = "[";
    std::size_t letters = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const char c = english[i];
        if (isPlaceholder(english, i) || (c == '%' && i + 1 < english.size() && english[i + 1] == 'n')) {
            text.append(english.substr(i, 2));
            ++i;
        } else if (c == '<') {
            // Markup stays markup.
            const std::size_t end = english.find('>', i);
            const std::size_t last = end == std::string_view::npos ? english.size() - 1 : end;
            text.append(english.substr(i, last - i + 1));
            i = last;
        } else if (c == '&' && english.find(';', i) != std::string_view::npos &&
                   english.find(';', i) - i <= 8 &&
                   english.substr(i + 1, english.find(';', i) - i - 1)
                           .find_first_not_of(
                               "#0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") ==
                       std::string_view::npos) {
            // An entity stays an entity.
            const std::size_t end = english.find(';', i);
            text.append(english.substr(i, end - i + 1));
            i = end;
        } else if (c == '&') {
            // A menu's mnemonic: the next letter keeps its job, accented.
            text += c;
        } else if (c >= 'a' && c <= 'z') {
            text += AccentedLower[c - 'a'];
            ++letters;
        } else if (c >= 'A' && c <= 'Z') {
            text += AccentedUpper[c - 'A'];
            ++letters;
        } else {
            text += c;
            if (static_cast<unsigned char>(c) < 0x80 || static_cast<unsigned char>(c) >= 0xC0) ++letters;
        }
    }
    // Forty per cent more, in words of five, so that it wraps where a longer
    // translation would.
    const std::size_t extra = (letters * 2 + 4) / 5;
    for (std::size_t i = 0; i < extra; ++i)
        text += i % 6 == 5 ? std::string(" ") : std::string("\u0175");
    text += "]";
    return text;
}

} // namespace texts

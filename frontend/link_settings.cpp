#include "frontend/link_settings.h"

#include <array>
#include <optional>

#include "core/events.h"
#include "frontend/classroom_wire.h"
#include "frontend/languages.h"
#include "frontend/protocol_presets.h"
#include "history/display_text.h"
#include "history/lessons.h"
#include "history/run_history.h"
#include "history/translatable.h"

using texts::fill;
using texts::translatable;

namespace links {

namespace {

struct OptionName {
    OptionBox box;
    const char* name;
};
constexpr std::array<OptionName, 5> OptionNames = {{
    {OptionBox::SlowStart, "slowstart"},
    {OptionBox::Avoidance, "avoidance"},
    {OptionBox::FastRetransmit, "fastretransmit"},
    {OptionBox::Selective, "selective"},
    {OptionBox::DelayedAck, "delayedack"},
}};

// A slider as a link names it: the figure the user reads beside the bar,
// and the bar position that shows it.
struct SliderName {
    SliderId id;
    const char* name;
    int lowest;
    int highest;
    int (*position)(int figure);
    int (*figure)(int position);
};
constexpr std::array<SliderName, 4> SliderNames = {{
    {SliderId::Timeout, "timeout", 1, 20, [](int f) { return f; }, [](int p) { return p; }},
    {SliderId::TxWindow, "tx", 1, 16, [](int f) { return 17 - f; }, [](int p) { return 17 - p; }},
    {SliderId::RxWindow, "rx", 1, 16, [](int f) { return 17 - f; }, [](int p) { return 17 - p; }},
    {SliderId::Sequences, "seq", 0, 31, [](int f) { return 32 - f; }, [](int p) { return 32 - p; }},
}};

std::string percentDecoded(std::string_view text)
{
    const auto hexDigit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i] == '+' ? ' ' : text[i];
        }
    }
    return decoded;
}

// A whole number in [lowest, highest], written as plain digits.
std::optional<int> wholeIn(std::string_view text, int lowest, int highest)
{
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

// A seed: plain digits, at most the largest 32-bit number.
std::optional<std::uint32_t> seedIn(std::string_view text)
{
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<bool> flag(std::string_view text)
{
    if (text == "1") return true;
    if (text == "0") return false;
    return std::nullopt;
}

std::optional<std::array<bool, 5>> optionSet(std::string_view text)
{
    std::array<bool, 5> wanted{};
    if (text.empty() || text == "none") return wanted;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool known = false;
        for (std::size_t i = 0; i < OptionNames.size(); ++i) {
            if (name == OptionNames[i].name) {
                wanted[i] = true;
                known = true;
            }
        }
        if (!known) return std::nullopt;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return wanted;
}

// A reader's sentence set inside the notice's brackets. It quotes the
// link's own text, so it is made plain like every name the notice echoes.
std::string bracketed(const std::string& sentence)
{
    std::string plain = displaytext::plain(sentence, 300);
    if (!plain.empty() && plain.back() == '.') plain.pop_back();
    return plain;
}

std::string ignoredSentence(const std::string& name, const std::string& value, std::string_view why)
{
    return fill(translatable("links", "Ignored %1=%2 in the link (%3); kept the start-up setting."),
                displaytext::name(name), displaytext::name(value), why);
}

// The losses as parameters: the seed only where something is drawn from it.
std::string lossParameters(const LossSettings& losses)
{
    std::string query;
    if (losses.packetPercent > 0) query += "&loss=" + std::to_string(losses.packetPercent);
    if (losses.ackPercent > 0) query += "&ackloss=" + std::to_string(losses.ackPercent);
    if (losses.packetPercent > 0 || losses.ackPercent > 0) query += "&seed=" + std::to_string(losses.seed);
    if (!losses.planned.empty()) query += "&lose=" + losses::planText(losses.planned);
    return query;
}

std::string withRunAndSpeed(bool running, int speedIndex, std::string query)
{
    if (running) query += "&run=1";
    if (const std::string speed = speedParameter(speedIndex); !speed.empty()) query += "&" + speed;
    return query;
}

} // namespace

LinkOutcome applyLink(Form1& form, RunHistory& history, std::string_view query)
{
    LinkOutcome outcome;
    if (!query.empty() && query.front() == '?') query.remove_prefix(1);

    // Read every parameter first; apply them in a fixed order afterwards, so
    // that a slider asked for in the link wins over an option's preset.
    struct Parameter {
        std::string name;
        std::string value;
    };
    std::vector<Parameter> parameters;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        parameters.push_back(
            {percentDecoded(pair.substr(0, equals)),
             equals == std::string_view::npos ? std::string() : percentDecoded(pair.substr(equals + 1))});
    }

    const auto find = [&parameters](std::string_view name) -> const Parameter* {
        const Parameter* found = nullptr;
        for (const Parameter& p : parameters)
            if (p.name == name) found = &p; // the last one counts, as in most web pages
        return found;
    };
    const auto ignore = [&outcome](const Parameter& p, std::string_view why) {
        outcome.ignored.push_back(ignoredSentence(p.name, p.value, why));
    };
    const auto setBox = [&form, &history](OptionBox box, bool ticked) {
        if ((optionBox(form, box).Value == 1) != ticked)
            history.apply(form, UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(box), 0});
        return (optionBox(form, box).Value == 1) == ticked;
    };

    for (const Parameter& p : parameters) {
        static constexpr std::array<const char*, 24> Known = {
            "inorder", "gobackn", "tahoe", "protocol", "options", "autortt", "slide",    "timeout",
            "tx",      "rx",      "seq",   "run",      "speed",   "embed",   "lesson",   "practice",
            "loss",    "ackloss", "seed",  "lose",     "compare", "lang",    "modeltext", "follow"};
        bool known = false;
        for (const char* name : Known)
            known = known || p.name == name;
        if (!known)
            outcome.ignored.push_back(
                fill(translatable("links", "Ignored the unknown parameter \"%1\" in the link."),
                     displaytext::name(p.name)));
    }
    // A lesson brings its own settings, so the link's are left aside; an
    // unknown one is named and the link's other settings apply as usual.
    if (const Parameter* p = find("lesson")) {
        const RunFileResult read = loadLesson(p->value);
        if (read.script) {
            outcome.lesson = p->value;
            for (const char* name :
                 {"protocol", "options", "autortt", "slide", "inorder", "gobackn", "tahoe", "timeout", "tx",
                  "rx", "seq", "run", "loss", "ackloss", "seed", "lose", "compare"})
                if (const Parameter* setting = find(name))
                    outcome.ignored.push_back(
                        fill(translatable("links",
                                          "Ignored %1=%2 in the link: the lesson brings its own settings."),
                             setting->name, displaytext::name(setting->value)));
        } else {
            std::string known;
            for (const std::string& name : lessonNames())
                known += (known.empty() ? "" : ", ") + name;
            outcome.ignored.push_back(
                fill(translatable("links", "Ignored lesson=%1 in the link. %2 The lessons are %3."),
                     displaytext::name(p->value), read.error, known));
        }
    }
    const bool settingsFromLink = outcome.lesson.empty();

    // A protocol first: the link's own settings then change it where they say.
    if (const Parameter* p = settingsFromLink ? find("protocol") : nullptr) {
        if (const presets::ProtocolPreset* preset = presets::findPreset(p->value)) {
            for (const UserEvent& event : presets::presetEvents(form, *preset))
                history.apply(form, event);
        } else {
            outcome.ignored.push_back(
                ignoredSentence(p->name, p->value,
                                fill(translatable("links", "the protocols are %1"), presets::presetNames())));
        }
    }

    if (const Parameter* p = settingsFromLink ? find("options") : nullptr) {
        if (const auto wanted = optionSet(p->value)) {
            bool all = true;
            for (std::size_t i = 0; i < OptionNames.size(); ++i)
                all = setBox(OptionNames[i].box, (*wanted)[i]) && all;
            if (!all) ignore(*p, translatable("links", "not every option can be set that way"));
        } else {
            ignore(*p,
                   translatable("links",
                                "options are slowstart, avoidance, fastretransmit, selective, delayedack"));
        }
    }
    for (const auto& [box, name] :
         {std::pair{OptionBox::AutoRtt, "autortt"}, std::pair{OptionBox::Slide, "slide"},
          std::pair{OptionBox::InOrderReceiver, "inorder"}, std::pair{OptionBox::GoBackN, "gobackn"},
          std::pair{OptionBox::TahoeRule, "tahoe"}}) {
        const Parameter* p = settingsFromLink ? find(name) : nullptr;
        if (p == nullptr) continue;
        const auto wanted = flag(p->value);
        if (!wanted)
            ignore(*p, translatable("links", "use 1 or 0"));
        else if (!setBox(box, *wanted))
            ignore(*p, translatable("links", "the box cannot be changed now"));
    }
    for (const SliderName& slider : SliderNames) {
        const Parameter* p = settingsFromLink ? find(slider.name) : nullptr;
        if (p == nullptr) continue;
        const auto figure = wholeIn(p->value, slider.lowest, slider.highest);
        if (!figure) {
            outcome.ignored.push_back(
                ignoredSentence(p->name, p->value,
                                fill(translatable("links", "use a whole number from %1 to %2"), slider.lowest,
                                     slider.highest)));
            continue;
        }
        history.apply(form, UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(slider.id),
                                      static_cast<std::int16_t>(slider.position(*figure))});
    }
    // The network's losses: each parameter on its own, over what the history has.
    LossSettings losses = history.losses();
    for (const auto& [name, percent] :
         {std::pair{"loss", &LossSettings::packetPercent}, std::pair{"ackloss", &LossSettings::ackPercent}}) {
        const Parameter* p = settingsFromLink ? find(name) : nullptr;
        if (p == nullptr) continue;
        if (const auto figure = wholeIn(p->value, 0, LossSettings::MaxPercent))
            losses.*percent = *figure;
        else
            ignore(*p, fill(translatable("links", "use a whole number from %1 to %2"), 0,
                            LossSettings::MaxPercent));
    }
    if (const Parameter* p = settingsFromLink ? find("seed") : nullptr) {
        if (const auto seed = seedIn(p->value))
            losses.seed = *seed;
        else
            ignore(*p, fill(translatable("links", "use a whole number from %1 to %2"), 0, 4294967295u));
    }
    if (const Parameter* p = settingsFromLink ? find("lose") : nullptr) {
        std::string error;
        if (auto planned = losses::readPlan(p->value, &error))
            losses.planned = std::move(*planned);
        else
            ignore(*p, bracketed(error));
    }
    if (!(losses == history.losses())) history.setLosses(losses);
    if (const Parameter* p = settingsFromLink ? find("compare") : nullptr) {
        std::string error;
        outcome.compare = Comparison::readPresetList(p->value, &error);
        if (outcome.compare.empty()) ignore(*p, bracketed(error));
    }
    if (const Parameter* p = settingsFromLink ? find("run") : nullptr) {
        if (const auto wanted = flag(p->value))
            outcome.run = *wanted;
        else
            ignore(*p, translatable("links", "use 1 or 0"));
    }
    if (const Parameter* p = find("embed")) {
        if (const auto wanted = flag(p->value))
            outcome.embed = *wanted;
        else
            ignore(*p, translatable("links", "use 1 or 0"));
    }
    if (const Parameter* p = find("practice")) {
        if (const auto wanted = flag(p->value))
            outcome.practice = *wanted;
        else
            ignore(*p, translatable("links", "use 1 or 0"));
    }
    if (const Parameter* p = find("modeltext")) {
        if (const auto wanted = flag(p->value))
            outcome.simulationTexts = *wanted;
        else
            ignore(*p, translatable("links", "use 1 or 0"));
    }
    if (const Parameter* p = find("lang")) {
        const std::optional<std::string_view> language = languages::shipped(p->value);
        if (language) {
            outcome.language = std::string(*language);
        } else {
            std::string tags;
            for (const languages::Language& shipped : languages::Shipped)
                tags += (tags.empty() ? "" : ", ") + std::string(shipped.tag);
            ignore(*p, fill(translatable("links", "the languages are %1"), tags));
        }
    }
    if (const Parameter* p = find("follow")) {
        if (classroom::isToken(p->value))
            outcome.follow = p->value;
        else
            ignore(*p, translatable("links", "the code on the projector gives the whole link"));
    }
    if (const Parameter* p = find("speed")) {
        bool found = false;
        for (int i = 0; i < static_cast<int>(run_clock::Speeds.size()); ++i) {
            if (p->value == numbers::shortestText(run_clock::Speeds[static_cast<std::size_t>(i)])) {
                outcome.speedIndex = i;
                found = true;
            }
        }
        if (!found) ignore(*p, translatable("links", "use 0.25, 0.5, 1, 2 or 4"));
    }
    // A link full of junk says so once, not in a page of notices.
    if (outcome.ignored.size() > MaxNotices) {
        const std::size_t more = outcome.ignored.size() - MaxNotices;
        outcome.ignored.resize(MaxNotices);
        outcome.ignored.push_back(
            fill(more == 1 ? translatable("links", "And %1 more parameter of the link ignored.")
                           : translatable("links", "And %1 more parameters of the link ignored."),
                 more));
    }
    return outcome;
}

std::string linkQuery(const Form1& form, int speedIndex, const LossSettings& losses)
{
    // optionBox and slider hand out writable controls; here they are only read.
    Form1& readable = const_cast<Form1&>(form);
    std::string query;
    if (const presets::ProtocolPreset* preset = presets::presetInForce(form)) {
        // The protocol's name says it all, and reads better in a link than its settings.
        query = std::string("protocol=") + preset->name;
        if (optionBox(readable, OptionBox::Slide).Value == 1) query += "&slide=1";
        const int window = 17 - readable.VScroll1.value();
        if (window != preset->txWindow) query += "&tx=" + std::to_string(window);
        return withRunAndSpeed(form.Timer1.Enabled, speedIndex, query + lossParameters(losses));
    }
    query = "options=";
    bool any = false;
    for (const OptionName& option : OptionNames) {
        if (optionBox(readable, option.box).Value != 1) continue;
        if (any) query += ',';
        query += option.name;
        any = true;
    }
    if (!any) query += "none";
    query += "&autortt=" + std::to_string(optionBox(readable, OptionBox::AutoRtt).Value == 1 ? 1 : 0);
    query += "&slide=" + std::to_string(optionBox(readable, OptionBox::Slide).Value == 1 ? 1 : 0);
    if (optionBox(readable, OptionBox::InOrderReceiver).Value == 1) query += "&inorder=1";
    if (optionBox(readable, OptionBox::GoBackN).Value == 1) query += "&gobackn=1";
    if (optionBox(readable, OptionBox::TahoeRule).Value == 1) query += "&tahoe=1";
    for (const SliderName& s : SliderNames)
        query += std::string("&") + s.name + "=" + std::to_string(s.figure(slider(readable, s.id).value()));
    return withRunAndSpeed(form.Timer1.Enabled, speedIndex, query + lossParameters(losses));
}

std::string compareQuery(const Comparison& comparison, int speedIndex)
{
    // Slide Numbers only changes how the strips are drawn; no preset sets it.
    const auto withoutSlide = [](RunSettings settings) {
        settings.options[static_cast<std::size_t>(OptionBox::Slide)] = false;
        return settings;
    };
    // The settings each run began with: a Slow Start sender has moved its
    // window's slider since.
    const RunScript saved = comparison.script().script;
    std::vector<RunSettings> started{saved.settings};
    for (const RunScript& other : saved.alongside)
        started.push_back(other.settings);
    std::string names;
    std::size_t named = 0;
    for (const RunSettings& settings : started) {
        const RunSettings shown = withoutSlide(settings);
        for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
            if (withoutSlide(Comparison::presetConfiguration(preset.name).settings) != shown) continue;
            names += (named++ == 0 ? "" : ",") + std::string(preset.name);
            break;
        }
    }
    if (named < Comparison::FewestConfigurations)
        return linkQuery(comparison.form(0), speedIndex, comparison.losses());
    return withRunAndSpeed(comparison.running(), speedIndex,
                           "compare=" + names + lossParameters(comparison.losses()));
}

std::string speedParameter(int speedIndex)
{
    if (speedIndex == run_clock::NormalSpeed || !run_clock::isSpeed(speedIndex)) return "";
    return "speed=" + numbers::shortestText(run_clock::Speeds[static_cast<std::size_t>(speedIndex)]);
}

} // namespace links

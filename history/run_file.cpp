#include "history/run_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

// Sections:
//   names and ranges
//   the start state
//   writing
//   reading
//   files on disk

using Json = nlohmann::ordered_json;

// ---------------------------------------------------------------------------
// Names and ranges

namespace {

constexpr std::array<std::string_view, OptionBoxCount> OptionNames = {
    "slowStart", "avoidance",    "fastRetransmit",  "selectiveRepeat", "delayedAcks",
    "autoRtt",   "slideNumbers", "inOrderReceiver", "goBackNSender"};
// The format version that brought each option; an older file plays without it.
constexpr std::array<std::int64_t, OptionBoxCount> OptionSince = {1, 1, 1, 1, 1, 1, 1, 1, 2};

static_assert(!OptionNames.back().empty(), "every option box needs its name in run files");

constexpr std::array<std::string_view, SliderCount> SliderNames = {"timeout", "txWindow", "rxWindow",
                                                                   "highestSequence"};

// The figure each slider shows, as the file writes it, and its range.
struct SliderFigure {
    int lowest;
    int highest;
};
constexpr std::array<SliderFigure, SliderCount> SliderFigures = {{{1, 20}, {1, 16}, {1, 16}, {0, 31}}};

// The bars hold positions; the two window bars and the sequence bar are
// upside down: 17 - packets, 32 - highest sequence number.
int positionOf(SliderId slider, int figure)
{
    switch (slider) {
    case SliderId::Timeout:
        return figure;
    case SliderId::TxWindow:
    case SliderId::RxWindow:
        return 17 - figure;
    case SliderId::Sequences:
        break;
    }
    return 32 - figure;
}

int figureOf(SliderId slider, int position) { return positionOf(slider, position); }

struct ActionName {
    EventKind kind;
    std::string_view name;
};
constexpr std::array<ActionName, 6> ActionNames = {{{EventKind::StartReset, "startReset"},
                                                    {EventKind::PauseCont, "pauseCont"},
                                                    {EventKind::ClickPacket, "clickPacket"},
                                                    {EventKind::ClickAck, "clickAck"},
                                                    {EventKind::ClickCheckBox, "toggleOption"},
                                                    {EventKind::MoveSlider, "moveSlider"}}};

std::string_view actionName(EventKind kind)
{
    for (const ActionName& entry : ActionNames)
        if (entry.kind == kind) return entry.name;
    return "tick";
}

} // namespace

std::string_view optionName(OptionBox box) { return OptionNames[static_cast<std::size_t>(box)]; }
std::string_view sliderName(SliderId slider) { return SliderNames[static_cast<std::size_t>(slider)]; }

// ---------------------------------------------------------------------------
// The start state

RunSettings settingsOf(const Form1& start)
{
    Form1& form = const_cast<Form1&>(start); // optionBox and slider only look
    RunSettings settings;
    for (int box = 0; box < OptionBoxCount; ++box)
        settings.options[box] = optionBox(form, static_cast<OptionBox>(box)).Value == 1;
    settings.timeout = static_cast<std::int16_t>(start.HScroll1.value());
    settings.txWindow = static_cast<std::int16_t>(figureOf(SliderId::TxWindow, start.VScroll1.value()));
    settings.rxWindow = static_cast<std::int16_t>(figureOf(SliderId::RxWindow, start.VScroll2.value()));
    settings.highestSequence =
        static_cast<std::int16_t>(figureOf(SliderId::Sequences, start.VScroll3.value()));
    return settings;
}

CarriedState carriedOf(const Form1& start)
{
    return CarriedState{start.TxWindowBytes,
                        start.SSThreshBytes,
                        start.LossWindowBytes,
                        start.FlightBytes,
                        start.LaunchHoldoff,
                        start.ClickHoldoff,
                        start.DupAckCount,
                        start.TxState,
                        start.lblTxWindow[1].Caption,
                        start.lblTxWindow[3].Caption,
                        start.lblDupACKs.Caption};
}

namespace {

void tickBox(Form1& form, OptionBox box, bool ticked)
{
    CheckBox& check = optionBox(form, box);
    if ((check.Value == 1) != ticked) form.clickCheckBox(check);
}

} // namespace

Form1 startState(const RunScript& script)
{
    Form1 form;
    form.Form_Load();
    const RunSettings& s = script.settings;
    // Avoidance and Fast Retransmit can only be ticked while Slow Start is;
    // they keep their marks when it is cleared again.
    const bool dependants = s.options[static_cast<int>(OptionBox::Avoidance)] ||
                            s.options[static_cast<int>(OptionBox::FastRetransmit)];
    if (dependants) tickBox(form, OptionBox::SlowStart, true);
    tickBox(form, OptionBox::Avoidance, s.options[static_cast<int>(OptionBox::Avoidance)]);
    tickBox(form, OptionBox::FastRetransmit, s.options[static_cast<int>(OptionBox::FastRetransmit)]);
    // The go-back-N sender, likewise, only before Selective Repeat is ticked.
    tickBox(form, OptionBox::GoBackN, s.options[static_cast<int>(OptionBox::GoBackN)]);
    for (int box = 0; box < OptionBoxCount; ++box) {
        const auto which = static_cast<OptionBox>(box);
        if (which != OptionBox::Avoidance && which != OptionBox::FastRetransmit &&
            which != OptionBox::GoBackN)
            tickBox(form, which, s.options[box]);
    }
    // The sliders last: every option click puts the timeout to a preset.
    form.HScroll1.setValue(positionOf(SliderId::Timeout, s.timeout));
    form.VScroll1.setValue(positionOf(SliderId::TxWindow, s.txWindow));
    form.VScroll2.setValue(positionOf(SliderId::RxWindow, s.rxWindow));
    form.VScroll3.setValue(positionOf(SliderId::Sequences, s.highestSequence));

    if (script.carried) {
        // The state a Reset leaves: the run before it set these, the Reset kept them.
        const CarriedState& c = *script.carried;
        form.TxWindowBytes = c.txWindowBytes;
        form.SSThreshBytes = c.ssThreshBytes;
        form.LossWindowBytes = c.lossWindowBytes;
        form.LaunchHoldoff = c.launchHoldoff;
        form.ClickHoldoff = c.clickHoldoff;
        form.TxState = c.txState;
        form.ResetSimulation();
        form.DupAckCount = c.dupAckCount;
        form.TxState = c.txState;
        form.FlightBytes = c.flightBytes;
        // The figures still show what the run before drew last.
        form.lblTxWindow[1].Caption = c.txWindowFigure;
        form.lblTxWindow[3].Caption = c.flightFigure;
        form.lblDupACKs.Caption = c.duplicateAcksFigure;
        form.forgetDrawnTexts();
    }
    return form;
}

// ---------------------------------------------------------------------------
// Writing

namespace {

Json actionJson(const RecordedEvent& recorded)
{
    const UserEvent& e = recorded.event;
    Json action;
    action["tick"] = recorded.tick;
    action["action"] = actionName(e.kind);
    switch (e.kind) {
    case EventKind::ClickPacket:
    case EventKind::ClickAck:
        action["slot"] = e.target;
        break;
    case EventKind::ClickCheckBox:
        action["option"] = optionName(static_cast<OptionBox>(e.target));
        break;
    case EventKind::MoveSlider: {
        const auto slider = static_cast<SliderId>(e.target);
        action["slider"] = sliderName(slider);
        action["value"] = figureOf(slider, e.value);
        break;
    }
    default:
        break;
    }
    return action;
}

} // namespace

std::string writeRunText(const RunScript& script)
{
    Json head;
    head["format"] = runfile::FormatName;
    head["version"] = runfile::FormatVersion;
    if (!script.title.empty()) head["title"] = script.title;
    if (!script.note.empty()) head["note"] = script.note;
    head["ticks"] = script.ticks;
    Json options = Json::object();
    for (int box = 0; box < OptionBoxCount; ++box)
        options[std::string(OptionNames[box])] = script.settings.options[box];
    Json sliders;
    sliders["timeout"] = script.settings.timeout;
    sliders["txWindow"] = script.settings.txWindow;
    sliders["rxWindow"] = script.settings.rxWindow;
    sliders["highestSequence"] = script.settings.highestSequence;
    head["settings"] = Json{{"options", options}, {"sliders", sliders}};
    if (script.carried) {
        const CarriedState& c = *script.carried;
        head["carried"] = Json{{"txWindowBytes", c.txWindowBytes},
                               {"ssThreshBytes", c.ssThreshBytes},
                               {"lossWindowBytes", c.lossWindowBytes},
                               {"flightBytes", c.flightBytes},
                               {"launchHoldoff", c.launchHoldoff},
                               {"clickHoldoff", c.clickHoldoff},
                               {"duplicateAcks", c.dupAckCount},
                               {"senderState", c.txState},
                               {"txWindowFigure", c.txWindowFigure},
                               {"flightFigure", c.flightFigure},
                               {"duplicateAcksFigure", c.duplicateAcksFigure}};
    }
    head["actions"] = Json::array();

    // One action a line, so that a lesson reads (and diffs) as a list.
    std::string text = head.dump(2);
    const std::string emptyActions = "\"actions\": []";
    const std::size_t at = text.rfind(emptyActions);
    std::string actions = "\"actions\": [";
    for (std::size_t i = 0; i < script.actions.size(); ++i) {
        actions += i == 0 ? "\n    " : ",\n    ";
        actions += actionJson(script.actions[i]).dump(-1, ' ', false);
    }
    actions += script.actions.empty() ? "]" : "\n  ]";
    text.replace(at, emptyActions.size(), actions);
    text += '\n';
    return text;
}

// ---------------------------------------------------------------------------
// Reading

namespace {

// Thrown inside the reader only, with the sentence the user reads.
struct Refusal {
    std::string sentence;
};

[[noreturn]] void refuse(std::string sentence) { throw Refusal{std::move(sentence)}; }

std::string inQuotes(std::string_view path) { return "\"" + std::string(path) + "\""; }

const char* typeWord(const Json& value)
{
    if (value.is_string()) return "text";
    if (value.is_boolean()) return "true or false";
    if (value.is_number()) return "a number";
    if (value.is_array()) return "a list";
    if (value.is_object()) return "an object";
    return "null";
}

const Json& field(const Json& object, std::string_view name, const std::string& path)
{
    const auto found = object.find(name);
    if (found == object.end()) refuse("The field " + inQuotes(path) + " is missing.");
    return *found;
}

const Json& objectField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_object())
        refuse("The field " + inQuotes(path) + " should be an object, not " + typeWord(value) + ".");
    return value;
}

std::int64_t wholeField(const Json& object, std::string_view name, const std::string& path,
                        std::int64_t lowest, std::int64_t highest)
{
    const Json& value = field(object, name, path);
    if (!value.is_number_integer())
        refuse("The field " + inQuotes(path) + " should be a whole number, not " + typeWord(value) + ".");
    const bool negative =
        value.is_number_integer() && !value.is_number_unsigned() && value.get<std::int64_t>() < 0;
    if (!negative && value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(highest))
        refuse("The field " + inQuotes(path) + " is " + value.dump() + ", outside " + std::to_string(lowest) +
               " to " + std::to_string(highest) + ".");
    const std::int64_t number = value.get<std::int64_t>();
    if (number < lowest || number > highest)
        refuse("The field " + inQuotes(path) + " is " + std::to_string(number) + ", outside " +
               std::to_string(lowest) + " to " + std::to_string(highest) + ".");
    return number;
}

std::string textField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_string())
        refuse("The field " + inQuotes(path) + " should be text, not " + typeWord(value) + ".");
    return value.get<std::string>();
}

std::string optionalText(const Json& object, std::string_view name)
{
    if (!object.contains(name)) return {};
    return textField(object, name, std::string(name));
}

bool flagField(const Json& object, std::string_view name, const std::string& path)
{
    const Json& value = field(object, name, path);
    if (!value.is_boolean())
        refuse("The field " + inQuotes(path) + " should be true or false, not " + typeWord(value) + ".");
    return value.get<bool>();
}

template <std::size_t N>
int nameIndex(const std::array<std::string_view, N>& names, const std::string& name, const std::string& path,
              const char* what)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    refuse("The field " + inQuotes(path) + " names no " + what + " this program knows: " + inQuotes(name) +
           ".");
}

RunSettings readSettings(const Json& settingsJson, std::int64_t version)
{
    RunSettings settings;
    const Json& options = objectField(settingsJson, "options", "settings.options");
    for (int box = 0; box < OptionBoxCount; ++box) {
        const std::string name(OptionNames[box]);
        if (version < OptionSince[box] && !options.contains(name)) continue;
        settings.options[box] = flagField(options, name, "settings.options." + name);
    }
    const Json& sliders = objectField(settingsJson, "sliders", "settings.sliders");
    std::array<std::int16_t, SliderCount> figures{};
    for (int slider = 0; slider < SliderCount; ++slider) {
        const std::string name(SliderNames[slider]);
        figures[slider] = static_cast<std::int16_t>(wholeField(sliders, name, "settings.sliders." + name,
                                                               SliderFigures[slider].lowest,
                                                               SliderFigures[slider].highest));
    }
    settings.timeout = figures[0];
    settings.txWindow = figures[1];
    settings.rxWindow = figures[2];
    settings.highestSequence = figures[3];
    return settings;
}

// A figure is a short number as the window writes it (" 4", "2.5", "-1").
std::string figureText(const Json& object, std::string_view name, const std::string& path)
{
    std::string text = textField(object, name, path);
    if (text.size() > 8 || text.find_first_not_of(" -.0123456789") != std::string::npos)
        refuse("The field " + inQuotes(path) + " should be a figure such as \" 4\", not " + inQuotes(text) +
               ".");
    return text;
}

CarriedState readCarried(const Json& c)
{
    constexpr std::int64_t Bytes = 16 * 32 * 1000; // far beyond any window the sliders allow
    CarriedState carried;
    carried.txWindowBytes =
        static_cast<std::int32_t>(wholeField(c, "txWindowBytes", "carried.txWindowBytes", 0, Bytes));
    carried.ssThreshBytes =
        static_cast<std::int32_t>(wholeField(c, "ssThreshBytes", "carried.ssThreshBytes", 0, Bytes));
    carried.lossWindowBytes =
        static_cast<std::int32_t>(wholeField(c, "lossWindowBytes", "carried.lossWindowBytes", 0, Bytes));
    carried.flightBytes =
        static_cast<std::int32_t>(wholeField(c, "flightBytes", "carried.flightBytes", 0, Bytes));
    carried.launchHoldoff =
        static_cast<std::int16_t>(wholeField(c, "launchHoldoff", "carried.launchHoldoff", 0, 100));
    carried.clickHoldoff =
        static_cast<std::int16_t>(wholeField(c, "clickHoldoff", "carried.clickHoldoff", 0, 100));
    carried.dupAckCount =
        static_cast<std::int16_t>(wholeField(c, "duplicateAcks", "carried.duplicateAcks", -1, 100));
    carried.txState = static_cast<std::int32_t>(
        wholeField(c, "senderState", "carried.senderState", txstate::Normal, txstate::Selective));
    carried.txWindowFigure = figureText(c, "txWindowFigure", "carried.txWindowFigure");
    carried.flightFigure = figureText(c, "flightFigure", "carried.flightFigure");
    carried.duplicateAcksFigure = figureText(c, "duplicateAcksFigure", "carried.duplicateAcksFigure");
    return carried;
}

UserEvent readAction(const Json& action, const std::string& path)
{
    const int kind = nameIndex(std::array<std::string_view, 6>{ActionNames[0].name, ActionNames[1].name,
                                                               ActionNames[2].name, ActionNames[3].name,
                                                               ActionNames[4].name, ActionNames[5].name},
                               textField(action, "action", path + ".action"), path + ".action", "action");
    UserEvent event{ActionNames[static_cast<std::size_t>(kind)].kind, 0, 0};
    switch (event.kind) {
    case EventKind::ClickPacket:
    case EventKind::ClickAck:
        event.target =
            static_cast<std::int16_t>(wholeField(action, "slot", path + ".slot", 0, FlightSlots - 1));
        break;
    case EventKind::ClickCheckBox:
        event.target = static_cast<std::int16_t>(nameIndex(
            OptionNames, textField(action, "option", path + ".option"), path + ".option", "option"));
        break;
    case EventKind::MoveSlider: {
        const int slider =
            nameIndex(SliderNames, textField(action, "slider", path + ".slider"), path + ".slider", "slider");
        const SliderFigure range = SliderFigures[static_cast<std::size_t>(slider)];
        const auto figure =
            static_cast<int>(wholeField(action, "value", path + ".value", range.lowest, range.highest));
        event.target = static_cast<std::int16_t>(slider);
        event.value = static_cast<std::int16_t>(positionOf(static_cast<SliderId>(slider), figure));
        break;
    }
    default:
        break;
    }
    return event;
}

// "line 3, column 14" for a byte offset into the text.
std::string placeOf(std::string_view text, std::size_t byte)
{
    byte = std::min(byte, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < byte; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(byte - lineStart + 1);
}

std::string sizeText(std::size_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

std::string tooLarge(std::size_t bytes)
{
    return "The file is " + sizeText(bytes) + ", larger than a run file may be (" +
           std::to_string(runfile::MaxFileBytes / (1024 * 1024)) + " MB).";
}

RunScript readScript(const Json& root)
{
    if (!root.is_object())
        refuse("The file holds JSON but not a run: its top level is " + std::string(typeWord(root)) +
               ", not an object.");
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != runfile::FormatName)
        refuse("The file is not a run file: its field \"format\" is not \"" +
               std::string(runfile::FormatName) + "\".");
    const std::int64_t version =
        wholeField(root, "version", "version", 1, std::numeric_limits<std::int32_t>::max());
    if (version > runfile::FormatVersion)
        refuse("The file is format version " + std::to_string(version) + ", newer than this program reads (" +
               std::to_string(runfile::FormatVersion) + "); a newer version of the program opens it.");

    RunScript script;
    script.title = optionalText(root, "title");
    script.note = optionalText(root, "note");
    script.ticks = static_cast<std::int32_t>(wholeField(root, "ticks", "ticks", 0, runfile::MaxTicks));
    script.settings = readSettings(objectField(root, "settings", "settings"), version);
    if (root.contains("carried")) script.carried = readCarried(objectField(root, "carried", "carried"));

    const Json& actions = field(root, "actions", "actions");
    if (!actions.is_array())
        refuse("The field \"actions\" should be a list, not " + std::string(typeWord(actions)) + ".");
    script.actions.reserve(actions.size());
    std::int32_t previous = 0;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const std::string path = "actions[" + std::to_string(i) + "]";
        const Json& action = actions[i];
        if (!action.is_object())
            refuse("The entry " + inQuotes(path) + " should be an object, not " + typeWord(action) + ".");
        const auto tick =
            static_cast<std::int32_t>(wholeField(action, "tick", path + ".tick", 0, runfile::MaxTicks));
        if (tick < previous)
            refuse("The field " + inQuotes(path + ".tick") + " is " + std::to_string(tick) +
                   ", before the tick of the action before it (" + std::to_string(previous) + ").");
        if (tick > script.ticks)
            refuse("The field " + inQuotes(path + ".tick") + " is " + std::to_string(tick) +
                   ", after the run's last tick (" + std::to_string(script.ticks) + ").");
        script.actions.push_back(RecordedEvent{tick, readAction(action, path)});
        previous = tick;
    }
    return script;
}

} // namespace

std::string runfile::tooLargeSentence(std::size_t bytes) { return tooLarge(bytes); }

RunFileResult readRunText(std::string_view text)
{
    if (text.size() > runfile::MaxFileBytes) return {std::nullopt, tooLarge(text.size())};
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& error) {
        // nlohmann counts the byte after the one it stopped at.
        const std::size_t at = error.byte > 0 ? error.byte - 1 : 0;
        const bool ended = at >= text.size() ||
                           std::string_view(error.what()).find("end of input") != std::string_view::npos;
        if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
            return {std::nullopt, "The file is empty."};
        if (ended)
            return {std::nullopt,
                    "The file ends too early, at " + placeOf(text, text.size()) + ": it is cut short."};
        return {std::nullopt,
                "The file is not valid JSON: something unexpected stands at " + placeOf(text, at) + "."};
    } catch (const Json::exception&) {
        return {std::nullopt, "The file is not valid JSON."};
    }
    try {
        return {readScript(root), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.sentence};
    } catch (const Json::exception&) {
        return {std::nullopt, "The file holds a value of the wrong kind."};
    }
}

// ---------------------------------------------------------------------------
// Files on disk

std::string saveRunFile(const std::string& path, const RunScript& script)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return "Could not write " + path + ": the folder cannot be written to.";
        out << writeRunText(script);
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "Could not write " + path + ": the disk refused the data.";
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "Could not write " + path + ": " + error.message() + ".";
    }
    return {};
}

RunFileResult loadRunFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file(path);
    if (!fs::is_regular_file(file, error))
        return {std::nullopt, "Could not open " + path + ": it is not a file."};
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return {std::nullopt, "Could not open " + path + ": " + error.message() + "."};
    if (size > runfile::MaxFileBytes) return {std::nullopt, tooLarge(static_cast<std::size_t>(size))};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {std::nullopt, "Could not open " + path + ": it cannot be read."};
    std::ostringstream text;
    text << in.rdbuf();
    return readRunText(text.str());
}

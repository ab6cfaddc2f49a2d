// Reading run files: the run a parsed document holds, strict, with one
// sentence for whatever is wrong. The text is parsed in run_file_reading.cpp.
#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>

#include "history/display_text.h"
#include "history/run_file.h"
#include "history/run_file_document.h"
#include "history/run_file_fields.h"
#include "history/run_file_messages.h"
#include "history/run_file_names.h"
#include "history/translatable.h"

using Json = nlohmann::ordered_json;
using namespace runfile::names;
using namespace runfile::messages;
using namespace runfile::fields;
using texts::fill;
using texts::translatable;

namespace {

RunSettings readSettings(const Json& settingsJson, std::int64_t version, const std::string& prefix)
{
    RunSettings settings;
    const Json& options = objectField(settingsJson, "options", prefix + "settings.options");
    for (int box = 0; box < OptionBoxCount; ++box) {
        const std::string name(OptionNames[box]);
        if (version < OptionSince[box] && !options.contains(name)) continue;
        settings.options[box] = flagField(options, name, prefix + "settings.options." + name);
    }
    const Json& sliders = objectField(settingsJson, "sliders", prefix + "settings.sliders");
    std::array<std::int16_t, SliderCount> figures{};
    for (int slider = 0; slider < SliderCount; ++slider) {
        const std::string name(SliderNames[slider]);
        figures[slider] = static_cast<std::int16_t>(
            wholeField(sliders, name, prefix + "settings.sliders." + name, SliderFigures[slider].lowest,
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
        refuse(fill(translatable("run files", "The field %1 should be a figure such as \" 4\", not %2."),
                    inQuotes(path), inQuotes(displaytext::name(text))));
    return text;
}

CarriedState readCarried(const Json& c, const std::string& prefix)
{
    constexpr std::int64_t Bytes = 16 * 32 * 1000; // far beyond any window the sliders allow
    CarriedState carried;
    carried.txWindowBytes =
        static_cast<std::int32_t>(wholeField(c, "txWindowBytes", prefix + "carried.txWindowBytes", 0, Bytes));
    carried.ssThreshBytes =
        static_cast<std::int32_t>(wholeField(c, "ssThreshBytes", prefix + "carried.ssThreshBytes", 0, Bytes));
    carried.lossWindowBytes = static_cast<std::int32_t>(
        wholeField(c, "lossWindowBytes", prefix + "carried.lossWindowBytes", 0, Bytes));
    carried.flightBytes =
        static_cast<std::int32_t>(wholeField(c, "flightBytes", prefix + "carried.flightBytes", 0, Bytes));
    carried.launchHoldoff =
        static_cast<std::int16_t>(wholeField(c, "launchHoldoff", prefix + "carried.launchHoldoff", 0, 100));
    carried.clickHoldoff =
        static_cast<std::int16_t>(wholeField(c, "clickHoldoff", prefix + "carried.clickHoldoff", 0, 100));
    carried.dupAckCount =
        static_cast<std::int16_t>(wholeField(c, "duplicateAcks", prefix + "carried.duplicateAcks", -1, 100));
    carried.txState = static_cast<std::int32_t>(
        wholeField(c, "senderState", prefix + "carried.senderState", txstate::Normal, txstate::Selective));
    carried.txWindowFigure = figureText(c, "txWindowFigure", prefix + "carried.txWindowFigure");
    carried.flightFigure = figureText(c, "flightFigure", prefix + "carried.flightFigure");
    carried.duplicateAcksFigure =
        figureText(c, "duplicateAcksFigure", prefix + "carried.duplicateAcksFigure");
    return carried;
}

UserEvent readAction(const Json& action, const std::string& path)
{
    const int kind = nameIndex(std::array<std::string_view, 6>{ActionNames[0].name, ActionNames[1].name,
                                                               ActionNames[2].name, ActionNames[3].name,
                                                               ActionNames[4].name, ActionNames[5].name},
                               textField(action, "action", path + ".action"), path + ".action",
                               translatable("run files", "action").data());
    UserEvent event{ActionNames[static_cast<std::size_t>(kind)].kind, 0, 0};
    switch (event.kind) {
    case EventKind::ClickPacket:
    case EventKind::ClickAck:
        event.target =
            static_cast<std::int16_t>(wholeField(action, "slot", path + ".slot", 0, FlightSlots - 1));
        break;
    case EventKind::ClickCheckBox:
        event.target = static_cast<std::int16_t>(
            nameIndex(OptionNames, textField(action, "option", path + ".option"), path + ".option",
                      translatable("run files", "option").data()));
        break;
    case EventKind::MoveSlider: {
        const int slider = nameIndex(SliderNames, textField(action, "slider", path + ".slider"),
                                     path + ".slider", translatable("run files", "slider").data());
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

RunQuestion readQuestion(const Json& q, const std::string& path, std::int32_t ticks)
{
    if (!q.is_object())
        refuse(fill(translatable("run files", "The entry %1 should be an object, not %2."), inQuotes(path),
                    typeWord(q)));
    RunQuestion question;
    question.tick = static_cast<std::int32_t>(wholeField(q, "tick", path + ".tick", 1, ticks));
    question.asks = static_cast<RunQuestion::Asks>(
        nameIndex(QuestionAsks, textField(q, "ask", path + ".ask"), path + ".ask",
                  translatable("run files", "kind of question").data()));
    question.prompt = displaytext::plain(textField(q, "prompt", path + ".prompt"), PromptLength);
    if (question.prompt.empty())
        refuse(fill(translatable("run files", "The field %1 is empty."), inQuotes(path + ".prompt")));
    const Json& choices = field(q, "choices", path + ".choices");
    if (!choices.is_array() || choices.size() < 2 || choices.size() > 4)
        refuse(fill(translatable("run files", "The field %1 should be a list of two to four texts."),
                    inQuotes(path + ".choices")));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const std::string where = path + ".choices[" + std::to_string(i) + "]";
        if (!choices[i].is_string())
            refuse(fill(translatable("run files", "The entry %1 should be text, not %2."), inQuotes(where),
                        typeWord(choices[i])));
        std::string choice = displaytext::plain(choices[i].get<std::string>(), ChoiceLength);
        if (choice.empty() ||
            std::find(question.choices.begin(), question.choices.end(), choice) != question.choices.end())
            refuse(fill(translatable("run files", "The entry %1 is empty or the same as a choice before it."),
                        inQuotes(where)));
        question.choices.push_back(std::move(choice));
    }
    question.answer = static_cast<std::int32_t>(
        wholeField(q, "answer", path + ".answer", 0, static_cast<std::int64_t>(choices.size()) - 1));
    question.explanation = displaytext::plain(optionalText(q, "explanation"), ExplanationLength);
    return question;
}

// The plain number of `name` in `object` when it is a whole number from
// lowest to highest; nothing otherwise (the careful reading then says why).
std::optional<std::int64_t> quickWhole(const Json& object, std::string_view name, std::int64_t lowest,
                                       std::int64_t highest)
{
    const auto found = object.find(name);
    if (found == object.end() || !found->is_number_integer()) return std::nullopt;
    if (found->is_number_unsigned() && found->get<std::uint64_t>() > static_cast<std::uint64_t>(highest))
        return std::nullopt;
    const std::int64_t number = found->get<std::int64_t>();
    if (number < lowest || number > highest) return std::nullopt;
    return number;
}

// The common action (a press or a click on a slot) read without building
// the field paths only a refusal names: files of a hundred thousand actions
// read in a few milliseconds. Anything else is left to readAction.
std::optional<RecordedEvent> quickAction(const Json& action, std::int32_t previous, std::int32_t ticks)
{
    if (!action.is_object()) return std::nullopt;
    const auto tick = quickWhole(action, "tick", previous, std::min<std::int64_t>(ticks, runfile::MaxTicks));
    const auto name = action.find("action");
    if (!tick || name == action.end() || !name->is_string()) return std::nullopt;
    const std::string& text = name->get_ref<const std::string&>();
    for (const ActionName& entry : ActionNames) {
        if (entry.name != text) continue;
        UserEvent event{entry.kind, 0, 0};
        if (entry.kind == EventKind::ClickPacket || entry.kind == EventKind::ClickAck) {
            const auto slot = quickWhole(action, "slot", 0, FlightSlots - 1);
            if (!slot) return std::nullopt;
            event.target = static_cast<std::int16_t>(*slot);
        } else if (entry.kind != EventKind::StartReset && entry.kind != EventKind::PauseCont) {
            return std::nullopt;
        }
        return RecordedEvent{static_cast<std::int32_t>(*tick), event};
    }
    return std::nullopt;
}

// Settings, carried state and actions: what every run of a file has, the
// top-level one and those alongside it. `script.ticks` is read already.
void readRunBody(const Json& run, std::int64_t version, const std::string& prefix, RunScript& script)
{
    script.settings = readSettings(objectField(run, "settings", prefix + "settings"), version, prefix);
    if (run.contains("carried"))
        script.carried = readCarried(objectField(run, "carried", prefix + "carried"), prefix);

    const Json& actions = field(run, "actions", prefix + "actions");
    if (!actions.is_array())
        refuse(fill(translatable("run files", "The field %1 should be a list, not %2."),
                    inQuotes(prefix + "actions"), typeWord(actions)));
    script.actions.reserve(actions.size());
    std::int32_t previous = 0;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Json& action = actions[i];
        if (const std::optional<RecordedEvent> quick = quickAction(action, previous, script.ticks)) {
            script.actions.push_back(*quick);
            previous = quick->tick;
            continue;
        }
        const std::string path = prefix + "actions[" + std::to_string(i) + "]";
        if (!action.is_object())
            refuse(fill(translatable("run files", "The entry %1 should be an object, not %2."),
                        inQuotes(path), typeWord(action)));
        const auto tick =
            static_cast<std::int32_t>(wholeField(action, "tick", path + ".tick", 0, runfile::MaxTicks));
        if (tick < previous)
            refuse(fill(translatable("run files",
                                     "The field %1 is %2, before the tick of the action before it (%3)."),
                        inQuotes(path + ".tick"), tick, previous));
        if (tick > script.ticks)
            refuse(fill(translatable("run files", "The field %1 is %2, after the run's last tick (%3)."),
                        inQuotes(path + ".tick"), tick, script.ticks));
        script.actions.push_back(RecordedEvent{tick, readAction(action, path)});
        previous = tick;
    }
}

LossSettings readLosses(const Json& l)
{
    LossSettings losses;
    losses.packetPercent =
        static_cast<int>(wholeField(l, "packetPercent", "losses.packetPercent", 0, LossSettings::MaxPercent));
    losses.ackPercent =
        static_cast<int>(wholeField(l, "ackPercent", "losses.ackPercent", 0, LossSettings::MaxPercent));
    losses.seed = static_cast<std::uint32_t>(
        wholeField(l, "seed", "losses.seed", 0, std::numeric_limits<std::uint32_t>::max()));
    if (l.contains("planned")) {
        const Json& planned = l.at("planned");
        if (!planned.is_array() || planned.size() > LossSettings::MaxPlanned)
            refuse(
                fill(translatable("run files", "The field %1 should be a list of at most %2 planned losses."),
                     inQuotes("losses.planned"), LossSettings::MaxPlanned));
        for (std::size_t i = 0; i < planned.size(); ++i) {
            const std::string path = "losses.planned[" + std::to_string(i) + "]";
            if (!planned[i].is_string())
                refuse(fill(translatable("run files", "The entry %1 should be text, not %2."), inQuotes(path),
                            typeWord(planned[i])));
            std::string error;
            const auto one = losses::readPlan(planned[i].get<std::string>(), &error);
            if (!one || one->size() != 1)
                refuse(
                    fill(translatable(
                             "run files",
                             "The entry %1 should be one planned loss such as \"p5\", \"p7.2\" or \"a9\"."),
                         inQuotes(path)));
            losses.plan(one->front());
        }
    }
    return losses;
}

} // namespace

RunScript runfile::document::readScript(const Json& root)
{
    if (!root.is_object())
        refuse(fill(translatable("run files",
                                 "The file holds JSON but not a run: its top level is %1, not an object."),
                    typeWord(root)));
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != runfile::FormatName)
        refuse(fill(translatable("run files", "The file is not a run file: its field %1 is not %2."),
                    inQuotes("format"), inQuotes(runfile::FormatName)));
    const std::int64_t version =
        wholeField(root, "version", "version", 1, std::numeric_limits<std::int32_t>::max());
    if (version > runfile::FormatVersion)
        refuse(fill(translatable("run files",
                                 "The file is format version %1, newer than this program reads (%2); a "
                                 "newer version of the program opens it."),
                    version, runfile::FormatVersion));

    RunScript script;
    // Kept as they will be shown: plain, short, without invisible characters.
    script.title = displaytext::plain(optionalText(root, "title"), displaytext::TitleLength);
    script.note =
        displaytext::plain(optionalText(root, "note"), displaytext::NoteLength, displaytext::Lines::Keep);
    script.ticks = static_cast<std::int32_t>(wholeField(root, "ticks", "ticks", 0, runfile::MaxTicks));
    readRunBody(root, version, "", script);
    if (root.contains("losses")) script.losses = readLosses(objectField(root, "losses", "losses"));
    script.label = displaytext::plain(optionalText(root, "label"), displaytext::TitleLength);
    if (root.contains("alongside")) {
        const Json& alongside = root.at("alongside");
        if (!alongside.is_array() || alongside.empty() || alongside.size() > MostAlongside)
            refuse(fill(translatable("run files", "The field %1 should be a list of one or two runs."),
                        inQuotes("alongside")));
        for (std::size_t i = 0; i < alongside.size(); ++i) {
            const std::string path = "alongside[" + std::to_string(i) + "]";
            if (!alongside[i].is_object())
                refuse(fill(translatable("run files", "The entry %1 should be an object, not %2."),
                            inQuotes(path), typeWord(alongside[i])));
            RunScript other;
            other.ticks = script.ticks;
            other.losses = script.losses;
            other.label = displaytext::plain(optionalText(alongside[i], "label"), displaytext::TitleLength);
            readRunBody(alongside[i], version, path + ".", other);
            script.alongside.push_back(std::move(other));
        }
    }

    // Older readers of this version ignore the list; the run plays the same.
    if (root.contains("questions")) {
        const Json& questions = root.at("questions");
        if (!questions.is_array() || questions.size() > MostQuestions)
            refuse(fill(translatable("run files", "The field %1 should be a list of at most %2 questions."),
                        inQuotes("questions"), MostQuestions));
        std::int32_t before = 0;
        for (std::size_t i = 0; i < questions.size(); ++i) {
            const std::string path = "questions[" + std::to_string(i) + "]";
            script.questions.push_back(readQuestion(questions[i], path, script.ticks));
            if (script.questions.back().tick < before)
                refuse(fill(
                    translatable("run files", "The field %1 is before the tick of the question before it."),
                    inQuotes(path + ".tick")));
            before = script.questions.back().tick;
        }
    }
    return script;
}

// Writing run files: the text, and the file on disk.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <system_error>

#include "history/run_file.h"
#include "history/run_file_names.h"

using Json = nlohmann::ordered_json;
using namespace runfile::names;

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

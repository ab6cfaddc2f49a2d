// Writing run files: the text, and the file on disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

#include "history/display_text.h"
#include "history/run_file.h"
#include "history/run_file_names.h"
#include "history/translatable.h"

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

// Settings, carried state and an empty list of actions, filled in as text
// by writeRunText; what every run of a file has.
Json runBody(const RunScript& script, Json run)
{
    Json options = Json::object();
    for (int box = 0; box < OptionBoxCount; ++box)
        options[std::string(OptionNames[box])] = script.settings.options[box];
    Json sliders;
    sliders["timeout"] = script.settings.timeout;
    sliders["txWindow"] = script.settings.txWindow;
    sliders["rxWindow"] = script.settings.rxWindow;
    sliders["highestSequence"] = script.settings.highestSequence;
    run["settings"] = Json{{"options", options}, {"sliders", sliders}};
    if (script.carried) {
        const CarriedState& c = *script.carried;
        run["carried"] = Json{{"txWindowBytes", c.txWindowBytes},
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
    run["actions"] = Json::array();
    return run;
}

// The actions one a line, so that a lesson reads (and diffs) as a list.
std::string actionsText(const std::vector<RecordedEvent>& actions, const std::string& indent)
{
    std::string text = "\"actions\": [";
    for (std::size_t i = 0; i < actions.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + indent + "  ";
        text += actionJson(actions[i]).dump(-1, ' ', false);
    }
    text += actions.empty() ? "]" : "\n" + indent + "]";
    return text;
}

// The newest format version whose options the run ticks at its start or
// clicks on the way; older programs refuse an option name they do not know.
std::int64_t versionForOptions(const RunScript& run)
{
    std::int64_t version = 1;
    for (int box = 0; box < OptionBoxCount; ++box)
        if (run.settings.options[box]) version = std::max(version, OptionSince[box]);
    for (const RecordedEvent& action : run.actions) {
        const int box = action.event.target;
        if (action.event.kind == EventKind::ClickCheckBox && box >= 0 && box < OptionBoxCount)
            version = std::max(version, OptionSince[box]);
    }
    return version;
}

} // namespace

std::string writeRunText(const RunScript& script)
{
    Json head;
    head["format"] = runfile::FormatName;
    // The oldest version that holds what the run uses, so that older
    // programs still open a run that needs nothing newer.
    // A seed chosen before any rate is kept too: it decides what a rate set later loses.
    const bool losses = script.losses != LossSettings{};
    std::int64_t version = losses || !script.alongside.empty() ? 3 : 2;
    version = std::max(version, versionForOptions(script));
    for (const RunScript& other : script.alongside)
        version = std::max(version, versionForOptions(other));
    head["version"] = version;
    if (!script.title.empty()) head["title"] = script.title;
    if (!script.note.empty()) head["note"] = script.note;
    head["ticks"] = script.ticks;
    if (!script.label.empty()) head["label"] = script.label;
    if (losses) {
        Json planned = Json::array();
        for (const PlannedLoss& loss : script.losses.planned)
            planned.push_back(losses::planText({loss}));
        head["losses"] = Json{{"packetPercent", script.losses.packetPercent},
                              {"ackPercent", script.losses.ackPercent},
                              {"seed", script.losses.seed},
                              {"planned", planned}};
    }
    head = runBody(script, std::move(head));
    if (!script.alongside.empty()) {
        Json alongside = Json::array();
        for (std::size_t i = 0; i < script.alongside.size(); ++i) {
            Json run;
            if (!script.alongside[i].label.empty()) run["label"] = script.alongside[i].label;
            run = runBody(script.alongside[i], std::move(run));
            run["actions"] = "\u0001alongside-" + std::to_string(i);
            alongside.push_back(std::move(run));
        }
        head["alongside"] = std::move(alongside);
    }
    if (!script.questions.empty()) {
        Json questions = Json::array();
        for (const RunQuestion& q : script.questions) {
            Json question{{"tick", q.tick},
                          {"ask", QuestionAsks[static_cast<std::size_t>(q.asks)]},
                          {"prompt", q.prompt},
                          {"choices", q.choices},
                          {"answer", q.answer}};
            if (!q.explanation.empty()) question["explanation"] = q.explanation;
            questions.push_back(std::move(question));
        }
        head["questions"] = std::move(questions);
    }

    std::string text = head.dump(2);
    // The top-level list is the first "actions": [] (the runs alongside hold
    // place-holders, which no user text can spell: a control character is
    // written escaped).
    const std::string emptyActions = "\"actions\": []";
    const std::size_t at = text.find(emptyActions);
    text.replace(at, emptyActions.size(), actionsText(script.actions, ""));
    for (std::size_t i = 0; i < script.alongside.size(); ++i) {
        const std::string holder = "\"actions\": \"\\u0001alongside-" + std::to_string(i) + "\"";
        const std::size_t place = text.find(holder);
        if (place != std::string::npos)
            text.replace(place, holder.size(), actionsText(script.alongside[i].actions, "      "));
    }
    text += '\n';
    return text;
}

std::string saveRunFile(const std::string& path, const RunScript& script)
{
    const std::string shown = displaytext::name(path);
    // A fresh name beside the target, created exclusively: a name planted
    // in a shared folder (a symbolic link to another file) is never written
    // through, and a half-written file never takes the target's name.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return texts::fill(texts::translatable("run files", "Could not write %1: %2."), shown,
                           std::strerror(errno));
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return texts::fill(texts::translatable("run files", "Could not write %1: %2."), shown,
                           std::strerror(error));
    };
    // mkstemp makes the file private; a run file is as readable as any the user saves.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) return fail(errno);
    const std::string text = writeRunText(script);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return fail(written < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0 && errno != EINVAL) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return texts::fill(texts::translatable("run files", "Could not write %1: %2."), shown,
                           std::strerror(error));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return texts::fill(texts::translatable("run files", "Could not write %1: %2."), shown,
                           std::strerror(error));
    }
    return {};
}

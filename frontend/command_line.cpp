#include "frontend/command_line.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "core/app_version.h"
#include "frontend/protocol_presets.h"

namespace command_line {
namespace {

// Options QApplication reads itself (Qt GUI, Qt Widgets and the X11 platform).
// Qt accepts them with one dash or two.
constexpr std::string_view QtOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "style",         "stylesheet", "session",
    "display",      "geometry",           "title"};
constexpr std::string_view QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool contains(std::span<const std::string_view> names, std::string_view name)
{
    // std::find, not std::ranges::find: Emscripten's standard library lacks the latter.
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "-style", "--style" and "-style=fusion" all name "style".
std::string_view optionName(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

// The value of "--name VALUE" or "--name=VALUE", moving index past it; none
// when it is missing or empty.
std::optional<std::string> valueOf(const std::vector<std::string>& arguments, std::size_t& index,
                                   std::string_view option)
{
    const std::string& argument = arguments[index];
    std::string value;
    if (argument == option) {
        if (index + 1 == arguments.size()) return std::nullopt;
        value = arguments[++index];
    } else {
        value = argument.substr(option.size() + 1);
    }
    if (value.empty()) return std::nullopt;
    return value;
}

Request refuse(std::string error)
{
    Request request;
    request.action = Action::UsageError;
    request.error = std::move(error);
    return request;
}

} // namespace

Request parse(const std::vector<std::string>& arguments)
{
    Request request;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';

        if (!isOption) {
            if (request.runFile)
                return refuse("only one run file can be opened at a time, got '" + *request.runFile +
                              "' and '" + argument + "'");
            request.runFile = argument;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            request.action = Action::PrintHelp;
            return request;
        } else if (argument == "--version") {
            request.action = Action::PrintVersion;
            return request;
        } else if (argument == "--lesson" || argument.starts_with("--lesson=")) {
            const std::optional<std::string> name = valueOf(arguments, index, "--lesson");
            if (!name) return refuse("option '--lesson' needs the name of a lesson");
            request.lesson = *name;
        } else if (argument == "--page-url" || argument.starts_with("--page-url=")) {
            const std::optional<std::string> address = valueOf(arguments, index, "--page-url");
            if (!address) return refuse("option '--page-url' needs the address of the published page");
            request.pageUrl = *address;
        } else if (argument == "--protocol" || argument.starts_with("--protocol=")) {
            const std::optional<std::string> name = valueOf(arguments, index, "--protocol");
            if (!name) return refuse("option '--protocol' needs the name of a protocol");
            if (presets::findPreset(*name) == nullptr)
                return refuse("unknown protocol '" + *name + "'; the protocols are " +
                              presets::presetNames());
            request.protocol = *name;
        } else if (argument == "--classroom") {
            request.classroom = true;
        } else if (argument == "--port" || argument.starts_with("--port=")) {
            const std::optional<std::string> number = valueOf(arguments, index, "--port");
            const bool digits =
                number && number->size() <= 5 &&
                std::all_of(number->begin(), number->end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits || std::stoi(*number) < 1 || std::stoi(*number) > 65535)
                return refuse("option '--port' needs a port number from 1 to 65535");
            request.port = std::stoi(*number);
        } else if (argument == "--listen" || argument.starts_with("--listen=")) {
            const std::optional<std::string> address = valueOf(arguments, index, "--listen");
            if (!address) return refuse("option '--listen' needs an IP address of this machine");
            request.listen = *address;
        } else if (const std::string_view name = optionName(argument); contains(QtOptionsWithValue, name)) {
            request.toolkitArguments.push_back(argument);
            if (argument.find('=') == std::string::npos) {
                if (index + 1 == arguments.size()) return refuse("option '" + argument + "' needs a value");
                request.toolkitArguments.push_back(arguments[++index]);
            }
        } else if (contains(QtFlags, name)) {
            request.toolkitArguments.push_back(argument);
        } else {
            return refuse("unknown option '" + argument + "'");
        }
    }
    if ((request.port || request.listen) && !request.classroom)
        return refuse("options '--port' and '--listen' belong to '--classroom'");
    // A run file and a lesson bring their own settings.
    if (request.protocol && (request.runFile || request.lesson))
        return refuse(
            "option '--protocol' cannot be combined with a run file or a lesson, which bring their own "
            "settings");
    return request;
}

std::string usage()
{
    return std::string("Usage: ") + ProgramName +
           " [FILE] [--lesson NAME] [--protocol NAME] [--page-url URL] [--classroom [--port N] [--listen "
           "ADDRESS]]"
           " [--help] [--version]";
}

std::string help(const std::vector<std::string>& lessonNames)
{
    std::string text = usage() + "\n\n" + app::Name +
                       ": an animated sliding-window transport protocol with congestion control.\n"
                       "\n"
                       "  FILE             open a saved run\n"
                       "  --lesson NAME    start with the lesson NAME\n"
                       "  --protocol NAME  start with the protocol NAME: " +
                       presets::presetNames() +
                       "\n"
                       "  --page-url URL   the address where the page is published, for the links\n"
                       "                   and QR codes of View > Show Link as QR Code (remembered)\n"
                       "  --classroom      start a classroom session: the room's phones follow the run\n"
                       "                   and answer its questions (Run > Classroom Session...)\n"
                       "  --port N         the session's port (8472 unless taken)\n"
                       "  --listen ADDRESS listen on this address only (127.0.0.1: this machine only);\n"
                       "                   the default is every network of this machine\n"
                       "  -h, --help       show this help and exit\n"
                       "  --version        show the version and exit\n"
                       "\n"
                       "Qt's own options, such as -platform NAME, -style NAME or -display NAME, are\n"
                       "passed on to Qt.\n";
    if (!lessonNames.empty()) {
        text += "\nLessons:\n";
        for (const std::string& name : lessonNames)
            text += "  " + name + "\n";
    }
    return text;
}

std::string version() { return std::string(app::Name) + " " + app::Version; }

} // namespace command_line

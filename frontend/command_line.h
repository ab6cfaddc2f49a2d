// The desktop program's command line, read before any window exists:
//
//   sliding-window-demo [FILE] [--lesson NAME] [--protocol NAME] [--page-url URL]
//                       [--classroom [--port N] [--listen ADDRESS]] [--help] [--version]
//
// Parsing happens before QApplication is constructed, so that --help,
// --version and mistakes are answered on the terminal even where there is no
// display to open a window on. Qt's own options (-platform NAME, -style NAME
// and the like) are not ours to judge; they are collected in order and passed
// on to Qt untouched.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace command_line {

inline constexpr const char* ProgramName = "sliding-window-demo";

enum class Action {
    Run,          // open the window, with runFile and lesson if given
    PrintHelp,    // usage and options on standard output, exit 0
    PrintVersion, // name and version on standard output, exit 0
    UsageError,   // error (one line) and the usage on standard error, exit 2
};

struct Request {
    Action action = Action::Run;
    std::optional<std::string> runFile; // FILE: a saved run to open
    std::optional<std::string> lesson;  // --lesson NAME
    // --protocol NAME: a known preset's name (presets::findPreset), never
    // together with a run file or a lesson.
    std::optional<std::string> protocol;
    std::optional<std::string> pageUrl; // --page-url URL: where the page is published
    // --classroom: start a classroom session at once (Run > Classroom Session...),
    // on --port N (1..65535) and --listen ADDRESS (an IP address of this
    // machine; 127.0.0.1 keeps it to this machine, as the tests do).
    bool classroom = false;
    std::optional<int> port;
    std::optional<std::string> listen;
    // Qt's own options with their values, in the order given.
    std::vector<std::string> toolkitArguments;
    // Why the command line was refused: one line, no program name.
    std::string error;
};

// Reads the arguments after the program name, left to right. --help and
// --version answer at once, whatever follows; the first mistake refuses the
// whole command line. "--" ends the options, so a file may begin with a dash.
Request parse(const std::vector<std::string>& arguments);

// "Usage: sliding-window-demo [FILE] [--lesson NAME] ... [--help] [--version]"
std::string usage();

// The usage, what the program is, every option, and the lessons --lesson
// accepts (that part is left out while there are none).
std::string help(const std::vector<std::string>& lessonNames);

// The program's name and the version of this build, as the About box shows it.
std::string version();

} // namespace command_line

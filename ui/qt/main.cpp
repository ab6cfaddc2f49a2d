// Quill's Sliding Window Demo: the desktop program.
//
// The command line is read before QApplication exists: constructing it needs a
// display, and --help, --version and mistakes must answer on a terminal
// without one.
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "history/lessons.h"
#include "ui/command_line.h"
#include "ui/qt/main_window.h"

namespace {

int runWindow(const command_line::Request& request, const char* programPath)
{
    // A lesson or file that cannot be read is refused here, before any window opens.
    std::optional<RunScript> script;
    if (request.runFile || request.lesson) {
        const RunFileResult read =
            request.lesson ? loadLesson(*request.lesson) : loadRunFile(*request.runFile);
        if (!read.script) {
            std::cerr << command_line::ProgramName << ": " << read.error << '\n';
            return 1;
        }
        script = read.script;
    }

    // Qt sees the program's path and its own options only; they must outlive the application.
    std::vector<std::string> qtArguments{programPath};
    qtArguments.insert(qtArguments.end(), request.toolkitArguments.begin(), request.toolkitArguments.end());
    std::vector<char*> qtArgv;
    for (std::string& argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());

    QApplication application(qtArgc, qtArgv.data());
    MainWindow window;
    window.show();
    if (script) window.openScript(*script);
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const command_line::Request request =
        command_line::parse(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (request.action) {
    case command_line::Action::PrintHelp:
        std::cout << command_line::help(lessonNames());
        return 0;
    case command_line::Action::PrintVersion:
        std::cout << command_line::version() << '\n';
        return 0;
    case command_line::Action::UsageError:
        std::cerr << command_line::ProgramName << ": " << request.error << '\n'
                  << command_line::usage() << '\n';
        return 2;
    case command_line::Action::Run:
        break;
    }
    return runWindow(request, argc > 0 ? argv[0] : command_line::ProgramName);
}

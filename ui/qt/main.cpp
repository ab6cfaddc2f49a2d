// Quill's Sliding Window Demo: the desktop program. It remembers only how the
// window looks (zoom, palette, where the panel was), never the state of a
// simulation nor its speed: every start is at 1x.
//
// The command line is read before QApplication exists: constructing it needs a
// display, and --help, --version and mistakes must answer on a terminal
// without one.
#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/app_version.h"
#include "frontend/command_line.h"
#include "history/display_text.h"
#include "history/lessons.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/font_config_preload.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translation.h"

namespace {

// For the tests of an installed program: once the window is on the screen,
// say so with its title and size, and quit as if the user had closed it.
void quitOnceShown(MainWindow& window, QTimer& poll)
{
    QObject::connect(&poll, &QTimer::timeout, &window, [&window, &poll] {
        if (!window.windowHandle() || !window.windowHandle()->isExposed()) return;
        poll.stop();
        std::cout << "shown: " << window.windowTitle().toStdString() << ", " << window.width() << "x"
                  << window.height() << std::endl;
        if (!window.lastRefusal().isEmpty())
            std::cout << "refusal box: " << window.lastRefusal().toStdString() << std::endl;
        window.close();
    });
    poll.start(10);
}

int runWindow(const command_line::Request& request, const char* programPath)
{
    // A file given on the command line is how a double click opens it: one
    // that is refused opens the window with the refusal box, as File > Open
    // would, so that the user sees why; a terminal hears it as well.
    std::optional<RunScript> script;
    std::string refusal;
    if (request.runFile || request.lesson) {
        RunFileResult read = request.lesson ? loadLesson(*request.lesson) : loadRunFile(*request.runFile);
        if (read.script) {
            script = std::move(read.script);
        } else {
            refusal = request.runFile
                          ? displaytext::name(std::filesystem::path(*request.runFile).filename().string()) +
                                " cannot be opened. " + read.error
                          : read.error;
            std::cerr << command_line::ProgramName << ": " << read.error << '\n';
        }
    }

    // Past a file-size limit a save fails with a sentence instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // Qt sees the program's path and its own options only; they must outlive the application.
    std::vector<std::string> qtArguments{programPath};
    qtArguments.insert(qtArguments.end(), request.toolkitArguments.begin(), request.toolkitArguments.end());
    std::vector<char*> qtArgv;
    for (std::string& argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());

    FontConfigPreload fontConfig;
    QApplication application(qtArgc, qtArgv.data());
    fontConfig.applicationMade();
    QApplication::setApplicationVersion(QString::fromUtf8(app::Version));
    // Ties the window to the installed desktop entry and icon.
    QApplication::setDesktopFileName(QString::fromUtf8(app::Id));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromUtf8(app::Id)));
    QSettings preferences(QStringLiteral("Quill"), QStringLiteral("Sliding Window Demo"));
    // Before the window exists: every text of it is made in the language.
    translation::install(application, translation::chosen(qEnvironmentVariable(
                                          "SLIDING_WINDOW_DEMO_LANGUAGE",
                                          preferences.value(translation::PreferenceKey).toString())));

    MainWindow window(nullptr, [&fontConfig] { fontConfig.wait(); });
    window.usePreferences(&preferences);
    if (request.pageUrl) {
        if (const QString why = window.setPageAddress(QString::fromStdString(*request.pageUrl));
            !why.isEmpty()) {
            std::cerr << command_line::ProgramName << ": " << why.toStdString() << '\n';
            refusal = refusal.empty() ? why.toStdString() : refusal;
        }
    }
    window.show();
    if (script) window.openScript(*script);
    if (!refusal.empty()) window.refuse(translation::shown(refusal));
    if (request.protocol) window.applyProtocol(*request.protocol);
    if (request.classroom) {
        ClassroomSession::Options options;
        if (request.listen) options.address = QString::fromStdString(*request.listen);
        if (request.port) options.port = static_cast<quint16>(*request.port);
        // "" would mean every address to the session; on the command line it is no address at all.
        const bool noAddress = request.listen && request.listen->empty();
        if (noAddress || !window.startClassroom(options)) {
            const QString why = noAddress ? QStringLiteral("'' is not an IP address") : window.lastRefusal();
            std::cerr << command_line::ProgramName << ": " << displaytext::plain(why.toStdString(), 300)
                      << '\n';
            return 1;
        }
    }
    QTimer smokeTestPoll;
    if (const char* smokeTest = std::getenv("SLIDING_WINDOW_DEMO_SMOKE_TEST"); smokeTest && *smokeTest)
        quitOnceShown(window, smokeTestPoll);
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
        // The sentence quotes the arguments: no escape sequence reaches the terminal.
        std::cerr << command_line::ProgramName << ": " << displaytext::plain(request.error, 300) << '\n'
                  << command_line::usage() << '\n';
        return 2;
    case command_line::Action::Run:
        break;
    }
    return runWindow(request, argc > 0 ? argv[0] : command_line::ProgramName);
}

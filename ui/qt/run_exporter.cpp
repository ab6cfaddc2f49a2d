// sliding-window-run: plays a run file or a lesson without a window and
// writes its per-tick CSV, its chart, its diagram and its packet capture,
// for homework sheets, slides and the protocol analyser.
//
//   sliding-window-run FILE|--lesson NAME|--link LINK|--protocol NAME|--compare LIST [--ticks N]
//                      [--csv OUT] [--svg OUT] [--png OUT] [--ladder-svg OUT] [--ladder-png OUT]
//                      [--pcap OUT] [--capture-at sender|receiver] [--from T] [--to T]
//                      [--loss P] [--ack-loss P] [--seed N] [--lose PLAN] [--save OUT]
//
// The run plays exactly as in the window: the recorded actions happen at
// their ticks; past the end of the recording the run goes on live with no
// further actions, ticking as a Step does even where the recording left
// the clock paused. A link is read by the page's own parser: its settings
// (a homework sheet's 'options=slowstart&tx=8', started here), the lesson it
// names, or the run in its "#run=" fragment.
// --ticks counts the ticks of the whole recording, across its Resets. The
// chart is the window's own, drawn on Qt's offscreen platform, so no display
// is needed. Losses given on the command line are dealt by the history as
// the run goes on live; a comparison plays in run_exporter_compare.cpp.
//
// Every file is written whole or not at all (run_exporter_files.cpp): a full
// disk leaves no half file, only a sentence on standard error and exit
// status 1.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/picture_title.h"
#include "frontend/protocol_presets.h"
#include "frontend/run_link.h"
#include "frontend/run_player.h"
#include "history/display_text.h"
#include "history/export_text.h"
#include "history/lessons.h"
#include "history/run_csv.h"
#include "history/run_figures.h"
#include "history/run_file.h"
#include "history/run_history.h"
#include "ui/qt/ladder_view.h"
#include "ui/qt/run_exporter.h"

namespace {

using namespace exporter;

// What the CSV and chart hold, when it is not the whole recording: the run
// since its last Reset, or only the end of a run too long for the memory budget.
void sayWhatIsShown(const RunHistory& history, std::int32_t played, std::int32_t recordingEnd)
{
    if (played > recordingEnd)
        std::cerr << ProgramName << ": the recording ends at tick " << recordingEnd
                  << "; the run went on from there with no more actions to tick " << played << ".\n";
    const std::int32_t runStart = played - history.ticks();
    const std::int32_t first = history.trace().firstTick();
    if (runStart > 0)
        std::cerr << ProgramName << ": the CSV and the chart show the run since the last Reset, at tick "
                  << runStart << " of the recording.\n";
    if (first > 0)
        std::cerr << ProgramName << ": the run was too long to keep whole within the memory budget: the CSV "
                  << "and the chart start at its tick " << first << " (tick " << runStart + first
                  << " of the recording); the run's figures still count from its start.\n";
}

// The pictures' ticks, checked before anything is written; false when they are refused.
bool checkTicks(const Request& request, const RunTrace& trace, DiagramTicks& ticks)
{
    ticks = diagramTicks(request, trace.firstTick(), trace.ticks());
    if (!request.drawsPictures()) return true;
    if (!ticks.refusal.empty()) {
        std::cerr << ProgramName << ": " << ticks.refusal << ".\n";
        return false;
    }
    if (!ticks.notice.empty()) std::cerr << ProgramName << ": " << ticks.notice << ".\n";
    return true;
}

// The diagram of ticks from .. to, at 100 %: the SVG by the shared writer, the PNG drawn by Qt.
std::string writeLadder(const std::string& path, const RunHistory& history, const DiagramTicks& ticks,
                        bool svg)
{
    const ladder::Description diagram =
        ladder::describe(history.ladder(), history.trace(), ticks.from, ticks.to);
    const ladder::Layout layout;
    const ladder::Palette palette = ladder::palette(false);
    if (svg)
        return writeBytes(path, QByteArray::fromStdString(ladder::toSvg(diagram, layout, palette, false)));
    const ladder::Placement placement = ladder::place(diagram, layout, palette, false);
    QImage image(QSize(static_cast<int>(layout.width), static_cast<int>(std::ceil(placement.height))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLadder(painter, diagram, layout, palette, false);
    }
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    if (!image.save(&drawing, "PNG")) return "the image could not be encoded";
    return writeBytes(path, drawing.data());
}

} // namespace

int main(int argc, char* argv[])
{
    const Request request = exporter::parse(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (request.help) {
        std::cout << help();
        return 0;
    }
    if (!request.error.empty()) {
        // The sentence may quote the arguments: no escape sequence reaches the terminal.
        std::cerr << ProgramName << ": " << displaytext::plain(request.error, 1000) << '\n'
                  << usage() << '\n';
        return 2;
    }
    // Past a file-size limit a write fails instead of ending the program
    // with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    // Drawing PNG and PDF needs Qt's GUI module, but never a display.
    std::optional<QGuiApplication> drawing;
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    if (request.png || request.ladderPng || request.handout) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        drawing.emplace(qtArgc, qtArgv);
    }
    if (!request.compare.empty()) return compareFresh(request, request.compare, {});
    // What the window would show in its message box (the last packet number
    // used, no free flight slot) goes to standard error, each text once.
    Form1 form;
    std::vector<std::string> said;
    form.showMessageBox = [&said](const std::string& text) {
        if (said.size() >= 10 || std::find(said.begin(), said.end(), text) != said.end()) return;
        said.push_back(text);
        std::cerr << ProgramName << ": the run says: " << displaytext::plain(text, 300) << '\n';
    };
    form.Form_Load();
    RunHistory history(form);
    if (request.link) {
        const runlink::OpenedLink opened = runlink::openLink(form, history, *request.link);
        if (!opened.error.empty()) {
            std::cerr << ProgramName << ": " << opened.error << '\n';
            return 1;
        }
        for (const std::string& ignored : opened.outcome.ignored)
            std::cerr << ProgramName << ": " << ignored << '\n';
        if (!opened.outcome.compare.empty())
            return compareFresh(request, opened.outcome.compare, history.losses());
        if (!opened.openedRun) {
            if (!request.ticks) {
                std::cerr << ProgramName << ": a link of settings alone needs --ticks N\n" << usage() << '\n';
                return 2;
            }
            // Settings alone: the run is started, as a user would after opening the page.
            if (!form.Timer1.Enabled) history.apply(form, {EventKind::StartReset, 0, 0});
        }
        history.setLosses(request.lossesOver(history.losses()));
    } else if (!request.lesson && !request.runFile) {
        // A protocol alone: its settings and Start at tick 0, played live so
        // that the network deals its losses from the first tick on.
        for (const UserEvent& event : presets::presetEvents(form, *presets::findPreset(*request.protocol)))
            history.apply(form, event);
        history.apply(form, {EventKind::StartReset, 0, 0});
        history.setLosses(request.lossesOver({}));
    } else {
        RunFileResult read = request.lesson ? loadLesson(*request.lesson) : loadRunFile(*request.runFile);
        if (!read.script) {
            std::cerr << ProgramName << ": " << read.error << '\n';
            return 1;
        }
        if (!read.script->alongside.empty()) {
            if (!request.protocol) return compareSaved(request, *read.script);
            std::cerr << ProgramName << ": a comparison keeps its own protocols; --protocol is for one run\n";
            return 2;
        }
        if (request.protocol) {
            // The same actions, and so the same losses, under the protocol's settings.
            Form1 settings;
            settings.Form_Load();
            for (const UserEvent& event :
                 presets::presetEvents(settings, *presets::findPreset(*request.protocol)))
                applyEvent(settings, event);
            const bool slide = read.script->settings.options[static_cast<int>(OptionBox::Slide)];
            read.script->settings = settingsOf(settings);
            read.script->settings.options[static_cast<int>(OptionBox::Slide)] = slide;
        }
        history.open(form, *read.script);
        history.setLosses(request.lossesOver(history.losses()));
    }

    const bool recorded = history.replaying();
    const std::int32_t recordingEnd = history.recordedEnd();
    const std::int32_t played =
        run_player::play(form, history, request.ticks.value_or(recorded ? recordingEnd : PresetTicks));
    sayWhatIsShown(history, played, recorded ? recordingEnd : played);
    DiagramTicks diagram;
    if (!checkTicks(request, history.trace(), diagram)) return 2;
    if (request.views.size() > 1 && (request.svg || request.png)) {
        std::cerr << ProgramName << ": a run's picture shows one view (window, chart, diagram or table); "
                  << "a comparison's shows several together\n"
                  << usage() << '\n';
        return 2;
    }

    if (request.csv) {
        const auto csv = [&history](std::ostream& out) {
            writeRunCsv(out, history.trace(), history.ladder());
        };
        if (const std::string why = writeStream(*request.csv, csv); !why.empty()) {
            refuseWrite(*request.csv, why);
            return 1;
        }
    }
    const RunHistory::Run& run = history.run(history.runCount() - 1);
    if (request.tableCsv) {
        const std::string title = pictures::runTitle(run, history.losses(), 0, 0).title;
        const auto table = [&](std::ostream& out) { figures::writeCsv(out, {title}, {figuresOf(history)}); };
        if (const std::string why = writeStream(*request.tableCsv, table); !why.empty()) {
            refuseWrite(*request.tableCsv, why);
            return 1;
        }
    }
    if (request.save && !saveRun(*request.save, history.script())) return 1;
    if (request.pcap) {
        const capture::Connection run{&history.ladder(), &history.trace()};
        if (!saveCapture(request, std::span(&run, 1))) return 1;
    }
    if (request.ladderSvg) {
        if (const std::string why = writeLadder(*request.ladderSvg, history, diagram, true); !why.empty()) {
            refuseWrite(*request.ladderSvg, why);
            return 1;
        }
    }
    const pictures::View view = request.views.empty() ? pictures::View::Chart : request.views.front();
    const pictures::Request picture = request.picture(diagram.from, diagram.to);
    if (request.svg || request.png) {
        const std::string drawing = pictures::runPicture(run, history.losses(), view, picture);
        if (!writePicture(request, drawing)) return 1;
    }
    if (request.ladderPng) {
        if (const std::string why = writeLadder(*request.ladderPng, history, diagram, false); !why.empty()) {
            refuseWrite(*request.ladderPng, why);
            return 1;
        }
    }
    if (request.handout && !writeHandout(*request.handout,
                                         handout::runPages(run, history.losses(),
                                                           request.handoutRequest(diagram.from, diagram.to)),
                                         run.title.empty() ? "Handout" : run.title))
        return 1;
    return 0;
}

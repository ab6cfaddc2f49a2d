// The exporter's comparison: two or three configurations played side by
// side for the same ticks with the same losses, written as the table of
// figures the window shows and as one run file.
#include <algorithm>
#include <iostream>

#include "frontend/ladder_drawing.h"
#include "frontend/run_player.h"
#include "history/display_text.h"
#include "history/ladder_description.h"
#include "history/run_figures.h"
#include "ui/qt/picture_files.h"
#include "ui/qt/run_exporter.h"

namespace exporter {

namespace {

// What a model would show in its message box goes to standard error, each
// text once, named by its configuration.
void sayMessages(Comparison& comparison, std::vector<std::string>& said)
{
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        comparison.form(i).showMessageBox = [&said, label = comparison.label(i)](const std::string& text) {
            const std::string line =
                displaytext::name(label) + ": the run says: " + displaytext::plain(text, 300);
            if (said.size() >= 10 || std::find(said.begin(), said.end(), line) != said.end()) return;
            said.push_back(line);
            std::cerr << ProgramName << ": " << line << '\n';
        };
    }
}

// Each configuration plays as a single run would; they share no state but
// their losses, which each history deals by itself, so playing them one
// after the other gives what one clock driving all of them gives.
int playAndWrite(const Request& request, Comparison& comparison, std::int32_t ticks)
{
    for (std::size_t i = 0; i < comparison.size(); ++i)
        run_player::play(comparison.form(i), comparison.history(i), ticks);
    // The pictures share their ticks: those every configuration still keeps.
    std::int32_t first = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        first = std::max(first, comparison.history(i).trace().firstTick());
    const DiagramTicks diagram = diagramTicks(request, first, comparison.ticks());
    if (request.drawsPictures()) {
        if (!diagram.refusal.empty()) {
            std::cerr << ProgramName << ": " << diagram.refusal << ".\n";
            return 2;
        }
        if (!diagram.notice.empty()) std::cerr << ProgramName << ": " << diagram.notice << ".\n";
    }
    const auto table = [&comparison](std::ostream& out) {
        figures::writeCsv(out, comparison.labels(), comparison.figures());
    };
    for (const auto& path : {request.csv, request.tableCsv}) {
        if (!path) continue;
        if (const std::string why = writeStream(*path, table); !why.empty()) {
            refuseWrite(*path, why);
            return 1;
        }
    }
    if (request.ladderSvg) {
        // The diagrams side by side, on the same ticks.
        std::vector<ladder::Description> diagrams;
        for (std::size_t i = 0; i < comparison.size(); ++i)
            diagrams.push_back(ladder::describe(comparison.history(i).ladder(), comparison.history(i).trace(),
                                                diagram.from, diagram.to));
        const std::string svg =
            ladder::comparisonSvg(diagrams, comparison.labels(), ladder::Layout{},
                                  ladder::palette(request.safeColours), request.stateMarks);
        if (const std::string why = writeBytes(*request.ladderSvg, picture_files::svgBytes(svg));
            !why.empty()) {
            refuseWrite(*request.ladderSvg, why);
            return 1;
        }
    }
    if (request.ladderPng) {
        std::vector<ladder::Description> diagrams;
        for (std::size_t i = 0; i < comparison.size(); ++i)
            diagrams.push_back(ladder::describe(comparison.history(i).ladder(), comparison.history(i).trace(),
                                                diagram.from, diagram.to));
        const QByteArray image = picture_files::png(
            ladder::comparisonSvg(diagrams, comparison.labels(), ladder::Layout{},
                                  ladder::palette(request.safeColours), request.stateMarks));
        const std::string why =
            image.isEmpty() ? "the image could not be drawn" : writeBytes(*request.ladderPng, image);
        if (!why.empty()) {
            refuseWrite(*request.ladderPng, why);
            return 1;
        }
    }
    if (request.svg || request.png) {
        const std::vector<pictures::View> views =
            request.views.empty() ? std::vector<pictures::View>{pictures::View::Window, pictures::View::Chart,
                                                                pictures::View::Table}
                                  : request.views;
        if (!writePicture(request, pictures::comparisonPicture(comparison, views,
                                                               request.picture(diagram.from, diagram.to))))
            return 1;
    }
    if (request.handout &&
        !writeHandout(*request.handout,
                      handout::comparisonPages(comparison, request.handoutRequest(diagram.from, diagram.to)),
                      "Comparison handout"))
        return 1;
    if (request.save && !saveRun(*request.save, comparison.script())) return 1;
    if (request.pcap) {
        // One connection a configuration, in the comparison's order.
        std::vector<capture::Connection> connections;
        for (std::size_t i = 0; i < comparison.size(); ++i)
            connections.push_back({&comparison.history(i).ladder(), &comparison.history(i).trace()});
        if (!saveCapture(request, connections)) return 1;
    }
    return 0;
}

} // namespace

int compareFresh(const Request& request, const std::vector<Comparison::Configuration>& configurations,
                 const LossSettings& losses)
{
    Comparison comparison(configurations, request.lossesOver(losses));
    std::vector<std::string> said;
    sayMessages(comparison, said);
    // Start at tick 0, as a run of a protocol alone is started.
    comparison.apply(0, UserEvent{EventKind::StartReset, 0, 0});
    return playAndWrite(request, comparison, request.ticks.value_or(PresetTicks));
}

int compareSaved(const Request& request, const RunScript& saved)
{
    Comparison comparison(saved);
    comparison.setLosses(request.lossesOver(comparison.losses()));
    std::vector<std::string> said;
    sayMessages(comparison, said);
    return playAndWrite(request, comparison, request.ticks.value_or(comparison.history(0).recordedEnd()));
}

} // namespace exporter

#include "frontend/pictures.h"

#include <algorithm>
#include <cmath>

#include "frontend/chart_looks.h"
#include "frontend/comparison.h"
#include "frontend/picture_parts.h"
#include "frontend/picture_title.h"
#include "history/ladder_description.h"

namespace pictures {
namespace {

constexpr std::pair<std::string_view, View> Names[] = {
    {"window", View::Window},   {"windows", View::Window},   {"chart", View::Chart},
    {"diagram", View::Diagram}, {"diagrams", View::Diagram}, {"table", View::Table},
};

// The margin round a picture, and between its parts.
double marginFor(const Request& request) { return std::max(8.0, request.height / 60); }

// Where a picture's content goes once its title line has been written.
Rect contentOf(svg::Writer& out, const Request& request, const TitleParts& title)
{
    const double margin = marginFor(request);
    Rect area{margin, margin, request.width - 2 * margin, request.height - 2 * margin};
    if (request.titled) {
        const double used =
            drawTitle(out, area, titleLine(title), textPixelsFor(request.height)) + margin / 2;
        area.y += used;
        area.height -= used;
    }
    return area;
}

double clampSide(double side, double fallback)
{
    return std::isfinite(side) ? std::clamp(side, SmallestSide, LargestSide) : fallback;
}

Request bounded(Request request)
{
    request.width = clampSide(request.width, SlideWidth);
    request.height = clampSide(request.height, SlideHeight);
    return request;
}

const char* titleOf(View view)
{
    switch (view) {
    case View::Window:
        return "The window";
    case View::Chart:
        return "The run chart";
    case View::Diagram:
        return "The time-sequence diagram";
    case View::Table:
        return "The run's figures";
    }
    return "";
}

} // namespace

std::optional<View> viewNamed(std::string_view name)
{
    for (const auto& [text, view] : Names)
        if (text == name) return view;
    return std::nullopt;
}

const char* viewName(View view)
{
    switch (view) {
    case View::Window:
        return "window";
    case View::Chart:
        return "chart";
    case View::Diagram:
        return "diagram";
    case View::Table:
        return "table";
    }
    return "chart";
}

std::vector<View> readViews(std::string_view list, std::string* error)
{
    std::vector<View> views;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, end - start);
        const std::optional<View> view = viewNamed(name);
        if (!view) {
            if (error != nullptr)
                *error = "the views are window, chart, diagram and table, as a list such as "
                         "\"window,chart,table\"";
            return {};
        }
        if (std::find(views.begin(), views.end(), *view) == views.end()) views.push_back(*view);
        start = end + 1;
    }
    return views;
}

Ticks ticksWithin(const Request& request, std::int32_t first, std::int32_t last)
{
    Ticks ticks;
    ticks.from = std::clamp(request.from, first, last);
    ticks.to = request.to < 0 ? last : std::clamp(request.to, ticks.from, last);
    return ticks;
}

std::string runPicture(const RunHistory::Run& run, const LossSettings& losses, View view,
                       const Request& asked)
{
    const Request request = bounded(asked);
    const RunTrace& trace = run.trace;
    const Ticks ticks = ticksWithin(request, std::max(trace.firstTick(), run.recorder.firstTick()),
                                    std::min(trace.ticks(), run.recorder.ticks()));
    TitleParts title = runTitle(run, losses, view == View::Window ? ticks.to : ticks.from, ticks.to);
    if (view == View::Table) title.ticks = "figures at tick " + std::to_string(trace.ticks());
    svg::Writer out(request.width, request.height, std::string(titleOf(view)) + ": " + titleLine(title));
    const Rect area = contentOf(out, request, title);
    const double pixels = textPixelsFor(request.height);
    switch (view) {
    case View::Window:
        drawWindow(out, area, run.recorder.stateAt(ticks.to), request.safeColours, request.stateMarks);
        break;
    case View::Chart:
        drawRunChart(out, area, trace, ticks.from, ticks.to, pixels);
        break;
    case View::Diagram:
        drawDiagrams(out, area, {ladder::describe(run.ladder, trace, ticks.from, ticks.to)}, {},
                     ladder::palette(request.safeColours), request.stateMarks, pixels);
        break;
    case View::Table:
        drawFiguresTable(out, area, {title.title}, {figuresOf(trace, run.ladder)}, false, pixels);
        break;
    }
    return out.finish();
}

std::string comparisonPicture(const Comparison& comparison, const std::vector<View>& views,
                              const Request& asked)
{
    const Request request = bounded(asked);
    std::int32_t first = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        first = std::max(first, comparison.history(i).trace().firstTick());
    const Ticks ticks = ticksWithin(request, first, comparison.ticks());
    const auto shows = [&views](View view) {
        return std::find(views.begin(), views.end(), view) != views.end();
    };
    const TitleParts title = comparisonTitle(comparison, ticks.from, ticks.to);
    svg::Writer out(request.width, request.height, "Comparison: " + titleLine(title));
    Rect area = contentOf(out, request, title);
    const double pixels = textPixelsFor(request.height);
    const double margin = marginFor(request);
    const std::size_t count = comparison.size();

    // The parts top to bottom: the windows, the diagrams, then the chart beside the table.
    const bool below = shows(View::Chart) || shows(View::Table);
    const int rows = int(shows(View::Window)) + int(shows(View::Diagram)) + int(below);
    if (rows == 0) return out.finish();
    if (shows(View::Window)) {
        const double each = (area.width - (count - 1) * margin) / count;
        const double fit = each * geometry::ClientHeight / geometry::ClientWidth + svg::lineHeight(pixels);
        const double height = rows == 1 ? area.height : std::min(fit, area.height * (rows == 2 ? 0.5 : 0.34));
        for (std::size_t i = 0; i < count; ++i) {
            const double x = area.x + i * (each + margin);
            out.text(x + each / 2, area.y + svg::lineHeight(pixels) / 2, comparison.label(i),
                     {pixels, chart_looks::ConfigurationColours[i % 3], svg::Anchor::Middle, true});
            drawWindow(out, {x, area.y + svg::lineHeight(pixels), each, height - svg::lineHeight(pixels)},
                       comparison.history(i).recorder().stateAt(ticks.to), request.safeColours,
                       request.stateMarks);
        }
        area.y += height + margin;
        area.height -= height + margin;
    }
    if (shows(View::Diagram)) {
        const double height = below ? area.height * 0.55 : area.height;
        std::vector<ladder::Description> diagrams;
        for (std::size_t i = 0; i < count; ++i)
            diagrams.push_back(ladder::describe(comparison.history(i).ladder(), comparison.history(i).trace(),
                                                ticks.from, ticks.to));
        drawDiagrams(out, {area.x, area.y, area.width, height}, diagrams, comparison.labels(),
                     ladder::palette(request.safeColours), request.stateMarks, pixels);
        area.y += height + margin;
        area.height -= height + margin;
    }
    if (below) {
        double tableWidth = 0;
        if (shows(View::Table)) {
            tableWidth =
                shows(View::Chart) ? std::min(area.width * 0.4, 9 * pixels + count * 9 * pixels) : area.width;
            drawFiguresTable(out, {area.right() - tableWidth, area.y, tableWidth, area.height},
                             comparison.labels(), comparison.figures(), true, pixels);
        }
        if (shows(View::Chart)) {
            std::vector<ComparedRun> runs;
            for (std::size_t i = 0; i < count; ++i)
                runs.push_back({&comparison.history(i).trace(), comparison.label(i)});
            drawComparisonChart(
                out, {area.x, area.y, area.width - tableWidth - (tableWidth > 0 ? margin : 0), area.height},
                runs, ticks.from, ticks.to, pixels);
        }
    }
    return out.finish();
}

} // namespace pictures

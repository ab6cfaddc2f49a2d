// The title line, the run chart and the comparison's chart as pictures.
#include <algorithm>
#include <cmath>

#include "frontend/chart_looks.h"
#include "frontend/marker_shapes.h"
#include "frontend/picture_parts.h"

namespace pictures {
namespace {

constexpr Colour Ink = 0x000000;
constexpr Colour Frame = 0x808080;
constexpr Colour Grid = 0xE1E1E1;
// Never less than this many packets up the side: a window of 1 still shows.
constexpr double SmallestPacketTop = 4;

// 1, 2 or 5 times a power of ten, at least `least`.
double niceStep(double least)
{
    // The largest power of ten not above it, found by steps: the page's
    // engine would otherwise carry the maths library's pow and log10 for this alone.
    least = std::max(least, 1e-9);
    double power = 1;
    while (power * 10 <= least)
        power *= 10;
    while (power > least)
        power /= 10;
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= least) return factor * power;
    return 10 * power;
}

std::string numberText(double value)
{
    if (std::abs(value - std::round(value)) < 1e-9)
        return std::to_string(static_cast<long long>(std::round(value)));
    return svg::number(value);
}

std::vector<double> dashesOf(chart_looks::Dash dash, double pixels)
{
    const double unit = pixels / 16;
    switch (dash) {
    case chart_looks::Dash::Solid:
        return {};
    case chart_looks::Dash::Dashed:
        return {7 * unit, 4 * unit};
    case chart_looks::Dash::Dotted:
        return {2 * unit, 3 * unit};
    }
    return {};
}

// A plot's frame, its value grid and labels, and the ticks along its bottom.
struct Plot {
    Rect area;
    std::int32_t from = 0;
    std::int32_t to = 0;
    double top = 1;

    double x(double tick) const { return area.x + (tick - from) / std::max(1, to - from) * area.width; }
    double y(double value) const { return area.bottom() - value / top * area.height; }
};

void drawValueAxis(svg::Writer& out, const Plot& plot, double pixels, const std::string& title)
{
    const double step = niceStep(plot.top / std::max(2.0, plot.area.height / (2.5 * pixels)));
    for (double value = 0; value <= plot.top + step / 100; value += step) {
        out.line(plot.area.x, plot.y(value), plot.area.right(), plot.y(value), {Grid, 1});
        out.text(plot.area.x - pixels / 3, plot.y(value), numberText(value),
                 {pixels * 0.85, Ink, svg::Anchor::End});
    }
    out.rect(plot.area.x, plot.area.y, plot.area.width, plot.area.height, svg::Stroke{Frame, 1});
    out.text(plot.area.x, plot.area.y - svg::lineHeight(pixels) / 2, title, {pixels * 0.85, Ink});
}

void drawTickAxis(svg::Writer& out, const Plot& plot, double pixels)
{
    const double pixelsPerTick = plot.area.width / std::max(1, plot.to - plot.from);
    const double step = niceStep(svg::textWidth("0000000", pixels * 0.85) / pixelsPerTick);
    const double line = svg::lineHeight(pixels);
    for (double tick = std::ceil(plot.from / step) * step; tick <= plot.to; tick += step) {
        const double x = plot.x(tick);
        out.line(x, plot.area.bottom(), x, plot.area.bottom() + pixels / 4, {Ink, 1});
        out.text(x, plot.area.bottom() + pixels / 4 + line / 2, numberText(tick),
                 {pixels * 0.85, Ink, svg::Anchor::Middle});
    }
    out.text(plot.area.x + plot.area.width / 2, plot.area.bottom() + pixels / 4 + 1.5 * line,
             "tick (50 ms at 1\u00d7)", {pixels * 0.85, Ink, svg::Anchor::Middle});
}

// One figure over the plot, a polyline for each stretch where `shown` holds;
// long ranges keep each column's lowest and highest value, in the order they came.
template <class Value, class Shown>
void drawFigure(svg::Writer& out, const Plot& plot, const RunTrace& trace, Value value, Shown shown,
                const svg::Stroke& pen, double lift = 0)
{
    const std::int32_t step =
        std::max<std::int32_t>(1, (plot.to - plot.from) / std::max(1.0, plot.area.width));
    std::vector<double> xy;
    const auto flush = [&] {
        if (xy.size() >= 4) out.polyline(xy, pen, "figure");
        xy.clear();
    };
    const auto add = [&](std::int32_t tick) {
        xy.push_back(plot.x(tick));
        xy.push_back(plot.y(value(trace.sample(tick))) - lift);
    };
    for (std::int32_t bucket = plot.from; bucket <= plot.to; bucket += step) {
        const std::int32_t end = std::min(plot.to, bucket + step - 1);
        std::int32_t low = -1;
        std::int32_t high = -1;
        for (std::int32_t tick = bucket; tick <= end; ++tick) {
            if (!shown(trace.sample(tick))) {
                if (low >= 0) {
                    add(std::min(low, high));
                    if (low != high) add(std::max(low, high));
                    low = high = -1;
                }
                flush();
                continue;
            }
            const double v = value(trace.sample(tick));
            if (low < 0 || v < value(trace.sample(low))) low = tick;
            if (high < 0 || v > value(trace.sample(high))) high = tick;
        }
        if (low < 0) continue;
        add(std::min(low, high));
        if (low != high) add(std::max(low, high));
    }
    flush();
}

double markerY(const RunTrace& trace, std::int32_t tick, chart_looks::MarkerPlace place)
{
    const double window = trace.sample(tick).txWindow();
    switch (place) {
    case chart_looks::MarkerPlace::Peak:
        return tick > trace.firstTick() ? std::max(window, trace.sample(tick - 1).txWindow()) : window;
    case chart_looks::MarkerPlace::Window:
        return window;
    case chart_looks::MarkerPlace::Bottom:
        break;
    }
    return 0.5;
}

void shape(svg::Writer& out, chart_looks::MarkerShape kind, double x, double y, double size, Colour colour)
{
    out.polygon(marker_shapes::outline(kind, x, y, size), colour, {0x404040, 0.6});
}

} // namespace

double textPixelsFor(double pictureHeight) { return std::clamp(pictureHeight / 54, 10.0, 40.0); }

double drawTitle(svg::Writer& out, const Rect& area, const std::string& title, double pixels)
{
    // Two lines at most: the second ends in "…" where even they do not hold it.
    const double size = pixels * 1.15;
    const double line = svg::lineHeight(size);
    // Broken between its parts where it can be, so that "ticks 100–500" or a
    // protocol's name never ends one line and begins the next.
    const std::string_view separator = " \u00b7 ";
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t start = 0; start <= title.size();) {
        const std::size_t end = std::min(title.find(separator, start), title.size());
        const std::string part = title.substr(start, end - start);
        start = end + separator.size();
        const std::string joined = current.empty() ? part : current + std::string(separator) + part;
        if (svg::textWidth(joined, size, true) <= area.width) {
            current = joined;
            continue;
        }
        if (!current.empty()) lines.push_back(current + " \u00b7");
        std::vector<std::string> pieces = svg::wrapped(part, area.width, size, true);
        current = pieces.empty() ? std::string() : pieces.back();
        if (!pieces.empty()) lines.insert(lines.end(), pieces.begin(), pieces.end() - 1);
    }
    if (!current.empty()) lines.push_back(current);
    if (lines.size() > 2) {
        std::string rest = lines[1];
        for (std::size_t i = 2; i < lines.size(); ++i)
            rest += " " + lines[i];
        lines.resize(2);
        lines[1] = svg::fitted(rest, area.width, size, true);
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.text(area.x, area.y + line * (i + 0.5), lines[i],
                 {size, Ink, svg::Anchor::Start, true, "pictureTitle"});
    return line * static_cast<double>(lines.size()) + line * 0.3;
}

void drawRunChart(svg::Writer& out, const Rect& area, const RunTrace& trace, std::int32_t from,
                  std::int32_t to, double pixels)
{
    from = std::clamp(from, trace.firstTick(), trace.ticks());
    to = std::clamp(to, from, trace.ticks());
    bool threshold = false;
    bool shaded = false;
    double highest = 0;
    for (std::int32_t tick = from; tick <= to; ++tick) {
        const TickSample& sample = trace.sample(tick);
        threshold = threshold || sample.slowStart;
        shaded =
            shaded || (tick > trace.firstTick() && chart_looks::growsByAvoidance(trace.sample(tick - 1)));
        highest = std::max({highest, sample.txWindow(), sample.flight(), sample.rxWindow(),
                            sample.slowStart ? sample.ssThresh() : 0.0});
    }

    // The legend: every figure drawn and every kind of marker, whether or not these ticks hold one.
    const double line = svg::lineHeight(pixels);
    const double swatch = 2.2 * pixels;
    double legendWidth = svg::textWidth(std::string(chart_looks::AvoidanceName), pixels);
    for (const chart_looks::FigureLook& look : chart_looks::Figures)
        legendWidth = std::max(legendWidth, svg::textWidth(look.name, pixels));
    for (const chart_looks::MarkerLook& look : chart_looks::MarkerKinds)
        legendWidth = std::max(legendWidth, svg::textWidth(look.name, pixels));
    legendWidth += swatch + pixels;

    const double left = svg::textWidth("000", pixels * 0.85) + pixels / 2;
    Plot plot{{area.x + left, area.y + line, area.width - left - legendWidth - pixels,
               area.height - line - 2.4 * line},
              from,
              std::max(to, from + 1),
              std::max(SmallestPacketTop, std::ceil(highest) + 1)};
    drawValueAxis(out, plot, pixels, "packets");

    if (shaded) {
        const Colour shade = chart_looks::AvoidanceShade;
        const double opacity = chart_looks::AvoidanceShadeAlpha / 255.0;
        std::int32_t runStart = -1;
        for (std::int32_t tick = std::max(from + 1, trace.firstTick() + 1); tick <= to + 1; ++tick) {
            const bool grows = tick <= to && chart_looks::growsByAvoidance(trace.sample(tick - 1));
            if (grows && runStart < 0) runStart = tick - 1;
            if (!grows && runStart >= 0) {
                out.rect(plot.x(runStart), plot.area.y, plot.x(tick - 1) - plot.x(runStart), plot.area.height,
                         shade, opacity);
                runStart = -1;
            }
        }
    }
    const auto always = [](const TickSample&) { return true; };
    const auto figurePen = [pixels](const chart_looks::FigureLook& look) {
        return svg::Stroke{look.colour, look.width * pixels / 14, dashesOf(look.dash, pixels)};
    };
    const auto& looks = chart_looks::Figures;
    drawFigure(
        out, plot, trace, [](const TickSample& s) { return s.rxWindow(); }, always, figurePen(looks[3]));
    drawFigure(
        out, plot, trace, [](const TickSample& s) { return s.flight(); }, always, figurePen(looks[2]));
    if (threshold)
        drawFigure(
            out, plot, trace, [](const TickSample& s) { return s.ssThresh(); },
            [](const TickSample& s) { return s.slowStart; }, figurePen(looks[1]));
    drawFigure(
        out, plot, trace, [](const TickSample& s) { return s.txWindow(); }, always, figurePen(looks[0]));

    // One marker of a kind per column, the first.
    const std::int32_t step = std::max<std::int32_t>(1, (to - from) / std::max(1.0, plot.area.width / 4));
    for (const chart_looks::MarkerLook& look : chart_looks::MarkerKinds) {
        for (std::int32_t bucket = from; bucket <= to; bucket += step) {
            for (std::int32_t tick = bucket; tick <= std::min(to, bucket + step - 1); ++tick) {
                if ((trace.sample(tick).markers() & look.bit) == 0) continue;
                shape(out, look.shape, plot.x(tick), plot.y(markerY(trace, tick, look.place)),
                      look.size * pixels / 14, look.colour);
                break;
            }
        }
    }
    drawTickAxis(out, plot, pixels);

    double y = plot.area.y + line / 2;
    const double x = plot.area.right() + pixels;
    for (std::size_t i = 0; i < looks.size(); ++i) {
        if (i == 1 && !threshold) continue;
        svg::Stroke pen = figurePen(looks[i]);
        out.line(x, y, x + swatch - pixels / 3, y, pen);
        out.text(x + swatch, y, looks[i].name, {pixels, Ink, svg::Anchor::Start, false, "legend"});
        y += line;
    }
    for (const chart_looks::MarkerLook& look : chart_looks::MarkerKinds) {
        shape(out, look.shape, x + swatch / 2 - pixels / 6, y, look.size * pixels / 14, look.colour);
        out.text(x + swatch, y, look.name, {pixels, Ink, svg::Anchor::Start, false, "legend"});
        y += line;
    }
    if (shaded) {
        out.rect(x, y - line / 3, swatch - pixels / 3, 2 * line / 3, chart_looks::AvoidanceShade,
                 chart_looks::AvoidanceShadeAlpha / 255.0);
        out.text(x + swatch, y, chart_looks::AvoidanceName,
                 {pixels, Ink, svg::Anchor::Start, false, "legend"});
    }
}

void drawComparisonChart(svg::Writer& out, const Rect& area, const std::vector<ComparedRun>& runs,
                         std::int32_t from, std::int32_t to, double pixels)
{
    const double line = svg::lineHeight(pixels);
    const auto& colours = chart_looks::ConfigurationColours;
    std::vector<std::vector<double>> dashes;
    for (const auto& dash : chart_looks::ConfigurationDashes)
        dashes.push_back(dash[0] == 0 ? std::vector<double>{}
                                      : std::vector<double>{dash[0] * pixels / 14, dash[1] * pixels / 14});
    // Coinciding lines are drawn this far apart, each configuration a step higher than the one before.
    const double apart = std::max(1.5, pixels / 8);

    // The legend along the top.
    double x = area.x;
    const double legendY = area.y + line / 2;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const svg::Stroke pen{colours[i % colours.size()], pixels / 5, dashes[i % dashes.size()]};
        out.line(x, legendY, x + 2.5 * pixels, legendY, pen);
        out.text(x + 3 * pixels, legendY, runs[i].label, {pixels, Ink, svg::Anchor::Start, false, "legend"});
        x += 3 * pixels + svg::textWidth(runs[i].label, pixels) + 2 * pixels;
    }

    const double left = svg::textWidth("000.0", pixels * 0.85) + pixels / 2;
    const double plotsTop = area.y + 2.6 * line;
    const double plotsHeight = area.bottom() - 2.4 * line - plotsTop;
    const double each = (plotsHeight - 1.6 * line) / 2;
    const std::array<Rect, 2> areas = {
        Rect{area.x + left, plotsTop, area.width - left - pixels, each},
        Rect{area.x + left, plotsTop + each + 1.6 * line, area.width - left - pixels, each}};
    const std::array<const char*, 2> titles = {"Transmit window (packets)",
                                               "Goodput (packets per 100 ticks, over the last 200)"};
    for (int which = 0; which < 2; ++which) {
        const auto value = [which](const RunTrace& trace, std::int32_t tick) {
            return which == 0 ? trace.sample(tick).txWindow() : goodputAt(trace, tick);
        };
        double highest = which == 0 ? SmallestPacketTop : 1;
        for (const ComparedRun& run : runs)
            for (std::int32_t tick = std::max(from, run.trace->firstTick());
                 tick <= std::min(to, run.trace->ticks()); ++tick)
                highest = std::max(highest, value(*run.trace, tick));
        const double step = niceStep(highest * 1.15 / 4);
        Plot plot{areas[static_cast<std::size_t>(which)], from, std::max(to, from + 1),
                  std::ceil(highest * 1.15 / step) * step};
        drawValueAxis(out, plot, pixels, titles[static_cast<std::size_t>(which)]);
        const int columns = std::max(2, static_cast<int>(plot.area.width));
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const RunTrace& trace = *runs[i].trace;
            const double lift = (static_cast<double>(i) - (runs.size() - 1) / 2.0) * apart;
            std::vector<double> xy;
            for (int column = 0; column < columns; ++column) {
                const auto tick =
                    from + static_cast<std::int32_t>(std::lround(column * double(to - from) / (columns - 1)));
                if (tick < trace.firstTick()) continue;
                if (tick > trace.ticks()) break;
                xy.push_back(plot.x(tick));
                xy.push_back(plot.y(value(trace, tick)) - lift);
            }
            out.polyline(xy, {colours[i % colours.size()], pixels / 6, dashes[i % dashes.size()]},
                         "configuration");
        }
        if (which == 1) drawTickAxis(out, plot, pixels);
    }
}

} // namespace pictures

#include "frontend/ladder_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frontend/cell_states.h"
#include "frontend/ladder_placement.h"
#include "frontend/marker_shapes.h"
#include "frontend/svg_writer.h"

namespace ladder {
namespace {

Colour safeOf(Colour model)
{
    for (const auto strip : {cell_states::Strip::Sender, cell_states::Strip::Receiver})
        if (const cell_states::CellState* state = cell_states::find(strip, model)) return state->safe;
    return model;
}

// A comparison's diagrams: the configuration's name above each, a gap between them.
constexpr double LabelHeight = 22;
constexpr double Gap = 16;
constexpr Colour Paper = 0xFFFFFF;

} // namespace

Palette palette(bool safe)
{
    const auto pick = [safe](Colour model) { return safe ? safeOf(model) : model; };
    Palette p{};
    p.packet = pick(colours::TxInFlight);
    p.resend = pick(colours::TxResentInFlight);
    p.ack = pick(colours::RxAwaited);
    p.lost = safe ? colours::Black : colours::Red;
    p.timeout = safe ? safeOf(colours::RxAliased) : colours::Red;
    p.state = pick(colours::Navy);
    p.window = safe ? safeOf(colours::TxQueuedAgain) : colours::WindowFrame;
    p.axis = 0x606060;
    p.text = colours::Black;
    p.cursor = safe ? safeOf(colours::RxAliased) : colours::Red;
    return p;
}

Colour colourOf(const Palette& palette, LineKind kind)
{
    switch (kind) {
    case LineKind::Packet:
        return palette.packet;
    case LineKind::Resend:
        return palette.resend;
    case LineKind::Ack:
    case LineKind::DuplicateAck:
        return palette.ack;
    }
    return palette.text;
}

Colour markColour(const Palette& palette, MarkKind kind)
{
    return kind == MarkKind::StateChange ? palette.state
           : kind == MarkKind::Drop      ? palette.lost
                                         : palette.timeout;
}

std::string_view stateMark(LineKind kind)
{
    if (kind == LineKind::Packet)
        return cell_states::find(cell_states::Strip::Sender, colours::TxInFlight)->mark;
    if (kind == LineKind::Resend)
        return cell_states::find(cell_states::Strip::Sender, colours::TxResentInFlight)->mark;
    return {};
}

std::string labelText(const Line& line, bool stateMarks)
{
    const std::string_view mark = stateMarks ? stateMark(line.kind) : std::string_view{};
    return mark.empty() ? line.label : std::string(mark) + " " + line.label;
}

bool dashed(LineKind kind) { return kind == LineKind::DuplicateAck; }

std::int32_t tickNumberStep(const Layout& layout)
{
    const double pixels = layout.pixelsPerTick * layout.scale;
    for (const std::int32_t step : {10, 20, 50, 100, 200, 500, 1000})
        if (step * pixels >= 40 * layout.scale) return step;
    return 2000;
}

std::string cssColour(Colour colour) { return svg::colour(colour); }

std::vector<std::vector<Point>> visibleParts(const Description& d, const Line& line)
{
    std::vector<std::vector<Point>> parts;
    std::vector<Point> part;
    const auto within = [&d](double tick) { return tick >= d.from && tick <= d.to; };
    const auto at = [](const Point& a, const Point& b, double tick) {
        const double f = b.tick == a.tick ? 0 : (tick - a.tick) / (b.tick - a.tick);
        return Point{tick, a.across + f * (b.across - a.across)};
    };
    const Point* first = d.begin(line);
    const Point* last = d.end(line);
    if (first == last) return parts;
    if (within(first->tick)) part.push_back(*first);
    for (const Point* p = first; p + 1 < last; ++p) {
        const Point& a = p[0];
        const Point& b = p[1];
        // Time never runs backwards along a line: a.tick <= b.tick.
        if (b.tick < d.from || a.tick > d.to) {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
            continue;
        }
        if (!within(a.tick)) part.push_back(at(a, b, d.from));
        if (within(b.tick)) {
            part.push_back(b);
        } else {
            part.push_back(at(a, b, d.to));
            parts.push_back(std::move(part));
            part.clear();
        }
    }
    if (part.size() > 1) parts.push_back(std::move(part));
    return parts;
}

namespace {

void drawSymbol(svg::Writer& out, const PlacedSymbol& symbol, double scale)
{
    if (symbol.cross) {
        const double r = symbol.size / 2;
        const svg::Stroke pen{symbol.colour, 2 * scale};
        out.beginGroup(0, 0, 1, "lost");
        out.line(symbol.x - r, symbol.y - r, symbol.x + r, symbol.y + r, pen);
        out.line(symbol.x - r, symbol.y + r, symbol.x + r, symbol.y - r, pen);
        out.endGroup();
        return;
    }
    out.polygon(marker_shapes::outline(symbol.shape, symbol.x, symbol.y, symbol.size), symbol.colour,
                {symbol.colour, 0.5 * scale});
}

void drawText(svg::Writer& out, const PlacedText& text, double pixels)
{
    if (text.backed)
        out.rect(text.box.left, text.box.top, text.box.right - text.box.left, text.box.bottom - text.box.top,
                 Paper);
    if (text.leader)
        out.line(text.leaderX1, text.leaderY1, text.leaderX2, text.leaderY2,
                 {text.colour, 0.75 * pixels / 11});
    const double line = svg::lineHeight(pixels);
    const double x = text.centred      ? (text.box.left + text.box.right) / 2
                     : text.alignRight ? text.box.right
                                       : text.box.left;
    const svg::Anchor anchor = text.centred      ? svg::Anchor::Middle
                               : text.alignRight ? svg::Anchor::End
                                                 : svg::Anchor::Start;
    double centre = text.box.top + line / 2;
    std::size_t start = 0;
    while (start <= text.text.size()) {
        const std::size_t end = std::min(text.text.find('\n', start), text.text.size());
        svg::TextStyle style{pixels, text.colour, anchor, text.bold};
        if (text.role == TextRole::LineLabel) style.cssClass = "label";
        out.text(x, centre, std::string_view(text.text).substr(start, end - start), style);
        centre += line;
        start = end + 1;
    }
}

} // namespace

void drawInto(svg::Writer& out, const Description& d, const Layout& layout, const Palette& palette,
              const Placement& placement)
{
    const double s = layout.scale;
    const double top = layout.y(d.from, d.from);
    const double bottom = layout.y(d.to, d.from);
    const double pixels = layout.fontSize * s;
    for (const double x : {layout.senderX(), layout.receiverX()})
        out.line(x, top, x, bottom, {palette.axis, 2 * s});

    std::vector<double> xy;
    for (const Line& line : d.lines) {
        svg::Stroke pen{colourOf(palette, line.kind), (line.kind == LineKind::Resend ? 2 : 1.25) * s};
        if (dashed(line.kind)) pen.dashes = {5 * s, 3 * s};
        for (const std::vector<Point>& part : visibleParts(d, line)) {
            xy.clear();
            for (const Point& p : part) {
                xy.push_back(layout.x(p.across));
                xy.push_back(layout.y(p.tick, d.from));
            }
            out.polyline(xy, pen, "line");
        }
    }
    for (const Mark& mark : d.marks) {
        const double at = layout.y(mark.tick, d.from);
        const double axis = mark.atReceiver ? layout.receiverX() : layout.senderX();
        out.line(axis - 5 * s, at, axis + 5 * s, at, {markColour(palette, mark.kind), 2 * s});
    }
    for (const PlacedSymbol& symbol : placement.symbols)
        drawSymbol(out, symbol, s);
    for (const PlacedText& text : placement.texts)
        drawText(out, text, pixels);
}

std::string toSvg(const Description& d, const Layout& layout, const Palette& palette, bool stateMarks)
{
    const Placement placement = place(d, layout, palette, stateMarks);
    svg::Writer out(layout.width * layout.scale, placement.height,
                    "Time-sequence diagram, ticks " + std::to_string(d.from) + " to " + std::to_string(d.to));
    drawInto(out, d, layout, palette, placement);
    return out.finish();
}

std::string comparisonSvg(const std::vector<Description>& descriptions,
                          const std::vector<std::string>& labels, const Layout& layout,
                          const Palette& palette, bool stateMarks)
{
    const double each = layout.width * layout.scale;
    const double gap = Gap * layout.scale;
    const double label = LabelHeight * layout.scale;
    std::vector<Placement> placements;
    double height = 0;
    for (const Description& d : descriptions) {
        placements.push_back(place(d, layout, palette, stateMarks));
        height = std::max(height, placements.back().height);
    }
    const double width =
        descriptions.empty() ? 0 : descriptions.size() * each + (descriptions.size() - 1) * gap;
    svg::Writer out(width, height + label, "Time-sequence diagrams side by side");
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const double x = i * (each + gap);
        out.text(x + each / 2, label / 2, i < labels.size() ? labels[i] : std::string(),
                 {layout.fontSize * layout.scale, palette.text, svg::Anchor::Middle, true});
        out.beginGroup(x, label, 1, "configuration");
        drawInto(out, descriptions[i], layout, palette, placements[i]);
        out.endGroup();
    }
    return out.finish();
}

} // namespace ladder

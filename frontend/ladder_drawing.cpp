#include "frontend/ladder_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frontend/cell_states.h"
#include "history/export_text.h"

namespace ladder {
namespace {

Colour safeOf(Colour model)
{
    for (const auto strip : {cell_states::Strip::Sender, cell_states::Strip::Receiver})
        if (const cell_states::CellState* state = cell_states::find(strip, model)) return state->safe;
    return model;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// Markup characters escaped, and the characters XML forbids (a label of a
// stranger's file may hold U+FFFF) left out, so that the drawing always parses.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : exporttext::xmlSafe(text)) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// One column of texts, each left out when it would overwrite the one before.
class Column {
public:
    Column(std::string& out, double x, const char* anchor, double spacing)
        : out_(out), x_(x), anchor_(anchor), spacing_(spacing)
    {
    }
    void write(double y, std::string_view text, Colour colour)
    {
        if (y - last_ < spacing_) return;
        last_ = y;
        out_ += "<text x=\"" + number(x_) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor_ +
                "\" dominant-baseline=\"middle\" fill=\"" + cssColour(colour) + "\">" + escaped(text) +
                "</text>\n";
    }

private:
    std::string& out_;
    double x_;
    const char* anchor_;
    double spacing_;
    double last_ = -1e9;
};

// A comparison's diagrams: the configuration's name above each, a gap between them.
constexpr double LabelHeight = 22;
constexpr double Gap = 16;

void replaceAll(std::string& text, std::string_view from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

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

std::string cssColour(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string toSvg(const Description& d, const Layout& layout, const Palette& palette, bool stateMarks)
{
    const double width = layout.width * layout.scale;
    const double height = layout.height(d.from, d.to);
    const double top = layout.y(d.from, d.from);
    const double bottom = layout.y(d.to, d.from);
    const auto y = [&](double tick) { return layout.y(tick, d.from); };
    std::string out;
    out.reserve(256 + d.lines.size() * 200);
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) + "\" height=\"" +
           number(height) + "\" viewBox=\"0 0 " + number(width) + " " + number(height) +
           "\" font-family=\"sans-serif\" font-size=\"" + number(layout.fontSize * layout.scale) + "\">\n";
    out += "<title>Time-sequence diagram, ticks " + std::to_string(d.from) + " to " + std::to_string(d.to) +
           "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    out += "<clipPath id=\"ticks\"><rect x=\"0\" y=\"" + number(top) + "\" width=\"" + number(width) +
           "\" height=\"" + number(bottom - top) + "\"/></clipPath>\n";

    // The two axes and their names.
    for (const auto& [x, name] :
         {std::pair{layout.senderX(), "Sender"}, std::pair{layout.receiverX(), "Receiver"}}) {
        out += "<line class=\"axis\" x1=\"" + number(x) + "\" y1=\"" + number(top) + "\" x2=\"" + number(x) +
               "\" y2=\"" + number(bottom) + "\" stroke=\"" + cssColour(palette.axis) + "\" stroke-width=\"" +
               number(2 * layout.scale) + "\"/>\n";
        out += "<text x=\"" + number(x) + "\" y=\"" + number(top - 12 * layout.scale) +
               "\" text-anchor=\"middle\" font-weight=\"bold\">" + name + "</text>\n";
    }
    Column ticks(out, layout.tickNumbersRight(), "end", layout.textSpacing());
    const std::int32_t step = tickNumberStep(layout);
    for (std::int32_t tick = (d.from + step - 1) / step * step; tick <= d.to; tick += step)
        ticks.write(y(tick), std::to_string(tick), palette.axis);
    Column windows(out, layout.windowNotesRight(), "end", layout.textSpacing());
    for (const WindowNote& note : d.windows)
        windows.write(y(note.tick), std::to_string(note.first) + "-" + std::to_string(note.last),
                      palette.window);

    out += "<g clip-path=\"url(#ticks)\" fill=\"none\">\n";
    for (const Line& line : d.lines) {
        out += "<polyline class=\"line\" data-left=\"" + std::to_string(line.left) + "\" points=\"";
        for (const Point* p = d.begin(line); p != d.end(line); ++p)
            out += number(layout.x(p->across)) + "," + number(y(p->tick)) + " ";
        out += "\" stroke=\"" + cssColour(colourOf(palette, line.kind)) + "\" stroke-width=\"" +
               number((line.kind == LineKind::Resend ? 2 : 1.25) * layout.scale) + "\"";
        if (dashed(line.kind))
            out += " stroke-dasharray=\"" + number(5 * layout.scale) + "," + number(3 * layout.scale) + "\"";
        out += "/>\n";
    }
    out += "</g>\n<g clip-path=\"url(#ticks)\" paint-order=\"stroke\" stroke=\"#ffffff\" stroke-width=\"" +
           number(3 * layout.scale) + "\">\n";
    for (const Line& line : d.lines) {
        const Colour colour = colourOf(palette, line.kind);
        out += "<text class=\"label\" x=\"" + number(layout.x(line.labelAt.across)) + "\" y=\"" +
               number(y(line.labelAt.tick)) +
               "\" text-anchor=\"middle\" dominant-baseline=\"middle\" fill=\"" + cssColour(colour) + "\">" +
               escaped(labelText(line, stateMarks)) + "</text>\n";
        if (line.ending == Ending::Lost) {
            const Point& end = d.end(line)[-1];
            out += "<text class=\"lost\" x=\"" + number(layout.x(end.across)) + "\" y=\"" +
                   number(y(end.tick)) +
                   "\" text-anchor=\"middle\" dominant-baseline=\"middle\" font-size=\"" +
                   number(16 * layout.scale) + "\" fill=\"" + cssColour(palette.lost) + "\">\u2715</text>\n";
        }
    }
    out += "</g>\n";

    Column senderMarks(out, layout.marksRight(), "end", layout.textSpacing());
    Column receiverMarks(out, layout.receiverX() + 6 * layout.scale, "start", layout.textSpacing());
    for (const Mark& mark : d.marks) {
        const double at = y(mark.tick);
        const double axis = mark.atReceiver ? layout.receiverX() : layout.senderX();
        const Colour colour = markColour(palette, mark.kind);
        out += "<line class=\"mark\" x1=\"" + number(axis - 5 * layout.scale) + "\" y1=\"" + number(at) +
               "\" x2=\"" + number(axis + 5 * layout.scale) + "\" y2=\"" + number(at) + "\" stroke=\"" +
               cssColour(colour) + "\" stroke-width=\"" + number(2 * layout.scale) + "\"/>\n";
        (mark.atReceiver ? receiverMarks : senderMarks).write(at, mark.text, colour);
    }
    out += "</svg>\n";
    return out;
}

std::string comparisonSvg(const std::vector<Description>& descriptions,
                          const std::vector<std::string>& labels, const Layout& layout,
                          const Palette& palette, bool stateMarks)
{
    const double each = layout.width * layout.scale;
    const double gap = Gap * layout.scale;
    const double label = LabelHeight * layout.scale;
    double height = 0;
    for (const Description& d : descriptions)
        height = std::max(height, layout.height(d.from, d.to));
    const double width =
        descriptions.empty() ? 0 : descriptions.size() * each + (descriptions.size() - 1) * gap;
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) + "\" height=\"" +
                      number(height + label) + "\" viewBox=\"0 0 " + number(width) + " " +
                      number(height + label) + "\" font-family=\"sans-serif\" font-size=\"" +
                      number(layout.fontSize * layout.scale) + "\">\n";
    out += "<title>Time-sequence diagrams side by side</title>\n<rect width=\"100%\" height=\"100%\" "
           "fill=\"#ffffff\"/>\n";
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const double x = i * (each + gap);
        const std::string name = i < labels.size() ? labels[i] : std::string();
        out += "<text x=\"" + number(x + each / 2) + "\" y=\"" + number(label * 0.7) +
               "\" text-anchor=\"middle\" font-weight=\"bold\" fill=\"" + cssColour(palette.text) + "\">" +
               escaped(name) + "</text>\n";
        std::string part = toSvg(descriptions[i], layout, palette, stateMarks);
        // One document, so each part's clipping region needs a name of its
        // own; a group rather than a nested drawing, which simpler SVG
        // readers (SVG Tiny) do not draw, and no background of its own.
        const std::string id = "ticks-" + std::to_string(i);
        replaceAll(part, "id=\"ticks\"", "id=\"" + id + "\"");
        replaceAll(part, "url(#ticks)", "url(#" + id + ")");
        replaceAll(part, "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n", "");
        const std::size_t body = part.find(">\n") + 2;
        const std::size_t end = part.rfind("</svg>");
        out +=
            "<g class=\"configuration\" transform=\"translate(" + number(x) + " " + number(label) + ")\">\n";
        out += part.substr(body, end - body);
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace ladder

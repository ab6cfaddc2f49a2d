// A comparison's diagrams side by side: each configuration's own drawing,
// nested in one document under its label, all on the same ticks.
#include <algorithm>
#include <cstdio>

#include "frontend/ladder_drawing.h"

namespace ladder {

namespace {

constexpr double LabelHeight = 22; // the configuration's name above its diagram
constexpr double Gap = 16;         // between two diagrams

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

void replaceAll(std::string& text, std::string_view from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

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

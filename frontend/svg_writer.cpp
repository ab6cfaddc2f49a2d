#include "frontend/svg_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "history/display_text.h"
#include "history/export_text.h"

namespace svg {
namespace {

// Advance widths of printable ASCII in thousandths of an em, as Liberation
// Sans (metric-compatible with Arial and Helvetica) sets them, from ' ' on.
constexpr std::array<short, 95> AsciiWidths = {
    278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                               // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                              // : to @
    667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833,                // A to M
    722, 778, 667, 778, 722, 667, 611,  722, 667, 944, 667, 667, 611,                // N to Z
    278, 278, 278, 469, 556, 333,                                                    // [ to `
    556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833,                // a to m
    556, 556, 556, 556, 333, 500, 278,  556, 500, 722, 500, 500, 500,                // n to z
    334, 260, 334, 584,                                                              // { to ~
};

// Bold letters are about this much wider; and every measure is this much
// generous, for a fallback face a little wider than the one measured.
constexpr double BoldFactor = 1.1;
constexpr double Generosity = 1.05;

double advance(char32_t c)
{
    if (c >= 0x20 && c < 0x7F) return AsciiWidths[c - 0x20] / 1000.0;
    if (c == 0xB7) return 0.278;   // middle dot
    if (c == 0xD7) return 0.584;   // multiplication sign
    if (c == 0x2013) return 0.556; // en dash
    if (c < 0x250) return 0.6;     // accented Latin
    return 1.0;                    // arrows, crosses, ticks, ellipsis, wide scripts
}

const char* anchorName(Anchor anchor)
{
    switch (anchor) {
    case Anchor::Start:
        return "start";
    case Anchor::Middle:
        return "middle";
    case Anchor::End:
        return "end";
    }
    return "start";
}

std::string dashText(const Stroke& stroke)
{
    if (stroke.dashes.empty()) return {};
    std::string text = " stroke-dasharray=\"";
    for (std::size_t i = 0; i < stroke.dashes.size(); ++i)
        text += (i == 0 ? "" : ",") + number(stroke.dashes[i]);
    return text + "\"";
}

std::string strokeText(const Stroke& stroke)
{
    return " stroke=\"" + colour(stroke.colour) + "\" stroke-width=\"" + number(stroke.width) + "\"" +
           dashText(stroke);
}

std::string pointsText(const std::vector<double>& xy)
{
    std::string text;
    text.reserve(xy.size() * 7);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
        text += number(xy[i]) + "," + number(xy[i + 1]) + " ";
    if (!text.empty()) text.pop_back();
    return text;
}

} // namespace

double textWidth(std::string_view text, double pixels, bool bold)
{
    double ems = 0;
    std::size_t at = 0;
    while (at < text.size())
        ems += advance(displaytext::codePointAt(text, at));
    return ems * pixels * (bold ? BoldFactor : 1.0) * Generosity;
}

std::string colour(Colour value)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                  (value >> 16) & 0xFF);
    return text;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

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
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> wrapped(std::string_view text, double width, double pixels, bool bold)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view paragraph = text.substr(start, end - start);
        std::string line;
        while (!paragraph.empty()) {
            const std::size_t space = paragraph.find(' ');
            const std::string_view word = paragraph.substr(0, space);
            const std::string tried = line.empty() ? std::string(word) : line + " " + std::string(word);
            if (textWidth(tried, pixels, bold) <= width || line.empty()) {
                if (line.empty() && textWidth(tried, pixels, bold) > width) {
                    // A word wider than the line: as much of it as fits, then the rest.
                    std::size_t cut = 0;
                    displaytext::codePointAt(word, cut); // at least one character a line
                    std::size_t at = cut;
                    while (at < word.size()) {
                        std::size_t next = at;
                        displaytext::codePointAt(word, next);
                        if (textWidth(word.substr(0, next), pixels, bold) > width) break;
                        cut = next;
                        at = next;
                    }
                    lines.emplace_back(word.substr(0, cut));
                    paragraph.remove_prefix(cut);
                    continue;
                }
                line = tried;
            } else {
                lines.push_back(line);
                line.clear();
                continue;
            }
            paragraph.remove_prefix(space == std::string_view::npos ? paragraph.size() : space + 1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string fitted(std::string_view text, double width, double pixels, bool bold)
{
    if (textWidth(text, pixels, bold) <= width) return std::string(text);
    const std::string ellipsis = "\u2026";
    std::size_t keep = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t next = at;
        displaytext::codePointAt(text, next);
        if (textWidth(std::string(text.substr(0, next)) + ellipsis, pixels, bold) > width) break;
        keep = next;
        at = next;
    }
    return std::string(text.substr(0, keep)) + ellipsis;
}

Writer::Writer(double width, double height, std::string_view title)
    : width_(width), height_(height), title_(title)
{
}

void Writer::text(double x, double centreY, std::string_view text, const TextStyle& style)
{
    // The baseline, so that every reader puts the text where it was measured.
    const double baseline = centreY - lineHeight(style.pixels) / 2 + baselineBelowTop(style.pixels);
    body_ += "<text";
    if (!style.cssClass.empty()) body_ += " class=\"" + std::string(style.cssClass) + "\"";
    body_ += " x=\"" + number(x) + "\" y=\"" + number(baseline) + "\" font-size=\"" + number(style.pixels) +
             "\" fill=\"" + colour(style.fill) + "\"";
    if (style.anchor != Anchor::Start)
        body_ += std::string(" text-anchor=\"") + anchorName(style.anchor) + "\"";
    if (style.bold) body_ += " font-weight=\"bold\"";
    body_ += ">" + escaped(text) + "</text>\n";
}

void Writer::rect(double x, double y, double width, double height, Colour fill, double opacity)
{
    body_ += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
             "\" height=\"" + number(height) + "\" fill=\"" + colour(fill) + "\"";
    if (opacity < 1) body_ += " fill-opacity=\"" + std::to_string(opacity).substr(0, 5) + "\"";
    body_ += "/>\n";
}

void Writer::rect(double x, double y, double width, double height, const Stroke& outline)
{
    body_ += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
             "\" height=\"" + number(height) + "\" fill=\"none\"" + strokeText(outline) + "/>\n";
}

void Writer::line(double x1, double y1, double x2, double y2, const Stroke& stroke)
{
    body_ += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) + "\" y2=\"" +
             number(y2) + "\"" + strokeText(stroke) + "/>\n";
}

void Writer::polyline(const std::vector<double>& xy, const Stroke& stroke, std::string_view cssClass)
{
    if (xy.size() < 4) return;
    body_ += "<polyline";
    if (!cssClass.empty()) body_ += " class=\"" + std::string(cssClass) + "\"";
    body_ += " points=\"" + pointsText(xy) + "\" fill=\"none\"" + strokeText(stroke) +
             " stroke-linejoin=\"round\"/>\n";
}

void Writer::polygon(const std::vector<double>& xy, Colour fill, const Stroke& outline)
{
    body_ += "<polygon points=\"" + pointsText(xy) + "\" fill=\"" + colour(fill) + "\"" +
             strokeText(outline) + "/>\n";
}

void Writer::circle(double x, double y, double radius, Colour fill, const Stroke& outline)
{
    body_ += "<circle cx=\"" + number(x) + "\" cy=\"" + number(y) + "\" r=\"" + number(radius) +
             "\" fill=\"" + colour(fill) + "\"" + strokeText(outline) + "/>\n";
}

void Writer::beginGroup(double x, double y, double scale, std::string_view cssClass)
{
    body_ += "<g";
    if (!cssClass.empty()) body_ += " class=\"" + std::string(cssClass) + "\"";
    body_ += " transform=\"translate(" + number(x) + " " + number(y) + ")";
    if (scale != 1) body_ += " scale(" + std::to_string(scale) + ")";
    body_ += "\">\n";
}

void Writer::endGroup() { body_ += "</g>\n"; }

std::string Writer::finish() const
{
    std::string out =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" +
        number(width_) + "\" height=\"" + number(height_) + "\" viewBox=\"0 0 " + number(width_) + " " +
        number(height_) + "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\">\n<title>" +
        escaped(title_) + "</title>\n";
    out += "<rect width=\"" + number(width_) + "\" height=\"" + number(height_) + "\" fill=\"#ffffff\"/>\n";
    out += body_;
    out += "</svg>\n";
    return out;
}

} // namespace svg

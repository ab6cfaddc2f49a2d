// The few SVG elements every picture of the program is drawn with, and the
// width a text will take, so that pictures can be laid out without a toolkit.
//
// Every picture (chart, diagram, window, table, handout page) is one SVG
// document written here; the desktop and the exporter turn it into PNG or
// PDF with Qt's SVG renderer, the page into PNG with the browser's. So the
// documents keep to what the simplest of those readers draws (SVG Tiny):
// no clipping paths, no nested documents, no dominant-baseline, no
// paint-order. Texts are placed by their baseline, and a text that must
// stand out over lines gets a white box behind it instead of a halo.
//
// Every text goes through exporttext::xmlSafe and is escaped, so a stranger's
// title can neither break the document nor add markup to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/colours.h"

namespace svg {

// The width `text` takes at `pixels` (the font size), in the sans-serif
// faces the program asks for (Liberation Sans, Arial, Helvetica metrics),
// a little generous so a text never runs past the room measured for it.
double textWidth(std::string_view text, double pixels, bool bold = false);
// The height of one line of text at `pixels`.
inline double lineHeight(double pixels) { return 1.2 * pixels; }
// Where a line's baseline sits below the top of its line box.
inline double baselineBelowTop(double pixels) { return 0.95 * pixels; }

// "#rrggbb" of a model colour (0x00BBGGRR).
std::string colour(Colour colour);
// A number as a coordinate: one decimal, no exponent.
std::string number(double value);
// Text made safe for XML and escaped for an element's content or an attribute.
std::string escaped(std::string_view text);

// `text` broken into lines no wider than `width` at `pixels`, at spaces
// (a word longer than the line is broken where it must be); newlines kept.
std::vector<std::string> wrapped(std::string_view text, double width, double pixels, bool bold = false);
// `text` cut to fit `width`, with "…" where it was cut.
std::string fitted(std::string_view text, double width, double pixels, bool bold = false);

enum class Anchor { Start, Middle, End };

struct TextStyle {
    double pixels = 12;
    Colour fill = 0x000000;
    Anchor anchor = Anchor::Start;
    bool bold = false;
    std::string_view cssClass = {};
};

struct Stroke {
    Colour colour = 0x000000;
    double width = 1;
    std::vector<double> dashes = {}; // empty: solid
};

// An SVG document under construction, of a fixed size in pixels.
class Writer {
public:
    Writer(double width, double height, std::string_view title);

    double width() const { return width_; }
    double height() const { return height_; }

    // One line of text whose box's vertical centre is at y.
    void text(double x, double centreY, std::string_view text, const TextStyle& style);
    void rect(double x, double y, double width, double height, Colour fill, double opacity = 1);
    void rect(double x, double y, double width, double height, const Stroke& outline);
    void line(double x1, double y1, double x2, double y2, const Stroke& stroke);
    void polyline(const std::vector<double>& xy, const Stroke& stroke, std::string_view cssClass = {});
    void polygon(const std::vector<double>& xy, Colour fill, const Stroke& outline);
    void circle(double x, double y, double radius, Colour fill, const Stroke& outline);
    // A group drawn moved by (x, y) and scaled by `scale`.
    void beginGroup(double x, double y, double scale = 1, std::string_view cssClass = {});
    void endGroup();
    // A comment-free raw fragment written by another writer of this kind.
    void raw(std::string_view fragment) { body_ += fragment; }

    std::string finish() const;

private:
    double width_;
    double height_;
    std::string title_;
    std::string body_;
};

} // namespace svg

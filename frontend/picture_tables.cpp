// The table of figures and the time-sequence diagrams as pictures.
#include <algorithm>

#include "frontend/chart_looks.h"
#include "frontend/ladder_placement.h"
#include "frontend/picture_parts.h"

namespace pictures {
namespace {

constexpr Colour Ink = 0x000000;
constexpr Colour Rule = 0xC8C8C8;
constexpr Colour HeaderShade = 0xF0F0F0;

} // namespace

void drawFiguresTable(svg::Writer& out, const Rect& area, const std::vector<std::string>& labels,
                      const std::vector<RunFigures>& figures, bool coloured, double pixels)
{
    const std::size_t columns = figures.size();
    if (columns == 0) return;
    // As large as the area allows, never larger than the picture's text.
    double titleWidth = 0;
    for (const char* title : figures::RowTitles)
        titleWidth = std::max(titleWidth, svg::textWidth(title, 1));
    double columnWidth = 0;
    for (std::size_t c = 0; c < columns; ++c) {
        columnWidth = std::max(columnWidth, svg::textWidth(c < labels.size() ? labels[c] : "", 1, true));
        for (std::size_t row = 0; row < figures::RowTitles.size(); ++row)
            columnWidth = std::max(columnWidth, svg::textWidth(figures::cell(figures[c], row), 1));
    }
    const double rows = figures::RowTitles.size() + 1;
    const double widthAtOne = titleWidth + columns * columnWidth + (columns + 1) * 1.5;
    const double size = std::min({pixels, area.width / widthAtOne, area.height / (rows * 1.6)});
    const double rowHeight = 1.6 * size;
    const double first = titleWidth * size + 1.5 * size;
    const double each = columnWidth * size + 1.5 * size;
    const double width = first + columns * each;

    out.rect(area.x, area.y, width, rowHeight, HeaderShade);
    for (std::size_t c = 0; c < columns; ++c) {
        const Colour colour =
            coloured ? chart_looks::ConfigurationColours[c % chart_looks::ConfigurationColours.size()] : Ink;
        out.text(area.x + first + (c + 1) * each - size * 0.75, area.y + rowHeight / 2,
                 c < labels.size() ? labels[c] : std::string(),
                 {size, colour, svg::Anchor::End, true, "tableHeader"});
    }
    for (std::size_t row = 0; row < figures::RowTitles.size(); ++row) {
        const double y = area.y + (row + 1) * rowHeight;
        out.line(area.x, y, area.x + width, y, {Rule, 1});
        out.text(area.x + size * 0.5, y + rowHeight / 2, figures::RowTitles[row],
                 {size, Ink, svg::Anchor::Start});
        for (std::size_t c = 0; c < columns; ++c)
            out.text(area.x + first + (c + 1) * each - size * 0.75, y + rowHeight / 2,
                     figures::cell(figures[c], row), {size, Ink, svg::Anchor::End, false, "tableCell"});
    }
    out.rect(area.x, area.y, width, rows * rowHeight, svg::Stroke{Rule, 1});
}

void drawDiagrams(svg::Writer& out, const Rect& area, const std::vector<ladder::Description>& diagrams,
                  const std::vector<std::string>& labels, const ladder::Palette& palette, bool stateMarks,
                  double pixels)
{
    const std::size_t count = diagrams.size();
    if (count == 0) return;
    const double gap = count > 1 ? pixels : 0;
    const double labelHeight = count > 1 ? svg::lineHeight(pixels) * 1.3 : 0;
    const double each = (area.width - (count - 1) * gap) / count;
    ladder::Layout layout;
    layout.scale = pixels * 0.75 / layout.fontSize;
    layout.width = each / layout.scale;
    const std::int32_t span = std::max(1, diagrams.front().to - diagrams.front().from);
    const double room = (area.height - labelHeight) / layout.scale;
    // Ticks fill the height left once the axes' names and the keys have theirs.
    layout.pixelsPerTick = std::max(0.05, (room - layout.header - 16) / span);
    std::vector<ladder::Placement> placements;
    for (int attempt = 0; attempt < 3; ++attempt) {
        placements.clear();
        double tallest = 0;
        for (const ladder::Description& d : diagrams) {
            placements.push_back(ladder::place(d, layout, palette, stateMarks));
            tallest = std::max(tallest, placements.back().height);
        }
        if (tallest <= area.height - labelHeight + 0.5) break;
        const double keys =
            tallest / layout.scale - layout.height(diagrams.front().from, diagrams.front().to) / layout.scale;
        layout.pixelsPerTick = std::max(0.05, (room - layout.header - 16 - keys) / span);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const double x = area.x + i * (each + gap);
        if (count > 1)
            out.text(x + each / 2, area.y + labelHeight / 2, i < labels.size() ? labels[i] : std::string(),
                     {pixels, palette.text, svg::Anchor::Middle, true});
        out.beginGroup(x, area.y + labelHeight, 1, "configuration");
        ladder::drawInto(out, diagrams[i], layout, palette, placements[i]);
        out.endGroup();
    }
}

} // namespace pictures

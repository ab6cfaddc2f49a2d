// The diagram as SVG: one drawn line per trip, every label, a cross per loss,
// in the palette the View options pick.
#include <gtest/gtest.h>

#include "frontend/ladder_drawing.h"
#include "history/lessons.h"
#include "history/run_history.h"

namespace {

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST(LadderDrawing, TheSvgHasEveryLineLabelAndLossOfTheDescription)
{
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.open(form, *loadLesson("lost-ack").script);
    while (history.replaying())
        history.tick(form);
    const ladder::Description diagram = ladder::describe(history.ladder(), history.trace(), 0, 300);
    const std::string svg = ladder::toSvg(diagram, ladder::Layout{}, ladder::palette(false), false);

    EXPECT_EQ(occurrences(svg, "class=\"line\""), diagram.lines.size());
    std::size_t lost = 0;
    for (const ladder::Line& line : diagram.lines) {
        EXPECT_NE(svg.find(">" + line.label + "<"), std::string::npos)
            << line.label << " left " << line.left << " ended " << line.ended;
        lost += line.ending == ladder::Ending::Lost;
    }
    EXPECT_EQ(lost, 1u); // the ACK clicked away
    EXPECT_EQ(occurrences(svg, "class=\"lost\""), lost);
    EXPECT_NE(svg.find("ticks 0 to 300"), std::string::npos);

    // The safe palette draws resends and first sends in the cell states' safe colours.
    const ladder::Palette safe = ladder::palette(true);
    EXPECT_NE(safe.packet, ladder::palette(false).packet);
    const std::string safeSvg = ladder::toSvg(diagram, ladder::Layout{}, safe, true);
    EXPECT_NE(safeSvg.find(ladder::cssColour(safe.packet)), std::string::npos);
    EXPECT_NE(safeSvg.find(">F 0<"), std::string::npos); // the state mark of a first send
}

// A comparison draws each diagram whole, under its label, in one document
// that the simplest SVG readers draw too (no clipping paths, no nested documents).
TEST(LadderDrawing, AComparisonSetsTheDiagramsSideBySide)
{
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    history.open(form, *loadLesson("lost-ack").script);
    while (history.replaying())
        history.tick(form);
    const ladder::Description diagram = ladder::describe(history.ladder(), history.trace(), 0, 300);
    // A label may hold characters XML forbids (U+FFFE, U+FFFF, controls): they are left out.
    const std::string svg =
        ladder::comparisonSvg({diagram, diagram}, {"Go-back-N\xEF\xBF\xBE\xEF\xBF\xBF\x01", "<b>&"},
                              ladder::Layout{}, ladder::palette(false), false);
    EXPECT_EQ(occurrences(svg, "class=\"line\""), 2 * diagram.lines.size());
    EXPECT_EQ(occurrences(svg, "clipPath"), 0u);
    EXPECT_NE(svg.find(">Go-back-N<"), std::string::npos);
    EXPECT_NE(svg.find(">&lt;b&gt;&amp;<"), std::string::npos);
    EXPECT_EQ(occurrences(svg, "class=\"configuration\""), 2u);
    EXPECT_EQ(occurrences(svg, "<svg"), 1u);
    EXPECT_EQ(occurrences(svg, "</svg>"), 1u);
}

} // namespace

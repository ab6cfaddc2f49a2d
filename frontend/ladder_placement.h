// Where every text of the time-sequence diagram goes, worked out once for
// the window, the page and every exported picture, so that no text is lost
// and no two overlap.
//
// The texts beside the axes (window notes, timeouts, fast-retransmit
// entries, state changes, drops at the receiver) are placed in tick order,
// each as near its tick as the texts already placed allow: at its tick,
// else moved a little up or down with a thin leader line back to its mark,
// else (a mark's text only) on two lines. Where none of that finds room,
// the mark gets a small symbol instead, and the key under the diagram
// says what the symbol stands for. A line's label slides along its line
// to the first place where it covers no other text; a line in so dense a
// bundle that its label finds no such place goes without one (the test
// over random runs counts them).
//
//   tick | notes |      marks  |S                    R|  drops
//    120 |   3-6 |     timeout |\_____                |
//        |  3-10 +-- SlowStart |      "4"  \_____     |
//        |       |           ▲ |                 \___ |            ▲: see the key
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frontend/chart_looks.h"
#include "frontend/ladder_drawing.h"

namespace ladder {

enum class TextRole : std::uint8_t {
    AxisName,
    TickNumber,
    WindowNote,
    SenderMark,
    ReceiverMark,
    LineLabel,
    Key
};

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool overlaps(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

struct PlacedText {
    TextRole role = TextRole::LineLabel;
    std::int32_t source = -1; // its mark, window note or line in the description; -1 for the others
    std::string text;         // a mark's text may take two lines, split at '\n'
    Box box;                  // drawing pixels; the text fills it, aligned as `alignRight` says
    bool alignRight = false;
    bool centred = false; // line labels and axis names
    bool bold = false;
    bool backed = false; // drawn on a white box: it sits over lines
    Colour colour = 0;
    // A thin line from the text to the mark it names, where the text was moved.
    bool leader = false;
    double leaderX1 = 0, leaderY1 = 0, leaderX2 = 0, leaderY2 = 0;
};

// A mark without room for its text, or a lost trip's cross.
struct PlacedSymbol {
    TextRole role = TextRole::SenderMark; // SenderMark, ReceiverMark, WindowNote; LineLabel for a cross
    std::int32_t source = -1;
    chart_looks::MarkerShape shape = chart_looks::MarkerShape::Triangle;
    double x = 0, y = 0, size = 0;
    Colour colour = 0;
    bool cross = false; // a lost trip's "✕", drawn as two strokes
};

struct KeyEntry {
    chart_looks::MarkerShape shape;
    Colour colour;
    std::string text;
};

struct Placement {
    std::vector<PlacedText> texts;
    std::vector<PlacedSymbol> symbols;
    std::vector<KeyEntry> key; // one per kind of symbol used, under the diagram
    double keyTop = 0;         // where the key begins
    double height = 0;         // of the whole drawing, the key included

    // What became of the marks and window notes, and of the line labels.
    int placedAtTick = 0;
    int moved = 0;
    int symbolised = 0;
    int unlabelledLines = 0;    // drawn whole, in so dense a bundle that no place along it was free
    int unlabelledCutLines = 0; // cut by the range's edges, too little of it shown for its label
};

// The texts of the description, drawn by `layout`; the state marks before
// line labels when `stateMarks`.
Placement place(const Description& description, const Layout& layout, const Palette& palette,
                bool stateMarks);

// The symbol and the words of the key for a mark's kind, and for window notes.
chart_looks::MarkerShape symbolOf(MarkKind kind);
inline constexpr chart_looks::MarkerShape WindowNoteSymbol = chart_looks::MarkerShape::Diamond;
std::string keyText(MarkKind kind);
inline constexpr const char* WindowNoteKeyText = "the transmit window changed (its packets are in the chart)";

} // namespace ladder

#include "frontend/ladder_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "frontend/svg_writer.h"

namespace ladder {
namespace {

// The boxes placed so far, found by their top edge: a new box need only be
// checked against those whose tops lie within the tallest box's height.
class Occupied {
public:
    bool free(const Box& box) const
    {
        for (auto at = byTop_.lower_bound(box.top - tallest_); at != byTop_.end() && at->first < box.bottom;
             ++at)
            if (at->second.overlaps(box)) return false;
        return true;
    }
    void add(const Box& box)
    {
        byTop_.emplace(box.top, box);
        tallest_ = std::max(tallest_, box.bottom - box.top);
    }

private:
    std::multimap<double, Box> byTop_;
    double tallest_ = 0;
};

// A text moves at most this many lines from its tick before its mark gets a symbol instead.
constexpr double MostLinesMoved = 3;
// Where a line's label may sit along it, 0 at the sender's axis, 1 at the receiver's.
constexpr double PacketLabelAcross = 0.22;
constexpr double AckLabelAcross = 0.78;
constexpr double LabelStep = 0.04;
constexpr double NearestAxis = 0.06;

// The tick at which a line's course is `across` of the way over, if it gets there.
std::optional<double> tickAcross(const Description& d, const Line& line, double across)
{
    for (const Point* p = d.begin(line); p + 1 < d.end(line); ++p) {
        const Point& a = p[0];
        const Point& b = p[1];
        if (a.across == b.across || (across - a.across) * (across - b.across) > 0) continue;
        return a.tick + (across - a.across) / (b.across - a.across) * (b.tick - a.tick);
    }
    return std::nullopt;
}

// "timeout → TimedOut" on two lines: "timeout" and "→ TimedOut".
std::string twoLines(const std::string& text)
{
    const std::string arrow = " \u2192 ";
    const std::size_t at = text.find(arrow);
    if (at == std::string::npos) return {};
    return text.substr(0, at) + "\n" + text.substr(at + 1);
}

double widest(const std::string& text, double pixels)
{
    double width = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        width = std::max(width, svg::textWidth(std::string_view(text).substr(start, end - start), pixels));
        start = end + 1;
    }
    return width;
}

PlacedText made(TextRole role, std::int32_t source, std::string words = {}, Box box = {})
{
    PlacedText text;
    text.role = role;
    text.source = source;
    text.text = std::move(words);
    text.box = box;
    return text;
}

class Placer {
public:
    Placer(const Description& d, const Layout& layout, const Palette& palette, bool stateMarks)
        : d_(d), layout_(layout), palette_(palette), stateMarks_(stateMarks), s_(layout.scale),
          font_(layout.fontSize * layout.scale), line_(svg::lineHeight(font_)),
          top_(layout.y(d.from, d.from)), bottom_(layout.y(d.to, d.from)),
          lowest_(layout.height(d.from, d.to))
    {
    }

    Placement run()
    {
        placeFixed();
        placeMarksAndNotes();
        placeLineLabels();
        placeKey();
        return std::move(p_);
    }

private:
    void add(PlacedText text)
    {
        used_.add(text.box);
        p_.texts.push_back(std::move(text));
    }

    void placeFixed()
    {
        for (const auto& [x, name] :
             {std::pair{layout_.senderX(), "Sender"}, std::pair{layout_.receiverX(), "Receiver"}}) {
            const double w = svg::textWidth(name, font_, true);
            PlacedText text =
                made(TextRole::AxisName, -1, name,
                     {x - w / 2, top_ - 12 * s_ - line_ / 2, x + w / 2, top_ - 12 * s_ + line_ / 2});
            text.centred = true;
            text.bold = true;
            text.colour = palette_.text;
            add(std::move(text));
        }
        const std::int32_t step = tickNumberStep(layout_);
        for (std::int32_t tick = (d_.from + step - 1) / step * step; tick <= d_.to; tick += step) {
            const std::string number = std::to_string(tick);
            const double y = layout_.y(tick, d_.from);
            const double right = layout_.tickNumbersRight();
            PlacedText text =
                made(TextRole::TickNumber, -1, number,
                     {right - svg::textWidth(number, font_), y - line_ / 2, right, y + line_ / 2});
            text.alignRight = true;
            text.colour = palette_.axis;
            if (used_.free(text.box)) add(std::move(text));
        }
        // A lost trip's cross: no text may cover it.
        for (std::size_t i = 0; i < d_.lines.size(); ++i) {
            const Line& line = d_.lines[i];
            if (line.ending != Ending::Lost) continue;
            const Point& end = d_.end(line)[-1];
            if (end.tick < d_.from || end.tick > d_.to) continue;
            PlacedSymbol cross{TextRole::LineLabel,
                               static_cast<std::int32_t>(i),
                               chart_looks::MarkerShape::Square,
                               layout_.x(end.across),
                               layout_.y(end.tick, d_.from),
                               10 * s_,
                               palette_.lost,
                               true};
            used_.add({cross.x - cross.size / 2, cross.y - cross.size / 2, cross.x + cross.size / 2,
                       cross.y + cross.size / 2});
            p_.symbols.push_back(cross);
        }
    }

    // The shifts a text may take from its tick, nearest first, down before up.
    std::vector<double> shifts() const
    {
        std::vector<double> all{0};
        const int steps = static_cast<int>(MostLinesMoved * 2);
        for (int k = 1; k <= steps; ++k) {
            all.push_back(k * line_ / 2);
            all.push_back(-k * line_ / 2);
        }
        return all;
    }

    bool inside(const Box& box) const { return box.top >= 0 && box.bottom <= lowest_ && box.left >= 0; }

    // Places a text by a mark or note at `anchorY`: `edge` is its right edge
    // (or its left edge when `fromLeft`), `leaderTo` the point its leader
    // line reaches. False when no place was free.
    bool placeBeside(PlacedText text, const std::vector<std::string>& forms, double edge, bool fromLeft,
                     double anchorY, double leaderToX)
    {
        for (const double shift : shifts()) {
            for (const std::string& form : forms) {
                const int lines = 1 + static_cast<int>(std::count(form.begin(), form.end(), '\n'));
                const double w = widest(form, font_);
                const double h = lines * line_;
                const double centre = anchorY + shift;
                const Box box = fromLeft ? Box{edge, centre - h / 2, edge + w, centre + h / 2}
                                         : Box{edge - w, centre - h / 2, edge, centre + h / 2};
                if (!inside(box) || box.right > layout_.width * s_ || !used_.free(box)) continue;
                text.text = form;
                text.box = box;
                text.alignRight = !fromLeft;
                if (shift != 0) {
                    text.leader = true;
                    text.leaderX1 = fromLeft ? box.left - 1 * s_ : box.right + 1 * s_;
                    text.leaderY1 = centre;
                    text.leaderX2 = leaderToX;
                    text.leaderY2 = anchorY;
                    ++p_.moved;
                } else {
                    ++p_.placedAtTick;
                }
                add(std::move(text));
                return true;
            }
        }
        return false;
    }

    void symbolise(TextRole role, std::int32_t source, chart_looks::MarkerShape shape, double x, double y,
                   double size, Colour colour, const std::string& keyText)
    {
        p_.symbols.push_back({role, source, shape, x, y, size, colour, false});
        used_.add({x - size / 2, y - size / 2, x + size / 2, y + size / 2});
        ++p_.symbolised;
        const bool known = std::any_of(p_.key.begin(), p_.key.end(),
                                       [&](const KeyEntry& entry) { return entry.text == keyText; });
        if (!known) p_.key.push_back({shape, colour, keyText});
    }

    void placeMark(std::size_t index)
    {
        const Mark& mark = d_.marks[index];
        const double y = layout_.y(mark.tick, d_.from);
        const Colour colour = markColour(palette_, mark.kind);
        PlacedText text = made(mark.atReceiver ? TextRole::ReceiverMark : TextRole::SenderMark,
                               static_cast<std::int32_t>(index));
        text.colour = colour;
        std::vector<std::string> forms{mark.text};
        if (std::string split = twoLines(mark.text); !split.empty()) forms.push_back(std::move(split));
        const double gap = 10 * s_;
        const double axis = mark.atReceiver ? layout_.receiverX() : layout_.senderX();
        const bool placed = mark.atReceiver ? placeBeside(text, forms, axis + gap, true, y, axis + 5 * s_)
                                            : placeBeside(text, forms, axis - gap, false, y, axis - 5 * s_);
        if (!placed)
            symbolise(text.role, text.source, symbolOf(mark.kind),
                      mark.atReceiver ? axis + 9 * s_ : axis - 9 * s_, y, 8 * s_, colour, keyText(mark.kind));
    }

    void placeNote(std::size_t index)
    {
        const WindowNote& note = d_.windows[index];
        const double y = layout_.y(note.tick, d_.from);
        PlacedText text = made(TextRole::WindowNote, static_cast<std::int32_t>(index));
        text.colour = palette_.window;
        const double right = layout_.windowNotesRight();
        const std::string words = std::to_string(note.first) + "-" + std::to_string(note.last);
        if (!placeBeside(text, {words}, right, false, y, right + 5 * s_))
            symbolise(TextRole::WindowNote, text.source, WindowNoteSymbol, right - 4 * s_, y, 7 * s_,
                      palette_.window, WindowNoteKeyText);
    }

    // Marks and notes together in tick order, so that each finds the room its neighbours left.
    void placeMarksAndNotes()
    {
        std::size_t m = 0;
        std::size_t w = 0;
        while (m < d_.marks.size() || w < d_.windows.size()) {
            const bool noteFirst =
                w < d_.windows.size() && (m == d_.marks.size() || d_.windows[w].tick <= d_.marks[m].tick);
            if (noteFirst)
                placeNote(w++);
            else
                placeMark(m++);
        }
    }

    void placeLineLabels()
    {
        const double left = layout_.senderX() + 3 * s_;
        const double right = layout_.receiverX() - 3 * s_;
        for (std::size_t i = 0; i < d_.lines.size(); ++i) {
            const Line& line = d_.lines[i];
            const bool ack = line.kind == LineKind::Ack || line.kind == LineKind::DuplicateAck;
            const double base = ack ? AckLabelAcross : PacketLabelAcross;
            const std::string words = labelText(line, stateMarks_);
            const double w = svg::textWidth(words, font_) + 4 * s_;
            const double lastTick = d_.end(line)[-1].tick;
            if (d_.begin(line)->tick > d_.to || lastTick < d_.from) continue;
            bool placed = false;
            // Along the line from its usual place, a step further each way in turn.
            for (int k = 0; !placed; ++k) {
                const double offset = (k + 1) / 2 * LabelStep * (k % 2 == 1 ? 1 : -1);
                if (std::abs(offset) > 1) break;
                const double across = base + offset;
                if (across < NearestAxis || across > 1 - NearestAxis) continue;
                const std::optional<double> tick = tickAcross(d_, line, across);
                if (!tick) continue;
                const double x = layout_.x(across);
                const double y = layout_.y(*tick, d_.from);
                const Box box{x - w / 2, y - line_ / 2, x + w / 2, y + line_ / 2};
                if (box.left < left || box.right > right || box.top < top_ || box.bottom > bottom_ ||
                    !used_.free(box))
                    continue;
                PlacedText text = made(TextRole::LineLabel, static_cast<std::int32_t>(i), words, box);
                text.centred = true;
                text.backed = true;
                text.colour = colourOf(palette_, line.kind);
                add(std::move(text));
                placed = true;
            }
            // A trip lost soon after it left shows too little of itself: its label goes beside its cross.
            if (!placed && line.ending == Ending::Lost) placed = placeBesideCross(i, words, w, left, right);
            // A line cut short by the range's edges may show too little of itself for a label.
            const bool whole = line.left >= d_.from && line.ended >= 0 && line.ended <= d_.to;
            if (!placed) ++(whole ? p_.unlabelledLines : p_.unlabelledCutLines);
        }
    }

    bool placeBesideCross(std::size_t index, const std::string& words, double w, double left, double right)
    {
        const Point& end = d_.end(d_.lines[index])[-1];
        if (end.tick < d_.from || end.tick > d_.to) return false;
        const double x = layout_.x(end.across);
        const double y = layout_.y(end.tick, d_.from);
        const double away = 7 * s_ + w / 2;
        for (const double shift : {0.0, line_, -line_}) {
            for (const double centre : {x - away, x + away}) {
                const Box box{centre - w / 2, y + shift - line_ / 2, centre + w / 2, y + shift + line_ / 2};
                if (box.left < left || box.right > right || box.top < top_ || box.bottom > bottom_ ||
                    !used_.free(box))
                    continue;
                PlacedText text = made(TextRole::LineLabel, static_cast<std::int32_t>(index), words, box);
                text.centred = true;
                text.backed = true;
                text.colour = colourOf(palette_, d_.lines[index].kind);
                add(std::move(text));
                return true;
            }
        }
        return false;
    }

    // Under the diagram, one entry per kind of symbol used: its shape and what it stands for.
    void placeKey()
    {
        p_.height = lowest_;
        if (p_.key.empty()) return;
        const double rowHeight = line_ + 4 * s_;
        double x = 8 * s_;
        double y = lowest_ + 4 * s_ + rowHeight / 2;
        p_.keyTop = lowest_;
        const std::string heading = "Symbols for marks without room for their text:";
        const auto write = [&](std::string words, bool bold) {
            const double w = svg::textWidth(words, font_, bold);
            if (x > 8 * s_ && x + w > layout_.width * s_ - 4 * s_) {
                x = 8 * s_;
                y += rowHeight;
            }
            PlacedText text =
                made(TextRole::Key, -1, std::move(words), {x, y - line_ / 2, x + w, y + line_ / 2});
            text.bold = bold;
            text.colour = palette_.text;
            x += w + 12 * s_;
            p_.texts.push_back(std::move(text));
        };
        write(heading, true);
        for (const KeyEntry& entry : p_.key) {
            const double symbol = 9 * s_;
            if (x > 8 * s_ && x + symbol + svg::textWidth(entry.text, font_) > layout_.width * s_ - 4 * s_) {
                x = 8 * s_;
                y += rowHeight;
            }
            p_.symbols.push_back(
                {TextRole::Key, -1, entry.shape, x + symbol / 2, y, 8 * s_, entry.colour, false});
            x += symbol + 4 * s_;
            write(entry.text, false);
        }
        p_.height = y + rowHeight / 2 + 4 * s_;
    }

    const Description& d_;
    const Layout& layout_;
    const Palette& palette_;
    bool stateMarks_;
    double s_;
    double font_;
    double line_;
    double top_;
    double bottom_;
    double lowest_;
    Occupied used_;
    Placement p_;
};

} // namespace

chart_looks::MarkerShape symbolOf(MarkKind kind)
{
    using chart_looks::MarkerShape;
    switch (kind) {
    case MarkKind::Timeout:
        return MarkerShape::Triangle;
    case MarkKind::FastRetransmit:
        return MarkerShape::Star;
    case MarkKind::StateChange:
        return MarkerShape::Circle;
    case MarkKind::Drop:
        return MarkerShape::Pentagon;
    }
    return MarkerShape::Circle;
}

std::string keyText(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Timeout:
        return "timeout";
    case MarkKind::FastRetransmit:
        return "fast retransmit";
    case MarkKind::StateChange:
        return "the sender's state changed (its name is in the log)";
    case MarkKind::Drop:
        return "a packet dropped by the receiver";
    }
    return {};
}

Placement place(const Description& description, const Layout& layout, const Palette& palette, bool stateMarks)
{
    return Placer(description, layout, palette, stateMarks).run();
}

} // namespace ladder

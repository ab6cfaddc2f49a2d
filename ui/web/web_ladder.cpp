// The time-sequence diagram in the page: the description worked out by the
// history library and drawn by the same SVG writer the exporter uses, so the
// page, the window and a slide show the same picture.
#include <algorithm>
#include <cmath>

#include "frontend/ladder_drawing.h"
#include "ui/web/json_text.h"
#include "ui/web/web_ladder.h"
#include "ui/web/web_session.h"

namespace web {
namespace {

// Narrower than this, the labels of a line would run over its axes.
constexpr double NarrowestDrawing = 360;

ladder::Layout layoutFor(double width)
{
    ladder::Layout layout;
    layout.width = std::max(NarrowestDrawing, std::isfinite(width) ? width : 0.0);
    return layout;
}

const char* kindName(ladder::LineKind kind)
{
    switch (kind) {
    case ladder::LineKind::Packet:
        return "packet";
    case ladder::LineKind::Resend:
        return "resend";
    case ladder::LineKind::Ack:
        return "ack";
    case ladder::LineKind::DuplicateAck:
        return "duplicateAck";
    }
    return "packet";
}

const char* endingName(ladder::Ending ending)
{
    switch (ending) {
    case ladder::Ending::InFlight:
        return "inFlight";
    case ladder::Ending::Arrived:
        return "arrived";
    case ladder::Ending::Lost:
        return "lost";
    }
    return "inFlight";
}

const char* markName(ladder::MarkKind kind)
{
    switch (kind) {
    case ladder::MarkKind::Timeout:
        return "timeout";
    case ladder::MarkKind::FastRetransmit:
        return "fastRetransmit";
    case ladder::MarkKind::StateChange:
        return "stateChange";
    case ladder::MarkKind::Drop:
        return "drop";
    }
    return "timeout";
}

} // namespace

const ladder::Description& describeLadder(const RunHistory& history, ladder::Description& into, int from,
                                          int to)
{
    const RunTrace& trace = history.trace();
    from = std::clamp(from, trace.firstTick(), trace.ticks());
    to = to < 0 ? trace.ticks() : std::clamp(to, from, trace.ticks());
    ladder::describeInto(into, history.ladder(), trace, from, to);
    return into;
}

std::string ladderViewJson(const RunHistory& history, double width)
{
    const ladder::Layout layout = layoutFor(width);
    const RunTrace& trace = history.trace();
    JsonText json;
    json.beginObject()
        .key("first")
        .value(trace.firstTick())
        .key("last")
        .value(trace.ticks())
        .key("height")
        .value(layout.height(trace.firstTick(), trace.ticks()))
        .key("header")
        .value(layout.y(0, 0))
        .key("tickPixels")
        .value(layout.pixelsPerTick * layout.scale)
        .endObject();
    return json.take();
}

std::string ladderSvg(const RunHistory& history, ladder::Description& into, int from, int to, double width,
                      bool safeColours, bool stateMarks)
{
    return ladder::toSvg(describeLadder(history, into, from, to), layoutFor(width),
                         ladder::palette(safeColours), stateMarks);
}

int ladderPick(const RunHistory& history, ladder::Description& into, int from, int to, double width, double x,
               double y)
{
    const ladder::Description& shown = describeLadder(history, into, from, to);
    const ladder::Layout layout = layoutFor(width);
    const double exact = layout.tickAt(y, shown.from);
    // A click on a line picks the tick it left, whose log lines tell of its sending.
    const int line = shown.lineAt(exact, layout.acrossAt(x), layout.pickTolerance());
    if (line >= 0) return shown.lines[static_cast<std::size_t>(line)].left;
    const RunTrace& trace = history.trace();
    return std::clamp(static_cast<int>(std::lround(exact)), trace.firstTick(), trace.ticks());
}

const ladder::Description& WebSession::describeLadder(int from, int to)
{
    return web::describeLadder(*history_, ladder_, from, to);
}

std::string WebSession::ladderViewJson(double width) const { return web::ladderViewJson(*history_, width); }

std::string WebSession::ladderSvg(int from, int to, double width, bool safeColours, bool stateMarks)
{
    return web::ladderSvg(*history_, ladder_, from, to, width, safeColours, stateMarks);
}

int WebSession::ladderPick(int from, int to, double width, double x, double y)
{
    return web::ladderPick(*history_, ladder_, from, to, width, x, y);
}

std::string WebSession::ladderJson(int from, int to)
{
    const ladder::Description& d = describeLadder(from, to);
    JsonText json;
    json.beginObject().key("from").value(d.from).key("to").value(d.to).key("lines").beginArray();
    for (const ladder::Line& line : d.lines) {
        json.beginObject()
            .key("kind")
            .value(kindName(line.kind))
            .key("ending")
            .value(endingName(line.ending))
            .key("dropped")
            .value(line.dropped)
            .key("left")
            .value(line.left)
            .key("ended")
            .value(line.ended)
            .key("label")
            .value(line.label)
            .key("points")
            .beginArray();
        for (const ladder::Point* p = d.begin(line); p != d.end(line); ++p)
            json.beginArray().value(p->tick).value(p->across).endArray();
        json.endArray().endObject();
    }
    json.endArray().key("marks").beginArray();
    for (const ladder::Mark& mark : d.marks)
        json.beginObject()
            .key("tick")
            .value(mark.tick)
            .key("kind")
            .value(markName(mark.kind))
            .key("atReceiver")
            .value(mark.atReceiver)
            .key("text")
            .value(mark.text)
            .endObject();
    json.endArray().key("windows").beginArray();
    for (const ladder::WindowNote& note : d.windows)
        json.beginObject()
            .key("tick")
            .value(note.tick)
            .key("first")
            .value(static_cast<int>(note.first))
            .key("last")
            .value(static_cast<int>(note.last))
            .endObject();
    json.endArray().endObject();
    return json.take();
}

} // namespace web

#include "frontend/cell_states.h"
#include "frontend/chart_looks.h"
#include "frontend/view_texts.h"
#include "frontend/window_layout.h"
#include "ui/web/json_text.h"
#include "ui/web/page_layout.h"

namespace web {

namespace {

const char* dashName(chart_looks::Dash dash)
{
    switch (dash) {
    case chart_looks::Dash::Dashed:
        return "dashed";
    case chart_looks::Dash::Dotted:
        return "dotted";
    case chart_looks::Dash::Solid:
        break;
    }
    return "solid";
}

const char* shapeName(chart_looks::MarkerShape shape)
{
    using chart_looks::MarkerShape;
    switch (shape) {
    case MarkerShape::Triangle:
        return "triangle";
    case MarkerShape::Star:
        return "star";
    case MarkerShape::Square:
        return "square";
    case MarkerShape::Diamond:
        return "diamond";
    case MarkerShape::Pentagon:
        return "pentagon";
    case MarkerShape::Circle:
        break;
    }
    return "circle";
}

const char* placeName(chart_looks::MarkerPlace place)
{
    switch (place) {
    case chart_looks::MarkerPlace::Peak:
        return "peak";
    case chart_looks::MarkerPlace::Bottom:
        return "bottom";
    case chart_looks::MarkerPlace::Window:
        break;
    }
    return "window";
}

void writeChart(JsonText& json)
{
    json.key("chart").beginObject().key("figures").beginArray();
    for (const chart_looks::FigureLook& figure : chart_looks::Figures) {
        json.beginObject().key("name").value(figure.name).key("colour").colour(figure.colour);
        json.key("width").value(figure.width).key("dash").value(dashName(figure.dash)).endObject();
    }
    json.endArray().key("markers").beginArray();
    for (const chart_looks::MarkerLook& look : chart_looks::MarkerKinds) {
        json.beginObject().key("bit").value(static_cast<int>(look.bit)).key("name").value(look.name);
        json.key("shape").value(shapeName(look.shape)).key("colour").colour(look.colour);
        json.key("size").value(look.size).key("place").value(placeName(look.place)).endObject();
    }
    json.endArray();
    json.key("avoidance").beginObject().key("name").value(chart_looks::AvoidanceName);
    json.key("colour")
        .colour(chart_looks::AvoidanceShade)
        .key("alpha")
        .value(chart_looks::AvoidanceShadeAlpha);
    json.endObject();
    json.key("cursor").colour(chart_looks::CursorColour);
    json.key("configurations").beginArray();
    for (const Colour colour : chart_looks::ConfigurationColours)
        json.colour(colour);
    json.endArray().key("configurationDashes").beginArray();
    for (const auto& dash : chart_looks::ConfigurationDashes) {
        json.beginArray();
        if (dash[0] != 0) json.value(dash[0]).value(dash[1]);
        json.endArray();
    }
    json.endArray().endObject();
}

} // namespace

std::string viewOptionsJson()
{
    JsonText json;
    json.beginObject().key("cellStates").beginArray();
    for (const cell_states::CellState& state : cell_states::States) {
        json.beginObject().key("strip").value(state.strip == cell_states::Strip::Sender ? "tx" : "rx");
        json.key("colour").colour(state.model).key("safe").colour(state.safe).key("mark").value(state.mark);
        json.key("words").value(state.words).key("legend").value(state.legend).endObject();
    }
    json.endArray();
    json.key("safeTimeoutBar").colour(cell_states::SafeTimeoutBar);
    json.key("cellMarkPixels").value(window_layout::CellMarkPixels);
    json.key("flightTextPixels").value(window_layout::FlightTextPixels);
    json.key("heldOutline").colour(window_layout::WindowText);
    json.key("focusRing").colour(window_layout::FocusRing);
    json.key("lostMark").colour(window_layout::LostMarkColour);
    json.key("lostHere").value(view_texts::LostHere);
    json.key("lostMarkMilliseconds").value(view_texts::LostMarkMilliseconds);
    json.key("flightRule").value(view_texts::FlightRule);
    json.key("flightAreaName").value(view_texts::FlightAreaName);
    json.key("flightAreaDescription").value(view_texts::FlightAreaDescription);
    json.key("legend")
        .beginObject()
        .key("senderHeading")
        .value(view_texts::LegendSenderHeading)
        .key("timeoutBar")
        .value(std::string(view_texts::LegendTimeoutBar) + " " + view_texts::timeoutScale())
        .key("receiverHeading")
        .value(view_texts::LegendReceiverHeading)
        .key("othersHeading")
        .value(view_texts::LegendOthersHeading)
        .key("frame")
        .value(view_texts::LegendFrame)
        .key("heldMarked")
        .value(view_texts::LegendHeldMarked)
        .key("heldUnmarked")
        .value(view_texts::LegendHeldUnmarked)
        .key("lost")
        .value(view_texts::LegendLost)
        .endObject();
    writeChart(json);
    return json.endObject().take();
}

} // namespace web

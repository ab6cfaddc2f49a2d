#include "ui/web/page_layout.h"

#include "ui/layout.h"
#include "ui/web/json_text.h"

namespace web {

namespace {

// Font sizes in logical pixels, as the desktop window sets them.
constexpr int PanelTextPixels = 18;
constexpr int CellTextPixels = 24;
constexpr int FlightTextPixels = 13;

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

enum class Align { Left, Right, Centre };

struct PanelControl {
    const char* name;
    const char* kind; // label, button, check, hslider, vslider
    Rect place;
    Align align = Align::Left;
};

// The panel in reading order, which is also the order Tab walks the
// controls that take the focus.
constexpr PanelControl PanelControls[] = {
    {"lblTxInfo", "label", {120, 60, 10215, 375}},
    {"lblState", "label", {10620, 60, 2055, 375}, Align::Right},
    {"lblRxInfo", "label", {120, 6000, 12495, 375}},
    {"cmdReset", "button", {480, 7020, 1215, 495}},
    {"cmdPause", "button", {1860, 7020, 1215, 495}},
    {"chkSlide", "check", {4140, 7020, 2415, 495}},
    {"lblTxWindow_2", "label", {480, 7620, 2355, 375}},
    {"lblTxWindow_3", "label", {2940, 7620, 375, 375}},
    {"lblTxWindow_4", "label", {480, 8040, 1995, 375}},
    {"lblDupACKs", "label", {2520, 8040, 255, 375}, Align::Right},
    {"lblTxWindow_5", "label", {480, 8460, 1395, 375}},
    {"lblSSThresh", "label", {1980, 8460, 855, 375}},
    {"lblTxWindow_0", "label", {3660, 7680, 2115, 375}},
    {"lblTxWindow_1", "label", {5760, 7680, 375, 375}, Align::Right},
    {"VScroll1", "vslider", {6240, 7620, 315, 495}},
    {"lblRxWindow_0", "label", {3660, 8220, 2115, 375}},
    {"lblRxWindow_1", "label", {5760, 8220, 375, 375}, Align::Right},
    {"VScroll2", "vslider", {6240, 8160, 315, 495}},
    {"lblTimeOut_0", "label", {7020, 7080, 2055, 315}},
    {"lblTimeOut_1", "label", {9000, 7080, 435, 315}},
    {"HScroll1", "hslider", {7020, 7440, 2415, 255}},
    {"chkAutoRTT", "check", {7440, 7740, 1695, 375}},
    {"lblSequences_0", "label", {6780, 8220, 2415, 375}},
    {"lblSequences_1", "label", {9180, 8220, 315, 375}, Align::Right},
    {"VScroll3", "vslider", {9600, 8160, 315, 495}},
    {"chkSlowStart", "check", {10200, 7080, 1815, 375}},
    {"chkAvoidance", "check", {10200, 7440, 2475, 375}},
    {"chkFastRetransmit", "check", {10200, 7800, 2475, 375}},
    {"chkSelective", "check", {10200, 8160, 2475, 375}},
    {"chkDelayedACK", "check", {10200, 8520, 2475, 375}},
};

// The two arrows between the flight lanes: packets travel down, ACKs up.
constexpr Rect ArrowLines[] = {
    {6120, 1200, 6120, 5160},
    {5940, 4980, 6120, 5160},
    {6240, 5160, 6240, 1200},
    {6240, 1200, 6420, 1380},
};

void writeRect(JsonText& json, const Rect& r)
{
    json.key("left").value(r.left).key("top").value(r.top).key("width").value(r.width).key("height").value(
        r.height);
}

const char* alignName(Align align)
{
    switch (align) {
    case Align::Right:
        return "right";
    case Align::Centre:
        return "center";
    case Align::Left:
        break;
    }
    return "left";
}

} // namespace

std::string pageLayoutJson()
{
    using namespace layout;
    JsonText json;
    json.beginObject();
    json.key("twipsPerPixel").value(TwipsPerPixel);
    json.key("clientWidth").value(ClientWidth).key("clientHeight").value(ClientHeight);
    json.key("fonts")
        .beginObject()
        .key("panel")
        .value(PanelTextPixels)
        .key("cell")
        .value(CellTextPixels)
        .key("flight")
        .value(FlightTextPixels)
        .endObject();
    // The desktop colours the window is drawn in, the usual Windows values.
    json.key("systemColours")
        .beginObject()
        .key("threeDLight")
        .value("#e3e3e3")
        .key("buttonFace")
        .value("#f0f0f0")
        .key("windowText")
        .value("#000000")
        .key("grayText")
        .value("#6d6d6d")
        .endObject();
    json.key("frameColour").colour(colours::WindowFrame);
    json.key("timeoutBarColour").colour(colours::TimeoutBar);

    json.key("strips").beginObject();
    json.key("cells").value(CellCount);
    json.key("cellLabelWidth").value(CellLabelWidth).key("cellLabelHeight").value(CellLabelHeight);
    json.key("boxLefts").beginArray();
    for (int i = 0; i < CellCount; ++i)
        json.value(cellBoxLeft(i));
    json.endArray();
    json.key("boxWidth").value(CellBoxWidth);
    json.key("txBox").beginObject().key("top").value(TxBoxTop).key("height").value(TxBoxHeight).endObject();
    json.key("rxBox").beginObject().key("top").value(RxBoxTop).key("height").value(RxBoxHeight).endObject();
    json.key("bar")
        .beginObject()
        .key("top")
        .value(TimeoutBarTop)
        .key("height")
        .value(TimeoutBarHeight)
        .endObject();
    json.key("txFrame")
        .beginObject()
        .key("top")
        .value(TxFrameTop)
        .key("height")
        .value(TxFrameHeight)
        .endObject();
    json.key("rxFrame")
        .beginObject()
        .key("top")
        .value(RxFrameTop)
        .key("height")
        .value(RxFrameHeight)
        .endObject();
    json.endObject();

    json.key("flights")
        .beginObject()
        .key("packetHeight")
        .value(PacketHeight)
        .key("firstPacketHeight")
        .value(FirstPacketHeight)
        .key("ackHeight")
        .value(AckHeight)
        .endObject();

    json.key("panel").beginArray();
    for (const PanelControl& control : PanelControls) {
        json.beginObject().key("name").value(control.name).key("kind").value(control.kind);
        writeRect(json, control.place);
        json.key("align").value(alignName(control.align)).endObject();
    }
    json.endArray();

    json.key("lines").beginArray();
    for (const Rect& line : ArrowLines) {
        json.beginObject().key("x1").value(line.left).key("y1").value(line.top).key("x2").value(line.width);
        json.key("y2").value(line.height).endObject();
    }
    json.endArray();
    json.endObject();
    return json.take();
}

} // namespace web

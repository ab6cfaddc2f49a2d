#include "ui/web/page_layout.h"

#include "frontend/window_layout.h"
#include "ui/web/json_text.h"

namespace web {

namespace {

using namespace window_layout;

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::StripCell:
        return "cell";
    case Kind::Label:
        return "label";
    case Kind::TimeoutBar:
        return "bar";
    case Kind::CellBox:
        return "box";
    case Kind::WindowFrame:
        return "frame";
    case Kind::PanelButton:
        return "button";
    case Kind::CheckBox:
        return "check";
    case Kind::VerticalSlider:
        return "vslider";
    case Kind::HorizontalSlider:
        return "hslider";
    case Kind::FlightButton:
        return "flight";
    }
    return "unknown";
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

// Array elements are named as the page's element ids: "lblTx_3".
std::string elementName(std::string_view base, int index)
{
    std::string name(base);
    if (index != NotAnArray) name += "_" + std::to_string(index);
    return name;
}

std::string elementName(const Control& control) { return elementName(control.name, control.index); }
std::string elementName(const LabelRef& label) { return elementName(label.name, label.index); }

} // namespace

std::string pageLayoutJson()
{
    JsonText json;
    json.beginObject();
    json.key("twipsPerPixel").value(geometry::TwipsPerPixel);
    json.key("clientWidth").value(geometry::ClientWidth).key("clientHeight").value(geometry::ClientHeight);
    std::string families;
    for (const std::string_view family : FontFamilies)
        families += "\"" + std::string(family) + "\", ";
    json.key("fontFamilies").value(families + "sans-serif");
    json.key("smallestFontPercent").value(SmallestFontPercent);
    json.key("colours")
        .beginObject()
        .key("window")
        .colour(WindowBackground)
        .key("label")
        .colour(LabelBackground)
        .key("panelButton")
        .colour(PanelButtonFace)
        .key("buttonText")
        .colour(ButtonText)
        .key("windowText")
        .colour(WindowText)
        .key("grayText")
        .colour(GrayText)
        .key("cellBox")
        .colour(CellBoxColour)
        .key("arrow")
        .colour(ArrowColour)
        .key("frame")
        .colour(colours::WindowFrame)
        .key("timeoutBar")
        .colour(colours::TimeoutBar)
        .endObject();
    json.key("borders")
        .beginObject()
        .key("box")
        .value(BoxBorderPixels)
        .key("frame")
        .value(FrameBorderPixels)
        .key("arrow")
        .value(ArrowLinePixels)
        .endObject();

    json.key("controls").beginArray();
    for (const Control& control : Controls) {
        json.beginObject().key("name").value(elementName(control)).key("kind").value(kindName(control.kind));
        json.key("left").value(control.place.left).key("top").value(control.place.top);
        json.key("width").value(control.place.width).key("height").value(control.place.height);
        json.key("font").value(control.fontPixels).key("bold").value(control.bold);
        json.key("align").value(alignName(control.align)).endObject();
    }
    json.endArray();

    json.key("tabOrder").beginArray();
    for (const std::string_view name : TabOrder)
        json.value(name);
    json.endArray();

    json.key("figures").beginArray();
    for (const Figure& figure : Figures) {
        json.beginObject()
            .key("title")
            .value(elementName(figure.title))
            .key("value")
            .value(elementName(figure.value));
        json.key("slider").value(figure.slider).endObject();
    }
    json.endArray();

    json.key("lines").beginArray();
    for (const TwipLine& line : ArrowLines) {
        json.beginObject().key("x1").value(line.x1).key("y1").value(line.y1).key("x2").value(line.x2);
        json.key("y2").value(line.y2).endObject();
    }
    json.endArray();
    json.endObject();
    return json.take();
}

} // namespace web

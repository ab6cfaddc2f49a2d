// The demonstration's window as a picture: every control of the layout
// table, in the state the model gives it, drawn as the desktop draws it
// (without the desktop's own look of buttons and sliders, which no picture
// needs to teach).
#include <algorithm>

#include "frontend/cell_states.h"
#include "frontend/picture_parts.h"
#include "frontend/window_layout.h"

namespace pictures {
namespace {

using window_layout::Control;
using window_layout::Kind;

constexpr double Twips = geometry::TwipsPerPixel;
constexpr Colour SliderTrough = 0xD8D8D8;
constexpr Colour SliderThumb = 0xA8A8A8;
constexpr Colour ButtonBorder = 0x8C8C8C;
constexpr Colour Paper = 0xFFFFFF;

double px(int twips) { return twips / Twips; }

const Label* labelOf(const Form1& form, const Control& control)
{
    const auto at = [&control](const auto& array) -> const Label* {
        return control.index >= 0 && control.index < static_cast<int>(array.size())
                   ? &array[static_cast<std::size_t>(control.index)]
                   : nullptr;
    };
    const std::string_view name = control.name;
    if (name == "lblTx") return at(form.lblTx);
    if (name == "lblRx") return at(form.lblRx);
    if (name == "lblTxInfo") return &form.lblTxInfo;
    if (name == "lblRxInfo") return &form.lblRxInfo;
    if (name == "lblState") return &form.lblState;
    if (name == "lblTxWindow") return at(form.lblTxWindow);
    if (name == "lblRxWindow") return at(form.lblRxWindow);
    if (name == "lblTimeOut") return at(form.lblTimeOut);
    if (name == "lblSequences") return at(form.lblSequences);
    if (name == "lblDupACKs") return &form.lblDupACKs;
    if (name == "lblSSThresh") return &form.lblSSThresh;
    return nullptr;
}

const CheckBox* checkOf(const Form1& form, std::string_view name)
{
    if (name == "chkSlide") return &form.chkSlide;
    if (name == "chkAutoRTT") return &form.chkAutoRTT;
    if (name == "chkSlowStart") return &form.chkSlowStart;
    if (name == "chkAvoidance") return &form.chkAvoidance;
    if (name == "chkFastRetransmit") return &form.chkFastRetransmit;
    if (name == "chkSelective") return &form.chkSelective;
    if (name == "chkDelayedACK") return &form.chkDelayedACK;
    return nullptr;
}

const ScrollBar* sliderOf(const Form1& form, std::string_view name)
{
    if (name == "HScroll1") return &form.HScroll1;
    if (name == "VScroll1") return &form.VScroll1;
    if (name == "VScroll2") return &form.VScroll2;
    if (name == "VScroll3") return &form.VScroll3;
    return nullptr;
}

svg::Anchor anchorOf(window_layout::Align align)
{
    return align == window_layout::Align::Left    ? svg::Anchor::Start
           : align == window_layout::Align::Right ? svg::Anchor::End
                                                  : svg::Anchor::Middle;
}

class WindowDrawing {
public:
    WindowDrawing(svg::Writer& out, const Form1& form, bool safeColours, bool stateMarks)
        : out_(out), form_(form), safe_(safeColours), marks_(stateMarks)
    {
    }

    void draw()
    {
        out_.rect(0, 0, px(geometry::ClientWidth), px(geometry::ClientHeight),
                  window_layout::WindowBackground);
        for (const Control& control : window_layout::Controls)
            if (control.kind != Kind::FlightButton) drawControl(control);
        for (const window_layout::TwipLine& line : window_layout::ArrowLines)
            out_.line(px(line.x1), px(line.y1), px(line.x2), px(line.y2),
                      {window_layout::ArrowColour, static_cast<double>(window_layout::ArrowLinePixels)});
        // The flights pass over everything.
        for (const Control& control : window_layout::Controls)
            if (control.kind == Kind::FlightButton) drawFlight(control);
    }

private:
    Colour cellColour(cell_states::Strip strip, Colour model) const
    {
        if (!safe_) return model;
        const cell_states::CellState* state = cell_states::find(strip, model);
        return state != nullptr ? state->safe : model;
    }

    void caption(const Control& control, double left, double top, double width, double height,
                 const std::string& text, Colour colour, bool bold = false)
    {
        const double x = control.align == window_layout::Align::Left    ? left + 2
                         : control.align == window_layout::Align::Right ? left + width - 2
                                                                        : left + width / 2;
        out_.text(x, top + height / 2, text,
                  {static_cast<double>(control.fontPixels), colour, anchorOf(control.align), bold});
    }

    void drawControl(const Control& control)
    {
        const window_layout::TwipRect& place = control.place;
        switch (control.kind) {
        case Kind::StripCell:
            drawCell(control);
            break;
        case Kind::Label:
            if (const Label* label = labelOf(form_, control); label != nullptr && label->Visible) {
                out_.rect(px(place.left), px(place.top), px(place.width), px(place.height),
                          window_layout::LabelBackground);
                caption(control, px(place.left), px(place.top), px(place.width), px(place.height),
                        label->Caption, label->ForeColor);
            }
            break;
        case Kind::TimeoutBar: {
            const auto& bar = form_.shpTimeOut[static_cast<std::size_t>(control.index)];
            if (bar.Width > 0)
                out_.rect(px(place.left), px(place.top), px(bar.Width), px(place.height),
                          safe_ ? cell_states::SafeTimeoutBar : colours::TimeoutBar);
            break;
        }
        case Kind::CellBox:
            out_.rect(px(place.left), px(place.top), px(place.width), px(place.height),
                      svg::Stroke{window_layout::CellBoxColour, window_layout::BoxBorderPixels});
            break;
        case Kind::WindowFrame: {
            const Frame& frame = control.name == "shpTxWindow" ? form_.shpTxWindow : form_.shpRxWindow;
            const double border = window_layout::FrameBorderPixels;
            if (frame.Visible)
                out_.rect(px(frame.Left) + border / 2, px(place.top) + border / 2, px(frame.Width) - border,
                          px(place.height) - border,
                          svg::Stroke{safe_ ? cellColour(cell_states::Strip::Sender, colours::TxQueuedAgain)
                                            : colours::WindowFrame,
                                      border});
            break;
        }
        case Kind::PanelButton: {
            const Button& button = control.name == "cmdReset" ? form_.cmdReset : form_.cmdPause;
            out_.rect(px(place.left), px(place.top), px(place.width), px(place.height),
                      window_layout::PanelButtonFace);
            out_.rect(px(place.left) + 0.5, px(place.top) + 0.5, px(place.width) - 1, px(place.height) - 1,
                      svg::Stroke{ButtonBorder, 1});
            out_.text(
                px(place.left) + px(place.width) / 2, px(place.top) + px(place.height) / 2, button.Caption,
                {static_cast<double>(control.fontPixels), window_layout::ButtonText, svg::Anchor::Middle});
            break;
        }
        case Kind::CheckBox:
            drawCheckBox(control);
            break;
        case Kind::VerticalSlider:
        case Kind::HorizontalSlider:
            drawSlider(control);
            break;
        case Kind::FlightButton:
            break;
        }
    }

    void drawCell(const Control& control)
    {
        const bool sender = control.name == "lblTx";
        const Label& label = (sender ? form_.lblTx : form_.lblRx)[static_cast<std::size_t>(control.index)];
        if (!label.Visible) return;
        const double left = px(label.Left);
        const double top = px(label.Top);
        const double width = px(control.place.width);
        const double height = px(control.place.height);
        const auto strip = sender ? cell_states::Strip::Sender : cell_states::Strip::Receiver;
        out_.rect(left, top, width, height, window_layout::LabelBackground);
        out_.text(left + width / 2, top + height / 2, label.Caption,
                  {static_cast<double>(control.fontPixels), cellColour(strip, label.ForeColor),
                   svg::Anchor::Middle});
        if (!marks_) return;
        if (const cell_states::CellState* state = cell_states::find(strip, label.ForeColor))
            out_.text(left + width - 1, top + window_layout::CellMarkPixels / 2.0, std::string(state->mark),
                      {static_cast<double>(window_layout::CellMarkPixels), cellColour(strip, label.ForeColor),
                       svg::Anchor::End, true});
    }

    void drawCheckBox(const Control& control)
    {
        const CheckBox* box = checkOf(form_, control.name);
        if (box == nullptr) return;
        const window_layout::TwipRect& place = control.place;
        const double left = px(place.left);
        const double top = px(place.top);
        const double height = px(place.height);
        out_.rect(left, top, px(place.width), height, window_layout::LabelBackground);
        const double size = 13;
        const double boxTop = top + (height - size) / 2;
        out_.rect(left + 2, boxTop, size, size, Paper);
        out_.rect(left + 2.5, boxTop + 0.5, size - 1, size - 1, svg::Stroke{ButtonBorder, 1});
        const Colour text = box->Enabled ? window_layout::ButtonText : window_layout::GrayText;
        if (box->Value == 1)
            out_.polyline({left + 5, boxTop + 6.5, left + 7.5, boxTop + 10, left + 12.5, boxTop + 3},
                          {text, 2});
        out_.text(left + size + 7, top + height / 2, box->Caption,
                  {static_cast<double>(control.fontPixels), text, svg::Anchor::Start});
    }

    void drawSlider(const Control& control)
    {
        const ScrollBar* bar = sliderOf(form_, control.name);
        if (bar == nullptr) return;
        const window_layout::TwipRect& place = control.place;
        const double left = px(place.left);
        const double top = px(place.top);
        const double width = px(place.width);
        const double height = px(place.height);
        out_.rect(left, top, width, height, SliderTrough);
        const double share =
            bar->Max > bar->Min ? double(bar->value() - bar->Min) / (bar->Max - bar->Min) : 0;
        if (control.kind == Kind::HorizontalSlider) {
            const double thumb = std::max(8.0, width / 6);
            out_.rect(left + share * (width - thumb), top, thumb, height, SliderThumb);
        } else {
            const double thumb = std::max(6.0, height / 4);
            out_.rect(left, top + share * (height - thumb), width, thumb, SliderThumb);
        }
    }

    void drawFlight(const Control& control)
    {
        const bool ack = control.name == "cmdACK";
        const FlightButton& button =
            (ack ? form_.cmdACK : form_.cmdPacket)[static_cast<std::size_t>(control.index)];
        if (!button.Visible) return;
        const double left = px(button.Left);
        const double top = px(button.Top);
        const double width = px(button.Width);
        const double height = px(control.place.height);
        out_.rect(left, top, width, height, window_layout::ButtonFace);
        const bool held = button.TravelMarker == colours::Held;
        out_.rect(left + 0.5, top + 0.5, width - 1, height - 1,
                  svg::Stroke{marks_ && held ? window_layout::WindowText : ButtonBorder,
                              marks_ && held ? 2.0 : 1.0});
        out_.text(
            left + width / 2, top + height / 2, button.Caption,
            {static_cast<double>(control.fontPixels), window_layout::ButtonText, svg::Anchor::Middle, true});
    }

    svg::Writer& out_;
    const Form1& form_;
    bool safe_;
    bool marks_;
};

} // namespace

void drawWindow(svg::Writer& out, const Rect& area, const Form1& form, bool safeColours, bool stateMarks)
{
    const double width = px(geometry::ClientWidth);
    const double height = px(geometry::ClientHeight);
    const double scale = std::min(area.width / width, area.height / height);
    out.beginGroup(area.x + (area.width - width * scale) / 2, area.y + (area.height - height * scale) / 2,
                   scale, "window");
    WindowDrawing(out, form, safeColours, stateMarks).draw();
    out.endGroup();
}

} // namespace pictures

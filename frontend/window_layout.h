// Where every control of the main window sits and how it looks before the
// model says anything: one table that every window (the desktop one, the
// browser one) reads, so that two windows can never drift apart.
//
// Plain constexpr data, no toolkit. Positions are twips from the top-left
// corner of the client area (core/geometry.h holds the geometry the
// simulation itself relies on; this table builds on it). Colours are 0x00BBGGRR, as the
// model writes them. The list is in creation order, which is also stacking
// order: the strips first, then the panel, and the flight buttons on top of
// everything they pass over.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/colours.h"
#include "core/geometry.h"

namespace window_layout {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    constexpr bool operator==(const TwipRect&) const = default;
};

enum class Kind {
    StripCell,        // a numbered cell of a strip; the model moves it
    Label,            // a commentary line, a figure or a title
    TimeoutBar,       // solid bar; the model sets its width
    CellBox,          // thin outline round a strip cell
    WindowFrame,      // thick outline over a window; the model moves it
    PanelButton,      // Start/Reset and Pause/Cont
    CheckBox,         // a protocol option
    VerticalSlider,   // grows downwards, as the model's do
    HorizontalSlider, // the timeout setting
    FlightButton,     // a packet or ACK; placed by the model at launch
};

enum class Align { Left, Centre, Right };

// Array elements carry their index; a single control carries NotAnArray.
inline constexpr int NotAnArray = -1;

struct Control {
    std::string_view name; // as in the model: "lblTxInfo", "shpTx" (with index 3)
    int index;
    Kind kind;
    TwipRect place; // the design place; the model moves what it drives
    int fontPixels; // 0: shows no text
    bool bold;
    Align align;
};

// ---------------------------------------------------------------------------
// Fonts
// ---------------------------------------------------------------------------

// Sizes are points at 96 dpi, given in pixels so that the texts take the same
// room on every screen.
inline constexpr int PanelTextPixels = 18;  // 13.5 pt: panel, check boxes, run buttons, commentary
inline constexpr int CellTextPixels = 24;   // 18 pt: strip numbers
inline constexpr int FlightTextPixels = 13; // 9.75 pt bold: packet and ACK buttons

// The control sizes leave room for a face as narrow as Arial; a wider one
// would clip captions such as "Current Flight Size". First found wins.
inline constexpr std::array<std::string_view, 4> FontFamilies = {"Liberation Sans", "Arial", "Helvetica",
                                                                 "DejaVu Sans"};

// The state mark in a strip cell's corner, bold.
inline constexpr int CellMarkPixels = 12;

// A label whose caption is too wide for it gets a smaller font rather than a
// clipped caption, but never smaller than this share of its own size.
inline constexpr int SmallestFontPercent = 60;

// ---------------------------------------------------------------------------
// Lines and colours
// ---------------------------------------------------------------------------

inline constexpr int BoxBorderPixels = 1;
inline constexpr int FrameBorderPixels = 3;
inline constexpr int ArrowLinePixels = 3;

// The desktop colours the layout names, fixed to the usual Windows values so
// that the window looks the same on every desktop and projector.
inline constexpr Colour ThreeDLight = 0xE3E3E3;
inline constexpr Colour ButtonFace = 0xF0F0F0;
inline constexpr Colour ButtonText = 0x000000;
inline constexpr Colour WindowText = 0x000000;
inline constexpr Colour GrayText = 0x6D6D6D; // captions of disabled controls

// Who is painted in which of them.
inline constexpr Colour WindowBackground = ThreeDLight;
inline constexpr Colour LabelBackground = ButtonFace; // labels and check boxes are opaque
inline constexpr Colour PanelButtonFace = ThreeDLight;
inline constexpr Colour CellBoxColour = WindowText;
inline constexpr Colour ArrowColour = WindowText;
// Drawn over the controls: the keyboard focus and pick, and where a packet was lost.
inline constexpr Colour FocusRing = 0xD77800; // the desktop's focus blue
inline constexpr Colour LostMarkColour = 0x0000C0;
// The sender cell of the packet a practice question's event was about.
inline constexpr Colour EventMarkColour = 0x008000;

// ---------------------------------------------------------------------------
// The arrows between the flight lanes
// ---------------------------------------------------------------------------

struct TwipLine {
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr std::array<TwipLine, 4> ArrowLines = {{
    {"Line1", 6120, 1200, 6120, 5160}, // shaft of the downward arrow: packets travel down
    {"Line2", 5940, 4980, 6120, 5160}, // its head
    {"Line3", 6240, 5160, 6240, 1200}, // shaft of the upward arrow: ACKs travel up
    {"Line4", 6240, 1200, 6420, 1380}, // its head
}};

// ---------------------------------------------------------------------------
// The arrays
// ---------------------------------------------------------------------------

inline constexpr int FlightSlotCount = 16;

constexpr TwipRect txCell(int i)
{
    return {geometry::cellLabelLeft(i), geometry::TxCellTop, geometry::CellLabelWidth,
            geometry::CellLabelHeight};
}
constexpr TwipRect rxCell(int i)
{
    return {geometry::cellLabelLeft(i), geometry::RxCellTop, geometry::CellLabelWidth,
            geometry::CellLabelHeight};
}
constexpr TwipRect timeoutBar(int i)
{
    return {geometry::cellBoxLeft(i), geometry::TimeoutBarTop, geometry::FullTimeout,
            geometry::TimeoutBarHeight};
}
constexpr TwipRect txBox(int i)
{
    return {geometry::cellBoxLeft(i), geometry::TxBoxTop, geometry::CellBoxWidth, geometry::TxBoxHeight};
}
constexpr TwipRect rxBox(int i)
{
    return {geometry::cellBoxLeft(i), geometry::RxBoxTop, geometry::CellBoxWidth, geometry::RxBoxHeight};
}
constexpr TwipRect packetButton(int i)
{
    return {geometry::PacketLeft, geometry::PacketLaunchTop, geometry::PacketWidth,
            i == 0 ? geometry::FirstPacketHeight : geometry::PacketHeight};
}
constexpr TwipRect ackButton(int)
{
    return {geometry::AckLeft, geometry::AckLaunchTop, geometry::AckWidth, geometry::AckHeight};
}

// ---------------------------------------------------------------------------
// The panel, in reading order (titles before their figures: where a figure
// overlaps its title, the figure is the one that must stay readable)
// ---------------------------------------------------------------------------

namespace detail {

constexpr Control label(std::string_view name, int index, TwipRect place, Align align = Align::Left)
{
    return {name, index, Kind::Label, place, PanelTextPixels, false, align};
}
constexpr Control single(std::string_view name, Kind kind, TwipRect place)
{
    const bool hasText = kind == Kind::PanelButton || kind == Kind::CheckBox;
    return {name, NotAnArray, kind, place, hasText ? PanelTextPixels : 0, false, Align::Left};
}

inline constexpr Control PanelControls[] = {
    label("lblTxInfo", NotAnArray, {120, 60, 10215, 375}),
    label("lblState", NotAnArray, {10620, 60, 2055, 375}, Align::Right),
    label("lblRxInfo", NotAnArray, {120, 6000, 12495, 375}),

    single("cmdReset", Kind::PanelButton, {480, 7020, 1215, 495}),
    single("cmdPause", Kind::PanelButton, {1860, 7020, 1215, 495}),
    single("chkSlide", Kind::CheckBox, {4140, 7020, 2415, 495}),

    label("lblTxWindow", 2, {480, 7620, 2355, 375}),
    label("lblTxWindow", 3, {2940, 7620, 375, 375}),
    label("lblTxWindow", 4, {480, 8040, 1995, 375}),
    label("lblDupACKs", NotAnArray, {2520, 8040, 255, 375}, Align::Right),
    label("lblTxWindow", 5, {480, 8460, 1395, 375}),
    label("lblSSThresh", NotAnArray, {1980, 8460, 855, 375}),

    label("lblTxWindow", 0, {3660, 7680, 2115, 375}),
    label("lblTxWindow", 1, {5760, 7680, 375, 375}, Align::Right),
    single("VScroll1", Kind::VerticalSlider, {6240, 7620, 315, 495}),
    label("lblRxWindow", 0, {3660, 8220, 2115, 375}),
    label("lblRxWindow", 1, {5760, 8220, 375, 375}, Align::Right),
    single("VScroll2", Kind::VerticalSlider, {6240, 8160, 315, 495}),

    label("lblTimeOut", 0, {7020, 7080, 2055, 315}),
    label("lblTimeOut", 1, {9000, 7080, 435, 315}),
    single("HScroll1", Kind::HorizontalSlider, {7020, 7440, 2415, 255}),
    single("chkAutoRTT", Kind::CheckBox, {7440, 7740, 1695, 375}),
    label("lblSequences", 0, {6780, 8220, 2415, 375}),
    label("lblSequences", 1, {9180, 8220, 315, 375}, Align::Right),
    single("VScroll3", Kind::VerticalSlider, {9600, 8160, 315, 495}),

    single("chkSlowStart", Kind::CheckBox, {10200, 7080, 1815, 375}),
    single("chkAvoidance", Kind::CheckBox, {10200, 7440, 2475, 375}),
    single("chkFastRetransmit", Kind::CheckBox, {10200, 7800, 2475, 375}),
    single("chkSelective", Kind::CheckBox, {10200, 8160, 2475, 375}),
    single("chkDelayedACK", Kind::CheckBox, {10200, 8520, 2475, 375}),
};

inline constexpr std::size_t ControlCount =
    5 * geometry::CellCount + 2 + std::size(PanelControls) + 2 * FlightSlotCount;

constexpr std::array<Control, ControlCount> allControls()
{
    std::array<Control, ControlCount> list{};
    std::size_t n = 0;
    const auto add = [&](Control control) { list[n++] = control; };
    const auto cells = [&](std::string_view name, Kind kind, TwipRect (*place)(int), int pixels) {
        for (int i = 0; i < geometry::CellCount; ++i)
            add({name, i, kind, place(i), pixels, false, Align::Centre});
    };
    cells("lblTx", Kind::StripCell, txCell, CellTextPixels);
    cells("shpTimeOut", Kind::TimeoutBar, timeoutBar, 0);
    cells("shpTx", Kind::CellBox, txBox, 0);
    add(single("shpTxWindow", Kind::WindowFrame,
               {2700, geometry::TxFrameTop, 3435, geometry::TxFrameHeight}));
    cells("lblRx", Kind::StripCell, rxCell, CellTextPixels);
    cells("shpRx", Kind::CellBox, rxBox, 0);
    add(single("shpRxWindow", Kind::WindowFrame,
               {1800, geometry::RxFrameTop, 1695, geometry::RxFrameHeight}));
    for (const Control& control : PanelControls)
        add(control);
    for (int i = 0; i < FlightSlotCount; ++i)
        add({"cmdPacket", i, Kind::FlightButton, packetButton(i), FlightTextPixels, true, Align::Centre});
    for (int i = 0; i < FlightSlotCount; ++i)
        add({"cmdACK", i, Kind::FlightButton, ackButton(i), FlightTextPixels, true, Align::Centre});
    return list;
}

} // namespace detail

// Every control of the client area, in creation (and stacking) order.
inline constexpr std::array<Control, detail::ControlCount> Controls = detail::allControls();

// The entry of a control, or nullptr; `index` is NotAnArray for a single control.
constexpr const Control* find(std::string_view name, int index = NotAnArray)
{
    for (const Control& control : Controls)
        if (control.name == name && control.index == index) return &control;
    return nullptr;
}

// Tab walks the panel in reading order: run buttons, then the settings from
// left to right. The window opens with the focus on the first.
inline constexpr std::array<std::string_view, 13> TabOrder = {
    "cmdReset",          "cmdPause",     "chkSlide",     "VScroll1",     "VScroll2",
    "HScroll1",          "chkAutoRTT",   "VScroll3",     "chkSlowStart", "chkAvoidance",
    "chkFastRetransmit", "chkSelective", "chkDelayedACK"};

// The panel's figures: each title, the label beside it that shows the
// number, and the slider that sets it, if any. A slider is named by its
// title for screen readers, and a window too narrow for the panel can show
// the figures elsewhere by these pairs.
struct LabelRef {
    std::string_view name;
    int index;
};
struct Figure {
    LabelRef title;
    LabelRef value;
    std::string_view slider; // empty: a figure no slider sets
};
inline constexpr std::array<Figure, 7> Figures = {{
    {{"lblTxWindow", 2}, {"lblTxWindow", 3}, ""},
    {{"lblTxWindow", 4}, {"lblDupACKs", NotAnArray}, ""},
    {{"lblTxWindow", 5}, {"lblSSThresh", NotAnArray}, ""},
    {{"lblTimeOut", 0}, {"lblTimeOut", 1}, "HScroll1"},
    {{"lblTxWindow", 0}, {"lblTxWindow", 1}, "VScroll1"},
    {{"lblRxWindow", 0}, {"lblRxWindow", 1}, "VScroll2"},
    {{"lblSequences", 0}, {"lblSequences", 1}, "VScroll3"},
}};

} // namespace window_layout

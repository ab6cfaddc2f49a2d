// How the run chart draws each figure and marker, and when it shades a
// stretch as congestion avoidance: one table the desktop's chart and the
// page's chart both read, so that a lecture shows the same colours on both.
//
// Plain constexpr data, no toolkit. Colours are 0x00BBGGRR, as the model
// writes them; widths and sizes are pixels at 100 %.
#pragma once

#include <array>
#include <string_view>

#include "core/colours.h"
#include "history/run_trace.h"
#include "history/translatable.h"

namespace chart_looks {

constexpr Colour rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red | (green << 8) | (blue << 16));
}

enum class Dash { Solid, Dashed, Dotted };

struct FigureLook {
    std::string_view name;
    Colour colour;
    double width;
    Dash dash;
};

// Transmit window, threshold, flight size, receive window: the order of the chart's series.
inline constexpr std::array<FigureLook, 4> Figures = {{
    {texts::translatable("chart", "Tx window"), rgb(0, 0, 192), 2.5, Dash::Solid},
    {texts::translatable("chart", "SSThresh"), rgb(230, 120, 0), 2, Dash::Dashed},
    {texts::translatable("chart", "Flight size"), rgb(0, 140, 0), 1.5, Dash::Solid},
    {texts::translatable("chart", "Rx window"), rgb(110, 110, 110), 2, Dash::Dotted},
}};

// One colour per configuration of a comparison, in both front ends: the
// chart's own first three, blue, orange and green, which stay apart for most
// colour-blind readers.
inline constexpr std::array<Colour, 3> ConfigurationColours = {Figures[0].colour, Figures[1].colour,
                                                               Figures[2].colour};
// And one dash per configuration, in pixels at a 14-pixel text size, so that
// two configurations' lines that coincide (two windows at 8) still show as two.
inline constexpr std::array<std::array<double, 2>, 3> ConfigurationDashes = {{{0, 0}, {9, 5}, {2.5, 4}}};

enum class MarkerShape { Triangle, Star, Square, Diamond, Circle, Pentagon };

// Where a marker sits: losses along the bottom, the rest on the transmit
// window, a timeout or fast-retransmit entry at the tip of the tooth it cuts.
enum class MarkerPlace { Peak, Window, Bottom };

struct MarkerLook {
    Markers bit;
    std::string_view name;
    MarkerShape shape;
    Colour colour;
    double size;
    MarkerPlace place;
};

inline constexpr std::array<MarkerLook, 6> MarkerKinds = {{
    {marker::Timeout, texts::translatable("chart", "Timeout"), MarkerShape::Triangle, rgb(220, 0, 0), 13,
     MarkerPlace::Peak},
    {marker::FastRetransmit, texts::translatable("chart", "Fast retransmit"), MarkerShape::Star,
     rgb(160, 0, 160), 15, MarkerPlace::Peak},
    {marker::PacketLost, texts::translatable("chart", "Packet lost"), MarkerShape::Square, rgb(200, 90, 0),
     10, MarkerPlace::Bottom},
    {marker::AckLost, texts::translatable("chart", "ACK lost"), MarkerShape::Diamond, rgb(0, 130, 150), 11,
     MarkerPlace::Bottom},
    {marker::StateChange, texts::translatable("chart", "State change"), MarkerShape::Circle, rgb(90, 90, 90),
     7, MarkerPlace::Window},
    {marker::OutOfOrderDrop, texts::translatable("chart", "Dropped"), MarkerShape::Pentagon, rgb(150, 0, 40),
     10, MarkerPlace::Bottom},
}};

// Ticks whose window grew by congestion avoidance are shaded in this colour, this opaque (0..255).
inline constexpr Colour AvoidanceShade = rgb(255, 200, 60);
inline constexpr int AvoidanceShadeAlpha = 70;
inline constexpr std::string_view AvoidanceName = texts::translatable("chart", "Avoidance");
// The picked tick's line.
inline constexpr Colour CursorColour = rgb(200, 0, 120);

// The tick after `before` grows the window by congestion avoidance: the
// option is on and the window has reached the threshold while the sender is
// in slow start, the state the avoidance rule applies in.
constexpr bool growsByAvoidance(const TickSample& before)
{
    return before.avoidance && before.txState == txstate::SlowStart &&
           before.txWindowBytes >= before.ssThreshBytes;
}

} // namespace chart_looks

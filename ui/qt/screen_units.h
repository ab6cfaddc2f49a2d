// The two conversions between the model's units and the screen's.
//
// The model measures in twips and writes colours as 0x00BBGGRR; Qt wants
// logical pixels and QColor. Every position, size and model colour that
// reaches a widget passes through here, so there is one place to get them right.
#pragma once

#include <QColor>
#include <cmath>

#include "core/colours.h"
#include "core/geometry.h"

// Twips to logical pixels, to the nearest pixel. Qt scales logical pixels to
// the screen's device pixels by itself, so the window keeps its proportions on
// a high-DPI screen.
inline int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / geometry::TwipsPerPixel));
}

// 0x00BBGGRR: red in the lowest byte, blue in the highest.
inline QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

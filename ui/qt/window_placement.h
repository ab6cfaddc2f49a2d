// Where the chart and log panel opens, and how its chart's texts follow the zoom.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace window_placement {

// The panel's size at 100 %: the chart over the log with a good dozen rows.
inline constexpr int PanelWidth = 960;
inline constexpr int PanelHeight = 720;

// What a window manager adds around a window: until it has framed a window
// the frame is not known, so a title bar and thin borders are allowed for.
inline constexpr QMargins AssumedFrame{4, 32, 4, 4};

// `frame` moved (and if need be shrunk) to lie wholly inside `available`.
QRect fitInside(QRect frame, const QRect& available);

// Puts `window` wholly on the screen that holds `anchor`, keeping its size
// where it fits. A window not framed yet is placed with AssumedFrame around
// it; placing it again once shown makes it fit the real frame.
void keepOnScreenOf(QWidget& window, const QWidget& anchor);

// The texts a chart draws itself (axes, legend) in the font of the widget
// that holds it, which follows the zoom with the application's fonts.
void chartTextsFollowFont(QWidget& panel);

} // namespace window_placement

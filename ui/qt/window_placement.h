// Where the chart and log panel opens, and how large it draws at a zoom.
#pragma once

#include <QRect>

class QWidget;

namespace window_placement {

// The panel's size at 100 %: the chart over the log with a good dozen rows.
inline constexpr int PanelWidth = 960;
inline constexpr int PanelHeight = 720;

// `frame` moved (and if need be shrunk) to lie wholly inside `available`.
QRect fitInside(QRect frame, const QRect& available);

// Puts `window` wholly on the screen that holds `anchor`, keeping its size
// where it fits.
void keepOnScreenOf(QWidget& window, const QWidget& anchor);

// The panel's texts (tool bar, log, chart axes and legend) at `factor` times their size.
void scaleTexts(QWidget& panel, double factor);

} // namespace window_placement

// The outlines of the small shapes that stand for a kind of event, in the
// chart's markers, the diagram's symbols and the keys that explain them: one
// set of points for every front end, so a triangle is the same triangle on
// the desktop, the page and a slide.
#pragma once

#include <vector>

#include "frontend/chart_looks.h"

namespace marker_shapes {

// The outline of `shape` centred at (x, y), `size` pixels across, as
// x0, y0, x1, y1, ... (a circle as a polygon of many sides).
std::vector<double> outline(chart_looks::MarkerShape shape, double x, double y, double size);

} // namespace marker_shapes

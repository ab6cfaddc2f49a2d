// The window's layout table (frontend/window_layout.h), the one the desktop window
// reads too, as one JSON document the page builds its controls from once at
// start-up. The page holds no coordinates of its own.
#pragma once

#include <string>

namespace web {

std::string pageLayoutJson();

// What the view options draw and say, from the tables the desktop reads too
// (frontend/cell_states.h, frontend/view_texts.h, frontend/chart_looks.h): the cell states with
// their safe colours, marks and words; the held, lost and focus marks; the
// legend's texts; the chart's figures, markers and shading.
std::string viewOptionsJson();

} // namespace web

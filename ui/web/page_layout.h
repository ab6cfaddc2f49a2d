// The window's layout table (ui/window_layout.h), the one the desktop window
// reads too, as one JSON document the page builds its controls from once at
// start-up. The page holds no coordinates of its own.
#pragma once

#include <string>

namespace web {

std::string pageLayoutJson();

} // namespace web

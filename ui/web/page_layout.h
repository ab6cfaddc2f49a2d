// Where every control of the window sits, for the page: the same twips,
// font sizes, alignments and system colours as the desktop window, as one
// JSON document the page builds its controls from once at start-up.
#pragma once

#include <string>

namespace web {

std::string pageLayoutJson();

} // namespace web

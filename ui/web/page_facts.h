// What the page's TypeScript must know that the desktop knows too, as one
// JSON document the page reads once at start-up: the clock's speeds, and the
// rules the browser follows where it does the work itself (inflating a
// linked run within the run-file limit, drawing a QR code). The facts are
// defined in the toolkit-free C++ both front ends include; none is written
// again in TypeScript.
#pragma once

#include <string>

namespace web {

std::string pageFactsJson();

} // namespace web

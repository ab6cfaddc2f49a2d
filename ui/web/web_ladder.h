// The time-sequence diagram of one run's history as the page draws it: the
// single window's (WebSession) and each of a comparison's configurations'
// (WebComparison) alike. `into` keeps the description last worked out, so
// that a click right after a redraw asks about ticks already described.
#pragma once

#include <string>

#include "history/ladder_description.h"
#include "history/run_history.h"

namespace web {

const ladder::Description& describeLadder(const RunHistory& history, ladder::Description& into, int from,
                                          int to);
// {"first", "last", "height", "header", "tickPixels"} of a strip `width` pixels wide.
std::string ladderViewJson(const RunHistory& history, double width);
// Ticks from..to as an SVG document, as the exporter writes it.
std::string ladderSvg(const RunHistory& history, ladder::Description& into, int from, int to, double width,
                      bool safeColours, bool stateMarks);
// The tick a click at (x, y) of that drawing picks.
int ladderPick(const RunHistory& history, ladder::Description& into, int from, int to, double width, double x,
               double y);

} // namespace web

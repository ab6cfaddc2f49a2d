// A run, or a comparison, as a handout to print: pages of the paper's size,
// each one SVG document, laid out here once for the desktop, the page and
// the exporter.
//
//   page 1   the title, the title line, the lesson's note (on pages of its
//            own when it is long), then the window at up to four ticks
//            (a comparison: its windows side by side at each tick)
//   then     the time-sequence diagram over the range, on as many pages as
//            keep it readable (a comparison's side by side)
//   last     the run chart (a comparison's chart) and the table of figures
//
// Sizes are in points (1/72 inch), the unit of the paper: a renderer draws
// each page onto a page of that size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/losses.h"
#include "history/run_history.h"

class Comparison;

namespace handout {

enum class Paper : std::uint8_t { A4, Letter };
std::optional<Paper> paperNamed(std::string_view name); // "a4", "letter"
const char* paperName(Paper paper);
// Width and height in points, portrait.
struct PageSize {
    double width;
    double height;
};
PageSize pageSize(Paper paper);

// The most windows a handout shows, and the most ticks one page of its diagram holds.
inline constexpr std::size_t MostWindows = 4;
inline constexpr std::int32_t MostTicksAPage = 500;

struct Request {
    Paper paper = Paper::A4;
    std::int32_t from = 0;
    std::int32_t to = -1;         // -1: the last tick
    std::vector<std::int32_t> at; // the window's ticks; empty: four spread over the range
    bool safeColours = false;     // the View options in use
    bool stateMarks = false;
};

// The ticks the window is shown at: those asked for within the range, in
// order, at most MostWindows; or the range's quarters, ending at its last tick.
std::vector<std::int32_t> windowTicks(const Request& request, std::int32_t from, std::int32_t to);

// "0, 150, 300" into ticks; empty, with `error` set, for anything else or
// more than MostWindows.
std::optional<std::vector<std::int32_t>> readTicks(std::string_view text, std::string* error = nullptr);

// The pages of ticks from..to of `run` with `note` (a lesson's, or none).
std::vector<std::string> runPages(const RunHistory::Run& run, const LossSettings& losses,
                                  const Request& request);
std::vector<std::string> comparisonPages(const Comparison& comparison, const Request& request);

} // namespace handout

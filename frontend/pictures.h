// Every view of a run or a comparison as one picture, for a slide or a
// handout: the window, the chart, the time-sequence diagram and the table of
// figures, each with its title line (frontend/picture_title.h) unless asked
// without. One SVG document per picture, the same from the desktop, the page
// and the exporter; the desktop and the exporter make PNG and PDF of it.
//
// A picture fits a 16:9 slide at 1920 x 1080 unless another size is asked
// for; its ticks are exactly those asked for (from the first of the range,
// not where a view on screen happens to be scrolled).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/losses.h"
#include "history/run_history.h"

class Comparison;

namespace pictures {

inline constexpr double SlideWidth = 1920;
inline constexpr double SlideHeight = 1080;
// A picture is never smaller or larger than this on either side: a PNG of
// the largest takes 256 MB at most, a size a mistyped option could ask for.
inline constexpr double SmallestSide = 200;
inline constexpr double LargestSide = 8000;

enum class View : std::uint8_t { Window, Chart, Diagram, Table };

// "window", "chart", "diagram", "table"; "windows" reads as "window".
std::optional<View> viewNamed(std::string_view name);
const char* viewName(View view);
// "windows,chart,table" into views, in the order given; empty, with `error`
// set to a sentence, for an unknown name or an empty list.
std::vector<View> readViews(std::string_view list, std::string* error = nullptr);

struct Request {
    double width = SlideWidth;
    double height = SlideHeight;
    std::int32_t from = 0;
    std::int32_t to = -1; // -1: the last tick
    bool titled = true;
    bool safeColours = false; // the View options in use
    bool stateMarks = false;
};

// The ticks a picture of a record from `first` to `last` shows: the request's,
// within the record.
struct Ticks {
    std::int32_t from = 0;
    std::int32_t to = 0;
};
Ticks ticksWithin(const Request& request, std::int32_t first, std::int32_t last);

// `view` of ticks from..to of `run` (a history's run): the window as it
// stood at the last tick of the range, the chart or diagram of the range,
// the figures as they stand at the run's last tick.
std::string runPicture(const RunHistory::Run& run, const LossSettings& losses, View view,
                       const Request& request);
// The comparison's `views` together: its windows side by side, its
// diagrams side by side, its chart beside its table.
std::string comparisonPicture(const Comparison& comparison, const std::vector<View>& views,
                              const Request& request);

} // namespace pictures

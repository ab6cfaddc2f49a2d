// The name proposed when a run is saved or downloaded: the lesson or the
// run's title, and the tick it stands at, so that a teacher's folder of runs
// reads as a list of moments ("fast-retransmit-tick-822.swrun").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace run_names {

// Run files are JSON inside; the extension gives them a type of their own,
// so a double click opens the program. Older ".json" runs still open.
inline constexpr std::string_view Extension = ".swrun";
inline constexpr std::string_view MimeType = "application/x-sliding-window-run";

// `lesson` (a built-in lesson's name) wins over `title`; with neither, "run".
// Other files of the run (a packet capture) take their own extension.
std::string suggestedFileName(std::string_view lesson, std::string_view title, std::int32_t tick,
                              std::string_view extension = Extension);

} // namespace run_names

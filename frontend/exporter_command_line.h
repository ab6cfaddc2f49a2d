// The exporter's command line (sliding-window-run): what to play, what to
// write, and the losses. Read before anything is played, with no toolkit, so
// that mistakes are answered on the terminal before any work is done.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/handout.h"
#include "frontend/packet_capture.h"
#include "frontend/pictures.h"
#include "history/losses.h"

namespace exporter {

inline constexpr const char* ProgramName = "sliding-window-run";
// Ticks a run of presets alone plays when --ticks does not say.
inline constexpr std::int32_t PresetTicks = 600;

struct Request {
    std::optional<std::string> runFile;
    std::optional<std::string> lesson;
    std::optional<std::string> protocol;
    std::optional<std::string> link;
    std::vector<Comparison::Configuration> compare;
    std::optional<std::int32_t> ticks;
    std::optional<std::string> csv, svg, png, ladderSvg, ladderPng, save, pcap, tableCsv, handout;
    std::optional<std::int32_t> from, to; // the pictures' and the capture's ticks
    // What --svg and --png show: a run's one view (the chart unless given), a
    // comparison's views together (its windows, chart and table unless given).
    std::vector<pictures::View> views;
    double width = pictures::SlideWidth;
    double height = pictures::SlideHeight;
    bool titled = true;
    bool safeColours = false;
    bool stateMarks = false;
    handout::Paper paper = handout::Paper::A4;
    std::vector<std::int32_t> windowTicks; // --at: the handout's window ticks
    capture::Point captureAt = capture::Point::Sender;
    // The network's losses, each only where the command line gives it.
    std::optional<int> packetLoss, ackLoss;
    std::optional<std::uint32_t> seed;
    std::optional<std::vector<PlannedLoss>> planned;
    bool help = false;
    std::string error;

    // `losses` with whatever the command line gives put in place.
    LossSettings lossesOver(LossSettings losses) const;
    // A picture of the request's size, ticks, title and palette.
    pictures::Request picture(std::int32_t from, std::int32_t to) const;
    handout::Request handoutRequest(std::int32_t from, std::int32_t to) const;
    // Any output drawn from the ticks --from and --to choose.
    bool drawsPictures() const { return svg || png || ladderSvg || ladderPng || handout; }
    // Whether one of them is a diagram, whose ticks are bounded.
    bool drawsDiagram() const;
};

// The ticks the pictures draw: --from and --to within the ticks the record
// keeps (first to last), or the sentence refusing them; `notice` says where
// the record cut the ticks asked for. A diagram is refused past
// ladder::MostDrawnTicks ticks.
struct DiagramTicks {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::string refusal;
    std::string notice;
};
DiagramTicks diagramTicks(const Request& request, std::int32_t first, std::int32_t last);

std::string usage();
std::string help();
Request parse(const std::vector<std::string>& arguments);

} // namespace exporter

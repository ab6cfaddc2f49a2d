// The exporter's command line (sliding-window-run): what to play, what to
// write, and the losses. Read before anything is played, with no toolkit, so
// that mistakes are answered on the terminal before any work is done.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/packet_capture.h"
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
    std::optional<std::string> csv, svg, png, ladderSvg, ladderPng, save, pcap;
    std::optional<std::int32_t> from, to; // the diagram's and the capture's ticks
    capture::Point captureAt = capture::Point::Sender;
    // The network's losses, each only where the command line gives it.
    std::optional<int> packetLoss, ackLoss;
    std::optional<std::uint32_t> seed;
    std::optional<std::vector<PlannedLoss>> planned;
    bool help = false;
    std::string error;

    // `losses` with whatever the command line gives put in place.
    LossSettings lossesOver(LossSettings losses) const;
};

// The ticks the diagram draws: --from and --to within the ticks the record
// keeps (first to last), or the sentence refusing them; `notice` says where
// the record cut the ticks asked for.
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

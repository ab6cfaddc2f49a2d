// The headless exporter's pieces (sliding-window-run): what the command line
// asks for, writing files whole or not at all, and a comparison's run.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/packet_capture.h"
#include "history/losses.h"
#include "history/run_file.h"

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

std::string usage();
std::string help();
Request parse(const std::vector<std::string>& arguments);

// Writes `bytes` to `path` whole, or not at all: an empty string when the
// file is in place, or why it is not.
std::string writeBytes(const std::string& path, const QByteArray& bytes);
// The same for text streamed by `write` ("-": standard output).
std::string writeStream(const std::string& path, const std::function<void(std::ostream&)>& write);
void refuseWrite(const std::string& path, const std::string& why);
// Writes the run file `saved` holds to `path`, or says why not (its own
// error, or the write's) and returns false.
bool saveRun(const std::string& path, const RunHistory::SavedRun& saved);
// Writes the packet capture of `connections` (from..to of the request) to
// the request's --pcap file, or says why not and returns false.
bool saveCapture(const Request& request, std::span<const capture::Connection> connections);

// Plays a comparison and writes its table of figures and its run file as
// asked; each returns the program's exit status. Fresh configurations are
// started at tick 0 with `losses` (the command line's put over them); a
// saved comparison plays its recording.
int compareFresh(const Request& request, const std::vector<Comparison::Configuration>& configurations,
                 const LossSettings& losses);
int compareSaved(const Request& request, const RunScript& saved);

} // namespace exporter

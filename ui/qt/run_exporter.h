// The headless exporter's pieces (sliding-window-run): writing files whole or
// not at all, and a comparison's run. Its command line is toolkit-free, in
// frontend/exporter_command_line.h.
#pragma once

#include <QByteArray>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "frontend/exporter_command_line.h"
#include "frontend/packet_capture.h"
#include "history/losses.h"
#include "history/run_file.h"

namespace exporter {

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

// Writes `svg`, a picture for a slide, to the request's --svg file and as a
// PNG to its --png file; false, having said why, when a write fails.
bool writePicture(const Request& request, const std::string& svg);
// Writes the handout's pages to `path` as one PDF; false, having said why, when it fails.
bool writeHandout(const std::string& path, const std::vector<std::string>& pages, const std::string& title);

// Plays a comparison and writes its table of figures and its run file as
// asked; each returns the program's exit status. Fresh configurations are
// started at tick 0 with `losses` (the command line's put over them); a
// saved comparison plays its recording.
int compareFresh(const Request& request, const std::vector<Comparison::Configuration>& configurations,
                 const LossSettings& losses);
int compareSaved(const Request& request, const RunScript& saved);

} // namespace exporter

// The exporter's command line: what to play, what to write, and the losses.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

#include "frontend/exporter_command_line.h"
#include "frontend/ladder_drawing.h"
#include "frontend/protocol_presets.h"
#include "history/display_text.h"
#include "history/lessons.h"

namespace exporter {

namespace {

// A whole number from `lowest` to `highest`, as plain digits; nothing else.
template <typename Number>
std::optional<Number> wholeIn(const std::string& text, Number lowest, Number highest)
{
    Number value{};
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || status != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Two outputs given one file would leave only the one written last: the
// sentence saying which two, or "". Standard output ("-") takes one too.
std::string sharedOutput(const Request& request)
{
    const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
        {"--csv", &request.csv},
        {"--svg", &request.svg},
        {"--png", &request.png},
        {"--ladder-svg", &request.ladderSvg},
        {"--ladder-png", &request.ladderPng},
        {"--save", &request.save},
        {"--pcap", &request.pcap},
        {"--table-csv", &request.tableCsv},
        {"--handout", &request.handout},
    };
    const auto same = [](const std::string& a, const std::string& b) {
        if (a == "-" || b == "-") return a == b;
        std::error_code ignored;
        const std::filesystem::path one = std::filesystem::weakly_canonical(a, ignored);
        const std::filesystem::path other = std::filesystem::weakly_canonical(b, ignored);
        return one.lexically_normal() == other.lexically_normal();
    };
    for (std::size_t i = 0; i < std::size(outputs); ++i) {
        for (std::size_t j = i + 1; j < std::size(outputs); ++j) {
            const auto& first = *outputs[i].second;
            const auto& second = *outputs[j].second;
            if (!first || !second || !same(*first, *second)) continue;
            const std::string where =
                *first == "-" ? std::string("standard output") : displaytext::name(*first);
            return std::string(outputs[i].first) + " and " + outputs[j].first + " both name " + where +
                   ": give each output a file of its own";
        }
    }
    return {};
}

// "1920x1080" within the pictures' bounds.
bool readSize(const std::string& text, double& width, double& height)
{
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos) return false;
    const auto lowest = static_cast<int>(pictures::SmallestSide);
    const auto highest = static_cast<int>(pictures::LargestSide);
    const auto w = wholeIn(text.substr(0, cross), lowest, highest);
    const auto h = wholeIn(text.substr(cross + 1), lowest, highest);
    if (!w || !h) return false;
    width = *w;
    height = *h;
    return true;
}

} // namespace

pictures::Request Request::picture(std::int32_t from, std::int32_t to) const
{
    pictures::Request picture;
    picture.width = width;
    picture.height = height;
    picture.from = from;
    picture.to = to;
    picture.titled = titled;
    picture.safeColours = safeColours;
    picture.stateMarks = stateMarks;
    return picture;
}

handout::Request Request::handoutRequest(std::int32_t from, std::int32_t to) const
{
    handout::Request asked;
    asked.paper = paper;
    asked.from = from;
    asked.to = to;
    asked.at = windowTicks;
    asked.safeColours = safeColours;
    asked.stateMarks = stateMarks;
    return asked;
}

bool Request::drawsDiagram() const
{
    const bool diagramView = std::find(views.begin(), views.end(), pictures::View::Diagram) != views.end();
    return ladderSvg || ladderPng || handout || ((svg || png) && diagramView);
}

LossSettings Request::lossesOver(LossSettings losses) const
{
    if (packetLoss) losses.packetPercent = *packetLoss;
    if (ackLoss) losses.ackPercent = *ackLoss;
    if (seed) losses.seed = *seed;
    if (planned) losses.planned = *planned;
    return losses;
}

DiagramTicks diagramTicks(const Request& request, std::int32_t first, std::int32_t last)
{
    using displaytext::grouped;
    DiagramTicks ticks{request.from.value_or(first), request.to.value_or(last), {}, {}};
    if (ticks.from > last) {
        ticks.refusal = "--from " + grouped(ticks.from) + " is past the run's last tick, " + grouped(last) +
                        ": the diagram would hold no tick";
        return ticks;
    }
    if (ticks.to < first) {
        ticks.refusal = "--to " + grouped(ticks.to) + " is before tick " + grouped(first) +
                        ", the first the run still keeps (the ticks before it were dropped to keep "
                        "within the memory budget)";
        return ticks;
    }
    if (ticks.from < first)
        ticks.notice = "the ticks before " + grouped(first) +
                       " were dropped to keep within the memory budget: the diagram starts there";
    else if (ticks.to > last)
        ticks.notice = "the run ends at tick " + grouped(last) + ": the diagram stops there";
    ticks.from = std::max(ticks.from, first);
    ticks.to = std::min(ticks.to, last);
    if (request.drawsDiagram() && ticks.to - ticks.from > ladder::MostDrawnTicks) {
        const auto pixels = static_cast<long long>(ladder::Layout{}.height(ticks.from, ticks.to));
        ticks.refusal = "the diagram of ticks " + grouped(ticks.from) + " to " + grouped(ticks.to) +
                        " would be " + grouped(pixels) + " pixels tall, too large to be useful (" +
                        grouped(ladder::MostDrawnTicks) +
                        " ticks at most): choose its ticks with --from and "
                        "--to, such as --from " +
                        std::to_string(ticks.from) + " --to " + std::to_string(ticks.from + 600);
    }
    return ticks;
}

std::string usage()
{
    return std::string("Usage: ") + ProgramName +
           " FILE|--lesson NAME|--link LINK|--protocol NAME|--compare LIST [--ticks N] [--csv OUT]"
           " [--svg OUT] [--png OUT] [--view LIST] [--size WxH] [--no-title] [--ladder-svg OUT]"
           " [--ladder-png OUT] [--table-csv OUT] [--handout OUT] [--paper a4|letter] [--at TICKS]"
           " [--safe-colours] [--state-marks] [--pcap OUT] [--capture-at sender|receiver] [--from T] [--to T]"
           " [--loss P] [--ack-loss P] [--seed N] [--lose PLAN] [--save OUT]";
}

std::string help()
{
    std::string text =
        usage() +
        "\n\nPlays a run file or a built-in lesson without a window and writes:\n"
        "  --csv OUT    one row per tick: figures, markers, the log and the run's figures so far;\n"
        "               for a comparison, its table of figures\n"
        "  --svg OUT    a picture for a slide as an SVG drawing: the chart of a run, the\n"
        "               windows, chart and table of a comparison (or what --view names)\n"
        "  --png OUT    the same picture as a PNG image\n"
        "  --view LIST  what the picture shows: window, chart, diagram or table for a run\n"
        "               (the window at the last tick of --from..--to); for a comparison any\n"
        "               of them together, e.g. 'windows,chart,table'\n"
        "  --size WxH   the picture's size in pixels (default 1920x1080, a 16:9 slide)\n"
        "  --no-title   no title line (by default: the title, protocol, losses and ticks)\n"
        "  --safe-colours, --state-marks  the View options' colour-blind safe palette and marks\n"
        "  --ladder-svg OUT  the time-sequence diagram as an SVG drawing (a comparison's side by side)\n"
        "  --ladder-png OUT  the time-sequence diagram as a PNG image\n"
        "  --table-csv OUT  the table of figures (one row per run or configuration) as CSV\n"
        "  --handout OUT  a handout to print, as PDF: the title, the note, the window at four\n"
        "               ticks, the diagram, the chart and the figures (a comparison side by side)\n"
        "  --paper a4|letter  the handout's paper (default a4)\n"
        "  --at TICKS   the handout's window ticks, up to four: '0,150,300,450'\n"
        "  --pcap OUT   the run as a packet capture (.pcap) for Wireshark or tshark: one TCP\n"
        "               connection, one per configuration of a comparison\n"
        "  --capture-at sender|receiver  where the capture listens (default: sender)\n"
        "  --from T, --to T  the pictures' and the capture's ticks (default: the whole run),\n"
        "               e.g. --from 0 --to 600; a diagram draws " +
        displaytext::grouped(ladder::MostDrawnTicks) +
        " ticks at most\n"
        "  --save OUT   the run as played, or the comparison, as one run file\n"
        "  --ticks N    play N ticks of the whole recording, Resets included\n"
        "               (default: its length; past its end the run goes on unattended)\n"
        "  --run FILE, FILE  a run file (a saved comparison plays as one)\n"
        "  --lesson NAME  a built-in lesson instead of a file\n"
        "  --link LINK  the page's settings ('options=slowstart,avoidance&tx=8'), started,\n"
        "               or a whole link of the page, with its lesson or its run\n"
        "  --protocol NAME  the run's protocol in place of its own settings; alone, a run\n"
        "               of that protocol (" +
        presets::presetNames() +
        ")\n"
        "  --compare LIST  two or three protocols side by side from one clock, with the\n"
        "               same losses, started at tick 0 ('stop-and-wait,go-back-n,selective-repeat')\n"
        "  --loss P, --ack-loss P  the percentage of packets, of ACKs, lost at random (0 to 30)\n"
        "  --seed N     what the random losses are drawn from (0 to 4294967295)\n"
        "  --lose PLAN  planned losses: 'p5,p7.2,a9' is the first transmission of packet 5,\n"
        "               the second of packet 7 and the ACK for packet 9\n"
        "               (each loss option replaces that one of a file's or a link's losses)\n"
        "  --help       this text\n"
        "Any OUT may be \"-\", standard output, for one of the outputs.\n\nLessons:\n";
    for (const LessonEntry& lesson : lessonList())
        text += "  " + lesson.name + "  " + lesson.title + "\n";
    return text;
}

Request parse(const std::vector<std::string>& arguments)
{
    Request request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= arguments.size()) {
                request.error = displaytext::name(argument) + " needs a value";
                return;
            }
            into = arguments[++i];
        };
        std::optional<std::string> text;
        if (argument == "--help" || argument == "-h") {
            request.help = true;
            return request;
        } else if (argument == "--lesson") {
            value(request.lesson);
        } else if (argument == "--protocol") {
            value(request.protocol);
            if (request.protocol && presets::findPreset(*request.protocol) == nullptr)
                request.error = "unknown protocol " + displaytext::name(*request.protocol) +
                                "; the protocols are " + presets::presetNames();
        } else if (argument == "--compare") {
            value(text);
            std::string why;
            if (text && (request.compare = Comparison::readPresetList(*text, &why)).empty())
                request.error = "--compare " + displaytext::name(*text) + ": " + displaytext::plain(why, 300);
        } else if (argument == "--link") {
            value(request.link);
        } else if (argument == "--csv") {
            value(request.csv);
        } else if (argument == "--svg") {
            value(request.svg);
        } else if (argument == "--png") {
            value(request.png);
        } else if (argument == "--ladder-svg") {
            value(request.ladderSvg);
        } else if (argument == "--ladder-png") {
            value(request.ladderPng);
        } else if (argument == "--table-csv") {
            value(request.tableCsv);
        } else if (argument == "--handout") {
            value(request.handout);
        } else if (argument == "--view") {
            value(text);
            std::string why;
            if (text && (request.views = pictures::readViews(*text, &why)).empty())
                request.error = "--view " + displaytext::name(*text) + ": " + why;
        } else if (argument == "--size") {
            value(text);
            if (text && !readSize(*text, request.width, request.height))
                request.error = "--size needs a width and a height in pixels such as 1920x1080, each from " +
                                std::to_string(static_cast<int>(pictures::SmallestSide)) + " to " +
                                std::to_string(static_cast<int>(pictures::LargestSide));
        } else if (argument == "--no-title") {
            request.titled = false;
        } else if (argument == "--safe-colours" || argument == "--safe-colors") {
            request.safeColours = true;
        } else if (argument == "--state-marks") {
            request.stateMarks = true;
        } else if (argument == "--paper") {
            value(text);
            if (text && !handout::paperNamed(*text))
                request.error = "--paper needs a4 or letter";
            else if (text)
                request.paper = *handout::paperNamed(*text);
        } else if (argument == "--at") {
            value(text);
            std::string why;
            if (text) {
                const auto ticks = handout::readTicks(*text, &why);
                if (!ticks)
                    request.error = "--at " + displaytext::name(*text) + ": " + why;
                else
                    request.windowTicks = *ticks;
            }
        } else if (argument == "--save") {
            value(request.save);
        } else if (argument == "--pcap") {
            value(request.pcap);
        } else if (argument == "--capture-at") {
            value(text);
            if (text && !capture::pointNamed(*text))
                request.error = "--capture-at needs sender or receiver";
            else if (text)
                request.captureAt = *capture::pointNamed(*text);
        } else if (argument == "--loss" || argument == "--ack-loss") {
            value(text);
            if (text) {
                (argument == "--loss" ? request.packetLoss : request.ackLoss) =
                    wholeIn(*text, 0, LossSettings::MaxPercent);
                if (!(argument == "--loss" ? request.packetLoss : request.ackLoss))
                    request.error = argument + " needs a whole number from 0 to " +
                                    std::to_string(LossSettings::MaxPercent);
            }
        } else if (argument == "--seed") {
            value(text);
            if (text && !(request.seed = wholeIn<std::uint32_t>(*text, 0, 4294967295u)))
                request.error = "--seed needs a whole number from 0 to 4294967295";
        } else if (argument == "--lose") {
            value(text);
            std::string why;
            if (text && !(request.planned = losses::readPlan(*text, &why)))
                request.error = "--lose " + displaytext::name(*text) + ": " + displaytext::plain(why, 300);
        } else if (argument == "--ticks" || argument == "--from" || argument == "--to") {
            value(text);
            if (text) {
                const auto ticks = wholeIn(*text, 0, runfile::MaxTicks);
                if (!ticks)
                    request.error =
                        argument + " needs a whole number from 0 to " + std::to_string(runfile::MaxTicks);
                (argument == "--ticks"  ? request.ticks
                 : argument == "--from" ? request.from
                                        : request.to) = ticks.value_or(-1);
            }
        } else if (argument == "--run" || !argument.starts_with("-") || argument == "-") {
            if (argument == "--run") value(text);
            if (request.runFile)
                request.error = "only one run file, please";
            else if (argument != "--run")
                request.runFile = argument;
            else
                request.runFile = text;
        } else {
            request.error = "unknown option " + displaytext::name(argument);
        }
        if (!request.error.empty()) return request;
    }
    if (request.from && request.to && *request.from > *request.to) {
        request.error = "--from " + std::to_string(*request.from) + " is after --to " +
                        std::to_string(*request.to) + ": the diagram runs from the earlier tick to the later";
        return request;
    }

    if (std::string clash = sharedOutput(request); !clash.empty()) {
        request.error = std::move(clash);
        return request;
    }
    const int sources =
        int(request.runFile.has_value()) + int(request.lesson.has_value()) + int(request.link.has_value());
    const bool compare = !request.compare.empty();
    if (sources > 1 || (request.link && request.protocol))
        request.error = "give one of a run file, --lesson NAME or --link LINK";
    else if (compare && (sources > 0 || request.protocol))
        request.error = "--compare plays its protocols from their start: give no run file, lesson, link "
                        "or protocol with it";
    else if (sources == 0 && !request.protocol && !compare)
        request.error = "give a run file, --lesson NAME, --link LINK, --protocol NAME or --compare LIST";
    return request;
}

} // namespace exporter

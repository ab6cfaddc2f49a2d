// The outside judge: tshark, which nobody here wrote, reads the program's
// captures and its TCP analysis must find what the program itself counted:
// its retransmissions, the duplicate ACKs the sender counted, the bytes the
// receiver acknowledged and, at the receiver, a missing segment wherever a
// packet was lost. Every built-in lesson is judged, and 20 runs at 5 %
// packet loss under every protocol preset.
//
// Where the analyser and the program differ by design, the difference is
// worked out from the run's own record under a named rule (see the rules
// below and docs/capture.md); nothing is let through by a tolerance.
//
// tshark starts slowly, so the runs go to it in two files, one per capture
// point, each run a connection of its own (its own sender port), written by
// the same writer a comparison's capture uses; the analyser keeps every
// connection apart. Each run's own file is read by capinfos, in one go.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <numeric>
#include <sstream>
#include <unistd.h>

#include "frontend/packet_capture.h"
#include "history/run_figures.h"
#include "tests/frontend/capture_support.h"

namespace {

using namespace capture_support;

constexpr int Seeds = 20;
constexpr int LossPercent = 5;
constexpr std::int32_t SeededTicks = 3000;

// A run to judge: its record, and the model as the run left it.
struct Judged {
    std::string name;
    const LadderTrace* ladder = nullptr;
    const RunTrace* trace = nullptr;
    const Form1* form = nullptr;
};

// What tshark's analysis says of one connection.
struct Analysis {
    int frames = 0;
    int retransmissions = 0; // data segments flagged retransmission or fast retransmission
    int spurious = 0;        // flagged spurious retransmission
    int duplicateAcks = 0;
    int windowUpdates = 0;
    int outOfOrder = 0;
    std::int64_t highestAck = 0;
    std::vector<std::int64_t> lostSegmentAt; // the sequence numbers of segments after a gap
    int badChecksums = 0;
    int malformed = 0;
};

// The program's own account of a run, and what the analyser must make of it
// under the rules where the two differ by design.
struct Expected {
    int retransmissions = 0;     // the run's figure: packet trips that were resends
    int senderDuplicateAcks = 0; // the sender's own test: the sequence number the ACK before asked for
    int delivered = 0;           // the run's figure: packets RxNext moved past

    // Rule "sequence space": the sender reads an ACK's sequence number, the
    // packet number modulo the sequence space; the analyser reads 32-bit
    // byte numbers. Two ACKs in a row asking for packets a whole sequence
    // space apart are one duplicate for the sender and none for the
    // analyser; and a sender misled by such an ACK resends a packet the
    // receiver had already acknowledged, which the analyser calls a spurious
    // retransmission (still a retransmission).
    // The receiver likewise takes a packet into the cell of another one
    // whose sequence number it shares (the dark red cell) and delivers that
    // other packet before its own bytes arrive, if they ever do: following
    // the stream skips it, since an ACK had acknowledged its bytes unseen.
    int wrappedRepeats = 0;
    int resendsOfAcknowledged = 0;
    std::vector<int> deliveredAndArrived; // delivered after their own bytes arrived
    // Rule "window": an ACK asking again for the same packet with another
    // receive window (the slider moved) is a window update to the analyser,
    // as to a TCP sender (RFC 5681: a duplicate leaves the window as it was).
    int windowUpdates = 0;
    // Rule "handshake": the program counts a duplicate only against an ACK
    // that arrived before; the analyser also compares the first ACK with
    // the SYN-ACK, which acknowledged byte 1 as well. So a first ACK that
    // asks for packet 0 is a duplicate to the analyser alone.
    bool firstAckAsksForPacketZero = false;
    // Rule "held ACK": a delayed ACK still held back when the run ends was
    // never sent, so no ACK acknowledged the last packet delivered.
    bool ackHeldAtEnd = false;

    std::vector<std::int64_t> gapsAtReceiver; // sequence numbers of packets arriving after a gap
    std::vector<std::string> gapsNotLost;     // packets of a gap that were never lost (a fault)

    int analyserDuplicateAcks() const
    {
        return senderDuplicateAcks - wrappedRepeats - windowUpdates + (firstAckAsksForPacketZero ? 1 : 0);
    }
    std::int64_t highestAcknowledgedByte() const
    {
        return std::int64_t{delivered - (ackHeldAtEnd ? 1 : 0)} * capture::SegmentBytes;
    }
};

std::int64_t byteOf(int packet) { return 1 + static_cast<std::int64_t>(packet) * capture::SegmentBytes; }

std::vector<ladder::Trip> packetArrivals(const LadderTrace& ladder)
{
    std::vector<ladder::Trip> arrivals;
    for (const ladder::Trip& trip : ladder.trips())
        if (trip.direction == ladder::Direction::Packet && trip.ending == ladder::Ending::Arrived)
            arrivals.push_back(trip);
    std::stable_sort(arrivals.begin(), arrivals.end(), [](const ladder::Trip& a, const ladder::Trip& b) {
        return std::pair(a.ended, a.slot) < std::pair(b.ended, b.slot);
    });
    return arrivals;
}

Expected expectedOf(const Judged& run)
{
    Expected expected;
    const RunFigures figures = figuresOf(*run.trace, *run.ladder);
    expected.retransmissions = figures.retransmissions;
    expected.delivered = figures.delivered;

    const std::vector<ladder::Trip> acks = acksAsTheSenderTookThem(*run.ladder);
    const auto windowOf = [&](const ladder::Trip& ack) {
        return run.trace->sample(std::clamp(ack.left, run.trace->firstTick(), run.trace->ticks()))
            .rxWindowBytes;
    };
    const ladder::Trip* before = nullptr;
    for (const ladder::Trip& ack : acks) {
        if (before != nullptr && ack.seq == before->seq) {
            ++expected.senderDuplicateAcks;
            if (ack.number != before->number)
                ++expected.wrappedRepeats;
            else if (windowOf(ack) != windowOf(*before))
                ++expected.windowUpdates;
        }
        before = &ack;
    }
    expected.firstAckAsksForPacketZero = !acks.empty() && acks.front().number == 0;
    expected.ackHeldAtEnd = run.form->HeldAckOffset >= 0;

    // A resend of a packet below the highest packet an ACK that had reached
    // the sender asked for. In a tick the ACKs arrive before the launch.
    for (const ladder::Trip& trip : run.ladder->trips()) {
        if (trip.direction != ladder::Direction::Packet || !trip.again) continue;
        const bool acknowledged = std::any_of(acks.begin(), acks.end(), [&](const ladder::Trip& ack) {
            return ack.ended <= trip.left && ack.number > trip.number;
        });
        expected.resendsOfAcknowledged += acknowledged ? 1 : 0;
    }

    const std::vector<ladder::Trip> arrivals = packetArrivals(*run.ladder);
    std::int32_t tick = run.trace->firstTick();
    for (int packet = 0; packet < expected.delivered; ++packet) {
        while (run.trace->sample(tick).rxNext <= packet) // the tick RxNext passed it
            ++tick;
        if (std::any_of(arrivals.begin(), arrivals.end(), [&](const ladder::Trip& arrival) {
                return arrival.number == packet && arrival.ended <= tick;
            }))
            expected.deliveredAndArrived.push_back(packet);
    }

    // The packets in the order they reached the receiver; one that comes
    // after a gap must have had every packet of the gap lost on the way.
    int highest = -1;
    for (const ladder::Trip& arrival : arrivals) {
        if (arrival.number > highest + 1) {
            expected.gapsAtReceiver.push_back(byteOf(arrival.number));
            for (int missing = highest + 1; missing < arrival.number; ++missing) {
                const bool lost = std::any_of(
                    run.ladder->trips().begin(), run.ladder->trips().end(), [&](const ladder::Trip& trip) {
                        return trip.direction == ladder::Direction::Packet && trip.number == missing &&
                               trip.ending == ladder::Ending::Lost && trip.ended <= arrival.ended;
                    });
                if (!lost) expected.gapsNotLost.push_back("packet " + std::to_string(missing));
            }
        }
        highest = std::max(highest, static_cast<int>(arrival.number));
    }
    return expected;
}

std::vector<std::string> split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator))
        fields.push_back(field);
    if (!line.empty() && line.back() == separator) fields.emplace_back();
    return fields;
}

// Every connection of `file` as tshark's analysis sees it, by its sender port;
// `problems` collects anything tshark said on standard error.
std::map<int, Analysis> analyse(const std::filesystem::path& file, const std::filesystem::path& errors,
                                std::string& problems)
{
    static const char* const Fields[] = {
        "tcp.srcport",
        "tcp.dstport",
        "tcp.seq",
        "tcp.ack",
        "tcp.len",
        "tcp.analysis.retransmission",
        "tcp.analysis.fast_retransmission",
        "tcp.analysis.spurious_retransmission",
        "tcp.analysis.duplicate_ack",
        "tcp.analysis.lost_segment",
        "tcp.analysis.out_of_order",
        "tcp.analysis.window_update",
        "ip.checksum.status",
        "tcp.checksum.status",
        "_ws.malformed",
    };
    std::string command =
        std::string(SWD_TSHARK) +
        " -n -o ip.check_checksum:TRUE -o tcp.check_checksum:TRUE -T fields -E separator=/t";
    for (const char* field : Fields)
        command += std::string(" -e ") + field;
    command += " -r " + quoted(file.string()) + " 2>" + quoted(errors.string());
    const CommandResult result = runCommand(command);
    std::ifstream said(errors);
    for (std::string line; std::getline(said, line);)
        if (line.find("Running as user \"root\"") == std::string::npos) problems += line + "\n";
    if (result.status != 0) problems += "tshark ended with status " + std::to_string(result.status) + "\n";

    std::map<int, Analysis> connections;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string> f = split(line, '\t');
        if (f.size() != std::size(Fields)) {
            problems += "unreadable line: " + line + "\n";
            continue;
        }
        const bool fromSender = std::stoi(f[1]) == capture::ReceiverPort;
        Analysis& analysis = connections[std::stoi(fromSender ? f[0] : f[1])];
        ++analysis.frames;
        const auto flagged = [&](std::size_t field) { return !f[field].empty(); };
        if (fromSender && (flagged(5) || flagged(6))) ++analysis.retransmissions;
        if (fromSender && flagged(7)) ++analysis.spurious;
        if (!fromSender && flagged(8)) ++analysis.duplicateAcks;
        if (fromSender && flagged(9))
            analysis.lostSegmentAt.push_back(static_cast<std::int64_t>(std::stoll(f[2])));
        if (flagged(10)) ++analysis.outOfOrder;
        if (!fromSender && flagged(11)) ++analysis.windowUpdates;
        if (!fromSender && !f[3].empty())
            analysis.highestAck = std::max<std::int64_t>(analysis.highestAck, std::stoll(f[3]));
        if (f[12] != "1" || f[13] != "1") ++analysis.badChecksums;
        if (flagged(14)) ++analysis.malformed;
    }
    return connections;
}

// What "Follow TCP Stream" shows of each of `streams` in `file`: the packet
// numbers its text names, in order (the first of each packet's ten lines).
std::map<int, std::vector<int>> followed(const std::filesystem::path& file, const std::vector<int>& streams)
{
    std::string command = std::string(SWD_TSHARK) + " -n -q -r " + quoted(file.string());
    for (const int stream : streams)
        command += " -z follow,tcp,ascii," + std::to_string(stream);
    const CommandResult result = runCommand(command + " 2>/dev/null");
    std::map<int, std::vector<int>> packets;
    int stream = -1;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Filter: tcp.stream eq ")) stream = std::stoi(line.substr(22));
        int packet = -1;
        int text = 0;
        if (stream >= 0 &&
            std::sscanf(line.c_str(), "Packet %d, sequence number %*d: line %d of", &packet, &text) == 2 &&
            text == 1)
            packets[stream].push_back(packet);
    }
    return packets;
}

class CaptureJudge : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::string(SWD_TSHARK).find("NOTFOUND") != std::string::npos)
            GTEST_SKIP() << "tshark is not installed (scripts/install-deps test)";
        folder_ = std::filesystem::temp_directory_path() /
                  ("swd-capture-judge-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The runs the judge reads, played and kept alive while it reads them.
struct RunSet {
    std::vector<std::unique_ptr<PlayedRun>> played;
    std::vector<std::unique_ptr<Comparison>> comparisons;
    std::vector<Judged> runs;
    int lessonRuns = 0; // the first runs are the lessons'

    void add(std::unique_ptr<PlayedRun> run)
    {
        runs.push_back({run->name, &run->history->ladder(), &run->history->trace(), &run->form});
        played.push_back(std::move(run));
    }
};

// Every lesson (a comparison's configurations one by one), every preset
// with seeds 1 to 20, and two runs in which the rules below apply: packet 0
// lost under delayed ACKs, ended while an ACK is held back; and the receive
// window narrowed in the middle of a run with losses.
void collectRuns(RunSet& set)
{
    for (const LessonEntry& lesson : lessonList()) {
        const RunFileResult read = loadLesson(lesson.name);
        ASSERT_TRUE(read.script) << lesson.name;
        if (read.script->alongside.empty()) {
            set.add(playLesson(*read.script, lesson.name));
            continue;
        }
        set.comparisons.push_back(playComparison(*read.script));
        const Comparison& comparison = *set.comparisons.back();
        for (std::size_t i = 0; i < comparison.size(); ++i)
            set.runs.push_back({lesson.name + " (" + comparison.label(i) + ")",
                                &comparison.history(i).ladder(), &comparison.history(i).trace(),
                                &comparison.form(i)});
    }
    set.lessonRuns = static_cast<int>(set.runs.size());
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        for (int seed = 1; seed <= Seeds; ++seed) {
            LossSettings losses;
            losses.packetPercent = LossPercent;
            losses.seed = static_cast<std::uint32_t>(seed);
            set.add(playPreset(preset, losses, SeededTicks,
                               std::string(preset.name) + " seed " + std::to_string(seed)));
        }
    }

    auto delayed = std::make_unique<PlayedRun>();
    delayed->name = "delayed ACKs, packet 0 lost";
    delayed->form.Form_Load();
    delayed->history = std::make_unique<RunHistory>(delayed->form);
    delayed->history->apply(delayed->form,
                            {EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::DelayedAck), 0});
    delayed->history->apply(delayed->form, {EventKind::StartReset, 0, 0});
    LossSettings first;
    first.planned = {{PlannedLoss::What::Packet, 0, 1}};
    delayed->history->setLosses(first);
    while (delayed->history->ticks() < 3000 &&
           (delayed->history->ticks() < 600 || delayed->form.HeldAckOffset < 0))
        delayed->history->tick(delayed->form);
    set.add(std::move(delayed));

    LossSettings losses;
    losses.packetPercent = LossPercent;
    losses.seed = 4;
    auto narrowed =
        playPreset(*presets::findPreset("selective-repeat"), losses, 800, "receive window narrowed");
    narrowed->history->apply(narrowed->form,
                             {EventKind::MoveSlider, static_cast<std::int16_t>(SliderId::RxWindow), 13});
    run_player::play(narrowed->form, *narrowed->history, 1500);
    set.add(std::move(narrowed));
}

std::string rulesApplied(const Expected& expected)
{
    std::string rules;
    if (expected.wrappedRepeats > 0 || expected.resendsOfAcknowledged > 0 ||
        static_cast<int>(expected.deliveredAndArrived.size()) < expected.delivered)
        rules += " sequence-space";
    if (expected.windowUpdates > 0) rules += " window";
    if (expected.firstAckAsksForPacketZero) rules += " handshake";
    if (expected.ackHeldAtEnd) rules += " held-ACK";
    return rules;
}

TEST_F(CaptureJudge, TsharkFindsTheProgramsOwnFiguresInEveryLessonAndSeededRun)
{
    RunSet set;
    collectRuns(set);
    const std::vector<Judged>& runs = set.runs;
    ASSERT_LE(runs.size(), capture::MostConnections);

    // Each run's own files, read whole by capinfos without a complaint.
    std::vector<capture::Connection> connections;
    std::string files;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        connections.push_back({runs[k].ladder, runs[k].trace});
        for (const capture::Point point : {capture::Point::Sender, capture::Point::Receiver}) {
            const auto path =
                folder_ / ("run-" + std::to_string(k) + "-" + capture::pointName(point) + ".pcap");
            writeFile(path, capture::pcapFile(std::span(&connections.back(), 1), point));
            files += " " + quoted(path.string());
        }
    }
    if (std::string(SWD_CAPINFOS).find("NOTFOUND") == std::string::npos) {
        const CommandResult read = runCommand(std::string(SWD_CAPINFOS) + " -c" + files + " 2>&1 >/dev/null");
        EXPECT_EQ(read.status, 0) << read.out;
        EXPECT_EQ(read.out.find_first_not_of(" \n"), std::string::npos) << read.out;
    }

    std::map<capture::Point, std::map<int, Analysis>> analyses;
    for (const capture::Point point : {capture::Point::Sender, capture::Point::Receiver}) {
        const auto path = folder_ / (std::string("all-") + capture::pointName(point) + ".pcap");
        writeFile(path, capture::pcapFile(connections, point));
        std::string problems;
        analyses[point] = analyse(path, folder_ / "tshark-errors.txt", problems);
        EXPECT_EQ(problems, "") << capture::pointName(point);
    }

    // Following the stream at the receiver reads the delivered packets, in
    // order: each one whose own bytes arrived before the receiver passed it;
    // under the rule "sequence space" the others may be missing.
    std::vector<int> lessons(static_cast<std::size_t>(set.lessonRuns));
    std::iota(lessons.begin(), lessons.end(), 0);
    const std::map<int, std::vector<int>> streams = followed(folder_ / "all-receiver.pcap", lessons);
    for (const int k : lessons) {
        const Judged& run = runs[static_cast<std::size_t>(k)];
        SCOPED_TRACE(run.name);
        const Expected expected = expectedOf(run);
        const auto found = streams.find(k);
        const std::vector<int> shown = found == streams.end() ? std::vector<int>{} : found->second;
        EXPECT_TRUE(std::adjacent_find(shown.begin(), shown.end(), std::greater_equal<>()) == shown.end());
        EXPECT_TRUE(shown.empty() || (shown.front() >= 0 && shown.back() < expected.delivered));
        EXPECT_TRUE(std::includes(shown.begin(), shown.end(), expected.deliveredAndArrived.begin(),
                                  expected.deliveredAndArrived.end()))
            << ::testing::PrintToString(shown);
    }

    // The table of the program's figures against the analyser's, for the record.
    std::ostringstream table;
    table << std::left << std::setw(44) << "run" << std::right << std::setw(16) << "resends" << std::setw(13)
          << "dup ACKs" << std::setw(18) << "acked bytes" << std::setw(9) << "gaps"
          << "  rules\n";
    const auto pair = [](auto program, auto analyser) {
        return std::to_string(program) + "/" + std::to_string(analyser);
    };
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const int port = capture::FirstSenderPort + static_cast<int>(k);
        const Judged& run = runs[k];
        const Expected expected = expectedOf(run);
        const Analysis& sender = analyses[capture::Point::Sender][port];
        const Analysis& receiver = analyses[capture::Point::Receiver][port];
        table << std::left << std::setw(44) << run.name << std::right << std::setw(12)
              << pair(expected.retransmissions, sender.retransmissions) << "(" << sender.spurious << ")"
              << std::setw(13) << pair(expected.senderDuplicateAcks, sender.duplicateAcks) << std::setw(18)
              << pair(std::int64_t{expected.delivered} * capture::SegmentBytes, receiver.highestAck - 1)
              << std::setw(9) << pair(expected.gapsAtReceiver.size(), receiver.lostSegmentAt.size()) << " "
              << rulesApplied(expected) << "\n";

        SCOPED_TRACE(run.name);
        for (const Analysis* analysis : {&sender, &receiver}) {
            EXPECT_EQ(analysis->badChecksums, 0);
            EXPECT_EQ(analysis->malformed, 0);
            EXPECT_EQ(analysis->outOfOrder, 0);
        }
        // Spurious retransmissions are flagged retransmissions too.
        EXPECT_EQ(sender.retransmissions, expected.retransmissions);
        EXPECT_EQ(sender.spurious, expected.resendsOfAcknowledged);
        EXPECT_EQ(sender.duplicateAcks, expected.analyserDuplicateAcks());
        EXPECT_EQ(sender.windowUpdates, expected.windowUpdates);
        EXPECT_EQ(receiver.highestAck - 1, expected.highestAcknowledgedByte());
        EXPECT_EQ(receiver.lostSegmentAt, expected.gapsAtReceiver);
        EXPECT_EQ(expected.gapsNotLost, std::vector<std::string>{});
    }
    std::cout << "program/analyser: resends (spurious), duplicate ACKs, bytes acknowledged at the receiver, "
                 "gaps at the receiver\n"
              << table.str();
}

} // namespace

// A run's packet capture, read back by libpcap: one TCP connection whose
// segments are the run's trips as they crossed the capture point, with the
// receiver's out-of-order packets in SACK blocks.
#include <gtest/gtest.h>
#include <pcap/pcap.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>
#include <unistd.h>

#include "frontend/packet_capture.h"
#include "history/ladder.h"
#include "tests/frontend/capture_support.h"

namespace {

using namespace capture_support;

// One frame as libpcap hands it over, with the TCP fields read from it.
struct Frame {
    std::int64_t microseconds = 0;
    std::string bytes;
    bool fromSender = false;
    std::uint16_t senderPort = 0;
    std::uint32_t seq = 0;
    std::uint32_t ack = 0;
    std::uint8_t flags = 0;
    std::uint16_t window = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sack;
    bool sackPermitted = false;
    int mss = -1;
    std::string payload;
};

std::uint32_t be(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

Frame parsed(std::int64_t microseconds, std::string bytes)
{
    Frame frame;
    frame.microseconds = microseconds;
    frame.bytes = std::move(bytes);
    const std::string& b = frame.bytes;
    EXPECT_EQ(be(b, 12, 2), 0x0800u); // IPv4
    const std::size_t ip = 14;
    const std::size_t tcp = ip + (static_cast<std::size_t>(b[ip]) & 0x0F) * 4;
    EXPECT_EQ(be(b, ip + 2, 2), b.size() - ip); // the datagram fills the frame
    const std::uint32_t source = be(b, ip + 12, 4);
    frame.fromSender = source == 0xC0000201; // 192.0.2.1
    EXPECT_EQ(source, frame.fromSender ? 0xC0000201u : 0xC0000202u);
    frame.senderPort = static_cast<std::uint16_t>(be(b, frame.fromSender ? tcp : tcp + 2, 2));
    EXPECT_EQ(be(b, frame.fromSender ? tcp + 2 : tcp, 2), capture::ReceiverPort);
    frame.seq = be(b, tcp + 4, 4);
    frame.ack = be(b, tcp + 8, 4);
    const std::size_t header = (static_cast<std::size_t>(static_cast<std::uint8_t>(b[tcp + 12])) >> 4) * 4;
    frame.flags = static_cast<std::uint8_t>(b[tcp + 13]);
    frame.window = static_cast<std::uint16_t>(be(b, tcp + 14, 2));
    for (std::size_t at = tcp + 20; at < tcp + header;) {
        const auto kind = static_cast<std::uint8_t>(b[at]);
        if (kind == 1) { // no-operation
            ++at;
            continue;
        }
        const auto length = static_cast<std::uint8_t>(b[at + 1]);
        if (kind == 2) frame.mss = static_cast<int>(be(b, at + 2, 2));
        if (kind == 4) frame.sackPermitted = true;
        if (kind == 5)
            for (std::size_t block = at + 2; block < at + length; block += 8)
                frame.sack.emplace_back(be(b, block, 4), be(b, block + 4, 4));
        at += length;
    }
    frame.payload = b.substr(tcp + header);
    return frame;
}

std::vector<Frame> readBack(const std::string& file, const std::filesystem::path& folder)
{
    const std::filesystem::path path = folder / "capture.pcap";
    std::ofstream(path, std::ios::binary) << file;
    char error[PCAP_ERRBUF_SIZE] = {};
    pcap_t* capture = pcap_open_offline(path.c_str(), error);
    EXPECT_NE(capture, nullptr) << error;
    if (capture == nullptr) return {};
    EXPECT_EQ(pcap_datalink(capture), DLT_EN10MB);
    EXPECT_EQ(pcap_snapshot(capture), 65535);
    std::vector<Frame> frames;
    pcap_pkthdr* header = nullptr;
    const u_char* data = nullptr;
    int status = 0;
    while ((status = pcap_next_ex(capture, &header, &data)) == 1) {
        EXPECT_EQ(header->caplen, header->len);
        frames.push_back(parsed(std::int64_t{header->ts.tv_sec} * 1000000 + header->ts.tv_usec,
                                std::string(reinterpret_cast<const char*>(data), header->caplen)));
    }
    EXPECT_EQ(status, PCAP_ERROR_BREAK) << pcap_geterr(capture); // the end of the file, nothing broken
    pcap_close(capture);
    return frames;
}

// What a frame says, leaving out which connection of the file it belongs to.
auto content(const Frame& frame)
{
    return std::tuple(frame.microseconds, frame.fromSender, frame.seq, frame.ack, frame.flags, frame.window,
                      frame.sack, frame.payload);
}

int packetOf(std::uint32_t byte) { return static_cast<int>((byte - 1) / capture::SegmentBytes); }

class PacketCapture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("swd-capture-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::vector<Frame> read(const std::string& file) { return readBack(file, folder_); }

    std::filesystem::path folder_;
};

TEST_F(PacketCapture, EachEndSeesWhatCrossedItAsSegmentsOfTheRun)
{
    for (const char* name : {"selective-repeat", "lost-ack"}) {
        SCOPED_TRACE(name);
        const auto run = playLesson(*loadLesson(name).script, name);
        const RunHistory& history = *run->history;
        int packetTrips = 0, packetsArrived = 0, ackTrips = 0, acksArrived = 0, lost = 0;
        for (const ladder::Trip& trip : history.ladder().trips()) {
            const bool arrived = trip.ending == ladder::Ending::Arrived;
            lost += trip.ending == ladder::Ending::Lost ? 1 : 0;
            (trip.direction == ladder::Direction::Packet ? packetTrips : ackTrips) += 1;
            (trip.direction == ladder::Direction::Packet ? packetsArrived : acksArrived) += arrived ? 1 : 0;
        }
        ASSERT_GT(lost, 0);

        for (const capture::Point point : {capture::Point::Sender, capture::Point::Receiver}) {
            SCOPED_TRACE(capture::pointName(point));
            const std::vector<Frame> frames = read(capture::pcapFile(history, point));
            ASSERT_GE(frames.size(), 3u);
            // The handshake at tick 0 announces 1,000-byte segments and SACK.
            EXPECT_EQ(frames[0].flags, 0x02);
            EXPECT_EQ(frames[1].flags, 0x12);
            EXPECT_EQ(frames[2].flags, 0x10);
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(frames[static_cast<std::size_t>(k)].mss, 1000);
                EXPECT_TRUE(frames[static_cast<std::size_t>(k)].sackPermitted);
            }
            EXPECT_EQ(frames[1].window, history.trace().sample(1).rxWindowBytes);

            // A lost packet is seen leaving the sender and never reaches the
            // receiver; a lost ACK the other way round.
            int data = 0, acks = 0;
            for (std::size_t i = 3; i < frames.size(); ++i) {
                const Frame& frame = frames[i];
                EXPECT_EQ(frame.microseconds % capture::MicrosecondsPerTick, 0);
                EXPECT_GE(frame.microseconds, frames[i - 1].microseconds);
                if (frame.fromSender) {
                    ++data;
                    ASSERT_EQ(frame.payload.size(), 1000u);
                    const std::string line = "Packet " + std::to_string(packetOf(frame.seq)) + ", ";
                    EXPECT_EQ(frame.payload.substr(0, line.size()), line);
                    EXPECT_EQ(frame.payload[99], '\n');
                } else {
                    ++acks;
                    EXPECT_EQ(frame.payload.size(), 0u);
                    EXPECT_EQ(frame.window, history.trace().sample(1).rxWindowBytes);
                }
            }
            EXPECT_EQ(data, point == capture::Point::Sender ? packetTrips : packetsArrived);
            EXPECT_EQ(acks, point == capture::Point::Sender ? acksArrived : ackTrips);
        }
    }
}

// The SACK blocks of every ACK leaving the receiver name exactly the packets
// the receiver's strip holds beyond the one it asks for, as the model,
// rebuilt at that tick, shows them.
TEST_F(PacketCapture, SackBlocksAreThePacketsTheReceiverHoldsOutOfOrder)
{
    LossSettings losses;
    losses.packetPercent = 10;
    losses.seed = 3;
    const auto run = playPreset(*presets::findPreset("selective-repeat"), losses, 1500, "selective-repeat");
    const RunHistory& history = *run->history;
    int withBlocks = 0;
    for (const Frame& frame : read(capture::pcapFile(history, capture::Point::Receiver))) {
        if (frame.fromSender || (frame.flags & 0x02) != 0) continue;
        const auto tick = static_cast<std::int32_t>(frame.microseconds / capture::MicrosecondsPerTick);
        const Form1 model = history.recorder().stateAt(tick);
        const int asked = packetOf(frame.ack);
        std::set<int> held;
        for (int cell = 0; cell <= geometry::LastCell; ++cell) {
            const int number = model.rxOrigin() + cell;
            const Colour mark = model.lblRx[static_cast<std::size_t>(cell)].ForeColor;
            if (number > asked && (mark == colours::RxReceived || mark == colours::RxAliased))
                held.insert(number);
        }
        std::set<int> reported;
        for (const auto& [left, right] : frame.sack)
            for (int packet = packetOf(left); packet < packetOf(right); ++packet)
                reported.insert(packet);
        // Four blocks fit in the header: with more holes the highest go unreported.
        if (frame.sack.size() < 4)
            EXPECT_EQ(reported, held) << "ACK for packet " << asked << " at tick " << tick;
        else
            EXPECT_TRUE(std::includes(held.begin(), held.end(), reported.begin(), reported.end()));
        withBlocks += frame.sack.empty() ? 0 : 1;
    }
    EXPECT_GT(withBlocks, 5);
}

TEST_F(PacketCapture, ARangeOfTicksIsTheWholeCaptureCutToItAndAComparisonOneConnectionEach)
{
    const auto run = playLesson(*loadLesson("go-back-n").script, "go-back-n");
    const std::vector<Frame> whole = read(capture::pcapFile(*run->history, capture::Point::Sender));
    const std::vector<Frame> part = read(capture::pcapFile(*run->history, capture::Point::Sender, 300, 600));
    // Begun in the middle of the connection: no handshake, only ticks 300 to 600.
    std::vector<std::string> expected;
    for (const Frame& frame : whole)
        if (frame.microseconds >= 300 * capture::MicrosecondsPerTick &&
            frame.microseconds <= 600 * capture::MicrosecondsPerTick)
            expected.push_back(frame.bytes);
    std::vector<std::string> got;
    for (const Frame& frame : part)
        got.push_back(frame.bytes);
    EXPECT_FALSE(got.empty());
    EXPECT_EQ(got, expected);

    // The configurations of a comparison: ports 49152 and up, each its own
    // handshake and frames, all in the order of time.
    const auto comparison = playComparison(*loadLesson("same-losses").script);
    std::vector<capture::Connection> connections;
    for (std::size_t i = 0; i < comparison->size(); ++i)
        connections.push_back({&comparison->history(i).ladder(), &comparison->history(i).trace()});
    ASSERT_EQ(connections.size(), 3u);
    const std::vector<Frame> all = read(capture::pcapFile(connections, capture::Point::Receiver));
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GE(all[i].microseconds, all[i - 1].microseconds);
    for (std::size_t k = 0; k < connections.size(); ++k) {
        SCOPED_TRACE(comparison->label(k));
        const auto port = static_cast<std::uint16_t>(capture::FirstSenderPort + k);
        std::vector<decltype(content(all.front()))> own, alone;
        for (const Frame& frame : all)
            if (frame.senderPort == port) own.push_back(content(frame));
        for (const Frame& frame :
             read(capture::pcapFile(std::span(&connections[k], 1), capture::Point::Receiver)))
            alone.push_back(content(frame));
        EXPECT_EQ(own, alone);
    }
}

} // namespace

// A run as a packet capture: a classic .pcap file that a protocol analyser
// (Wireshark, tshark, tcpdump) opens as one TCP connection, so a class can
// read the run again the way engineers read real traffic.
//
// The mapping (docs/capture.md tells it for teachers):
//   - the sender is 192.0.2.1, port 49152; the receiver 192.0.2.2, port 4000
//     (documentation addresses); a second or third run in the same file, as
//     a comparison writes them, is port 49153 or 49154 of the same sender;
//   - a three-way handshake at tick 0, before anything else, announces an
//     MSS of 1,000 bytes and SACK; both initial sequence numbers are 0, so
//     the absolute numbers read as the relative ones;
//   - every trip of packet n is a segment of 1,000 bytes at sequence number
//     1 + 1,000 n, whose payload says "Packet n" in text on every line;
//   - every ACK is a pure acknowledgement of 1 + 1,000 × RxNext (the packet
//     the receiver asks for), with the receive window of the run in bytes
//     (at most 16,000, so no window scaling), and SACK blocks for the
//     packets the receiver holds beyond RxNext;
//   - a frame's time is its tick × 50 ms, counted from the epoch;
//   - the capture point: at the sender, packets as they leave and ACKs as
//     they arrive (a lost packet is seen leaving, a lost ACK never); at the
//     receiver, packets as they arrive and ACKs as they leave.
// A run that ends with packets in flight simply ends: no FIN.
//
// Within one tick frames follow the tick's own order: at the sender the ACKs
// that arrive come before the packet it launches; at the receiver each
// packet that arrives is followed by the ACK it sent, and an ACK released
// after a delay comes after every arrival.
//
// The same trips always make the same bytes, so the desktop, the page and
// the exporter write identical files of one run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class LadderTrace;
class RunTrace;
class RunHistory;

namespace capture {

enum class Point : std::uint8_t { Sender, Receiver };

inline constexpr std::array<std::uint8_t, 4> SenderAddress{192, 0, 2, 1};
inline constexpr std::array<std::uint8_t, 4> ReceiverAddress{192, 0, 2, 2};
inline constexpr std::uint16_t FirstSenderPort = 49152;
inline constexpr std::uint16_t ReceiverPort = 4000;
inline constexpr std::uint32_t InitialSequence = 0;
inline constexpr std::uint16_t SegmentBytes = 1000;
inline constexpr std::int64_t MicrosecondsPerTick = 50000;
// Connection k of a file uses port FirstSenderPort + k, so a file holds at most this many.
inline constexpr std::size_t MostConnections = 65536 - FirstSenderPort;

// "sender" or "receiver".
std::optional<Point> pointNamed(std::string_view name);
const char* pointName(Point point);

// One run of the file: its trips and its per-tick samples.
struct Connection {
    const LadderTrace* ladder = nullptr;
    const RunTrace* trace = nullptr;
};

// The whole .pcap file of ticks `from` to `to` (clamped to what the record
// keeps; to < 0: the last tick), as bytes. The handshake is written only
// when the range begins at the run's tick 0: a capture of later ticks is one
// started in the middle of the connection. Connection k uses port
// FirstSenderPort + k; more than MostConnections are not written.
std::string pcapFile(std::span<const Connection> connections, Point at, std::int32_t from = 0,
                     std::int32_t to = -1);
// The current run of `history`.
std::string pcapFile(const RunHistory& history, Point at, std::int32_t from = 0, std::int32_t to = -1);

} // namespace capture

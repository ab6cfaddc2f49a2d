// The bytes of a packet capture: the classic pcap file header and one
// record per frame, each an Ethernet frame carrying an IPv4 datagram that
// carries one TCP segment, with valid IP and TCP checksums.
//
// Every multi-byte field of the pcap format is written little-endian and
// every field of the frame in network order, byte by byte, so the file is
// the same on every machine the program runs on (the page's WebAssembly
// included).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace capture {

namespace tcpflag {
inline constexpr std::uint8_t Syn = 0x02;
inline constexpr std::uint8_t Push = 0x08;
inline constexpr std::uint8_t Ack = 0x10;
} // namespace tcpflag

// A SACK block: the bytes from `left` up to, not including, `right`.
struct SackBlock {
    std::uint32_t left = 0;
    std::uint32_t right = 0;
};
// Without the timestamp option four blocks fit in the TCP header's 40 bytes of options.
inline constexpr int MostSackBlocks = 4;

struct Segment {
    bool fromSender = true;
    std::uint16_t senderPort = 0;
    std::uint16_t ipId = 0;
    std::uint32_t seq = 0;
    std::uint32_t ack = 0;
    std::uint8_t flags = 0;
    std::uint16_t window = 0;
    bool handshakeOptions = false; // MSS and SACK permitted, on SYN and SYN-ACK
    int sackBlocks = 0;
    std::array<SackBlock, MostSackBlocks> sack{};
    std::int32_t packet = -1;   // the packet whose 1,000 bytes it carries, or -1 for none
    std::int16_t packetSeq = 0; // that packet's sequence number in the run, for its text
};

void appendFileHeader(std::string& file);
// One record: the frame of `segment` at `microseconds` after the epoch.
void appendFrame(std::string& file, std::int64_t microseconds, const Segment& segment);

// The 1,000 bytes packet `packet` carries: ten lines of 100 characters, each
// naming the packet, so that following the stream reads as the packets in order.
void packetPayload(std::int32_t packet, std::int16_t seq, std::array<char, 1000>& into);

} // namespace capture

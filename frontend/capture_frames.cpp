#include "frontend/capture_frames.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "frontend/packet_capture.h"

namespace capture {

namespace {

constexpr std::uint32_t PcapMagic = 0xA1B2C3D4; // microsecond timestamps
constexpr std::uint16_t PcapMajor = 2;
constexpr std::uint16_t PcapMinor = 4;
constexpr std::uint32_t SnapLength = 65535;
constexpr std::uint32_t LinkTypeEthernet = 1;

constexpr std::uint16_t EtherTypeIPv4 = 0x0800;
constexpr std::size_t EthernetBytes = 14;
constexpr std::size_t IPv4Bytes = 20;
constexpr std::size_t TcpBytes = 20;
constexpr std::uint8_t ProtocolTcp = 6;
constexpr std::uint8_t TimeToLive = 64;
constexpr std::uint16_t DontFragment = 0x4000;

// Locally administered addresses for the two hosts: nothing real answers to them.
constexpr std::array<std::uint8_t, 6> SenderMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
constexpr std::array<std::uint8_t, 6> ReceiverMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x02};

constexpr std::uint8_t OptionNop = 1;
constexpr std::uint8_t OptionMss = 2;
constexpr std::uint8_t OptionSackPermitted = 4;
constexpr std::uint8_t OptionSack = 5;

void littleEndian16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void littleEndian32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// Writes the frame's fields in network order into a buffer of its own size.
class FrameBuilder {
public:
    explicit FrameBuilder(std::size_t size) : bytes_(size, '\0') {}
    void put8(std::size_t at, std::uint8_t value) { bytes_[at] = static_cast<char>(value); }
    void put16(std::size_t at, std::uint16_t value)
    {
        put8(at, static_cast<std::uint8_t>(value >> 8));
        put8(at + 1, static_cast<std::uint8_t>(value & 0xFF));
    }
    void put32(std::size_t at, std::uint32_t value)
    {
        put16(at, static_cast<std::uint16_t>(value >> 16));
        put16(at + 2, static_cast<std::uint16_t>(value & 0xFFFF));
    }
    template <std::size_t N> void put(std::size_t at, const std::array<std::uint8_t, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i)
            put8(at + i, values[i]);
    }
    std::uint8_t at(std::size_t index) const { return static_cast<std::uint8_t>(bytes_[index]); }
    // The ones' complement sum of the bytes [from, from + count) as 16-bit words, added to `sum`.
    std::uint32_t sum(std::size_t from, std::size_t count, std::uint32_t sum = 0) const
    {
        for (std::size_t i = 0; i + 1 < count; i += 2)
            sum += static_cast<std::uint32_t>(at(from + i) << 8 | at(from + i + 1));
        if (count % 2 == 1) sum += static_cast<std::uint32_t>(at(from + count - 1) << 8);
        return sum;
    }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

std::uint16_t foldChecksum(std::uint32_t sum)
{
    while (sum > 0xFFFF)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

std::uint32_t addressSum(const std::array<std::uint8_t, 4>& address)
{
    return static_cast<std::uint32_t>(address[0] << 8 | address[1]) +
           static_cast<std::uint32_t>(address[2] << 8 | address[3]);
}

std::size_t optionBytes(const Segment& segment)
{
    if (segment.handshakeOptions) return 8; // MSS (4), NOP, NOP, SACK permitted (2)
    if (segment.sackBlocks > 0) return 4 + 8 * static_cast<std::size_t>(segment.sackBlocks); // NOP, NOP, SACK
    return 0;
}

void putOptions(FrameBuilder& frame, std::size_t at, const Segment& segment)
{
    if (segment.handshakeOptions) {
        frame.put8(at, OptionMss);
        frame.put8(at + 1, 4);
        frame.put16(at + 2, SegmentBytes);
        frame.put8(at + 4, OptionNop);
        frame.put8(at + 5, OptionNop);
        frame.put8(at + 6, OptionSackPermitted);
        frame.put8(at + 7, 2);
        return;
    }
    if (segment.sackBlocks == 0) return;
    frame.put8(at, OptionNop);
    frame.put8(at + 1, OptionNop);
    frame.put8(at + 2, OptionSack);
    frame.put8(at + 3, static_cast<std::uint8_t>(2 + 8 * segment.sackBlocks));
    for (int i = 0; i < segment.sackBlocks; ++i) {
        const SackBlock& block = segment.sack[static_cast<std::size_t>(i)];
        frame.put32(at + 4 + 8 * static_cast<std::size_t>(i), block.left);
        frame.put32(at + 8 + 8 * static_cast<std::size_t>(i), block.right);
    }
}

} // namespace

void appendFileHeader(std::string& file)
{
    littleEndian32(file, PcapMagic);
    littleEndian16(file, PcapMajor);
    littleEndian16(file, PcapMinor);
    littleEndian32(file, 0); // the times are UTC
    littleEndian32(file, 0); // accuracy of the times, unused by every reader
    littleEndian32(file, SnapLength);
    littleEndian32(file, LinkTypeEthernet);
}

void packetPayload(std::int32_t packet, std::int16_t seq, std::array<char, 1000>& into)
{
    constexpr int Lines = 10;
    constexpr int LineBytes = 100;
    into.fill(' ');
    for (int line = 0; line < Lines; ++line) {
        // "Packet 5, sequence number 5: line 1 of 10", then blanks and a line feed.
        // Built with to_chars rather than a printf, which would weigh on the page.
        char* at = into.data() + line * LineBytes;
        const auto put = [&at](std::string_view text) { at = std::copy(text.begin(), text.end(), at); };
        const auto number = [&at](int value) { at = std::to_chars(at, at + 12, value).ptr; };
        put("Packet ");
        number(packet);
        put(", sequence number ");
        number(seq);
        put(": line ");
        number(line + 1);
        put(" of ");
        number(Lines);
        into[static_cast<std::size_t>(line * LineBytes + LineBytes - 1)] = '\n';
    }
}

void appendFrame(std::string& file, std::int64_t microseconds, const Segment& segment)
{
    const std::size_t options = optionBytes(segment);
    const std::size_t tcpBytes = TcpBytes + options;
    const std::size_t payload = segment.packet >= 0 ? SegmentBytes : 0;
    const std::size_t ipBytes = IPv4Bytes + tcpBytes + payload;
    FrameBuilder frame(EthernetBytes + ipBytes);

    frame.put(0, segment.fromSender ? ReceiverMac : SenderMac);
    frame.put(6, segment.fromSender ? SenderMac : ReceiverMac);
    frame.put16(12, EtherTypeIPv4);

    const std::size_t ip = EthernetBytes;
    const auto& source = segment.fromSender ? SenderAddress : ReceiverAddress;
    const auto& destination = segment.fromSender ? ReceiverAddress : SenderAddress;
    frame.put8(ip, 0x45); // version 4, five words of header
    frame.put16(ip + 2, static_cast<std::uint16_t>(ipBytes));
    frame.put16(ip + 4, segment.ipId);
    frame.put16(ip + 6, DontFragment);
    frame.put8(ip + 8, TimeToLive);
    frame.put8(ip + 9, ProtocolTcp);
    frame.put(ip + 12, source);
    frame.put(ip + 16, destination);
    frame.put16(ip + 10, foldChecksum(frame.sum(ip, IPv4Bytes)));

    const std::size_t tcp = ip + IPv4Bytes;
    frame.put16(tcp, segment.fromSender ? segment.senderPort : ReceiverPort);
    frame.put16(tcp + 2, segment.fromSender ? ReceiverPort : segment.senderPort);
    frame.put32(tcp + 4, segment.seq);
    frame.put32(tcp + 8, segment.ack);
    frame.put8(tcp + 12, static_cast<std::uint8_t>((tcpBytes / 4) << 4));
    frame.put8(tcp + 13, segment.flags);
    frame.put16(tcp + 14, segment.window);
    putOptions(frame, tcp + TcpBytes, segment);
    if (payload > 0) {
        std::array<char, 1000> text{};
        packetPayload(segment.packet, segment.packetSeq, text);
        std::copy(text.begin(), text.end(),
                  frame.bytes().begin() + static_cast<std::ptrdiff_t>(tcp + tcpBytes));
    }
    // The pseudo-header: both addresses, the protocol and the segment's length.
    const std::uint32_t pseudo = addressSum(source) + addressSum(destination) + ProtocolTcp +
                                 static_cast<std::uint32_t>(tcpBytes + payload);
    frame.put16(tcp + 16, foldChecksum(frame.sum(tcp, tcpBytes + payload, pseudo)));

    const auto seconds = static_cast<std::uint32_t>(microseconds / 1000000);
    const auto fraction = static_cast<std::uint32_t>(microseconds % 1000000);
    const auto length = static_cast<std::uint32_t>(frame.bytes().size());
    littleEndian32(file, seconds);
    littleEndian32(file, fraction);
    littleEndian32(file, length);
    littleEndian32(file, length);
    file += frame.bytes();
}

} // namespace capture

// Which frames a capture point sees, when, and in what order; the bytes of
// each frame are capture_frames.cpp's.
#include "frontend/packet_capture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "frontend/capture_frames.h"
#include "history/ladder.h"
#include "history/run_history.h"
#include "history/run_trace.h"

namespace capture {

namespace {

using ladder::Direction;
using ladder::Ending;
using ladder::Trip;

// The sender advertises the largest unscaled window: it receives no data, so
// its window never limits anything.
constexpr std::uint16_t SenderWindow = 65535;

// Where a frame stands among the frames of its tick, in the tick's own order.
enum class Phase : std::uint8_t {
    Handshake,  // before anything of tick 0
    Arrivals,   // ACKs reaching the sender; packets reaching the receiver, each with its ACK
    TickSends,  // a packet the tick launched; an ACK released after its delay
    EventSends, // sent by a user's action after the tick
};

enum class Kind : std::uint8_t { Syn, SynAck, HandshakeAck, Packet, Ack };

struct Frame {
    std::int32_t tick = 0;
    std::uint16_t connection = 0;
    Phase phase = Phase::Arrivals;
    std::int16_t slot = 0;  // the flight button, the order of the tick's own loops
    std::uint8_t after = 0; // an ACK after the arrival that sent it
    Kind kind = Kind::Packet;
    std::int32_t trip = -1;
    std::uint16_t ipId = 0;
    std::uint32_t held = 0; // an ACK's packets held beyond its request, as in Trip::heldBeyond

    // Where it stands in the file: by tick, connection, phase, flight
    // button, and after the arrival that sent it. Packed into one number:
    // the tick takes the high 32 bits, a connection 14 (MostConnections),
    // the phase 2, a button 5 and `after` 1.
    std::uint64_t key() const
    {
        return std::uint64_t{static_cast<std::uint32_t>(tick)} << 32 | std::uint64_t{connection} << 8 |
               std::uint64_t{static_cast<std::uint8_t>(phase)} << 6 |
               std::uint64_t{static_cast<std::uint8_t>(slot)} << 1 | after;
    }
};

std::uint32_t byteOf(std::int32_t packet)
{
    return InitialSequence + 1 + static_cast<std::uint32_t>(packet) * SegmentBytes;
}

// The packets that reached the receiver, by the tick they arrived in and,
// within it, in the order the tick hands them over (by flight button).
class Arrivals {
public:
    explicit Arrivals(const std::vector<Trip>& trips) : trips_(trips)
    {
        for (std::size_t i = 0; i < trips.size(); ++i)
            if (trips[i].direction == Direction::Packet && trips[i].ending == Ending::Arrived)
                order_.push_back(static_cast<std::int32_t>(i));
        std::sort(order_.begin(), order_.end(), [&](std::int32_t a, std::int32_t b) {
            return std::pair(trip(a).ended, trip(a).slot) < std::pair(trip(b).ended, trip(b).slot);
        });
    }

    // The packet trip that arrived in the tick the ACK `ack` left and sent
    // it, or -1 (a delayed ACK released later).
    std::int32_t sender(const Trip& ack) const
    {
        if (ack.leftInEvent) return -1;
        for (const std::int32_t index : inTick(ack.left))
            if (trip(index).number == ack.arrived) return index;
        return -1;
    }

    // What the receiver held beyond the ACK's request when it sent it. The
    // record sees the receiver once per tick, after it: when a held packet
    // and another arrive in the same tick, the first one's ACK left before
    // the second arrived and cannot report it.
    std::uint32_t heldWhenSent(const Trip& ack, std::int32_t sentBy) const
    {
        std::uint32_t held = ack.heldBeyond;
        if (sentBy < 0) return held;
        for (const std::int32_t index : inTick(ack.left)) {
            const Trip& later = trip(index);
            const int bit = later.number - ack.number - 1;
            if (later.slot > trip(sentBy).slot && bit >= 0 && bit < 32) held &= ~(std::uint32_t{1} << bit);
        }
        return held;
    }

private:
    const Trip& trip(std::int32_t index) const { return trips_[static_cast<std::size_t>(index)]; }
    std::span<const std::int32_t> inTick(std::int32_t tick) const
    {
        const auto first = std::partition_point(order_.begin(), order_.end(),
                                                [&](std::int32_t index) { return trip(index).ended < tick; });
        const auto last = std::partition_point(first, order_.end(),
                                               [&](std::int32_t index) { return trip(index).ended == tick; });
        // From a pointer and a count: the page's older standard library has no span of two iterators.
        return {order_.data() + (first - order_.begin()), static_cast<std::size_t>(last - first)};
    }

    const std::vector<Trip>& trips_;
    std::vector<std::int32_t> order_;
};

// The SACK blocks of an ACK: the block holding the packet that sent it
// first, as RFC 2018 asks, then the others from the lowest, at most four.
int sackBlocks(std::uint32_t held, const Trip& ack, std::array<SackBlock, MostSackBlocks>& blocks)
{
    struct Run {
        std::int32_t first;
        std::int32_t last;
    };
    std::vector<Run> runs;
    for (int k = 0; k < 32; ++k) {
        if ((held >> k & 1) == 0) continue;
        const std::int32_t packet = ack.number + 1 + k;
        if (!runs.empty() && runs.back().last == packet - 1)
            runs.back().last = packet;
        else
            runs.push_back({packet, packet});
    }
    const auto newest = std::find_if(runs.begin(), runs.end(), [&](const Run& run) {
        return run.first <= ack.arrived && ack.arrived <= run.last;
    });
    if (newest != runs.end()) std::rotate(runs.begin(), newest, newest + 1);
    const int count = std::min(static_cast<int>(runs.size()), MostSackBlocks);
    for (int i = 0; i < count; ++i) {
        const Run& run = runs[static_cast<std::size_t>(i)];
        blocks[static_cast<std::size_t>(i)] = {byteOf(run.first), byteOf(run.last + 1)};
    }
    return count;
}

class Writer {
public:
    Writer(std::span<const Connection> connections, Point at, std::int32_t from, std::int32_t to)
        : connections_(connections.first(std::min(connections.size(), MostConnections))), at_(at),
          from_(from), to_(to)
    {
    }

    std::string file()
    {
        for (std::size_t c = 0; c < connections_.size(); ++c)
            collect(static_cast<std::uint16_t>(c));
        // Frames of equal place keep the order they were collected in, so the
        // same trips always give the same file.
        std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
        order.reserve(frames_.size());
        for (std::size_t i = 0; i < frames_.size(); ++i)
            order.emplace_back(frames_[i].key(), static_cast<std::uint32_t>(i));
        std::sort(order.begin(), order.end());
        std::string bytes;
        appendFileHeader(bytes);
        for (const auto& [key, index] : order) {
            const Frame& frame = frames_[index];
            appendFrame(bytes, frame.tick * MicrosecondsPerTick, segment(frame));
        }
        return bytes;
    }

private:
    struct Range {
        std::int32_t from;
        std::int32_t to;
        bool contains(std::int32_t tick) const { return tick >= from && tick <= to; }
    };

    Range rangeOf(const RunTrace& trace) const
    {
        const std::int32_t from = std::clamp(from_, trace.firstTick(), trace.ticks());
        const std::int32_t to = to_ < 0 ? trace.ticks() : std::clamp(to_, from, trace.ticks());
        return {from, to};
    }

    void add(std::uint16_t connection, std::int32_t tick, Phase phase, int slot, std::uint8_t after,
             Kind kind, std::int32_t trip = -1, std::uint16_t ipId = 0, std::uint32_t held = 0)
    {
        frames_.push_back(
            {tick, connection, phase, static_cast<std::int16_t>(slot), after, kind, trip, ipId, held});
    }

    void collect(std::uint16_t connection)
    {
        const std::vector<Trip>& trips = connections_[connection].ladder->trips();
        const Range range = rangeOf(*connections_[connection].trace);
        if (range.from == 0) {
            add(connection, 0, Phase::Handshake, 0, 0, Kind::Syn);
            add(connection, 0, Phase::Handshake, 1, 0, Kind::SynAck);
            add(connection, 0, Phase::Handshake, 2, 0, Kind::HandshakeAck, -1, 1);
        }
        const Arrivals arrivals(trips);
        // The IP identification: each host counts its datagrams, the
        // handshake's first, so a datagram carries the same number at both ends.
        std::uint16_t fromSender = 2;   // after the SYN and the handshake's ACK
        std::uint16_t fromReceiver = 1; // after the SYN-ACK
        for (std::size_t i = 0; i < trips.size(); ++i) {
            const Trip& trip = trips[i];
            const auto index = static_cast<std::int32_t>(i);
            const Phase sent = trip.leftInEvent ? Phase::EventSends : Phase::TickSends;
            const bool arrived = trip.ending == Ending::Arrived;
            if (trip.direction == Direction::Packet) {
                const std::uint16_t id = fromSender++;
                if (at_ == Point::Sender && range.contains(trip.left))
                    add(connection, trip.left, sent, trip.slot, 0, Kind::Packet, index, id);
                if (at_ == Point::Receiver && arrived && range.contains(trip.ended))
                    add(connection, trip.ended, Phase::Arrivals, trip.slot, 0, Kind::Packet, index, id);
                continue;
            }
            const std::uint16_t id = fromReceiver++;
            const bool seen =
                at_ == Point::Sender ? arrived && range.contains(trip.ended) : range.contains(trip.left);
            if (!seen) continue;
            const std::int32_t cause = arrivals.sender(trip);
            const std::uint32_t held = arrivals.heldWhenSent(trip, cause);
            if (at_ == Point::Sender)
                add(connection, trip.ended, Phase::Arrivals, trip.slot, 0, Kind::Ack, index, id, held);
            else if (cause >= 0)
                add(connection, trip.left, Phase::Arrivals, trips[static_cast<std::size_t>(cause)].slot, 1,
                    Kind::Ack, index, id, held);
            else
                add(connection, trip.left, sent, trip.slot, 0, Kind::Ack, index, id, held);
        }
    }

    Segment segment(const Frame& frame)
    {
        const Connection& connection = connections_[frame.connection];
        Segment segment;
        segment.senderPort = static_cast<std::uint16_t>(FirstSenderPort + frame.connection);
        const RunTrace& trace = *connection.trace;
        // The window the receiver opens with is the one in force when the run
        // begins, after whatever settings tick 0's actions made.
        const std::int32_t startTick = std::min(1, trace.ticks());
        switch (frame.kind) {
        case Kind::Syn:
            segment.seq = InitialSequence;
            segment.flags = tcpflag::Syn;
            segment.window = SenderWindow;
            segment.handshakeOptions = true;
            return segment;
        case Kind::SynAck:
            segment.fromSender = false;
            segment.seq = InitialSequence;
            segment.ack = InitialSequence + 1;
            segment.flags = tcpflag::Syn | tcpflag::Ack;
            segment.window = static_cast<std::uint16_t>(trace.sample(startTick).rxWindowBytes);
            segment.handshakeOptions = true;
            return segment;
        case Kind::HandshakeAck:
            segment.ipId = frame.ipId;
            segment.seq = InitialSequence + 1;
            segment.ack = InitialSequence + 1;
            segment.flags = tcpflag::Ack;
            segment.window = SenderWindow;
            return segment;
        case Kind::Packet:
        case Kind::Ack:
            break;
        }
        const Trip& trip = connection.ladder->trips()[static_cast<std::size_t>(frame.trip)];
        segment.ipId = frame.ipId;
        if (frame.kind == Kind::Packet) {
            segment.seq = byteOf(trip.number);
            segment.ack = InitialSequence + 1;
            segment.flags = tcpflag::Push | tcpflag::Ack;
            segment.window = SenderWindow;
            segment.packet = trip.number;
            segment.packetSeq = trip.seq;
            return segment;
        }
        segment.fromSender = false;
        segment.seq = InitialSequence + 1;
        segment.ack = byteOf(trip.number);
        segment.flags = tcpflag::Ack;
        const std::int32_t sentTick = std::clamp(trip.left, trace.firstTick(), trace.ticks());
        segment.window = static_cast<std::uint16_t>(trace.sample(sentTick).rxWindowBytes);
        segment.sackBlocks = sackBlocks(frame.held, trip, segment.sack);
        return segment;
    }

    std::span<const Connection> connections_;
    Point at_;
    std::int32_t from_;
    std::int32_t to_;
    std::vector<Frame> frames_;
};

} // namespace

std::optional<Point> pointNamed(std::string_view name)
{
    if (name == "sender") return Point::Sender;
    if (name == "receiver") return Point::Receiver;
    return std::nullopt;
}

const char* pointName(Point point) { return point == Point::Sender ? "sender" : "receiver"; }

std::string pcapFile(std::span<const Connection> connections, Point at, std::int32_t from, std::int32_t to)
{
    return Writer(connections, at, from, to).file();
}

std::string pcapFile(const RunHistory& history, Point at, std::int32_t from, std::int32_t to)
{
    const Connection connection{&history.ladder(), &history.trace()};
    return pcapFile(std::span(&connection, 1), at, from, to);
}

} // namespace capture

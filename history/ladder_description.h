// The time-sequence (ladder) diagram of a range of ticks, as plain data:
// what every front end draws, worked out once from the run's record.
//
// Coordinates are ticks (downward) and "across" (0 at the sender's axis, 1
// at the receiver's). A front end only scales them to its pixels, picks the
// colour of each kind from its palette and draws the texts as given.
//
//   sender        receiver
//     |              |
//  10 |\___  "3"     |       a packet leaves at tick 10 ...
//     |    \___      |
//  83 |        \____ |       ... and arrives at tick 83
//     |         ____/|       its ACK goes back, "ACK 4"
// 156 |<___/         |
//
// Lines keep their whole course even where it runs outside the range; a
// drawing clips them to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/ladder.h"
#include "history/run_trace.h"

namespace ladder {

enum class LineKind : std::uint8_t { Packet, Resend, Ack, DuplicateAck };

struct Point {
    double tick = 0;
    double across = 0;
};

struct Line {
    LineKind kind = LineKind::Packet;
    Ending ending = Ending::InFlight; // Lost: ends at a cross
    bool dropped = false;             // arrived, and the in-order receiver threw it away
    std::int32_t trip = 0;            // index into LadderTrace::trips()
    std::int32_t left = 0;            // the tick it left
    std::int32_t ended = -1;          // the tick it arrived or was lost; -1 still flying
    std::uint32_t firstPoint = 0;     // its course: points[firstPoint .. firstPoint + pointCount)
    std::uint32_t pointCount = 0;
    std::string label; // "3", "17 (seq 2)", "ACK 4", "ACK 4 dup"
    Point labelAt;
};

enum class MarkKind : std::uint8_t { Timeout, FastRetransmit, StateChange, Drop };

// Something that happened at one tick, marked on one axis.
struct Mark {
    std::int32_t tick = 0;
    MarkKind kind = MarkKind::Timeout;
    bool atReceiver = false;
    std::string text; // "timeout", "fast retransmit", "SlowStart", "drop 2"
};

// The packets the transmit window allows from this tick on: first .. last.
struct WindowNote {
    std::int32_t tick = 0;
    std::int16_t first = 0;
    std::int16_t last = 0;
};

struct Description {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::vector<Line> lines; // in the order they left
    std::vector<Point> points;
    std::vector<Mark> marks; // in tick order
    std::vector<WindowNote> windows;

    // The course of one line.
    const Point* begin(const Line& line) const { return points.data() + line.firstPoint; }
    const Point* end(const Line& line) const { return begin(line) + line.pointCount; }
    // The line a click at (tick, across) falls on, within `tolerance` ticks; -1 for none.
    int lineAt(double tick, double across, double tolerance) const;
};

// Ticks `from` to `to` of the run (clamped to what the trace keeps; to < 0:
// up to its latest tick).
Description describe(const LadderTrace& ladder, const RunTrace& trace, std::int32_t from = 0,
                     std::int32_t to = -1);

// Like describe(), reusing `into`'s storage: a live view asks for its visible
// ticks on every refresh.
void describeInto(Description& into, const LadderTrace& ladder, const RunTrace& trace, std::int32_t from,
                  std::int32_t to);

} // namespace ladder

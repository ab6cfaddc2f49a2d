#include "history/ladder_description.h"

#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "core/numbers.h"
#include "history/stable_order.h"
#include "history/translatable.h"

namespace ladder {
namespace {

// Labels sit near where a line leaves, where lines of one burst are furthest apart.
constexpr double PacketLabelAcross = 0.22;
constexpr double AckLabelAcross = 0.78;

std::string numberText(std::int16_t number, std::int16_t seq)
{
    if (seq == number) return numbers::plainText(number);
    return texts::fill(texts::translatable("diagram", "%1 (seq %2)"), number, seq);
}

std::string labelOf(const Trip& trip)
{
    if (trip.direction == Direction::Packet) return numberText(trip.number, trip.seq);
    return texts::fill(trip.again ? texts::translatable("diagram", "ACK %1 dup")
                                  : texts::translatable("diagram", "ACK %1"),
                       numberText(trip.number, trip.seq));
}

LineKind kindOf(const Trip& trip)
{
    if (trip.direction == Direction::Packet) return trip.again ? LineKind::Resend : LineKind::Packet;
    return trip.again ? LineKind::DuplicateAck : LineKind::Ack;
}

// Where the button of a trip still flying stands after tick `now`: it moved
// one step in every tick since it left except those it was held.
std::int32_t topNow(const Trip& trip, std::int32_t heldTicks, std::int32_t now)
{
    const std::int32_t moves = std::max(0, now - trip.left - heldTicks);
    return trip.direction == Direction::Packet ? geometry::PacketLaunchTop + moves * geometry::FlightStep
                                               : geometry::AckLaunchTop - moves * geometry::FlightStep;
}

Point pointAcross(const Point* first, const Point* last, double across, bool rising)
{
    for (const Point* p = first; p + 1 < last; ++p) {
        const Point& a = p[0];
        const Point& b = p[1];
        const bool reaches =
            rising ? (a.across <= across && b.across >= across) : (a.across >= across && b.across <= across);
        if (!reaches || a.across == b.across) continue;
        const double f = (across - a.across) / (b.across - a.across);
        return {a.tick + f * (b.tick - a.tick), across};
    }
    // Lost before it got there: beside its cross.
    return {last[-1].tick, last[-1].across + (rising ? 0.07 : -0.07)};
}

// The in-order receiver's log names each packet it throws away in the tick it arrives.
bool droppedAt(const RunTrace& trace, std::int32_t tick, std::int16_t packet)
{
    if (tick < trace.firstTick() || tick > trace.ticks()) return false;
    if ((trace.sample(tick).tickMarkers & marker::OutOfOrderDrop) == 0) return false;
    const std::string text =
        texts::fill(texts::translatable("log", "packet %1 dropped: out of order"), packet);
    const auto& log = trace.log();
    auto entry = std::lower_bound(log.begin(), log.end(), tick,
                                  [](const LogEntry& e, std::int32_t t) { return e.tick < t; });
    for (; entry != log.end() && entry->tick == tick; ++entry)
        if (entry->source == LogSource::Receiver && entry->text == text) return true;
    return false;
}

void addMarks(Description& into, const RunTrace& trace)
{
    for (std::int32_t tick = into.from; tick <= into.to; ++tick) {
        const TickSample& sample = trace.sample(tick);
        const Markers markers = sample.markers();
        if (markers & marker::Timeout)
            into.marks.push_back(
                {tick, MarkKind::Timeout, false, std::string(texts::translatable("diagram", "timeout"))});
        if (markers & marker::FastRetransmit) {
            into.marks.push_back({tick, MarkKind::FastRetransmit, false,
                                  std::string(texts::translatable("diagram", "fast retransmit"))});
        }
        if (markers & marker::StateChange) {
            // The state a timeout or a fast retransmit enters goes on the same line.
            if (markers & (marker::Timeout | marker::FastRetransmit)) {
                into.marks.back().text = texts::fill(texts::translatable("diagram", "%1 \u2192 %2"),
                                                     into.marks.back().text, txStateName(sample.txState));
            } else {
                into.marks.push_back({tick, MarkKind::StateChange, false, txStateName(sample.txState)});
            }
        }

        const auto usable = static_cast<std::int16_t>(
            numbers::intFloor(static_cast<double>(sample.txWindowBytes) / sample.segmentBytes + 0.5));
        const auto last = static_cast<std::int16_t>(sample.txBase + usable - 1);
        if (into.windows.empty() || into.windows.back().first != sample.txBase ||
            into.windows.back().last != last)
            into.windows.push_back({tick, sample.txBase, last});
    }
}

} // namespace

void describeInto(Description& into, const LadderTrace& ladder, const RunTrace& trace, std::int32_t from,
                  std::int32_t to)
{
    const std::int32_t now = trace.ticks();
    into.from = std::clamp(from, trace.firstTick(), now);
    into.to = to < 0 ? now : std::clamp(to, into.from, now);
    into.lines.clear();
    into.points.clear();
    into.marks.clear();
    into.windows.clear();

    const auto& trips = ladder.trips();
    const auto& holds = ladder.holds();
    // Holds are rare: each line looks through them all.
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const Trip& trip = trips[i];
        if (trip.left > into.to) break;
        if (trip.ended >= 0 && trip.ended < into.from) continue;

        Line line;
        line.kind = kindOf(trip);
        line.ending = trip.ending;
        line.trip = static_cast<std::int32_t>(i);
        line.left = trip.left;
        line.ended = trip.ended;
        line.firstPoint = static_cast<std::uint32_t>(into.points.size());
        const std::int32_t last = trip.ended >= 0 ? trip.ended : now;
        const bool packet = trip.direction == Direction::Packet;
        into.points.push_back({static_cast<double>(trip.left), packet ? 0.0 : 1.0});
        std::int32_t held = 0;
        for (const Hold& hold : holds) {
            if (hold.trip != line.trip) continue;
            const std::int32_t until = hold.to < 0 ? last : hold.to;
            const double at = across(trip.direction, hold.top);
            into.points.push_back({static_cast<double>(hold.from), at});
            into.points.push_back({static_cast<double>(until), at});
            held += until - hold.from;
        }
        const Point end =
            trip.ended >= 0
                ? Point{static_cast<double>(trip.ended), across(trip.direction, trip.endTop)}
                : Point{static_cast<double>(now), across(trip.direction, topNow(trip, held, now))};
        const Point& previous = into.points.back();
        if (previous.tick != end.tick || previous.across != end.across) into.points.push_back(end);
        line.pointCount = static_cast<std::uint32_t>(into.points.size()) - line.firstPoint;

        line.label = labelOf(trip);
        line.labelAt = pointAcross(into.begin(line), into.end(line),
                                   packet ? PacketLabelAcross : AckLabelAcross, packet);
        line.dropped = packet && trip.ending == Ending::Arrived && droppedAt(trace, trip.ended, trip.number);
        if (line.dropped && line.ended >= into.from && line.ended <= into.to)
            into.marks.push_back({trip.ended, MarkKind::Drop, true,
                                  texts::fill(texts::translatable("diagram", "drop %1"), trip.number)});
        into.lines.push_back(std::move(line));
    }
    addMarks(into, trace);
    stable_order::sortBy(into.marks, [](const Mark& mark) { return stable_order::rankOfSigned(mark.tick); });
}

Description describe(const LadderTrace& ladder, const RunTrace& trace, std::int32_t from, std::int32_t to)
{
    Description description;
    describeInto(description, ladder, trace, from, to);
    return description;
}

int Description::lineAt(double tick, double across, double tolerance) const
{
    int best = -1;
    double bestDistance = tolerance;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Point* first = begin(lines[i]);
        const Point* last = end(lines[i]);
        for (const Point* p = first; p + 1 < last; ++p) {
            const Point& a = p[0];
            const Point& b = p[1];
            double distance = tolerance;
            if (a.across == b.across) {
                // A hold: the click must be close across and within its ticks.
                if (std::abs(across - a.across) < 0.02 && tick >= a.tick - tolerance &&
                    tick <= b.tick + tolerance)
                    distance = 0;
            } else if ((across - a.across) * (across - b.across) <= 0) {
                const double f = (across - a.across) / (b.across - a.across);
                distance = std::abs(tick - (a.tick + f * (b.tick - a.tick)));
            }
            if (distance < bestDistance || (best < 0 && distance == 0)) {
                bestDistance = distance;
                best = static_cast<int>(i);
            }
        }
    }
    return best;
}

} // namespace ladder

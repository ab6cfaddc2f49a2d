// The checks that hold a lesson's claims against its run.
#include "tests/frontend/lesson_checks.h"

#include <algorithm>
#include <cmath>

#include "history/losses.h"
#include "history/run_figures.h"

namespace lesson_checks {

Played::Played(const RunScript& script) : script_(script), comparison_(script)
{
    comparison_.apply(0, {EventKind::StartReset, 0, 0});
    while (comparison_.ticks() < script.ticks && comparison_.running())
        comparison_.tick();
    figures_ = comparison_.figures();
}

std::string figureText(double value)
{
    std::string s = std::to_string(value);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

Check all(std::vector<Check> checks)
{
    return [checks](const Played& p) {
        for (const Check& check : checks)
            if (std::string found = check(p); !found.empty()) return found;
        return std::string();
    };
}

namespace {

// A figure of the sample after tick `tick`, as the chart reads it.
Check sampleIs(const char* what, double (*read)(const TickSample&), std::int32_t tick, double expected,
               int run)
{
    return [=](const Played& p) {
        const double shown = read(p.trace(run).sample(tick));
        return std::abs(shown - expected) < 1e-9
                   ? std::string()
                   : std::string(what) + " at tick " + std::to_string(tick) + " is " + figureText(shown);
    };
}

} // namespace

Check window(std::int32_t tick, double packets, int run)
{
    return sampleIs(
        "the window", [](const TickSample& s) { return s.txWindow(); }, tick, packets, run);
}
Check threshold(std::int32_t tick, double packets, int run)
{
    return sampleIs(
        "SSThresh", [](const TickSample& s) { return s.ssThresh(); }, tick, packets, run);
}
Check flight(std::int32_t tick, double packets, int run)
{
    return sampleIs(
        "the flight size", [](const TickSample& s) { return s.flight(); }, tick, packets, run);
}
Check rxNext(std::int32_t tick, int packet, int run)
{
    return sampleIs(
        "RxNext", [](const TickSample& s) { return double(s.rxNext); }, tick, packet, run);
}
Check txBase(std::int32_t tick, int packet, int run)
{
    return sampleIs(
        "TxBase", [](const TickSample& s) { return double(s.txBase); }, tick, packet, run);
}
Check state(std::int32_t tick, std::int32_t txState, int run)
{
    return sampleIs(
        "the sender state", [](const TickSample& s) { return double(s.txState); }, tick, txState, run);
}
Check timeoutSetting(std::int32_t tick, int setting, int run)
{
    return sampleIs(
        "the timeout setting", [](const TickSample& s) { return double(s.timeoutSetting); }, tick, setting,
        run);
}

// The ticks that carry `bit`, all of them.
Check markers(Markers bit, std::vector<std::int32_t> ticks, int run)
{
    return [=](const Played& p) {
        std::vector<std::int32_t> found;
        for (std::int32_t tick = 0; tick <= p.trace(run).ticks(); ++tick)
            if ((p.trace(run).sample(tick).markers() & bit) != 0) found.push_back(tick);
        if (found == ticks) return std::string();
        std::string list;
        for (const std::int32_t tick : found)
            list += " " + std::to_string(tick);
        return markerNames(bit) + " markers at ticks" + (list.empty() ? " none" : list);
    };
}

Check markedAt(Markers bit, std::int32_t tick, int run)
{
    return [=](const Played& p) {
        return (p.trace(run).sample(tick).markers() & bit) != 0
                   ? std::string()
                   : "no " + markerNames(bit) + " marker at tick " + std::to_string(tick);
    };
}

Check logged(std::int32_t tick, std::string words, int run)
{
    return [=](const Played& p) {
        const auto& log = p.trace(run).log();
        const bool found = std::any_of(log.begin(), log.end(), [&](const LogEntry& e) {
            return e.tick == tick && e.text.find(words) != std::string::npos;
        });
        return found ? std::string() : "no \"" + words + "\" at tick " + std::to_string(tick);
    };
}

namespace {

const ladder::Trip* findTrip(const Played& p, int run, ladder::Direction direction,
                             const std::function<bool(const ladder::Trip&)>& wanted)
{
    for (const ladder::Trip& trip : p.trips(run).trips())
        if (trip.direction == direction && wanted(trip)) return &trip;
    return nullptr;
}

} // namespace

// The network lost that transmission of the packet on that tick.
Check lost(int packet, std::int32_t tick, int transmission, int run)
{
    return [=](const Played& p) {
        const ladder::Trip* trip = findTrip(p, run, ladder::Direction::Packet, [&](const ladder::Trip& t) {
            return t.number == packet && t.transmission == transmission;
        });
        if (trip == nullptr) return "packet " + std::to_string(packet) + " never made that trip";
        if (trip->ending != ladder::Ending::Lost || trip->ended != tick)
            return "packet " + std::to_string(packet) + " was not lost at tick " + std::to_string(tick);
        return std::string();
    };
}

Check neverLost(int packet, int run)
{
    return [=](const Played& p) {
        const ladder::Trip* trip = findTrip(p, run, ladder::Direction::Packet, [&](const ladder::Trip& t) {
            return t.number == packet && t.ending == ladder::Ending::Lost;
        });
        return trip == nullptr ? std::string() : "packet " + std::to_string(packet) + " was lost";
    };
}

// The first trip of `packet` whose ACK asked for... the ACK its arrival sent
// came back `ticks` after the packet left.
Check roundTrip(int packet, std::int32_t ticks)
{
    return [=](const Played& p) {
        const ladder::Trip* sent = findTrip(p, 0, ladder::Direction::Packet,
                                            [&](const ladder::Trip& t) { return t.number == packet; });
        const ladder::Trip* ack = findTrip(p, 0, ladder::Direction::Ack,
                                           [&](const ladder::Trip& t) { return t.arrived == packet; });
        if (sent == nullptr || ack == nullptr || ack->ending != ladder::Ending::Arrived)
            return "packet " + std::to_string(packet) + " got no ACK back";
        const std::int32_t took = ack->ended - sent->left;
        return took == ticks ? std::string() : "the round trip took " + std::to_string(took) + " ticks";
    };
}

Check leftAt(int packet, std::int32_t tick)
{
    return [=](const Played& p) {
        const ladder::Trip* sent = findTrip(p, 0, ladder::Direction::Packet,
                                            [&](const ladder::Trip& t) { return t.number == packet; });
        return sent != nullptr && sent->left == tick
                   ? std::string()
                   : "packet " + std::to_string(packet) + " left on another tick";
    };
}

// The transmission of `packet` reached the receiver on that tick.
Check arrivedAt(int packet, int transmission, std::int32_t tick, int run)
{
    return [=](const Played& p) {
        const ladder::Trip* trip = findTrip(p, run, ladder::Direction::Packet, [&](const ladder::Trip& t) {
            return t.number == packet && t.transmission == transmission;
        });
        return trip != nullptr && trip->ending == ladder::Ending::Arrived && trip->ended == tick
                   ? std::string()
                   : "packet " + std::to_string(packet) + " did not arrive at tick " + std::to_string(tick);
    };
}

Check ackLost(int asksFor, std::int32_t tick)
{
    return [=](const Played& p) {
        const ladder::Trip* trip = findTrip(p, 0, ladder::Direction::Ack, [&](const ladder::Trip& t) {
            return t.ending == ladder::Ending::Lost && t.ended == tick;
        });
        return trip != nullptr && trip->number == asksFor
                   ? std::string()
                   : "no ACK asking for packet " + std::to_string(asksFor) + " lost at tick " +
                         std::to_string(tick);
    };
}

// Every ACK that left from `from` to `to` asked for `packet`, and some did.
Check acksAskFor(int packet, std::int32_t from, std::int32_t to, int run)
{
    return [=](const Played& p) {
        int count = 0;
        for (const ladder::Trip& trip : p.trips(run).trips()) {
            if (trip.direction != ladder::Direction::Ack || trip.left < from || trip.left > to) continue;
            if (trip.number != packet)
                return "an ACK at tick " + std::to_string(trip.left) + " asks for packet " +
                       std::to_string(trip.number);
            ++count;
        }
        return count > 0 ? std::string() : std::string("no ACK in those ticks");
    };
}

Check retransmissions(int count, int run)
{
    return [=](const Played& p) {
        return p.figures(run).retransmissions == count
                   ? std::string()
                   : std::to_string(p.figures(run).retransmissions) + " retransmissions";
    };
}

Check setting(std::int16_t RunSettings::*field, int value, int run)
{
    return [=](const Played& p) {
        return p.settings(run).*field == value ? std::string()
                                               : "the setting is " + std::to_string(p.settings(run).*field);
    };
}

Check sliderMoved(std::int32_t tick, SliderId slider, int figure)
{
    return [=](const Played& p) {
        const auto& actions = p.script().actions;
        const bool found = std::any_of(actions.begin(), actions.end(), [&](const RecordedEvent& a) {
            return a.tick == tick && a.event.kind == EventKind::MoveSlider &&
                   a.event.target == static_cast<std::int16_t>(slider) &&
                   17 - a.event.value == figure; // the window sliders run upside down
        });
        return found ? std::string() : "no such slider move at tick " + std::to_string(tick);
    };
}

Check lessonLength(std::int32_t ticks)
{
    return [=](const Played& p) {
        return p.script().ticks == ticks && p.ticks() == ticks
                   ? std::string()
                   : "the lesson runs " + std::to_string(p.script().ticks) + " ticks";
    };
}

// The table's goodput is what was delivered per 100 ticks of the run.
Check goodputPer100Ticks()
{
    return [](const Played& p) {
        for (int run = 0; run < p.runs(); ++run) {
            const RunFigures& f = p.figures(run);
            if (std::abs(f.goodput - 100.0 * f.delivered / f.ticks) > 1e-9)
                return p.label(run) + "'s goodput";
        }
        return std::string();
    };
}

// "Label: 54 delivered, 1 retransmission, goodput 3.6" at the lesson's end.
Check figuresAtEnd(int run, int delivered, int resent, const std::string& goodput)
{
    return [=](const Played& p) {
        const RunFigures& f = p.figures(run);
        if (f.delivered != delivered || f.retransmissions != resent ||
            figures::oneDecimal(f.goodput) != goodput)
            return p.label(run) + ": " + std::to_string(f.delivered) + " delivered, " +
                   std::to_string(f.retransmissions) + " retransmissions, goodput " +
                   figures::oneDecimal(f.goodput);
        return std::string();
    };
}

Check sameSequence(std::vector<int> packets, int sequence)
{
    return [=](const Played& p) {
        const int modulus = p.trace(0).sample(0).seqModulus;
        for (const int packet : packets)
            if (packet % modulus != sequence)
                return "packet " + std::to_string(packet) + " carries " + std::to_string(packet % modulus);
        return std::string();
    };
}

// Pairs of claims about each of a comparison's runs.
Check inBoth(const std::function<Check(int run)>& claim) { return all({claim(0), claim(1)}); }

} // namespace lesson_checks

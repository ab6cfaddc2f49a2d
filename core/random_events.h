// A seeded stream of everything a person can do to the window, mixed with
// clock ticks, and a driver that applies it and checks the invariants after
// every event.
//
// The stream changes its temper now and then (a quiet stretch, a stretch of
// frantic clicking, a stretch of fiddling with options and sliders), so one
// long run visits both deep, undisturbed transfers and heavy abuse. The same
// seed always gives the same events, on any platform.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "core/events.h"
#include "core/form.h"

namespace reliability {

// splitmix64: small, fast and the same everywhere, unlike the standard
// library's distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool oneIn(int n) { return n > 0 && below(n) == 0; }

private:
    std::uint64_t state_;
};

// How often, in events, each kind of user action happens; 0 = never.
struct Temper {
    int clickEvery = 0;
    int settingEvery = 0;
    int pauseEvery = 0;
    int resetEvery = 0;
    int doubleClickOneIn = 2; // of the clicks, how many start a double click
};

class RandomEvents {
public:
    // One seed in five is a long haul: no resets, few losses, so that a long
    // enough run carries the transfer to the end of the packet numbers.
    explicit RandomEvents(std::uint64_t seed) : random_(seed), longHaul_(seed % 5 == 0) { newTemper(); }

    // The next event for the form as it stands now: clicks go to visible
    // buttons, slider moves to legal positions.
    UserEvent next(const Form1& form);

    const Temper& temper() const { return temper_; }

private:
    void newTemper();
    UserEvent click(const Form1& form);
    UserEvent setting();

    Random random_;
    bool longHaul_;
    Temper temper_;
    long untilNewTemper_ = 0;
    // A double click's second half, sent once `ticks` more ticks have run.
    struct Pending {
        UserEvent event;
        int ticks;
    };
    std::deque<Pending> pending_;
};

struct RunFigures {
    long events = 0;
    long ticks = 0;
    long clicks = 0;
    long resets = 0;
    long messageBoxes = 0;
    long limitStops = 0;   // ticks that stopped the clock at the packet-number limit
    int highestPacket = 0; // highest TxBase + TxOutstanding seen
    int highestRxNext = 0;

    RunFigures& operator+=(const RunFigures& other);
};

// Runs a seeded stream against a started form and checks after every event.
class Driver {
public:
    explicit Driver(std::uint64_t seed);

    // Applies one event; false once an invariant has broken (see failure()).
    bool step();
    // Up to `count` events; false on the first broken invariant.
    bool run(long count);

    const Form1& form() const { return form_; }
    const RunFigures& figures() const { return figures_; }
    // What broke, the events that led there and where the two strips stood.
    const std::string& failure() const { return failure_; }

private:
    void fail(const std::string& what);
    bool pauseChangedOnlyTheClock(const Form1& before) const;

    std::uint64_t seed_;
    RandomEvents events_;
    Form1 form_;
    RunFigures figures_;
    std::string failure_;
    std::string lastMessage_;
    // The last events, described before they were applied, for the report.
    std::array<std::string, 40> recent_;
};

} // namespace reliability

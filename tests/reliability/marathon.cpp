// Long randomized runs: millions of user events and ticks against the model,
// with every invariant checked after every event. Built with the sanitizers,
// this is where memory errors and undefined behaviour would show.
//
//   reliability_marathon EVENTS [FIRST_SEED] [EVENTS_PER_SEED]
//
// Runs EVENTS events in all, as a series of runs with seeds FIRST_SEED,
// FIRST_SEED + 1, ..., each EVENTS_PER_SEED events long (the last may be
// shorter). A broken invariant stops it with a report; the seed and event
// number in the report reproduce the failure exactly.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/random_events.h"

namespace {

long argument(int argc, char** argv, int index, long fallback)
{
    if (index >= argc) return fallback;
    char* end = nullptr;
    const long value = std::strtol(argv[index], &end, 10);
    if (end == argv[index] || *end != '\0' || value <= 0) {
        std::fprintf(stderr, "not a positive number: %s\n", argv[index]);
        std::exit(2);
    }
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s EVENTS [FIRST_SEED] [EVENTS_PER_SEED]\n", argv[0]);
        return 2;
    }
    const long total = argument(argc, argv, 1, 0);
    const long firstSeed = argument(argc, argv, 2, 1);
    const long perSeed = argument(argc, argv, 3, 1250000);

    const auto started = std::chrono::steady_clock::now();
    reliability::RunFigures all;
    long runs = 0;
    for (long done = 0; done < total; done += perSeed) {
        const long seed = firstSeed + runs++;
        reliability::Driver driver(static_cast<std::uint64_t>(seed));
        const bool clean = driver.run(std::min(perSeed, total - done));
        all += driver.figures();
        if (!clean) {
            std::fprintf(stderr, "invariant broken in run %ld\n%s", runs, driver.failure().c_str());
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%ld runs from seed %ld: %ld events (%ld ticks, %ld clicks, %ld resets), %ld message boxes, "
                "%ld stops at the packet-number limit, highest packet %d, highest RxNext %d; %.1f s, "
                "%.2f us per event\n",
                runs, firstSeed, all.events, all.ticks, all.clicks, all.resets, all.messageBoxes,
                all.limitStops, all.highestPacket, all.highestRxNext, seconds,
                seconds * 1e6 / static_cast<double>(all.events));
    return 0;
}

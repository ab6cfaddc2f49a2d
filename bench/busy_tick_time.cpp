// Prints the nanoseconds of one busy tick, natively: the figure the page's
// WebAssembly busy tick is compared with.
//
//   busy_tick_time [ticks]     default 200000
#include <cstdio>
#include <cstdlib>

#include "bench/busy_tick_timing.h"

int main(int argc, char* argv[])
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 200000;
    std::printf("%.1f\n", bench::busyTickNanoseconds(ticks));
    return EXIT_SUCCESS;
}

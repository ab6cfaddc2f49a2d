// For `make bench` only: the busy tick of bench/scenarios.h, timed in
// WebAssembly inside the page, to compare with the native `busy_tick_time`.
// Linked into the engine of the bench's own site (SWD_WEB_BENCH_HOOKS); the
// site people get has no measuring code in it.
#include <emscripten/bind.h>

#include "bench/busy_tick_timing.h"

EMSCRIPTEN_BINDINGS(bench_hooks) { emscripten::function("busyTickNanoseconds", &bench::busyTickNanoseconds); }

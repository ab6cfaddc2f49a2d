// Counts every operator new of the program it is linked into, so a benchmark
// can say how many heap allocations a stretch of ticks made.
#pragma once

#include <cstddef>

namespace bench {

// Allocations since the program started; read it before and after.
std::size_t allocationsSoFar();

} // namespace bench

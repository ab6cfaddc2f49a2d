// Replaces the global operator new and delete. Kept in a file of its own so
// that no allocating code is inlined next to the replacements.
#include "bench/counting_allocator.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocationCount = 0; // the benchmarks run on one thread
}

std::size_t bench::allocationsSoFar() { return allocationCount; }

void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    ++allocationCount;
    const auto align = static_cast<std::size_t>(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }

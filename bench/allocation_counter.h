#pragma once

#include <cstdint>

namespace bench {

// Heap allocations made through operator new since the program started, counted by the
// replacement operators in allocation_counter.cpp (linked into the benchmark program only).
std::uint64_t AllocationCount();
std::uint64_t AllocatedBytes();

}  // namespace bench

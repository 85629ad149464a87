#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::uint64_t> g_allocations{0};
std::atomic<std::uint64_t> g_allocatedBytes{0};

void* CountedAllocate(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    g_allocatedBytes.fetch_add(size, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

}  // namespace

namespace bench {

std::uint64_t AllocationCount() {
    return g_allocations.load(std::memory_order_relaxed);
}

std::uint64_t AllocatedBytes() {
    return g_allocatedBytes.load(std::memory_order_relaxed);
}

}  // namespace bench

// The plain forms; the array and nothrow forms of the standard library call these.
void* operator new(std::size_t size) {
    return CountedAllocate(size);
}

void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

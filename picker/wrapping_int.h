#pragma once

#include <cstdint>

// The point-value rules are 32-bit signed integer arithmetic. Table values are whatever a data
// file holds, so sums and products may leave the 32-bit range; they wrap around as a 32-bit
// program's arithmetic does instead of being undefined behaviour. Products and sums are taken
// in 64 bits and reduced once, which gives the same result as wrapping after every step.
inline int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

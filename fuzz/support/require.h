#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

// Stops the fuzzer with a report when an invariant does not hold. libFuzzer treats the abort as a
// crash and saves the input that caused it.
inline void Require(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

}  // namespace fuzzsupport

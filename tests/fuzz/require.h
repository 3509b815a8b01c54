#pragma once
// A property that must hold for every input: when it does not, the input is
// reported and the process stops, so that the fuzzer keeps it as a crash.

#include <cstdio>
#include <cstdlib>

namespace zrlfuzz {

inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property does not hold: %s\n", property);
        std::abort();
    }
}

} // namespace zrlfuzz

#pragma once
// A property that must hold for every input: when it does not, the input is
// reported and the process aborts, so libFuzzer keeps it as a crash.

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition, ...)                                                    \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                     \
            std::fprintf(stderr, "  " __VA_ARGS__);                                     \
            std::fputc('\n', stderr);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (false)

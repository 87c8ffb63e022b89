#pragma once
// Stops the fuzzer with a crash when a property of the reader does not hold.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                      \
    do {                                                                      \
        if (!(cond)) {                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                     \
        }                                                                     \
    } while (0)

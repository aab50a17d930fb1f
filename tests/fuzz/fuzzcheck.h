// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Invariant checks for the fuzz targets: a broken one is reported and aborts, which
// libFuzzer records as a crash together with the input that caused it.

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fail(#condition);                                                                      \
    } while (false)

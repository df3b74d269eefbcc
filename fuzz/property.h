#pragma once

// What a fuzz target asserts: a broken property stops the run, so libFuzzer
// keeps the input that broke it.

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace vte::fuzz {

inline void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken property: %s\n", what);
    std::abort();
}

template <typename Values>
bool allWithin(const Values &values, qint64 highest)
{
    for (const auto value : values) {
        if (value < 0 || value > highest)
            return false;
    }
    return true;
}

} // namespace vte::fuzz

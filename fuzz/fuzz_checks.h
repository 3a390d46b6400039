// What every fuzz target needs to state its invariants: a broken one aborts,
// so libFuzzer keeps the input that broke it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/astro/utf8.h"

namespace vellamor::fuzz {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

// Output must stay well-formed UTF-8 whatever the input held.
inline bool IsUtf8(std::string_view s) {
    return vellamor::IsUtf8(s);
}

}  // namespace vellamor::fuzz

// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target needs to state its invariants: a broken one aborts,
// so libFuzzer keeps the input that broke it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/astro/utf8.h"  // IsUtf8: output must stay well-formed UTF-8

namespace vellamor::fuzz {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

}  // namespace vellamor::fuzz

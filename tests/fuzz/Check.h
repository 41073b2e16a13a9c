// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vitrel::fuzz {

/// Ends the run on a broken invariant, naming it; libFuzzer keeps the input that broke it.
inline void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace vitrel::fuzz

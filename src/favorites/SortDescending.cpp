// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "favorites/SortDescending.h"

#include <utility>

namespace vitrel::modVitrel {

std::vector<std::size_t> ShellSortGaps(std::size_t upperBound) {
    std::size_t h = 1;
    while (h < upperBound / 3) {
        h = 3 * h + 1;
    }
    std::vector<std::size_t> gaps;
    for (; h > 0; h /= 3) {
        gaps.push_back(h);
    }
    return gaps;
}

void SortDescending(std::span<std::u16string> entries) {
    if (entries.empty()) {
        return;
    }
    const std::size_t upperBound = entries.size() - 1;
    for (const std::size_t h : ShellSortGaps(upperBound)) {
        for (std::size_t i = h; i <= upperBound; ++i) {
            // k is j + h: unsigned, the walk back from j = i - h stops before j would go below 0.
            for (std::size_t k = i; k >= h && entries[k - h] < entries[k]; k -= h) {
                std::swap(entries[k - h], entries[k]);
            }
        }
    }
}

}  // namespace vitrel::modVitrel

// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace vitrel::modVitrel {

/// The gaps of the Shell sort over indexes 0 .. upperBound, largest first: h starts at 1 and
/// becomes 3h + 1 while h < upperBound / 3, then each pass divides it by 3 (10 gives 4, 1).
[[nodiscard]] std::vector<std::size_t> ShellSortGaps(std::size_t upperBound);

/// Sorts in place, largest first, by plain comparison of UTF-16 code units: no case folding and
/// no locale, so "a" comes before "B" and the order is the same on every machine.
void SortDescending(std::span<std::u16string> entries);

}  // namespace vitrel::modVitrel

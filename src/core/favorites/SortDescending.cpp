// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/favorites/SortDescending.h"

#include <algorithm>
#include <functional>

namespace vitrel::modVitrel {

void SortDescending(std::span<std::u16string> entries) {
    std::sort(entries.begin(), entries.end(), std::greater<>());
}

}  // namespace vitrel::modVitrel

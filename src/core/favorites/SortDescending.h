// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <span>
#include <string>

namespace vitrel::modVitrel {

/// Sorts in place, largest first, by plain comparison of UTF-16 code units: no case folding and
/// no locale, so "a" comes before "B" and the order is the same on every machine.
void SortDescending(std::span<std::u16string> entries);

}  // namespace vitrel::modVitrel

// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <string>

/// Named HTML colours: the lookups between "#RRGGBB" and the colour names of the built-in
/// tables. Neither lookup throws; a miss is the empty string.
namespace vitrel::modVitrel {

/// "#RRGGBB" (any case, spaces around it ignored) to the upper-case colour name, or "".
std::u16string HexToColorName(std::u16string text);
/// A colour name in any case (spaces around it ignored) to "#RRGGBB" in upper case, or "".
std::u16string ColorNameToHex(std::u16string name);

}  // namespace vitrel::modVitrel

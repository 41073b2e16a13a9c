// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Feeds arbitrary stored-setting text through the readers, and values made from the same
// bytes through the writers and back.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Check.h"
#include "core/services/SettingsText.h"

using vitrel::fuzz::Check;
using namespace vitrel::SettingsText;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto int16 = ToInt16(text);
    const auto int32 = ToInt32(text);
    const auto boolean = ToBoolean(text);
    Check(int16.has_value() == (int32 && static_cast<std::int16_t>(*int32) == *int32) &&
              (!int16 || *int16 == *int32),
          "the 16-bit reader takes what the 32-bit one reads within 16 bits");
    // "0.4" reads as whole number 0 but as True.
    Check(!int32 || (boolean && (*int32 == 0 || *boolean)), "a number is a boolean");

    std::int64_t whole = 0;
    float single = 0;
    std::memcpy(&whole, data, std::min(size, sizeof whole));
    std::memcpy(&single, data, std::min(size, sizeof single));
    for (const std::int64_t value : {whole, whole >> 32, whole >> 48, whole >> 56}) {
        const auto back32 = ToInt32(FromInteger(value));
        const auto back16 = ToInt16(FromInteger(value));
        Check(static_cast<std::int32_t>(value) == value ? back32 == value : !back32,
              "an integer reads back");
        Check(static_cast<std::int16_t>(value) == value ? back16 == value : !back16,
              "a short reads back");
    }

    const std::string written = FromSingle(single);
    // Seven significant digits: "-1.234567E-38" is as long as it gets.
    Check(written.size() <= 13 && ToBoolean(written) == (std::isfinite(single) && single != 0),
          "a float is written short, in a form the readers take");
    if (std::isfinite(single)) {
        const double back = std::strtod(written.c_str(), nullptr);
        Check(std::fabs(back - single) <= std::fabs(single) * 5e-7,
              "a float reads back to 7 significant digits");
    }
    return 0;
}

// Twips (1/1440 inch) per screen pixel for a given resolution (no <windows.h>: built natively too).
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/rounding.h"

namespace platform {

inline constexpr int kTwipsPerInch = 1440;
// What a screen that cannot be asked is taken to have: 96 dots per inch.
inline constexpr int kDefaultTwipsPerPixel = 15;

// Made a whole number by rounding, not by cutting off: 125 dots per inch give 11.52 and so
// 12, not 11, and 192 give 7.5 and so 8. A screen finer than 2880 dots per inch still counts
// one twip per pixel, never zero.
inline int TwipsPerPixelAt(int dotsPerInch) {
    if (dotsPerInch <= 0) return kDefaultTwipsPerPixel;
    return std::max<std::int32_t>(1, RoundHalfEven(static_cast<double>(kTwipsPerInch) / dotsPerInch));
}

}  // namespace platform

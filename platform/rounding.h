// Rounding rules shared by layout and drawing arithmetic (no <windows.h>: built natively too).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). Values beyond the
// 32-bit range saturate and NaN gives 0, so callers never meet undefined conversions.
inline std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    // The default rounding mode rounds to nearest, ties to even. rint is nearbyint without the
    // saving and restoring of the floating-point environment (nearbyint keeps the inexact
    // flag, which nothing here reads), and several times faster where colours are blended
    // pixel by pixel.
    const double r = std::rint(value);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

// Integer halving of layout arithmetic: truncates toward zero (-3 / 2 == -1), as C++ does.
constexpr std::int32_t HalfTowardZero(std::int32_t value) { return value / 2; }

}  // namespace platform

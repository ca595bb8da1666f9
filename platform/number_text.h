// Exact conversions between numbers and their decimal text, the same on every platform and
// without the C library's number formatting and parsing.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The text C's "%.*g" gives: `value` correctly rounded (ties to even) to `precision`
// significant digits (below 1 counts as 1), fixed or scientific, trailing zeros removed.
std::wstring FormatGeneral(double value, int precision);

// Decimal digits with a leading '-' when negative.
std::wstring FormatInteger(long long value);

// Reads the whole of `text` as one decimal number (or "inf", "infinity", "nan") into the
// correctly rounded double. Returns false, leaving both outputs alone, when it is not one.
// `outOfRange` tells of a finite text that overflowed, or that underflowed inexactly.
bool ParseDecimal(std::wstring_view text, double& value, bool& outOfRange);

}  // namespace platform

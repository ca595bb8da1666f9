// How the workbench reads values from its command line and writes them to its output: one
// format per kind of value. No <windows.h>: built and tested natively too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerolab {

// Decimal or 0x hexadecimal, optionally negative; none if it does not parse or does not fit
// in 32 bits (hexadecimal values up to 0xFFFFFFFF wrap to the signed range).
std::optional<std::int32_t> ParseInt32(std::string_view text);
// -1/0 or true/false (any letter case); none otherwise.
std::optional<std::int16_t> ParseBool(std::string_view text);
// A finite decimal number that fits a single-precision value.
std::optional<float> ParseFloat(std::string_view text);

std::string FormatBool(std::int16_t value);      // -1 or 0
std::string FormatColour(std::uint32_t value);   // 0x and 8 upper-case hex digits
std::string FormatInt(std::int64_t value);       // decimal
std::string FormatFloat(float value);            // shortest text that reads back the same
std::string FormatText(std::wstring_view text);  // quoted, escaped, UTF-8

// UTF-8 <-> UTF-16; invalid sequences and unpaired surrogates become U+FFFD.
std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace aerolab

// Number text against the C library: any double formats as "%.*g" does, any text reads as
// wcstod reads it (when it is one whole decimal number), and 17 digits bring a double back.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "platform/number_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

void CheckFormat(double value, int precision) {
    if (std::isnan(value)) return;  // the sign glibc prints for a NaN pattern is its own
    wchar_t expected[512];
    const int length = std::swprintf(expected, 512, L"%.*g", precision, value);
    if (platform::FormatGeneral(value, precision) != std::wstring(expected, static_cast<std::size_t>(length)))
        std::abort();
    if (std::isfinite(value)) {
        double back = 0;
        bool outOfRange = false;
        if (!platform::ParseDecimal(platform::FormatGeneral(value, 17), back, outOfRange)) std::abort();
        if (std::bit_cast<std::uint64_t>(back) != std::bit_cast<std::uint64_t>(value)) std::abort();
    }
}

void CheckParse(const std::wstring& text) {
    double value = 0;
    bool outOfRange = false;
    const bool accepted = platform::ParseDecimal(text, value, outOfRange);
    errno = 0;
    wchar_t* end = nullptr;
    const double expected = std::wcstod(text.c_str(), &end);
    const bool whole = !text.empty() && end == text.c_str() + text.size() && text.find(L'\0') == std::wstring::npos;
    // The C library also reads leading spaces and hexadecimal; those are refused here.
    const bool plain = whole && text.find_first_of(L" \t\n\v\f\rxXpP") == std::wstring::npos;
    if (accepted && !whole) std::abort();
    if (plain && !accepted) std::abort();
    if (accepted && !std::isnan(value)) {
        if (std::bit_cast<std::uint64_t>(value) != std::bit_cast<std::uint64_t>(expected)) std::abort();
        if (outOfRange != (errno == ERANGE)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const double value = std::bit_cast<double>(input.Take<std::uint64_t>());
    const int precision = 1 + input.Take<std::uint8_t>() % 17;
    CheckFormat(value, precision);
    // The text as bytes, so that short runs of digits, signs and exponents come up often.
    std::wstring text;
    for (char c : input.RestAsBytes()) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    CheckParse(text);
    return 0;
}

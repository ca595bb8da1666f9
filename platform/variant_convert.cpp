// Conversions of variants to integers, floats, text and booleans, as the stored properties need them.
#include "platform/variant_convert.h"

#include <cmath>
#include <cwctype>
#include <limits>

#include "platform/ignoring_case.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace platform {

namespace {

[[noreturn]] void Mismatch() { throw ControlError(kErrorTypeMismatch, "Type mismatch"); }
[[noreturn]] void Overflow() { throw ControlError(kErrorOverflow, "Overflow"); }
[[noreturn]] void NullUse() { throw ControlError(kErrorInvalidUseOfNull, "Invalid use of Null"); }

std::wstring Trim(const std::wstring& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::iswspace(text[first])) ++first;
    while (last > first && std::iswspace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Numeric text: decimal with optional sign, fraction and exponent, or hexadecimal after
// "&H" or "0x" (read as a 32-bit pattern, so "&H8000000F" is negative), or True/False.
// C's hexadecimal floating texts ("0x1p3" after a sign) are not numbers here.
double ParseNumber(const std::wstring& raw) {
    const std::wstring text = Trim(raw);
    if (text.empty()) Mismatch();
    if (EqualsIgnoringCase(text, L"True")) return -1;
    if (EqualsIgnoringCase(text, L"False")) return 0;
    const bool hex = text.size() > 2 && ((text[0] == L'&' && (text[1] == L'H' || text[1] == L'h')) ||
                                         (text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')));
    if (hex) {
        const std::wstring digits = text.substr(2);
        if (digits.empty()) Mismatch();
        if (digits.size() > 8) Overflow();
        std::uint32_t bits = 0;
        for (wchar_t c : digits) {
            const int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                              : c >= L'a' && c <= L'f' ? c - L'a' + 10
                              : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                       : -1;
            if (digit < 0) Mismatch();
            bits = bits << 4 | static_cast<std::uint32_t>(digit);
        }
        return static_cast<double>(static_cast<std::int32_t>(bits));
    }
    double number = 0;
    bool outOfRange = false;
    if (!ParseDecimal(text, number, outOfRange)) Mismatch();
    if (outOfRange || !std::isfinite(number)) Overflow();
    return number;
}

// Every kind that can be read as a number, as a double.
double AsNumber(const Variant& value) {
    struct Visitor {
        double operator()(const Empty&) const { return 0; }
        double operator()(const Null&) const { NullUse(); }
        double operator()(std::int16_t v) const { return v; }
        double operator()(std::int32_t v) const { return v; }
        double operator()(float v) const {
            if (!std::isfinite(v)) Overflow();
            return v;
        }
        double operator()(double v) const {
            if (!std::isfinite(v)) Overflow();
            return v;
        }
        double operator()(const Currency& v) const { return static_cast<double>(v.scaled) / 10000.0; }
        double operator()(const Date& v) const { return v.serial; }
        double operator()(const std::wstring& v) const { return ParseNumber(v); }
        double operator()(const Boolean& v) const { return v.value ? -1 : 0; }
        double operator()(std::uint8_t v) const { return v; }
        double operator()(const Error&) const { Mismatch(); }
        double operator()(const std::shared_ptr<const Picture>&) const { Mismatch(); }
        double operator()(const std::shared_ptr<const FontDescription>&) const { Mismatch(); }
    };
    return std::visit(Visitor{}, value);
}

template <typename Integer>
Integer ToInteger(const Variant& value) {
    const double number = std::nearbyint(AsNumber(value));  // halves to even
    if (number < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        number > static_cast<double>(std::numeric_limits<Integer>::max()))
        Overflow();
    return static_cast<Integer>(number);
}

std::wstring FormatNumber(double number) {
    if (number == std::floor(number) && std::fabs(number) < 1e15) return FormatInteger(static_cast<long long>(number));
    return FormatGeneral(number, 15);
}

}  // namespace

std::int32_t ToInt32(const Variant& value) { return ToInteger<std::int32_t>(value); }
std::int16_t ToInt16(const Variant& value) { return ToInteger<std::int16_t>(value); }

std::int16_t ToBoolean(const Variant& value) { return AsNumber(value) != 0 ? -1 : 0; }

float ToSingle(const Variant& value) {
    const double number = AsNumber(value);
    if (std::fabs(number) > std::numeric_limits<float>::max()) Overflow();
    return static_cast<float>(number);
}

std::wstring ToText(const Variant& value) {
    if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
    if (std::holds_alternative<Empty>(value)) return {};
    if (const auto* flag = std::get_if<Boolean>(&value)) return flag->value ? L"True" : L"False";
    if (const auto* single = std::get_if<float>(&value)) return FormatGeneral(*single, 7);
    return FormatNumber(AsNumber(value));
}

std::shared_ptr<const Picture> ToPicture(const Variant& value) {
    if (const auto* picture = std::get_if<std::shared_ptr<const Picture>>(&value)) return *picture;
    if (std::holds_alternative<Empty>(value)) return nullptr;
    Mismatch();
}

std::shared_ptr<const FontDescription> ToFont(const Variant& value) {
    if (const auto* font = std::get_if<std::shared_ptr<const FontDescription>>(&value)) return *font;
    Mismatch();
}

}  // namespace platform

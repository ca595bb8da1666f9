// Number <-> text with exact integer arithmetic. A double is m * 2^e; its decimal digits are
// those of m * 2^e (e >= 0), or of m * 5^-e with the point moved -e places. Reading works the
// other way: the digits D and their power of ten give an exact quotient whose 55 leading bits
// and remainder decide the rounding. No floating-point step is involved, so nothing misrounds.
//
// Why not the C library's printf and strtod: their engines (with locale and wide-stream
// support) were 35 KB of the 32-bit program (347 KB -> 312 KB when this replaced them, at
// the time the program was not yet stripped), and the program needs only the shortest and
// general forms of a double and decimal reading. The results are checked against glibc's
// natively (tests/native/number_text_test.cpp) and by a fuzz target, so any difference from
// the C library's output is a test failure, not a choice.
#include "platform/number_text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/ignoring_case.h"

namespace platform {

namespace {

// An unsigned integer of any size: 32-bit limbs, least significant first, no zero limbs on top.
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool IsZero() const { return limbs_.empty(); }

    std::int64_t BitLength() const {
        if (limbs_.empty()) return 0;
        return static_cast<std::int64_t>(limbs_.size() - 1) * 32 + std::bit_width(limbs_.back());
    }

    // this = this * factor + addend
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
        Trim();
    }

    void MultiplyByPowerOfFive(std::int64_t exponent) {
        constexpr std::uint32_t kFiveToThe13 = 1220703125;  // the largest power of five in 32 bits
        for (; exponent >= 13; exponent -= 13) MultiplyAdd(kFiveToThe13);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent) rest *= 5;
        MultiplyAdd(rest);
    }

    void ShiftLeft(std::int64_t bits) {
        if (IsZero() || bits <= 0) return;
        const unsigned part = static_cast<unsigned>(bits % 32);
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t out = limb >> (32 - part);
                limb = (limb << part) | carry;
                carry = out;
            }
            if (carry != 0) limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
    }

    void ShiftRightOne() {
        for (std::size_t i = 0; i < limbs_.size(); ++i)
            limbs_[i] = (limbs_[i] >> 1) | (i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0u);
        Trim();
    }

    // this = this - other, for other <= this.
    void Subtract(const BigNumber& other) {
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t taken = (i < other.limbs_.size() ? other.limbs_[i] : 0u) + borrow;
            const std::uint64_t current = limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current - taken);
            borrow = current < taken ? 1 : 0;
        }
        Trim();
    }

    // this = this / divisor; returns the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            const std::uint64_t current = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(remainder);
    }

    friend int Compare(const BigNumber& a, const BigNumber& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// The decimal digits of a non-zero number, most significant first.
std::string DecimalDigits(BigNumber number) {
    std::vector<std::uint32_t> groups;  // nine digits each, least significant first
    while (!number.IsZero()) groups.push_back(number.DivideSmall(1000000000));
    std::string digits;
    for (std::size_t g = groups.size(); g-- > 0;) {
        char group[9];
        std::uint32_t value = groups[g];
        for (int i = 8; i >= 0; --i, value /= 10) group[i] = static_cast<char>('0' + value % 10);
        int first = 0;
        if (g + 1 == groups.size())
            while (first < 8 && group[first] == '0') ++first;
        digits.append(group + first, group + 9);
    }
    return digits;
}

void AppendDecimal(std::wstring& text, unsigned long long magnitude, int minimumDigits = 1) {
    wchar_t digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 || count < minimumDigits);
    while (count > 0) text += digits[--count];
}

constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
constexpr int kMinimumExponent = -1074;  // of the lowest mantissa bit of a subnormal

// The double's exact decimal expansion as digits * 10^shift.
void ExactDecimal(std::uint64_t mantissa, int exponent, std::string& digits, int& shift) {
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++exponent;
    }
    BigNumber number(mantissa);
    if (exponent >= 0) {
        number.ShiftLeft(exponent);
        shift = 0;
    } else {
        number.MultiplyByPowerOfFive(-exponent);
        shift = exponent;
    }
    digits = DecimalDigits(std::move(number));
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// "nan" or "nan(" letters, digits and underscores ")", which the C library reads as NaN too.
bool IsNanText(std::wstring_view text) {
    if (text.size() < 3 || !EqualsIgnoringCase(text.substr(0, 3), "nan")) return false;
    if (text.size() == 3) return true;
    if (text[3] != L'(' || text.back() != L')') return false;
    for (wchar_t c : text.substr(4, text.size() - 5))
        if (!IsDigit(c) && !(c >= L'a' && c <= L'z') && !(c >= L'A' && c <= L'Z') && c != L'_') return false;
    return true;
}

// Digits kept from a long text. Every double and every midpoint between two doubles has
// fewer than 780 significant digits, so the digits past 800 only matter as "some are not
// zero", which one appended 1 keeps.
constexpr std::size_t kKeptDigits = 800;

struct Rounded {
    std::uint64_t mantissa;
    int exponent;  // of the mantissa's lowest bit
    bool inexact;
};

// quotient (< 2^55) + a remainder (non-zero or not), times 2^lowest, with the bits below
// bit `drop` rounded away, halves to even.
Rounded RoundQuotient(std::uint64_t quotient, bool remainder, int lowest, std::int64_t drop) {
    const std::uint64_t kept = drop >= 64 ? 0 : quotient >> drop;
    const bool half = drop - 1 < 64 && ((quotient >> (drop - 1)) & 1) != 0;
    const std::uint64_t below = drop - 1 >= 64 ? quotient : quotient & ((std::uint64_t{1} << (drop - 1)) - 1);
    const bool sticky = below != 0 || remainder;
    Rounded result{kept, static_cast<int>(lowest + drop), half || sticky};
    if (half && (sticky || (kept & 1) != 0)) ++result.mantissa;
    if (result.mantissa == kHiddenBit << 1) {
        result.mantissa >>= 1;
        ++result.exponent;
    }
    return result;
}

// The double nearest to digits * 10^power (digits without leading zeros, not empty),
// power such that the value lies within 10^-326 .. 10^310.
double NearestDouble(const std::string& digits, int power, bool& outOfRange) {
    BigNumber numerator;
    for (std::size_t i = 0; i < digits.size(); i += 9) {
        std::uint32_t group = 0, scale = 1;
        for (std::size_t j = i; j < digits.size() && j < i + 9; ++j) {
            group = group * 10 + static_cast<std::uint32_t>(digits[j] - '0');
            scale *= 10;
        }
        numerator.MultiplyAdd(scale, group);
    }
    BigNumber denominator(1);
    if (power >= 0)
        numerator.MultiplyByPowerOfFive(power);
    else
        denominator.MultiplyByPowerOfFive(-power);
    // value = numerator / denominator * 2^power. Scale the quotient into [2^53, 2^55).
    const std::int64_t scale = 54 - (numerator.BitLength() - denominator.BitLength());
    numerator.ShiftLeft(scale);
    denominator.ShiftLeft(-scale);
    const int lowest = static_cast<int>(power - scale);
    denominator.ShiftLeft(54);
    std::uint64_t quotient = 0;
    for (int bit = 54; bit >= 0; --bit) {
        if (Compare(numerator, denominator) >= 0) {
            numerator.Subtract(denominator);
            quotient |= std::uint64_t{1} << bit;
        }
        denominator.ShiftRightOne();
    }
    const bool remainder = !numerator.IsZero();
    const std::int64_t normalDrop = std::bit_width(quotient) - 53;
    const std::int64_t drop = std::max<std::int64_t>(normalDrop, kMinimumExponent - lowest);
    const Rounded result = RoundQuotient(quotient, remainder, lowest, drop);
    std::uint64_t bits;
    if (result.mantissa >= kHiddenBit) {
        const int biased = result.exponent + 1075;
        if (biased >= 2047) {
            outOfRange = true;
            return std::numeric_limits<double>::infinity();
        }
        bits = (static_cast<std::uint64_t>(biased) << 52) | (result.mantissa - kHiddenBit);
    } else {
        bits = result.mantissa;
    }
    // Like the C library: an underflow is a result that is tiny (below the smallest normal
    // double even when rounded with an unlimited exponent) and inexact. Exact subnormals
    // are not an underflow; a text just below the smallest normal that rounds up to it is.
    if (drop != normalDrop) {
        const Rounded unlimited = RoundQuotient(quotient, remainder, lowest, normalDrop);
        const bool tiny = unlimited.exponent + 1075 < 1;
        outOfRange = tiny && result.inexact;
    } else {
        outOfRange = false;
    }
    return std::bit_cast<double>(bits);
}

}  // namespace

std::wstring FormatGeneral(double value, int precision) {
    if (precision < 1) precision = 1;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    std::wstring text = (bits >> 63) != 0 ? L"-" : L"";
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & (kHiddenBit - 1);
    if (biased == 0x7FF) return text + (fraction != 0 ? L"nan" : L"inf");
    if (biased == 0 && fraction == 0) return text + L"0";

    std::string digits;
    int shift = 0;
    if (biased == 0)
        ExactDecimal(fraction, kMinimumExponent, digits, shift);
    else
        ExactDecimal(fraction | kHiddenBit, biased - 1075, digits, shift);
    int exponent = static_cast<int>(digits.size()) + shift - 1;  // of the leading digit

    const std::size_t keep = static_cast<std::size_t>(precision);
    if (digits.size() > keep) {
        const char next = digits[keep];
        const bool restNonZero = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        const bool up = next > '5' || (next == '5' && (restNonZero || (digits[keep - 1] - '0') % 2 != 0));
        digits.resize(keep);
        if (up) {
            std::size_t i = keep;
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    if (exponent < -4 || exponent >= precision) {
        text += static_cast<wchar_t>(digits[0]);
        if (digits.size() > 1) {
            text += L'.';
            text.append(digits.begin() + 1, digits.end());
        }
        text += exponent < 0 ? L"e-" : L"e+";
        AppendDecimal(text, static_cast<unsigned>(exponent < 0 ? -exponent : exponent), 2);
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        for (std::size_t i = 0; i < whole; ++i) text += i < digits.size() ? static_cast<wchar_t>(digits[i]) : L'0';
        if (digits.size() > whole) {
            text += L'.';
            text.append(digits.begin() + static_cast<std::ptrdiff_t>(whole), digits.end());
        }
    } else {
        text += L"0.";
        text.append(static_cast<std::size_t>(-exponent - 1), L'0');
        text.append(digits.begin(), digits.end());
    }
    return text;
}

std::wstring FormatInteger(long long value) {
    std::wstring text;
    // The magnitude in unsigned arithmetic, so that the most negative value has one too.
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    if (value < 0) text += L'-';
    AppendDecimal(text, magnitude);
    return text;
}

bool ParseDecimal(std::wstring_view text, double& value, bool& outOfRange) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ++i;
    const double sign = negative ? -1.0 : 1.0;
    const std::wstring_view body = text.substr(i);
    if (EqualsIgnoringCase(body, "inf") || EqualsIgnoringCase(body, "infinity")) {
        value = sign * std::numeric_limits<double>::infinity();
        outOfRange = false;
        return true;
    }
    if (IsNanText(body)) {
        const std::uint64_t nan = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());
        value = std::bit_cast<double>(negative ? nan | (std::uint64_t{1} << 63) : nan & ~(std::uint64_t{1} << 63));
        outOfRange = false;
        return true;
    }

    std::string digits;      // significant digits, the first not zero
    std::int64_t power = 0;  // value = digits * 10^(power + written exponent)
    bool anyDigit = false, point = false, droppedNonZero = false;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (point) --power;
            if (digits.empty() && c == L'0') continue;
            if (digits.size() < kKeptDigits) {
                digits += static_cast<char>(c);
            } else {
                ++power;
                droppedNonZero |= c != L'0';
            }
        } else if (c == L'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return false;

    std::int64_t written = 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == L'-';
        if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
        if (i >= text.size() || !IsDigit(text[i])) return false;
        // Past this the value is infinite or zero whatever the digits; clamping keeps the sum
        // with `power` far from overflowing.
        constexpr std::int64_t kExponentLimit = 1'000'000'000'000;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            written = std::min(written * 10 + (text[i] - L'0'), kExponentLimit);
        if (negativeExponent) written = -written;
    }
    if (i != text.size()) return false;

    if (digits.empty()) {
        value = sign * 0.0;
        outOfRange = false;
        return true;
    }
    if (droppedNonZero) {
        digits += '1';
        --power;
    }
    const std::size_t last = digits.find_last_not_of('0');
    power += static_cast<std::int64_t>(digits.size() - 1 - last);
    digits.erase(last + 1);
    power += written;
    const std::int64_t leading = power + static_cast<std::int64_t>(digits.size()) - 1;
    if (leading > 309) {  // at least 1e310
        value = sign * std::numeric_limits<double>::infinity();
        outOfRange = true;
        return true;
    }
    if (leading < -325) {  // below 1e-325, under half the smallest subnormal (4.9e-324)
        value = sign * 0.0;
        outOfRange = true;
        return true;
    }
    bool range = false;
    const double magnitude = NearestDouble(digits, static_cast<int>(power), range);
    value = sign * magnitude;
    outOfRange = range;
    return true;
}

}  // namespace platform

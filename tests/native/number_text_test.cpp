#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#if defined(__GLIBC__)
#include <cerrno>
#include <cwchar>
#endif

namespace {

using platform::FormatGeneral;
using platform::FormatInteger;
using platform::ParseDecimal;

double Parsed(const std::wstring& text) {
    double value = -12345;
    bool outOfRange = true;
    EXPECT_TRUE(ParseDecimal(text, value, outOfRange)) << std::string(text.begin(), text.end());
    return value;
}

bool ParsedOutOfRange(const std::wstring& text) {
    double value = 0;
    bool outOfRange = false;
    EXPECT_TRUE(ParseDecimal(text, value, outOfRange));
    return outOfRange;
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

TEST(FormatGeneral, RoundsTheExactBinaryValueHalfToEven) {
    // 1234567890123455 is exactly representable: a true tie, kept even.
    EXPECT_EQ(FormatGeneral(1234567890123455.0, 15), L"1.23456789012346e+15");
    EXPECT_EQ(FormatGeneral(1234567890123445.0, 15), L"1.23456789012344e+15");
    EXPECT_EQ(FormatGeneral(0.5, 1), L"0.5");
    EXPECT_EQ(FormatGeneral(2.5, 1), L"2");
    EXPECT_EQ(FormatGeneral(3.5, 1), L"4");
    EXPECT_EQ(FormatGeneral(9.5, 1), L"1e+01");
    // 0.15 is stored a little below 0.15, 0.35 a little above: no tie, the exact value decides.
    EXPECT_EQ(FormatGeneral(0.15, 1), L"0.1");
    EXPECT_EQ(FormatGeneral(0.35, 1), L"0.3");
    EXPECT_EQ(FormatGeneral(2.675, 3), L"2.67");
    EXPECT_EQ(FormatGeneral(1.0000005, 7), L"1.000001");
    EXPECT_EQ(FormatGeneral(static_cast<double>(16777215.0f), 7), L"1.677722e+07");
}

TEST(FormatGeneral, ChoosesFixedOrScientificByTheDecimalExponent) {
    EXPECT_EQ(FormatGeneral(1e-5, 15), L"1e-05");
    EXPECT_EQ(FormatGeneral(1e-4, 15), L"0.0001");
    EXPECT_EQ(FormatGeneral(2.5e-5, 15), L"2.5e-05");
    EXPECT_EQ(FormatGeneral(1e14, 15), L"100000000000000");
    EXPECT_EQ(FormatGeneral(1e15, 15), L"1e+15");
    EXPECT_EQ(FormatGeneral(1e16, 15), L"1e+16");
    EXPECT_EQ(FormatGeneral(999999999999999.9, 15), L"1e+15");  // rounding carries into the exponent
    EXPECT_EQ(FormatGeneral(0.000099999999999999999, 15), L"0.0001");
    EXPECT_EQ(FormatGeneral(123456.0, 7), L"123456");
    EXPECT_EQ(FormatGeneral(1234567.0, 7), L"1234567");
    EXPECT_EQ(FormatGeneral(12345678.0, 7), L"1.234568e+07");
    EXPECT_EQ(FormatGeneral(1e300, 15), L"1e+300");
    EXPECT_EQ(FormatGeneral(-1.5e-300, 15), L"-1.5e-300");
}

TEST(FormatGeneral, CommonFractionsAndLimits) {
    EXPECT_EQ(FormatGeneral(0.1, 15), L"0.1");
    EXPECT_EQ(FormatGeneral(0.1, 17), L"0.10000000000000001");
    EXPECT_EQ(FormatGeneral(1.0 / 3, 15), L"0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3, 7), L"0.6666667");
    EXPECT_EQ(FormatGeneral(DBL_MAX, 17), L"1.7976931348623157e+308");
    EXPECT_EQ(FormatGeneral(DBL_MIN, 17), L"2.2250738585072014e-308");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::denorm_min(), 17), L"4.9406564584124654e-324");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::denorm_min(), 1), L"5e-324");
    EXPECT_EQ(FormatGeneral(static_cast<double>(FLT_MAX), 7), L"3.402823e+38");
    EXPECT_EQ(FormatGeneral(9007199254740993.0, 17), L"9007199254740992");
}

TEST(FormatGeneral, SignsZerosAndNonFiniteValues) {
    EXPECT_EQ(FormatGeneral(0.0, 15), L"0");
    EXPECT_EQ(FormatGeneral(-0.0, 15), L"-0");
    EXPECT_EQ(FormatGeneral(-2.5, 15), L"-2.5");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), 15), L"inf");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 7), L"-inf");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 15), L"nan");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::quiet_NaN(), 15), L"-nan");
}

TEST(FormatGeneral, PrecisionBelowOneCountsAsOne) {
    EXPECT_EQ(FormatGeneral(123.0, 0), L"1e+02");
    EXPECT_EQ(FormatGeneral(0.25, -3), L"0.2");
}

TEST(FormatInteger, WritesEveryLongLong) {
    EXPECT_EQ(FormatInteger(0), L"0");
    EXPECT_EQ(FormatInteger(-7), L"-7");
    EXPECT_EQ(FormatInteger(999999999999999), L"999999999999999");
    EXPECT_EQ(FormatInteger(std::numeric_limits<long long>::max()), L"9223372036854775807");
    EXPECT_EQ(FormatInteger(std::numeric_limits<long long>::min()), L"-9223372036854775808");
}

TEST(ParseDecimal, ReadsTheCorrectlyRoundedDouble) {
    EXPECT_EQ(Bits(Parsed(L"0.1")), Bits(0.1));
    EXPECT_EQ(Bits(Parsed(L"-2.5e-5")), Bits(-2.5e-5));
    EXPECT_EQ(Bits(Parsed(L"+.5")), Bits(0.5));
    EXPECT_EQ(Bits(Parsed(L"5.")), Bits(5.0));
    EXPECT_EQ(Bits(Parsed(L"1E+15")), Bits(1e15));
    EXPECT_EQ(Bits(Parsed(L"00000000000000000000012")), Bits(12.0));
    // 2^53 + 1 lies halfway between two doubles: ties to the even one, anything more goes up.
    EXPECT_EQ(Bits(Parsed(L"9007199254740993")), Bits(9007199254740992.0));
    EXPECT_EQ(Bits(Parsed(L"9007199254740993.000000000000000000000000000001")), Bits(9007199254740994.0));
    EXPECT_EQ(Bits(Parsed(L"9007199254740995")), Bits(9007199254740996.0));
    EXPECT_EQ(Bits(Parsed(L"1.7976931348623157e308")), Bits(DBL_MAX));
    EXPECT_EQ(Bits(Parsed(L"2.2250738585072014e-308")), Bits(DBL_MIN));
    EXPECT_EQ(Bits(Parsed(L"-0")), Bits(-0.0));
    EXPECT_EQ(Bits(Parsed(L"0e999999999999999999999")), Bits(0.0));
}

TEST(ParseDecimal, LongDigitStringsStayExact) {
    // The halfway point between 1 and the next double, written out in full, ties to 1;
    // a 1 in the 800th place after it is enough to go up.
    const std::wstring half = L"1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(Bits(Parsed(half)), Bits(1.0));
    EXPECT_EQ(Bits(Parsed(half + std::wstring(800, L'0') + L"1")), Bits(std::nextafter(1.0, 2.0)));
    EXPECT_EQ(Bits(Parsed(std::wstring(400, L'0') + L"3" + std::wstring(400, L'0') + L"e-400")), Bits(3.0));
    EXPECT_EQ(Bits(Parsed(L"0." + std::wstring(330, L'0') + L"1e331")), Bits(1.0));
}

TEST(ParseDecimal, ReportsOverflowAndInexactUnderflow) {
    double value = 0;
    bool outOfRange = false;
    EXPECT_TRUE(ParseDecimal(L"1e400", value, outOfRange));
    EXPECT_TRUE(outOfRange);
    EXPECT_EQ(value, std::numeric_limits<double>::infinity());
    EXPECT_TRUE(ParseDecimal(L"-1.8e308", value, outOfRange));
    EXPECT_TRUE(outOfRange);
    EXPECT_EQ(value, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(ParseDecimal(L"1e-400", value, outOfRange));
    EXPECT_TRUE(outOfRange);
    EXPECT_EQ(Bits(value), Bits(0.0));
    EXPECT_TRUE(ParseDecimal(L"1e99999999999999999999999", value, outOfRange));
    EXPECT_TRUE(outOfRange);
    EXPECT_TRUE(ParseDecimal(L"-1e-99999999999999999999999", value, outOfRange));
    EXPECT_TRUE(outOfRange);
    EXPECT_EQ(Bits(value), Bits(-0.0));

    EXPECT_FALSE(ParsedOutOfRange(L"1.7976931348623158e308"));  // rounds down to the largest double
    EXPECT_TRUE(ParsedOutOfRange(L"1.7976931348623159e308"));
    EXPECT_TRUE(ParsedOutOfRange(L"1e-310"));  // a subnormal that is not exact
    EXPECT_FALSE(ParsedOutOfRange(L"0"));
    EXPECT_FALSE(ParsedOutOfRange(L"2.2250738585072014e-308"));
}

TEST(ParseDecimal, AcceptsInfinityAndNotANumberWords) {
    EXPECT_EQ(Parsed(L"inf"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Parsed(L"-Infinity"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(Parsed(L"NaN")));
    EXPECT_TRUE(std::signbit(Parsed(L"-nan")));
    EXPECT_FALSE(ParsedOutOfRange(L"+INF"));
}

TEST(ParseDecimal, RefusesWhatIsNotOneWholeNumber) {
    for (const wchar_t* text :
         {L"",   L" 1",   L"1 ",    L"+",   L"-",        L".",  L"1e",   L"1e+", L"e5",    L"1.2.3",
          L"1x", L"0x10", L"0x1p3", L"1,5", L"infinite", L"in", L"nanx", L"--1", L"1e5.5", L"\uFF11"}) {
        double value = 42;
        bool outOfRange = true;
        EXPECT_FALSE(ParseDecimal(text, value, outOfRange)) << std::wstring(text).size();
        EXPECT_EQ(value, 42);  // left alone
        EXPECT_TRUE(outOfRange);
    }
}

#if defined(__GLIBC__)
// The C library of this platform is the reference: the module must give exactly its answers.

std::wstring CFormat(double value, int precision) {
    wchar_t text[512];
    const int length = std::swprintf(text, 512, L"%.*g", precision, value);
    return std::wstring(text, static_cast<std::size_t>(length));
}

class Values {
public:
    double Next() {
        switch (generator_() % 5) {
            case 0: return std::bit_cast<double>(generator_());        // any pattern, subnormals included
            case 1: return std::bit_cast<double>(generator_() >> 12);  // subnormals only
            case 2: return std::uniform_real_distribution<double>(-1e6, 1e6)(generator_);
            case 3: return static_cast<double>(static_cast<std::int64_t>(generator_() % (std::uint64_t{1} << 54)));
            default: {
                const double base = std::pow(10.0, static_cast<int>(generator_() % 640) - 320);
                return generator_() % 2 ? base : std::ldexp(1.0, static_cast<int>(generator_() % 2098) - 1074);
            }
        }
    }
    std::uint64_t Raw() { return generator_(); }

private:
    std::mt19937_64 generator_{20261210};
};

TEST(NumberTextAgainstTheCLibrary, FormatsEveryValueAsItDoes) {
    Values values;
    for (int i = 0; i < 5000; ++i) {
        const double value = values.Next();
        for (int precision : {1, 3, 7, 15, 17}) {
            if (std::isnan(value)) continue;  // the sign glibc prints for a NaN pattern is its own
            ASSERT_EQ(FormatGeneral(value, precision), CFormat(value, precision))
                << "bits " << std::hex << Bits(value) << " precision " << std::dec << precision;
        }
    }
}

TEST(NumberTextAgainstTheCLibrary, ReadsEveryTextAsItDoes) {
    Values values;
    std::mt19937_64 digits(7);
    auto check = [](const std::wstring& text) {
        errno = 0;
        wchar_t* end = nullptr;
        const double expected = std::wcstod(text.c_str(), &end);
        const bool expectedRange = errno == ERANGE;
        double value = 0;
        bool outOfRange = false;
        ASSERT_TRUE(ParseDecimal(text, value, outOfRange)) << std::string(text.begin(), text.end());
        ASSERT_EQ(Bits(value), Bits(expected)) << std::string(text.begin(), text.end());
        ASSERT_EQ(outOfRange, expectedRange) << std::string(text.begin(), text.end());
    };
    for (int i = 0; i < 8000; ++i) {
        const double value = values.Next();
        if (!std::isfinite(value)) continue;
        for (int precision : {3, 15, 17}) check(CFormat(value, precision));
    }
    for (int i = 0; i < 8000; ++i) {
        std::wstring text = digits() % 2 ? L"-" : L"";
        const int count = 1 + static_cast<int>(digits() % 40);
        const int point = static_cast<int>(digits() % (count + 1));
        for (int d = 0; d < count; ++d) {
            if (d == point && d > 0) text += L'.';
            text += static_cast<wchar_t>(L'0' + digits() % 10);
        }
        text += L'e';
        text += std::to_wstring(static_cast<int>(digits() % 641) - 330);
        check(text);
    }
    // Texts right at the edges: just around the largest double and the subnormal range.
    for (const wchar_t* text :
         {L"1.797693134862315708e308", L"1.797693134862315807e308", L"2.4703282292062327e-324",
          L"2.4703282292062328e-324", L"4.9406564584124654e-324", L"2.2250738585072011e-308",
          L"2.2250738585072012e-308", L"2.225073858507201136057409796709131975934819546351645648e-308"})
        check(text);
}

#endif

}  // namespace

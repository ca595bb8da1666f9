// The workbench's value formats: what it accepts on its command line and how it prints.
#include "tools/aerolab/lab_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace aerolab;

TEST(ParseInt32, DecimalAndHexadecimal) {
    EXPECT_EQ(ParseInt32("15132390"), 15132390);
    EXPECT_EQ(ParseInt32("-7"), -7);
    EXPECT_EQ(ParseInt32("0xE6E6E6"), 0xE6E6E6);
    EXPECT_EQ(ParseInt32("0X8000000F"), static_cast<std::int32_t>(0x8000000Fu)) << "colours wrap to signed";
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
}

TEST(ParseInt32, RejectsWhatDoesNotParseOrFit) {
    EXPECT_FALSE(ParseInt32(""));
    EXPECT_FALSE(ParseInt32("-"));
    EXPECT_FALSE(ParseInt32("0x"));
    EXPECT_FALSE(ParseInt32("12a"));
    EXPECT_FALSE(ParseInt32("red"));
    EXPECT_FALSE(ParseInt32("2147483648"));
    EXPECT_FALSE(ParseInt32("-2147483649"));
    EXPECT_FALSE(ParseInt32("0x100000000"));
    EXPECT_FALSE(ParseInt32("99999999999999999999999"));
}

TEST(ParseBool, TheFourSpellings) {
    EXPECT_EQ(ParseBool("-1"), -1);
    EXPECT_EQ(ParseBool("TRUE"), -1);
    EXPECT_EQ(ParseBool("0"), 0);
    EXPECT_EQ(ParseBool("false"), 0);
    EXPECT_FALSE(ParseBool("1"));
    EXPECT_FALSE(ParseBool("yes"));
    EXPECT_FALSE(ParseBool(""));
}

TEST(ParseFloat, FiniteSinglePrecisionOnly) {
    EXPECT_EQ(ParseFloat("8.25"), 8.25f);
    EXPECT_EQ(ParseFloat("-0.5"), -0.5f);
    EXPECT_FALSE(ParseFloat("1e99"));
    EXPECT_FALSE(ParseFloat("nan"));
    EXPECT_FALSE(ParseFloat("inf"));
    EXPECT_FALSE(ParseFloat("1.5x"));
    EXPECT_FALSE(ParseFloat(""));
}

TEST(Format, OneFormatPerKind) {
    EXPECT_EQ(FormatBool(-1), "-1");
    EXPECT_EQ(FormatBool(5), "-1") << "any non-zero value is true";
    EXPECT_EQ(FormatBool(0), "0");
    EXPECT_EQ(FormatColour(0xE6E6E6), "0x00E6E6E6");
    EXPECT_EQ(FormatColour(0x8000000F), "0x8000000F");
    EXPECT_EQ(FormatInt(-32768), "-32768");
}

TEST(FormatFloat, ShortestTextThatReadsBackTheSameSingle) {
    EXPECT_EQ(FormatFloat(0.5f), "0.5");
    EXPECT_EQ(FormatFloat(8.25f), "8.25");
    EXPECT_EQ(FormatFloat(0.1f), "0.1");
    EXPECT_EQ(FormatFloat(1.0f), "1");
    EXPECT_EQ(FormatFloat(0.2f), "0.2");
}

TEST(FormatText, QuotesAndEscapes) {
    EXPECT_EQ(FormatText(L"&Apply"), "\"&Apply\"");
    EXPECT_EQ(FormatText(L"a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(FormatText(L"1\r\n2"), "\"1\\r\\n2\"");
    EXPECT_EQ(FormatText(std::wstring(L"\x01\x1F\x7F", 3)), "\"\\x01\\x1F\\x7F\"");
    EXPECT_EQ(FormatText(L""), "\"\"");
}

TEST(Utf8, RoundTripsAndReplacesWhatIsBroken) {
    EXPECT_EQ(ToUtf8(L"\u00e9\u20ac"), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(FromUtf8("\xC3\xA9\xE2\x82\xAC"), L"\u00e9\u20ac");
    EXPECT_EQ(FromUtf8("\xC3"), L"\uFFFD") << "a truncated sequence";
    EXPECT_EQ(FromUtf8("\xC0\xAF"), std::wstring(L"\uFFFD\uFFFD")) << "an overlong encoding";
    EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD") << "an unpaired surrogate";
}

}  // namespace

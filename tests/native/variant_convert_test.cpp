#include "platform/variant_convert.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace platform;

template <typename F>
std::int32_t ErrorNumberOf(F&& convert) {
    try {
        convert();
    } catch (const ControlError& error) {
        return error.Number();
    }
    return 0;
}

TEST(VariantToInteger, NumbersOfEveryWidthConvert) {
    EXPECT_EQ(ToInt32(std::int16_t{-7}), -7);
    EXPECT_EQ(ToInt32(std::int32_t{15132390}), 15132390);
    EXPECT_EQ(ToInt32(std::uint8_t{200}), 200);
    EXPECT_EQ(ToInt32(Boolean{-1}), -1);
    EXPECT_EQ(ToInt32(Empty{}), 0);
    EXPECT_EQ(ToInt32(Currency{25000}), 2);  // 2.5 to even
}

TEST(VariantToInteger, FractionsRoundHalfToEven) {
    EXPECT_EQ(ToInt32(2.5), 2);
    EXPECT_EQ(ToInt32(3.5), 4);
    EXPECT_EQ(ToInt32(-2.5f), -2);
    EXPECT_EQ(ToInt16(0.5), 0);
}

TEST(VariantToInteger, TextConvertsWhenNumeric) {
    EXPECT_EQ(ToInt32(std::wstring(L" 42 ")), 42);
    EXPECT_EQ(ToInt32(std::wstring(L"&HE6E6E6")), 0xE6E6E6);
    EXPECT_EQ(ToInt32(std::wstring(L"0x8000000F")), static_cast<std::int32_t>(0x8000000Fu));
    EXPECT_EQ(ToInt32(std::wstring(L"-1.5")), -2);
    EXPECT_EQ(ToInt32(std::wstring(L"true")), -1);
}

TEST(VariantToInteger, WrongKindsAreTypeMismatches) {
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"red")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"12abc")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"&H")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::shared_ptr<const Picture>()); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(Error{5}); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(Null{}); }), kErrorInvalidUseOfNull);
}

TEST(VariantToInteger, OutOfRangeIsAnOverflow) {
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(std::int32_t{40000}); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(1e12); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::numeric_limits<double>::quiet_NaN()); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::numeric_limits<float>::infinity()); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"1e400")); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"&H123456789")); }), kErrorOverflow);
    EXPECT_EQ(ToInt16(std::int32_t{-32768}), -32768);
}

TEST(VariantToBoolean, AnyNonZeroIsTrue) {
    EXPECT_EQ(ToBoolean(std::int32_t{5}), -1);
    EXPECT_EQ(ToBoolean(std::int16_t{0}), 0);
    EXPECT_EQ(ToBoolean(0.25), -1);
    EXPECT_EQ(ToBoolean(std::wstring(L"False")), 0);
    EXPECT_EQ(ToBoolean(std::wstring(L"-1")), -1);
    EXPECT_EQ(ErrorNumberOf([] { ToBoolean(std::wstring(L"yes")); }), kErrorTypeMismatch);
}

TEST(VariantToSingle, KeepsFractionsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(ToSingle(std::wstring(L"0.5")), 0.5f);
    EXPECT_EQ(ToSingle(std::int32_t{1}), 1.0f);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(1e300); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"half")); }), kErrorTypeMismatch);
}

TEST(VariantToText, NumbersAndFlagsFormat) {
    EXPECT_EQ(ToText(std::wstring(L"&Apply")), L"&Apply");
    EXPECT_EQ(ToText(std::int32_t{-12}), L"-12");
    EXPECT_EQ(ToText(Boolean{-1}), L"True");
    EXPECT_EQ(ToText(Empty{}), L"");
    EXPECT_EQ(ToText(8.25f), L"8.25");
    EXPECT_EQ(ErrorNumberOf([] { ToText(Null{}); }), kErrorInvalidUseOfNull);
    EXPECT_EQ(ErrorNumberOf([] { ToText(std::shared_ptr<const FontDescription>()); }), kErrorTypeMismatch);
}

TEST(VariantToText, FractionsAndLargeNumbersUseFifteenDigits) {
    EXPECT_EQ(ToText(0.1), L"0.1");
    EXPECT_EQ(ToText(1.0 / 3), L"0.333333333333333");
    EXPECT_EQ(ToText(2.5e-5), L"2.5e-05");
    EXPECT_EQ(ToText(1e15), L"1e+15");
    EXPECT_EQ(ToText(999999999999999.0), L"999999999999999");
    EXPECT_EQ(ToText(-123456789012.5), L"-123456789012.5");
    EXPECT_EQ(ToText(Currency{-15}), L"-0.0015");
    EXPECT_EQ(ToText(0.1f), L"0.1");  // a single keeps seven digits
    EXPECT_EQ(ToText(16777216.0f), L"1.677722e+07");
}

TEST(VariantToNumber, TextOutsideTheRangeOfADoubleIsAnOverflow) {
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"1e400")); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"1e-400")); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"inf")); }), kErrorOverflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"-NaN")); }), kErrorOverflow);
    EXPECT_EQ(ToSingle(std::wstring(L" -2.5E-3 ")), -0.0025f);
}

TEST(VariantToNumber, OnlyWholeDecimalOrHexadecimalTextIsANumber) {
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"1.5x")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(std::wstring(L"-0x1p3")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"&H12G")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::wstring(L"&H123456789")); }), kErrorOverflow);
    EXPECT_EQ(ToInt32(std::wstring(L"&hffffffff")), -1);
    EXPECT_EQ(ToInt32(std::wstring(L"0XaBc")), 0xABC);
}

TEST(VariantToObjects, PicturesAndFontsOnlyFromTheirOwnKind) {
    EXPECT_EQ(ToPicture(Empty{}), nullptr);
    EXPECT_EQ(ErrorNumberOf([] { ToPicture(std::int32_t{3}); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToPicture(std::wstring(L"c:\\a.bmp")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToFont(std::wstring(L"Arial")); }), kErrorTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { ToFont(Empty{}); }), kErrorTypeMismatch);
}

}  // namespace

#include "platform/rounding.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using platform::HalfTowardZero;
using platform::RoundHalfEven;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest) {
    EXPECT_EQ(RoundHalfEven(363.333), 363);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(RoundHalfEven(1e30), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e30), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(HalfTowardZero, TruncatesBothWays) {
    EXPECT_EQ(HalfTowardZero(7), 3);
    EXPECT_EQ(HalfTowardZero(-7), -3);
    EXPECT_EQ(HalfTowardZero(-1), 0);
}

TEST(TwipsPerPixel, WholeNumbersByRoundingNotTruncation) {
    EXPECT_EQ(platform::TwipsPerPixelAt(96), 15);
    EXPECT_EQ(platform::TwipsPerPixelAt(120), 12);
    EXPECT_EQ(platform::TwipsPerPixelAt(125), 12);  // 11.52
    EXPECT_EQ(platform::TwipsPerPixelAt(144), 10);
    EXPECT_EQ(platform::TwipsPerPixelAt(192), 8);  // 7.5, a tie, goes to the even 8
    EXPECT_EQ(platform::TwipsPerPixelAt(1440), 1);
}

TEST(TwipsPerPixel, NeverZeroAndADefaultForAScreenThatCannotBeAsked) {
    EXPECT_EQ(platform::TwipsPerPixelAt(2880), 1);  // 0.5 rounds to 0, still one
    EXPECT_EQ(platform::TwipsPerPixelAt(100000), 1);
    EXPECT_EQ(platform::TwipsPerPixelAt(0), 15);
    EXPECT_EQ(platform::TwipsPerPixelAt(-96), 15);
}

}  // namespace

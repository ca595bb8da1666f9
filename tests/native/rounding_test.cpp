#include "platform/rounding.h"

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

}  // namespace

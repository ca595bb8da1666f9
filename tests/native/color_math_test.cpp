#include "controls/aerobutton/color_math.h"

#include <gtest/gtest.h>

namespace {

using aerobutton::BlendColor;
using aerobutton::MakeRgb;
using aerobutton::Rgb;
using aerobutton::ShiftColor;

Rgb Grey(int x) { return MakeRgb(x, x, x); }

TEST(ColorChannels, RedIsTheLowByte) {
    const Rgb c = MakeRgb(1, 2, 3);
    EXPECT_EQ(c, 0x030201u);
    EXPECT_EQ(aerobutton::RedOf(c), 1);
    EXPECT_EQ(aerobutton::GreenOf(c), 2);
    EXPECT_EQ(aerobutton::BlueOf(c), 3);
}

TEST(ColorChannels, OutOfRangeChannelsDoNotSpillIntoTheirNeighbours) {
    EXPECT_EQ(MakeRgb(256, 0, 0), 0x0000FFu);
    EXPECT_EQ(MakeRgb(0, -1, 7), 0x070000u);
}

TEST(ShiftColor, MinusOneTenthSubtractsTwentySixAndStopsAtZero) {
    EXPECT_EQ(ShiftColor(Grey(0), -0.1f), Grey(0));
    EXPECT_EQ(ShiftColor(Grey(100), -0.1f), Grey(74));
    EXPECT_EQ(ShiftColor(Grey(230), -0.1f), Grey(204));
    EXPECT_EQ(ShiftColor(Grey(20), -0.1f), Grey(0));
}

TEST(ShiftColor, SinglePrecisionAmountKeepsOddChannelsOffTheTie) {
    // -0.1 in single precision times 255 is -25.50000038: 101 goes to 75.49999962 -> 75. An
    // exact -25.5 would tie at 75.5 and round to the even 76.
    EXPECT_EQ(ShiftColor(Grey(101), -0.1f), Grey(75));
    EXPECT_EQ(ShiftColor(Grey(27), -0.1f), Grey(1));
    for (int x = 26; x <= 255; ++x) EXPECT_EQ(ShiftColor(Grey(x), -0.1f), Grey(x - 26)) << x;
}

TEST(ShiftColor, PositiveAmountsAddAndStopAt255) {
    EXPECT_EQ(ShiftColor(Grey(230), 0.08f), Grey(250));
    EXPECT_EQ(ShiftColor(Grey(255), 0.08f), Grey(255));
    EXPECT_EQ(ShiftColor(Grey(240), 0.08f), Grey(255));
    EXPECT_EQ(ShiftColor(Grey(230), 0.02f), Grey(235));
    EXPECT_EQ(ShiftColor(Grey(252), 0.02f), Grey(255));
}

TEST(ShiftColor, ChannelsShiftIndependently) {
    EXPECT_EQ(ShiftColor(MakeRgb(0, 100, 230), -0.1f), MakeRgb(0, 74, 204));
    EXPECT_EQ(ShiftColor(MakeRgb(10, 240, 230), 0.08f), MakeRgb(30, 255, 250));
}

TEST(BlendColor, TowardsWhiteByEightTenths) {
    const Rgb white = Grey(255);
    EXPECT_EQ(BlendColor(Grey(0), white, 0.8f), Grey(204));
    EXPECT_EQ(BlendColor(Grey(128), white, 0.8f), Grey(230));
    EXPECT_EQ(BlendColor(Grey(230), white, 0.8f), Grey(250));
}

TEST(BlendColor, TowardsWhiteBySixTenths) {
    const Rgb white = Grey(255);
    EXPECT_EQ(BlendColor(Grey(0), white, 0.6f), Grey(153));
    EXPECT_EQ(BlendColor(Grey(230), white, 0.6f), Grey(245));
}

TEST(BlendColor, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(BlendColor(Grey(1), Grey(2), 0.5f), Grey(2));  // 1.5
    EXPECT_EQ(BlendColor(Grey(2), Grey(3), 0.5f), Grey(2));  // 2.5
    EXPECT_EQ(BlendColor(Grey(36), Grey(37), 0.5f), Grey(36));
    EXPECT_EQ(BlendColor(Grey(37), Grey(38), 0.5f), Grey(38));
}

TEST(BlendColor, EndsAndChannels) {
    EXPECT_EQ(BlendColor(MakeRgb(10, 20, 30), MakeRgb(200, 100, 0), 0.0f), MakeRgb(10, 20, 30));
    EXPECT_EQ(BlendColor(MakeRgb(10, 20, 30), MakeRgb(200, 100, 0), 1.0f), MakeRgb(200, 100, 0));
    // 10 + 0.25 * 190 = 57.5 -> 58; 20 + 0.25 * 80 = 40; 30 - 7.5 = 22.5 -> 22.
    EXPECT_EQ(BlendColor(MakeRgb(10, 20, 30), MakeRgb(200, 100, 0), 0.25f), MakeRgb(58, 40, 22));
}

}  // namespace

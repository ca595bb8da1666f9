#include "controls/aerobutton/gradient.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using aerobutton::GradientBox;
using aerobutton::GradientStops;
using aerobutton::MakeRgb;
using aerobutton::ResolveGradientBox;
using aerobutton::Rgb;

Rgb Grey(int x) { return MakeRgb(x, x, x); }

// The grey level of each row from y1 to y2, checking the channels stay equal.
std::vector<int> GreyRows(const GradientStops& stops, int y1, int y2) {
    std::vector<int> rows;
    for (int y = y1; y <= y2; ++y) {
        const Rgb c = stops.RowColor(y);
        EXPECT_EQ(c, Grey(aerobutton::RedOf(c))) << "row " << y;
        rows.push_back(aerobutton::RedOf(c));
    }
    return rows;
}

TEST(Gradient, NormalBodyUpperBandFor230At23High) {
    // ShiftColor(230, +0.08) = 250 to ShiftColor(230, +0.02) = 235, rows 2 to 12.
    const GradientStops stops(Grey(250), Grey(235), 50, 2, 12);
    EXPECT_EQ(stops.Middle(), Grey(242));  // 242.5 goes to the even 242
    EXPECT_EQ(stops.MiddleRow(), 6.5f);
    EXPECT_EQ(GreyRows(stops, 2, 12), (std::vector<int>{248, 246, 245, 244, 243, 241, 240, 239, 238, 236, 235}));
}

TEST(Gradient, NormalBodyLowerBandStartsPartWayBecauseTCountsFromRowZero) {
    const GradientStops stops(Grey(230), Grey(204), 50, 12, 21);
    EXPECT_EQ(stops.Middle(), Grey(217));
    EXPECT_EQ(stops.MiddleRow(), 16.0f);
    // Row 12 is 12 / 16 of the way to the middle colour: 220, not 230.
    EXPECT_EQ(GreyRows(stops, 12, 21), (std::vector<int>{220, 219, 219, 218, 217, 214, 212, 209, 207, 204}));
}

TEST(Gradient, CheckedBodyOverTheWholeHeight) {
    const GradientStops stops(Grey(204), Grey(242), 50, 0, 22);
    EXPECT_EQ(stops.Middle(), Grey(223));
    EXPECT_EQ(stops.MiddleRow(), 10.5f);
    EXPECT_EQ(GreyRows(stops, 0, 22), (std::vector<int>{204, 206, 208, 209, 211, 213, 215, 217, 218, 220, 222, 224,
                                                        225, 227, 229, 230, 232, 234, 235, 237, 239, 240, 242}));
}

TEST(Gradient, ChannelsFollowTheirOwnStops) {
    const GradientStops stops(MakeRgb(0, 100, 200), MakeRgb(200, 100, 0), 50, 0, 10);
    EXPECT_EQ(stops.Middle(), MakeRgb(100, 100, 100));
    EXPECT_EQ(stops.RowColor(0), MakeRgb(0, 100, 200));
    EXPECT_EQ(stops.RowColor(10), MakeRgb(200, 100, 0));
    // Middle row 4.5; row 2: t = 2 / 4.5 -> 44.44, 100, 155.56.
    EXPECT_EQ(stops.RowColor(2), MakeRgb(44, 100, 156));
}

TEST(Gradient, MiddleRowZeroBecomesOne) {
    // Rows 0 to 1: m = 50 * 0 / 100 + 0 = 0, taken as 1; row 1 then shows the middle colour.
    const GradientStops stops(Grey(0), Grey(200), 50, 0, 1);
    EXPECT_EQ(stops.MiddleRow(), 1.0f);
    EXPECT_EQ(stops.RowColor(0), Grey(0));
    EXPECT_EQ(stops.RowColor(1), Grey(100));
}

TEST(Gradient, PercentIsLimitedToZeroToHundred) {
    EXPECT_EQ(GradientStops(Grey(0), Grey(200), 150, 0, 11).MiddleRow(), 10.0f);
    EXPECT_EQ(GradientStops(Grey(0), Grey(200), 100, 0, 11).MiddleRow(), 10.0f);
    // Percent 0 puts the middle row on y1; at y1 = 0 that is the zero row, taken as 1.
    EXPECT_EQ(GradientStops(Grey(0), Grey(200), -20, 0, 11).MiddleRow(), 1.0f);
    EXPECT_EQ(GradientStops(Grey(0), Grey(200), 0, 3, 11).MiddleRow(), 3.0f);
}

TEST(Gradient, RowFractionIsRoundedToSinglePrecision) {
    // Middle row 20; row 1: t = 1 / 20 is 0.0500000007 in single precision, so 0 + t * 50
    // lies just above the tie 2.5 and gives 3 (an exact 0.05 would tie and give 2).
    const GradientStops stops(Grey(0), Grey(100), 50, 0, 41);
    EXPECT_EQ(stops.MiddleRow(), 20.0f);
    EXPECT_EQ(stops.RowColor(1), Grey(3));
    EXPECT_EQ(stops.RowColor(7), Grey(17));
}

TEST(Gradient, MiddleRowIsRoundedToSinglePrecision) {
    // m = 8 * 1 / 100 = 0.08 as a float, plus 2: 2.07999992. Row 3 lies past it:
    // t = (3 - m) / (4 - m) and the colour from middle 130 towards 250 is 188 (187 with an
    // exact 2.08).
    const GradientStops stops(Grey(10), Grey(250), 8, 2, 4);
    EXPECT_EQ(stops.MiddleRow(), static_cast<float>(static_cast<double>(0.08f) + 2));
    EXPECT_EQ(stops.RowColor(3), Grey(188));
}

TEST(Gradient, SingleRowAtItsEndShowsTheEndColour) {
    // y1 = y2: the middle row lies half a row above, so the row is the end colour.
    const GradientStops stops(Grey(10), Grey(90), 50, 5, 5);
    EXPECT_EQ(stops.RowColor(5), Grey(90));
}

TEST(GradientBox, MinusOneMeansTheLastColumnOrRow) {
    EXPECT_EQ(ResolveGradientBox(0, 0, -1, -1, 97, 25), (GradientBox{0, 0, 96, 24}));
    EXPECT_EQ(ResolveGradientBox(0, 2, -1, 12, 97, 25), (GradientBox{0, 2, 96, 12}));
}

TEST(GradientBox, EndsBeforeTheirStartMoveUpToIt) {
    EXPECT_EQ(ResolveGradientBox(10, 8, 4, 3, 97, 25), (GradientBox{10, 8, 10, 8}));
    EXPECT_EQ(ResolveGradientBox(100, 30, -1, -1, 97, 25), (GradientBox{100, 30, 100, 30}));
}

}  // namespace

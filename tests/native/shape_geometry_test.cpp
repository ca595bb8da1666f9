#include "controls/aerobutton/line_ends.h"
#include "controls/aerobutton/shape_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace aerobutton;

TEST(LineEnds, VerticalLineIncludesItsEndRow) {
    // The pressed body's shadow: (1, 1) to (1, H) with H = 23 ends at row 24, exclusive.
    EXPECT_EQ(LineEndsFor(1, 1, 1, 23), (LineEnds{1, 1, 1, 24}));
}

TEST(LineEnds, HorizontalLineIncludesItsEndColumn) { EXPECT_EQ(LineEndsFor(0, 5, 96, 5), (LineEnds{0, 5, 97, 5})); }

TEST(LineEnds, APointBecomesAOnePixelVerticalLine) { EXPECT_EQ(LineEndsFor(4, 7, 4, 7), (LineEnds{4, 7, 4, 8})); }

TEST(LineEnds, AVerticalLineEndingOneAboveItsStartBecomesHorizontal) {
    // y2 + 1 makes the rows equal; the horizontal rule then applies to the new y2.
    EXPECT_EQ(LineEndsFor(3, 5, 3, 4), (LineEnds{3, 5, 4, 5}));
}

TEST(LineEnds, DiagonalLinesAreLeftAlone) { EXPECT_EQ(LineEndsFor(0, 0, 10, 4), (LineEnds{0, 0, 10, 4})); }

TEST(ShapeRegion, RoundedIsTheRoundRectOneBeyondTheClientArea) {
    const ShapeRegionParts parts = ShapeRegionFor(ShapeRounded, 97, 25, 3, 3);
    EXPECT_EQ(parts.rounded, (PixelRect{0, 0, 98, 26}));
    EXPECT_EQ(parts.ellipseWidth, 3);
    EXPECT_EQ(parts.ellipseHeight, 3);
    EXPECT_FALSE(parts.squareLeft);
    EXPECT_FALSE(parts.squareRight);
}

TEST(ShapeRegion, SquareLeftCoversColumnsUpToHalfTheWidthRoundedToEven) {
    // 73 / 2 = 36.5 goes to 36: columns 0 to 35.
    const ShapeRegionParts parts = ShapeRegionFor(ShapeSquareLeft, 73, 23, 3, 3);
    ASSERT_TRUE(parts.squareLeft);
    EXPECT_EQ(*parts.squareLeft, (PixelRect{0, 0, 36, 24}));
    EXPECT_FALSE(parts.squareRight);
    // 75 / 2 = 37.5 goes to 38.
    EXPECT_EQ(*ShapeRegionFor(ShapeSquareLeft, 75, 23, 3, 3).squareLeft, (PixelRect{0, 0, 38, 24}));
}

TEST(ShapeRegion, SquareRightStartsAtTheHalf) {
    const ShapeRegionParts parts = ShapeRegionFor(ShapeSquareRight, 73, 23, 3, 3);
    EXPECT_FALSE(parts.squareLeft);
    ASSERT_TRUE(parts.squareRight);
    EXPECT_EQ(*parts.squareRight, (PixelRect{36, 0, 74, 24}));
}

TEST(ShapeRegion, SquareHasBothHalves) {
    const ShapeRegionParts parts = ShapeRegionFor(ShapeSquare, 97, 25, 3, 3);
    ASSERT_TRUE(parts.squareLeft && parts.squareRight);
    EXPECT_EQ(*parts.squareLeft, (PixelRect{0, 0, 48, 26}));  // 48.5 -> 48
    EXPECT_EQ(*parts.squareRight, (PixelRect{48, 0, 98, 26}));
}

TEST(ShapeRegion, UnknownShapesAreRounded) {
    for (std::int32_t shape : {-1, 4, 1000}) {
        const ShapeRegionParts parts = ShapeRegionFor(shape, 97, 25, 3, 3);
        EXPECT_FALSE(parts.squareLeft) << shape;
        EXPECT_FALSE(parts.squareRight) << shape;
    }
}

TEST(CornerPixels, ByShape) {
    using Points = std::vector<PixelPoint>;
    const Points left{{1, 1}, {1, 21}};
    const Points right{{71, 1}, {71, 21}};
    Points both = left;
    both.insert(both.end(), right.begin(), right.end());
    EXPECT_EQ(CornerPixelsFor(ShapeRounded, 73, 23), both);
    EXPECT_EQ(CornerPixelsFor(ShapeSquareLeft, 73, 23), right);
    EXPECT_EQ(CornerPixelsFor(ShapeSquareRight, 73, 23), left);
    EXPECT_EQ(CornerPixelsFor(ShapeSquare, 73, 23), Points{});
    EXPECT_EQ(CornerPixelsFor(9, 73, 23), both);
}

}  // namespace

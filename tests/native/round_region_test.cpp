#include "app/round_region.h"

#include <gtest/gtest.h>

namespace {

using app::RegionBox;
using app::RoundRegionBox;

// Outer and client sizes in pixels, turned into twips as the window reports them.
RegionBox BoxForPixels(int outerW, int outerH, int clientW, int clientH, int tpp = 15) {
    return RoundRegionBox(outerW * tpp, outerH * tpp, clientW * tpp, clientH * tpp, tpp, tpp);
}

TEST(RoundRegionBox, ThreePixelFrameAndTwentySixPixelCaption) {
    // 363 x 181 outside, 357 x 149 inside: frame 3, caption 26 above the top frame.
    EXPECT_EQ(BoxForPixels(363, 181, 357, 149), (RegionBox{3, 29, 360, 178}));
}

TEST(RoundRegionBox, CoversExactlyTheClientArea) {
    for (int frame : {1, 2, 3, 4}) {
        for (int caption : {18, 19, 22, 23}) {
            const int outerW = 363, outerH = 181;
            const int clientW = outerW - 2 * frame;
            const int clientH = outerH - 2 * frame - caption;
            const RegionBox box = BoxForPixels(outerW, outerH, clientW, clientH);
            EXPECT_EQ(box.right - box.left, clientW) << frame << " " << caption;
            EXPECT_EQ(box.bottom - box.top, clientH) << frame << " " << caption;
            EXPECT_EQ(box.left, frame);
            EXPECT_EQ(box.top, frame + caption);
        }
    }
}

TEST(RoundRegionBox, HalfPixelFrameRoundsToEven) {
    // An odd difference of outer and client width makes the side frame a half pixel:
    // 5 / 2 = 2.5 goes to 2, 7 / 2 = 3.5 goes to 4.
    EXPECT_EQ(BoxForPixels(100, 60, 95, 40).left, 2);
    EXPECT_EQ(BoxForPixels(100, 60, 93, 40).left, 4);
    // right = 100 - 2 = 98; top = 20 - 2 = 18; bottom = 60 - 2 = 58.
    EXPECT_EQ(BoxForPixels(100, 60, 95, 40), (RegionBox{2, 18, 98, 58}));
}

TEST(RoundRegionBox, FractionalTwipsRoundHalfToEven) {
    // Outer 5450 x 2715 twips as set: 363.33 pixels wide. b = (5450 - 5355) / 2 / 15 = 3.1667
    // -> 3; r = 363.33 - 3 -> 360; bottom = 181 - 3 = 178; t = (2715 - 2235) / 15 - 3 = 29.
    EXPECT_EQ(RoundRegionBox(5450, 2715, 5355, 2235, 15, 15), (RegionBox{3, 29, 360, 178}));
    // r = 5467.5 / 15 - 3 = 361.5 -> 362 (even); with 5452.5: 360.5 -> 360.
    EXPECT_EQ(RoundRegionBox(5467.5, 2715, 5377.5, 2235, 15, 15).right, 362);
    EXPECT_EQ(RoundRegionBox(5452.5, 2715, 5362.5, 2235, 15, 15).right, 360);
}

TEST(RoundRegionBox, OtherResolutions) {
    // 120 dots per inch: 12 twips per pixel.
    EXPECT_EQ(BoxForPixels(454, 226, 446, 186, 12), (RegionBox{4, 36, 450, 222}));
    // Horizontal and vertical factors are used for their own axes.
    EXPECT_EQ(RoundRegionBox(363 * 15, 181 * 12, 357 * 15, 149 * 12, 15, 12), (RegionBox{3, 29, 360, 178}));
}

TEST(RoundRegionBox, ZeroTwipsPerPixelDoesNotDivideByZero) {
    const RegionBox box = RoundRegionBox(100, 100, 90, 80, 0, 0);
    EXPECT_EQ(box, (RegionBox{5, 15, 95, 95}));
}

}  // namespace

#include "controls/aerobutton/picture_geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using namespace aerobutton;

TEST(PicturePlan, WidePictureAtNaturalSizeIsClippedAndCopiedFromColumnSix) {
    // W = 20: a 33-pixel picture centred starts at -6.
    const auto plan = PlanPictureDraw(PixelRect{-6, 4, 27, 20}, true, 20, 25, 33, 16);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->dest, (PixelRect{0, 4, 20, 20}));
    EXPECT_EQ(plan->width, 20);
    EXPECT_EQ(plan->height, 16);
    EXPECT_EQ(plan->sourceLeft, 6);
    EXPECT_EQ(plan->sourceTop, 0);
    EXPECT_EQ(plan->sourceWidth, 20);   // 1 : 1
    EXPECT_EQ(plan->sourceHeight, 16);  // the whole height: not clipped
    EXPECT_EQ(plan->visible, plan->dest);
}

TEST(PicturePlan, NaturalSizeCutAtTheBottomCopiesOneToOne) {
    const auto plan = PlanPictureDraw(PixelRect{2, 10, 34, 42}, true, 97, 25, 32, 32);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->dest, (PixelRect{2, 10, 34, 25}));
    EXPECT_EQ(plan->sourceHeight, 15);
    EXPECT_EQ(plan->sourceWidth, 32);
}

TEST(PicturePlan, OtherSizesStretchTheWholePictureOverTheUnclippedRectangle) {
    const auto plan = PlanPictureDraw(PixelRect{-10, 2, 30, 22}, false, 97, 25, 16, 16);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->dest, (PixelRect{-10, 2, 30, 22}));
    EXPECT_EQ(plan->width, 40);
    EXPECT_EQ(plan->height, 20);
    EXPECT_EQ(plan->sourceLeft, 0);
    EXPECT_EQ(plan->sourceWidth, 16);
    EXPECT_EQ(plan->sourceHeight, 16);
    EXPECT_EQ(plan->visible, (PixelRect{0, 2, 30, 22}));
}

TEST(PicturePlan, OtherSizesReachingTheEdgeAreStillStretched) {
    // A 16 x 16 picture at 32 x 32 in a 32-pixel-high button, centred: its rectangle ends on
    // the bottom edge and is still the whole picture stretched, not 32 rows copied from 16.
    const auto plan = PlanPictureDraw(PixelRect{32, 0, 64, 32}, false, 97, 32, 16, 16);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->sourceHeight, 16);
    const auto right = PlanPictureDraw(PixelRect{57, 0, 97, 25}, false, 97, 25, 16, 16);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->sourceWidth, 16);
    EXPECT_EQ(right->sourceHeight, 16);
}

TEST(PicturePlan, AMillionPixelPictureWorksOnTheVisiblePartOnly) {
    const auto plan = PlanPictureDraw(PixelRect{4, -499987, 1000004, 500013}, false, 97, 25, 2, 2);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->width, 1000000);
    EXPECT_EQ(plan->height, 1000000);
    EXPECT_EQ(plan->visible, (PixelRect{4, 0, 97, 25}));
}

TEST(PicturePlan, RectanglesSpanningTheWholeRangeDoNotOverflow) {
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const auto plan = PlanPictureDraw(PixelRect{kMin, kMin, kMax, kMax}, false, 97, 25, 16, 16);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->width, std::int64_t{kMax} - kMin);
    EXPECT_EQ(plan->visible, (PixelRect{0, 0, 97, 25}));
}

TEST(PicturePlan, NothingToDraw) {
    EXPECT_FALSE(PlanPictureDraw(PixelRect{4, 4, 4, 20}, false, 97, 25, 16, 16));      // zero width
    EXPECT_FALSE(PlanPictureDraw(PixelRect{4, 4, -96, -76}, false, 97, 25, 16, 16));   // negative size
    EXPECT_FALSE(PlanPictureDraw(PixelRect{100, 4, 116, 20}, false, 97, 25, 16, 16));  // right of the control
    EXPECT_FALSE(PlanPictureDraw(PixelRect{4, -40, 20, -24}, false, 97, 25, 16, 16));  // above it
    EXPECT_FALSE(PlanPictureDraw(PixelRect{4, 30, 20, 46}, true, 97, 25, 16, 16));     // clipped away
}

TEST(SampleStretch, EnlargementTakesThePixelUnderEachCentre) {
    // Seven source columns onto ten: the sequence the system's stretch produces.
    std::vector<std::uint32_t> source{1, 2, 3, 4, 5, 6, 7};
    PictureDrawPlan plan;
    plan.dest = PixelRect{0, 0, 10, 1};
    plan.width = 10;
    plan.height = 1;
    plan.sourceWidth = 7;
    plan.sourceHeight = 1;
    plan.visible = plan.dest;
    std::vector<std::uint32_t> target(10, 0);
    SampleStretch(source.data(), 7, 1, plan, target.data());
    EXPECT_EQ(target, (std::vector<std::uint32_t>{1, 2, 2, 3, 4, 4, 5, 6, 6, 7}));
}

TEST(SampleStretch, VisibleBlockOfAMillionPixelStretch) {
    // A 2 x 2 picture stretched to 1,000,000 x 1,000,000 at (4, -499987): the visible rows
    // 0..12 fall in its top half and 13..24 in its bottom half; every visible column in its
    // left half.
    const std::vector<std::uint32_t> source{0x11, 0x22, 0x33, 0x44};
    const auto plan = PlanPictureDraw(PixelRect{4, -499987, 1000004, 500013}, false, 97, 25, 2, 2);
    ASSERT_TRUE(plan);
    std::vector<std::uint32_t> target(93 * 25, 0);
    SampleStretch(source.data(), 2, 2, *plan, target.data());
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 93; ++x) ASSERT_EQ(target[y * 93 + x], y < 13 ? 0x11u : 0x33u) << x << "," << y;
}

TEST(SampleStretch, SourceBeyondThePictureLeavesTheTargetAsItWas) {
    const std::vector<std::uint32_t> source{7, 8};
    PictureDrawPlan plan;
    plan.dest = PixelRect{0, 0, 4, 1};
    plan.width = 4;
    plan.height = 1;
    plan.sourceWidth = 4;  // a 1 : 1 copy of four columns from a two-column picture
    plan.sourceHeight = 1;
    plan.visible = plan.dest;
    std::vector<std::uint32_t> target(4, 99);
    SampleStretch(source.data(), 2, 1, plan, target.data());
    EXPECT_EQ(target, (std::vector<std::uint32_t>{7, 8, 99, 99}));
}

std::uint32_t GreyPixel(int x) { return DibPixelFromRgb(MakeRgb(x, x, x)); }

TEST(PixelPass, HalfOpacityRoundsTiesToEven) {
    const std::vector<std::uint32_t> background{GreyPixel(200), GreyPixel(201)};
    std::vector<std::uint32_t> picture{GreyPixel(100), GreyPixel(100)};
    ApplyTransparencyAndOpacity(background.data(), picture.data(), 2, std::nullopt, 0.5f);
    EXPECT_EQ(picture, (std::vector<std::uint32_t>{GreyPixel(150), GreyPixel(150)}));  // 150, 150.5
}

TEST(PixelPass, DisabledOpacityOfOneFifth) {
    const std::vector<std::uint32_t> background{GreyPixel(250)};
    std::vector<std::uint32_t> picture{GreyPixel(0)};
    ApplyTransparencyAndOpacity(background.data(), picture.data(), 1, std::nullopt, 0.2f);
    EXPECT_EQ(picture[0], GreyPixel(200));
}

TEST(PixelPass, TransparentColourShowsTheBackgroundWhateverTheOpacity) {
    const Rgb mask = MakeRgb(192, 192, 192);
    const std::vector<std::uint32_t> background{GreyPixel(10), GreyPixel(10), GreyPixel(10)};
    std::vector<std::uint32_t> picture{DibPixelFromRgb(mask), GreyPixel(100), DibPixelFromRgb(MakeRgb(192, 192, 193))};
    ApplyTransparencyAndOpacity(background.data(), picture.data(), 3, mask, 1.0f);
    EXPECT_EQ(picture,
              (std::vector<std::uint32_t>{GreyPixel(10), GreyPixel(100), DibPixelFromRgb(MakeRgb(192, 192, 193))}));
    std::vector<std::uint32_t> faded{DibPixelFromRgb(mask), GreyPixel(100)};
    ApplyTransparencyAndOpacity(background.data(), faded.data(), 2, mask, 0.5f);
    EXPECT_EQ(faded, (std::vector<std::uint32_t>{GreyPixel(10), GreyPixel(55)}));
}

TEST(PixelPass, OpaqueWithoutTransparentColourIsUntouched) {
    const std::vector<std::uint32_t> background{GreyPixel(10)};
    std::vector<std::uint32_t> picture{GreyPixel(100)};
    ApplyTransparencyAndOpacity(background.data(), picture.data(), 1, std::nullopt, 1.0f);
    EXPECT_EQ(picture[0], GreyPixel(100));
}

TEST(PixelPass, ChannelOrderOfDibPixels) {
    EXPECT_EQ(DibPixelFromRgb(MakeRgb(1, 2, 3)), 0x010203u);
    EXPECT_EQ(RgbFromDibPixel(0x010203u), MakeRgb(1, 2, 3));
    const std::vector<std::uint32_t> background{DibPixelFromRgb(MakeRgb(0, 100, 200))};
    std::vector<std::uint32_t> picture{DibPixelFromRgb(MakeRgb(200, 100, 0))};
    ApplyTransparencyAndOpacity(background.data(), picture.data(), 1, std::nullopt, 0.25f);
    EXPECT_EQ(RgbFromDibPixel(picture[0]), MakeRgb(50, 100, 150));
}

}  // namespace

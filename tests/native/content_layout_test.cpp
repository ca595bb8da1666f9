#include "controls/aerobutton/content_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace aerobutton;

struct Expected {
    std::int32_t alignment;
    PixelRect pic;
    PixelRect text;
};

ContentLayoutInput Input(int width, int height, int textWidth, int textHeight, int picWidth, int picHeight,
                         std::int32_t alignment) {
    ContentLayoutInput in;
    in.width = width;
    in.height = height;
    in.hasCaption = textWidth > 0 || textHeight > 0;
    in.measuredText = PixelRect{0, 0, textWidth, textHeight};
    in.hasPicture = true;
    in.pictureWidth = picWidth;
    in.pictureHeight = picHeight;
    in.alignment = alignment;
    return in;
}

void ExpectLayouts(int width, int height, const std::vector<Expected>& table) {
    for (const Expected& e : table) {
        const ContentLayout layout = LayoutContent(Input(width, height, 30, 13, 16, 16, e.alignment));
        ASSERT_TRUE(layout.picRect) << e.alignment;
        EXPECT_EQ(*layout.picRect, e.pic) << "alignment " << e.alignment;
        EXPECT_EQ(layout.textRect, e.text) << "alignment " << e.alignment;
    }
}

TEST(ContentLayout, CaptionAloneIsCentred) {
    ContentLayoutInput in = Input(75, 23, 30, 13, 0, 0, PicAlignLeft);
    in.hasPicture = false;
    const ContentLayout layout = LayoutContent(in);
    EXPECT_EQ(layout.textRect, (PixelRect{22, 5, 52, 18}));
    EXPECT_FALSE(layout.picRect);
}

TEST(ContentLayout, SmallButtonOfTheEdgeCases) {
    // W = 75, H = 23, caption 30 x 13, picture 16 x 16: the caption first centred at
    // (22, 5, 52, 18).
    ExpectLayouts(75, 23,
                  {
                      {PicAlignCenter, {29, 3, 45, 19}, {22, 5, 52, 18}},
                      {PicAlignLeftEdge, {4, 3, 20, 19}, {31, 5, 61, 18}},
                      {PicAlignLeft, {13, 3, 29, 19}, {31, 5, 61, 18}},
                      {PicAlignRightEdge, {55, 3, 71, 19}, {14, 5, 44, 18}},
                      {PicAlignRight, {45, 3, 61, 19}, {13, 5, 43, 18}},
                      // Above one another the pair does not fit in 23 rows; the caption
                      // is not re-centred (f is negative).
                      {PicAlignBottomEdge, {29, 3, 45, 19}, {22, -10, 52, 3}},
                      {PicAlignBottom, {29, 10, 45, 26}, {22, -3, 52, 10}},
                      {PicAlignTopEdge, {29, 4, 45, 20}, {22, 20, 52, 33}},
                      {PicAlignTop, {29, -3, 45, 13}, {22, 13, 52, 26}},
                  });
}

TEST(ContentLayout, RoomyButtonCentresTheCaptionInTheSpaceLeft) {
    // W = 120, H = 80: the caption first at (45, 33, 75, 46).
    ExpectLayouts(120, 80,
                  {
                      {PicAlignCenter, {52, 32, 68, 48}, {45, 33, 75, 46}},
                      {PicAlignBottomEdge, {52, 60, 68, 76}, {45, 26, 75, 39}},
                      {PicAlignBottom, {52, 38, 68, 54}, {45, 25, 75, 38}},
                      {PicAlignLeftEdge, {4, 32, 20, 48}, {54, 33, 84, 46}},
                      {PicAlignLeft, {36, 32, 52, 48}, {54, 33, 84, 46}},
                      {PicAlignRightEdge, {100, 32, 116, 48}, {36, 33, 66, 46}},
                      {PicAlignRight, {68, 32, 84, 48}, {36, 33, 66, 46}},
                      {PicAlignTopEdge, {52, 4, 68, 20}, {45, 41, 75, 54}},
                      {PicAlignTop, {52, 25, 68, 41}, {45, 41, 75, 54}},
                  });
}

TEST(ContentLayout, OutOfRangeAlignmentLeavesThePictureAtTheCorner) {
    for (std::int32_t alignment : {9, -1, 1000}) {
        const ContentLayout layout = LayoutContent(Input(75, 23, 30, 13, 16, 16, alignment));
        EXPECT_EQ(*layout.picRect, (PixelRect{0, 0, 16, 16})) << alignment;
        EXPECT_EQ(layout.textRect, (PixelRect{22, 5, 52, 18})) << alignment;
    }
}

TEST(ContentLayout, EmptyCaptionCentresThePictureOfTheNonEdgeAlignments) {
    const PixelRect centred{29, 3, 45, 19};
    for (std::int32_t alignment : {PicAlignCenter, PicAlignBottom, PicAlignLeft, PicAlignRight, PicAlignTop}) {
        EXPECT_EQ(*LayoutContent(Input(75, 23, 0, 0, 16, 16, alignment)).picRect, centred) << alignment;
    }
}

TEST(ContentLayout, EmptyCaptionKeepsTheEdgePicturesAtTheirMargins) {
    const std::vector<Expected> table{
        {PicAlignBottomEdge, {29, 3, 45, 19}, {37, 0, 37, 0}},
        {PicAlignLeftEdge, {4, 3, 20, 19}, {0, 11, 0, 11}},
        {PicAlignRightEdge, {55, 3, 71, 19}, {0, 11, 0, 11}},
        {PicAlignTopEdge, {29, 4, 45, 20}, {37, 0, 37, 0}},
    };
    for (const Expected& e : table) {
        const ContentLayout layout = LayoutContent(Input(75, 23, 0, 0, 16, 16, e.alignment));
        EXPECT_EQ(*layout.picRect, e.pic) << e.alignment;
        EXPECT_EQ(layout.textRect, e.text) << e.alignment;
    }
}

TEST(ContentLayout, EmptyCaptionBoxIsAPointAtTheCentre) {
    ContentLayoutInput in = Input(75, 23, 0, 0, 0, 0, PicAlignLeft);
    in.hasPicture = false;
    EXPECT_EQ(LayoutContent(in).textRect, (PixelRect{37, 11, 37, 11}));
}

TEST(ContentLayout, PictureWiderThanTheControlHalvesTowardZero) {
    // (20 - 33) div 2 = -6, not -7.
    const ContentLayout layout = LayoutContent(Input(20, 25, 0, 0, 33, 16, PicAlignCenter));
    EXPECT_EQ(*layout.picRect, (PixelRect{-6, 4, 27, 20}));
}

TEST(ContentLayout, MarginsAreTheCallersValues) {
    ContentLayoutInput in = Input(75, 23, 30, 13, 16, 16, PicAlignLeftEdge);
    in.marginX = 10;
    EXPECT_EQ(*LayoutContent(in).picRect, (PixelRect{10, 3, 26, 19}));
    in.alignment = PicAlignTopEdge;
    in.marginY = 1;
    EXPECT_EQ(*LayoutContent(in).picRect, (PixelRect{29, 1, 45, 17}));
}

TEST(ContentLayout, HugeAndNegativeSizesStayInRange) {
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    // A million-pixel picture: exact, since nothing leaves the 32-bit range.
    EXPECT_EQ(*LayoutContent(Input(97, 25, 30, 13, 1000000, 1000000, PicAlignLeftEdge)).picRect,
              (PixelRect{4, -499987, 1000004, 500013}));
    for (std::int32_t size : {kMax, kMin, -1000000}) {
        for (std::int32_t alignment = 0; alignment <= 8; ++alignment) {
            const ContentLayout layout = LayoutContent(Input(97, 25, 30, 13, size, size, alignment));
            ASSERT_TRUE(layout.picRect);
        }
    }
    // Centred, the largest picture still fits the range: left (97 - max) div 2.
    const std::int64_t shift = (97 - static_cast<std::int64_t>(kMax)) / 2;
    EXPECT_EQ(*LayoutContent(Input(97, 25, 0, 0, kMax, kMax, PicAlignCenter)).picRect,
              (PixelRect{static_cast<std::int32_t>(shift),
                         static_cast<std::int32_t>((25 - static_cast<std::int64_t>(kMax)) / 2),
                         static_cast<std::int32_t>(kMax + shift),
                         static_cast<std::int32_t>(kMax + (25 - static_cast<std::int64_t>(kMax)) / 2)}));
    // At the right edge the most negative width puts the left edge at 97 + 2^31 - 4, beyond
    // the range: it is limited to the largest value.
    const PixelRect limited = *LayoutContent(Input(97, 25, 0, 0, kMin, 16, PicAlignRightEdge)).picRect;
    EXPECT_EQ(limited.left, kMax);
    EXPECT_EQ(limited.right, 93);
}

}  // namespace

#include "controls/aerobutton/picture_geometry.h"
#include "controls/aerobutton/picture_paint.h"
#include "platform/dib_block.h"
#include "platform/gdi_owner.h"
#include "tests/support/dib_surface.h"
#include "tests/support/test_pictures.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using namespace aerobutton;
using testing_support::BitmapPicture;
using testing_support::DibSurface;
using testing_support::IconPicture;
using testing_support::SolidBitmapPicture;

constexpr int kW = 97;
constexpr int kH = 25;

COLORREF Grey(int x) { return RGB(x, x, x); }

struct Painted {
    DibSurface surface;
    Painted(COLORREF body, const platform::Picture& picture, const PictureLook& look) : surface(kW, kH, body) {
        DrawPicture({surface.dc(), kW, kH}, picture, look);
    }
};

PictureLook At(PixelRect rect, bool natural = true) {
    PictureLook look;
    look.picRect = rect;
    look.naturalSize = natural;
    return look;
}

TEST(DrawPicture, OpaqueBitmapCoversItsRectangleOnly) {
    const auto picture = SolidBitmapPicture(16, 16, RGB(10, 200, 30));
    Painted p(Grey(230), *picture, At({13, 3, 29, 19}));
    EXPECT_EQ(p.surface.At(13, 3), RGB(10, 200, 30));
    EXPECT_EQ(p.surface.At(28, 18), RGB(10, 200, 30));
    EXPECT_EQ(p.surface.At(12, 3), Grey(230));
    EXPECT_EQ(p.surface.At(29, 18), Grey(230));
    EXPECT_EQ(p.surface.At(13, 19), Grey(230));
}

TEST(DrawPicture, HalfOpacityBlendsWithTheBodyTiesToEven) {
    const auto picture = SolidBitmapPicture(16, 16, Grey(100));
    PictureLook look = At({13, 3, 29, 19});
    look.opacity = 0.5f;
    Painted on200(Grey(200), *picture, look);
    EXPECT_EQ(on200.surface.At(20, 10), Grey(150));
    Painted on201(Grey(201), *picture, look);
    EXPECT_EQ(on201.surface.At(20, 10), Grey(150));  // 150.5
}

TEST(DrawPicture, DisabledFadeOfOneFifth) {
    const auto picture = SolidBitmapPicture(16, 16, Grey(0));
    PictureLook look = At({13, 3, 29, 19});
    look.opacity = 0.2f;
    Painted p(Grey(250), *picture, look);
    EXPECT_EQ(p.surface.At(20, 10), Grey(200));
}

TEST(DrawPicture, MaskColourShowsTheBody) {
    std::vector<COLORREF> pixels(16 * 16, RGB(192, 192, 192));
    for (int x = 0; x < 16; ++x) pixels[8 * 16 + x] = RGB(255, 0, 0);  // one red row
    const auto picture = BitmapPicture(16, 16, pixels);
    PictureLook look = At({13, 3, 29, 19});
    look.useMaskColor = true;
    look.maskColor = RGB(192, 192, 192);
    Painted p(Grey(230), *picture, look);
    EXPECT_EQ(p.surface.At(13, 3), Grey(230));
    EXPECT_EQ(p.surface.At(20, 3 + 8), RGB(255, 0, 0));
    EXPECT_EQ(p.surface.At(20, 3 + 9), Grey(230));
    // Without the mask the grey stays.
    Painted unmasked(Grey(230), *picture, At({13, 3, 29, 19}));
    EXPECT_EQ(unmasked.surface.At(13, 3), RGB(192, 192, 192));
}

TEST(DrawPicture, IconShowsItsPixelsAndTheBodyThroughItsMask) {
    // Left half opaque blue with one black pixel, right half transparent.
    std::vector<COLORREF> pixels(16 * 16, RGB(0, 0, 200));
    std::vector<bool> opaque(16 * 16, false);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) opaque[y * 16 + x] = true;
    pixels[5 * 16 + 2] = RGB(0, 0, 0);
    const auto icon = IconPicture(16, 16, pixels, opaque);
    ASSERT_TRUE(icon);
    Painted p(Grey(230), *icon, At({13, 3, 29, 19}));
    EXPECT_EQ(p.surface.At(13, 3), RGB(0, 0, 200));
    EXPECT_EQ(p.surface.At(20, 10), RGB(0, 0, 200));
    EXPECT_EQ(p.surface.At(21, 10), Grey(230));
    EXPECT_EQ(p.surface.At(28, 18), Grey(230));
    // The icon is drawn over black, which then counts as transparent: its own black pixels
    // show the body as well.
    EXPECT_EQ(p.surface.At(13 + 2, 3 + 5), Grey(230));
}

TEST(DrawPicture, IconWithMaskColourUsesTheMaskColourInstead) {
    std::vector<COLORREF> pixels(4 * 4, RGB(0, 0, 0));
    pixels[0] = RGB(9, 9, 9);
    const std::vector<bool> opaque(16, true);
    const auto icon = IconPicture(4, 4, pixels, opaque);
    PictureLook look = At({0, 0, 4, 4});
    look.useMaskColor = true;
    look.maskColor = RGB(9, 9, 9);
    Painted p(Grey(230), *icon, look);
    EXPECT_EQ(p.surface.At(0, 0), Grey(230));
    EXPECT_EQ(p.surface.At(1, 0), RGB(0, 0, 0));  // black is an ordinary colour now
}

// A picture whose every pixel tells its own column and row.
platform::PicturePtr CoordinatePicture(int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(RGB(x, y, 77));
    return BitmapPicture(width, height, pixels);
}

TEST(DrawPicture, WiderThanTheControlAtNaturalSizeIsDrawnFromColumnSix) {
    const auto picture = CoordinatePicture(33, 16);
    DibSurface surface(20, 25, Grey(230));
    DrawPicture({surface.dc(), 20, 25}, *picture, At({-6, 4, 27, 20}));
    EXPECT_EQ(surface.At(0, 4), RGB(6, 0, 77));
    EXPECT_EQ(surface.At(19, 19), RGB(25, 15, 77));
    EXPECT_EQ(surface.At(0, 3), Grey(230));
    EXPECT_EQ(surface.At(0, 20), Grey(230));
}

TEST(DrawPicture, OtherSizeModesStretchTheWholePicture) {
    const auto picture = BitmapPicture(2, 2, {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)});
    Painted p(Grey(230), *picture, At({10, 4, 18, 12}, false));
    EXPECT_EQ(p.surface.At(10, 4), RGB(1, 1, 1));
    EXPECT_EQ(p.surface.At(13, 7), RGB(1, 1, 1));
    EXPECT_EQ(p.surface.At(14, 7), RGB(2, 2, 2));
    EXPECT_EQ(p.surface.At(13, 8), RGB(3, 3, 3));
    EXPECT_EQ(p.surface.At(17, 11), RGB(4, 4, 4));
}

// What the picture looks like when the stretch is done at full size, as one block the size
// of the whole rectangle, and then the part inside the control is copied out.
std::vector<COLORREF> FullStretchReference(const platform::Picture& picture, PixelRect rect) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    platform::DibBlock whole(nullptr, w, h);
    platform::UniqueMemoryDC source(nullptr);
    platform::SelectGuard select(source.get(), picture.Bitmap());
    StretchBlt(whole.dc(), 0, 0, w, h, source.get(), 0, 0, picture.WidthPixels(), picture.HeightPixels(), SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> visible;
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, kH); ++y)
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, kW); ++x) {
            const std::uint32_t p = whole.bits()[(y - rect.top) * w + (x - rect.left)];
            visible.push_back(RgbFromDibPixel(p));
        }
    return visible;
}

TEST(DrawPicture, PartlyOutsideTheControlShowsExactlyTheFullStretch) {
    const auto picture = CoordinatePicture(7, 5);
    for (PixelRect rect : {PixelRect{-37, -20, 60, 41}, PixelRect{50, -3, 150, 30}, PixelRect{-5, 10, 40, 200},
                           PixelRect{-300, -300, 301, 301}, PixelRect{90, 20, 93, 22}}) {
        Painted p(Grey(230), *picture, At(rect, false));
        std::vector<COLORREF> shown;
        for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, kH); ++y)
            for (int x = std::max(rect.left, 0); x < std::min(rect.right, kW); ++x) shown.push_back(p.surface.At(x, y));
        EXPECT_EQ(shown, FullStretchReference(*picture, rect)) << rect.left << "," << rect.top;
    }
}

TEST(DrawPicture, AMillionPixelsWideAndHighDrawsTheVisibleQuarter) {
    const auto picture = BitmapPicture(2, 2, {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)});
    const long live = platform::LiveGdiObjects();
    // PictureSizeW = PictureSizeH = 1,000,000 at the left edge: rows 0..12 lie in the
    // picture's top half, rows 13..24 in its bottom half.
    {
        Painted p(Grey(230), *picture, At({4, -499987, 1000004, 500013}, false));
        for (int y = 0; y < kH; ++y) {
            EXPECT_EQ(p.surface.At(3, y), Grey(230));
            for (int x = 4; x < kW; ++x)
                ASSERT_EQ(p.surface.At(x, y), y < 13 ? RGB(1, 1, 1) : RGB(3, 3, 3)) << x << "," << y;
        }
    }
    EXPECT_EQ(platform::LiveGdiObjects(), live) << "every block the drawing made was released";
}

TEST(DrawPicture, RectanglesAcrossTheWholeRangeAreSampledLikeTheStretch) {
    // Beyond the system's stretch the block is sampled at pixel centres: the visible corner of
    // a 2 x 2 picture spread over the full 32-bit range is its centre, where all four meet.
    const auto picture = BitmapPicture(2, 2, {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)});
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    Painted p(Grey(230), *picture, At({kMin, kMin, kMax, kMax}, false));
    // Column 0 is index 2^31 of 2^32 - 1 columns: the right half; likewise row 0.
    EXPECT_EQ(p.surface.At(0, 0), RGB(4, 4, 4));
    EXPECT_EQ(p.surface.At(96, 24), RGB(4, 4, 4));
    Painted left(Grey(230), *picture, At({-1000000000, 0, 1000000000, kH}, false));
    // Two thousand million columns: column 0 lies just right of the middle.
    EXPECT_EQ(left.surface.At(0, 0), RGB(2, 2, 2));
    EXPECT_EQ(left.surface.At(0, 24), RGB(4, 4, 4));
}

TEST(DrawPicture, NegativeAndEmptySizesDrawNothing) {
    const auto picture = SolidBitmapPicture(16, 16, RGB(255, 0, 0));
    for (PixelRect rect : {PixelRect{4, 4, -996, -996}, PixelRect{4, 4, 4, 20}, PixelRect{4, 4, 20, 4}}) {
        for (bool natural : {true, false}) {
            Painted p(Grey(230), *picture, At(rect, natural));
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) ASSERT_EQ(p.surface.At(x, y), Grey(230));
        }
    }
}

TEST(SystemStretch, EnlargementsMatchTheCentreSampling) {
    // The sampling used beyond the system's stretch gives the same pixels as the system where
    // both work.
    const auto picture = CoordinatePicture(7, 5);
    for (PixelRect rect : {PixelRect{-13, -8, 50, 23}, PixelRect{3, 2, 97, 25}, PixelRect{-1000, -400, 2000, 900}}) {
        const auto plan = PlanPictureDraw(rect, false, kW, kH, 7, 5);
        ASSERT_TRUE(plan);
        platform::DibBlock source(nullptr, 7, 5);
        platform::UniqueMemoryDC pictureDc(nullptr);
        {
            platform::SelectGuard select(pictureDc.get(), picture->Bitmap());
            BitBlt(source.dc(), 0, 0, 7, 5, pictureDc.get(), 0, 0, SRCCOPY);
        }
        GdiFlush();
        const int vw = plan->visible.right - plan->visible.left;
        const int vh = plan->visible.bottom - plan->visible.top;
        std::vector<std::uint32_t> sampled(static_cast<size_t>(vw) * vh, 0);
        SampleStretch(source.bits(), 7, 5, *plan, sampled.data());
        std::vector<std::uint32_t> reference;
        for (COLORREF c : FullStretchReference(*picture, rect)) reference.push_back(DibPixelFromRgb(c));
        EXPECT_EQ(sampled, reference) << rect.left;
    }
}

TEST(DrawPicture, LeavesNoObjectsBehind) {
    const auto bitmap = SolidBitmapPicture(16, 16, RGB(1, 2, 3));
    const auto icon = IconPicture(16, 16, std::vector<COLORREF>(256, RGB(5, 5, 5)), std::vector<bool>(256, true));
    DibSurface surface(kW, kH, Grey(230));
    const long live = platform::LiveGdiObjects();
    PictureLook look = At({-5, -5, 40, 40}, false);
    look.opacity = 0.5f;
    DrawPicture({surface.dc(), kW, kH}, *bitmap, look);
    DrawPicture({surface.dc(), kW, kH}, *icon, look);
    EXPECT_EQ(platform::LiveGdiObjects(), live);
    // The bitmap is free to be selected elsewhere again.
    platform::UniqueMemoryDC other(nullptr);
    EXPECT_NE(SelectObject(other.get(), bitmap->Bitmap()), nullptr);
}

}  // namespace

#include "controls/aerobutton/caption_paint.h"
#include "platform/gdi_owner.h"
#include "tests/support/dib_surface.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace aerobutton;
using testing_support::DibSurface;

// A surface with the button's usual font and a transparent text background.
class CaptionSurface : public ::testing::Test {
protected:
    CaptionSurface() : surface(200, 100, RGB(230, 230, 230)) {
        LOGFONTW lf{};
        lf.lfHeight = -11;  // 8.25 point at 96 dots per inch
        lf.lfWeight = FW_NORMAL;
        wcscpy_s(lf.lfFaceName, L"MS Sans Serif");
        font.reset(CreateFontIndirectW(&lf));
        SelectObject(surface.dc(), font.get());
        SetBkMode(surface.dc(), TRANSPARENT);
    }
    ~CaptionSurface() override { SelectObject(surface.dc(), GetStockObject(SYSTEM_FONT)); }

    int CountColour(COLORREF colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += surface.At(x, y) == colour;
        return n;
    }
    int WidthWithoutPrefix(const wchar_t* text) {
        RECT box{0, 0, 200, 100};
        DrawTextW(surface.dc(), text, -1, &box, DT_CALCRECT | DT_NOPREFIX);
        return box.right;
    }

    DibSurface surface;
    platform::UniqueFont font;
};

TEST_F(CaptionSurface, MeasuresFromTheTopLeftCorner) {
    const PixelRect box = MeasureCaption(surface.dc(), L"Apply", 97, 25, true);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_GT(box.right, 0);
    EXPECT_LT(box.right, 97);
    EXPECT_GT(box.bottom, 0);
}

TEST_F(CaptionSurface, AmpersandsArePrefixes) {
    const int plain = MeasureCaption(surface.dc(), L"Apply", 97, 25, true).right;
    EXPECT_EQ(MeasureCaption(surface.dc(), L"&Apply", 97, 25, true).right, plain);
    // "&&" is one ampersand.
    EXPECT_EQ(MeasureCaption(surface.dc(), L"A&&B", 97, 25, true).right, WidthWithoutPrefix(L"A&B"));
}

TEST_F(CaptionSurface, ADoubledAmpersandIsDrawnAsOne) {
    const PixelRect box = MeasureCaption(surface.dc(), L"A&&B", 200, 100, true);
    const PixelRect at{40 + box.left, 30 + box.top, 40 + box.right, 30 + box.bottom};
    // The same text drawn by hand, once with one ampersand and once with both, no prefixes.
    const auto byHand = [&](const wchar_t* text) {
        auto other = std::make_unique<DibSurface>(200, 100, RGB(230, 230, 230));
        SelectObject(other->dc(), font.get());
        SetBkMode(other->dc(), TRANSPARENT);
        SetTextColor(other->dc(), RGB(0, 0, 255));
        RECT r{at.left, at.top, at.right, at.bottom};
        DrawTextW(other->dc(), text, -1, &r, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
        SelectObject(other->dc(), GetStockObject(SYSTEM_FONT));
        return other;
    };
    const auto one = byHand(L"A&B");
    const auto two = byHand(L"A&&B");
    for (bool wide : {true, false}) {
        DibSurface drawn(200, 100, RGB(230, 230, 230));
        SelectObject(drawn.dc(), font.get());
        SetBkMode(drawn.dc(), TRANSPARENT);
        DrawCaption(drawn.dc(), L"A&&B", at, RGB(0, 0, 255), wide);
        SelectObject(drawn.dc(), GetStockObject(SYSTEM_FONT));
        int sameAsOne = 0, sameAsTwo = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                sameAsOne += drawn.At(x, y) == one->At(x, y);
                sameAsTwo += drawn.At(x, y) == two->At(x, y);
            }
        EXPECT_EQ(sameAsOne, 200 * 100) << "wide " << wide;
        EXPECT_LT(sameAsTwo, 200 * 100) << "wide " << wide;
    }
}

TEST_F(CaptionSurface, LongCaptionsWrapAtWordsToTheWidth) {
    const PixelRect line = MeasureCaption(surface.dc(), L"Homepage", 97, 25, true);
    const PixelRect wrapped = MeasureCaption(surface.dc(), L"Homepage Homepage Homepage", 97, 25, true);
    EXPECT_LE(wrapped.right, 97);
    EXPECT_GE(wrapped.bottom, 3 * line.bottom);
}

TEST_F(CaptionSurface, AnsiPathMeasuresTheSame) {
    EXPECT_EQ(MeasureCaption(surface.dc(), L"&Apply now", 60, 25, false),
              MeasureCaption(surface.dc(), L"&Apply now", 60, 25, true));
}

TEST_F(CaptionSurface, DrawsInTheColourInsideItsBox) {
    const PixelRect box = MeasureCaption(surface.dc(), L"Homepage", 200, 100, true);
    const PixelRect at{50 + box.left, 40 + box.top, 50 + box.right, 40 + box.bottom};
    for (bool wide : {true, false}) {
        DrawCaption(surface.dc(), L"Homepage", at, RGB(0, 0, 255), wide);
        EXPECT_GT(CountColour(RGB(0, 0, 255), at.left, at.top, at.right, at.bottom), 10) << wide;
        EXPECT_EQ(CountColour(RGB(0, 0, 255), 0, 0, 200, at.top), 0);
        EXPECT_EQ(CountColour(RGB(0, 0, 255), 0, at.bottom, 200, 100), 0);
        DrawCaption(surface.dc(), L"Homepage", at, RGB(255, 0, 0), wide);
        EXPECT_EQ(CountColour(RGB(0, 0, 255), at.left, at.top, at.right, at.bottom), 0);
    }
}

TEST_F(CaptionSurface, EmptyCaptionDrawsNothing) {
    DrawCaption(surface.dc(), L"", PixelRect{0, 0, 200, 100}, RGB(0, 0, 255), true);
    EXPECT_EQ(CountColour(RGB(0, 0, 255), 0, 0, 200, 100), 0);
}

TEST_F(CaptionSurface, AccessKeyIsUnderlined) {
    // The underline adds pixels below the baseline that the plain caption does not have.
    const PixelRect box = MeasureCaption(surface.dc(), L"Apply", 200, 100, true);
    DrawCaption(surface.dc(), L"Apply", box, RGB(0, 0, 255), true);
    const int plain = CountColour(RGB(0, 0, 255), 0, 0, 200, 100);
    DibSurface other(200, 100, RGB(230, 230, 230));
    SelectObject(other.dc(), font.get());
    SetBkMode(other.dc(), TRANSPARENT);
    DrawCaption(other.dc(), L"&Apply", box, RGB(0, 0, 255), true);
    int underlined = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) underlined += other.At(x, y) == RGB(0, 0, 255);
    SelectObject(other.dc(), GetStockObject(SYSTEM_FONT));
    EXPECT_GT(underlined, plain);
}

}  // namespace

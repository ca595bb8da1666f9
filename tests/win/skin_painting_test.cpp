// The skin and title painting of the main window, checked pixel by pixel on its back image
// with an atlas whose pieces are flat, distinct colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/frm_dictionary.h"
#include "app/mod_frm.h"
#include "controls/aerobutton/color_math.h"
#include "platform/dib_section.h"
#include "platform/picture.h"

namespace {

using app::FrmDictionary;

constexpr COLORREF kOutside = RGB(0, 0, 0);  // atlas pixels no piece should read
constexpr COLORREF kBody = RGB(200, 200, 200);
constexpr COLORREF kTopLeft = RGB(255, 0, 0);
constexpr COLORREF kTopEdge = RGB(0, 255, 0);
constexpr COLORREF kBottomEdge = RGB(0, 0, 255);
constexpr COLORREF kTopRight = RGB(255, 255, 0);
constexpr COLORREF kLeftEdge = RGB(255, 0, 255);
constexpr COLORREF kBottomLeft = RGB(0, 255, 255);
constexpr COLORREF kRightEdge = RGB(240, 240, 240);
// The right edge's first and last source rows. Their bits are a subset of the edge's, so
// they survive a shrinking stretch that combines rows, while a row from outside the piece
// (black) would show.
constexpr COLORREF kRightEdgeFirst = RGB(128, 0, 64);
constexpr COLORREF kRightEdgeLast = RGB(0, 128, 64);
constexpr COLORREF kBottomRight = RGB(128, 128, 0);
constexpr COLORREF kWhite = aerobutton::kWhite;

struct Fill {
    int x, y, w, h;
    COLORREF colour;
};

// A 640 x 480 atlas at 24 bits per pixel: black, with each piece's source rectangle filled.
platform::PicturePtr MakePieceAtlas() {
    platform::DibSection dib = platform::MakeDibSection(nullptr, 640, 480, 24, platform::RowOrder::TopDown);
    if (!dib.bitmap) return nullptr;
    auto* bytes = static_cast<std::uint8_t*>(dib.bits);
    const int stride = (640 * 3 + 3) & ~3;
    std::fill_n(bytes, static_cast<size_t>(stride) * 480, 0);
    const Fill fills[] = {
        {100, 100, 100, 100, kBody},      {0, 0, 8, 42, kTopLeft},        {9, 0, 5, 50, kTopEdge},
        {30, 472, 5, 8, kBottomEdge},     {632, 0, 8, 50, kTopRight},     {0, 100, 8, 1, kLeftEdge},
        {0, 472, 8, 8, kBottomLeft},      {632, 100, 8, 129, kRightEdge}, {632, 100, 8, 1, kRightEdgeFirst},
        {632, 228, 8, 1, kRightEdgeLast}, {632, 472, 8, 8, kBottomRight},
    };
    for (const Fill& f : fills) {
        for (int y = f.y; y < f.y + f.h; ++y) {
            for (int x = f.x; x < f.x + f.w; ++x) {
                std::uint8_t* p = bytes + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3;
                p[0] = GetBValue(f.colour);
                p[1] = GetGValue(f.colour);
                p[2] = GetRValue(f.colour);
            }
        }
    }
    return platform::Picture::FromBitmap(std::move(dib.bitmap));
}

// The client area as painted, row by row.
using Pixels = std::vector<COLORREF>;

class SkinPaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Load();
        auto atlas = MakePieceAtlas();
        ASSERT_TRUE(atlas);
        form.pTop().SetPicture(atlas);  // the hidden box keeps it in its back image
        width = form.ClientWidthPixels();
        height = form.ClientHeightPixels();
        ASSERT_GE(width, 100);
        ASSERT_GE(height, 100);
    }

    COLORREF At(int x, int y) const { return form.Image().PixelAt(x, y); }

    Pixels Snapshot() const {
        Pixels pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels.push_back(At(x, y));
        return pixels;
    }

    void Paint(const std::wstring& title) { app::FormPaintTitle(form, title, 10, 6); }

    // Bounding box of the pixels in the top band that are not the top edge's colour.
    RECT InkBox() const {
        RECT box{width, height, -1, -1};
        for (int y = 0; y < 50; ++y) {
            for (int x = 8; x < width - 8; ++x) {
                if (At(x, y) == kTopEdge) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
        return box;
    }

    FrmDictionary form;
    int width = 0;
    int height = 0;
};

// What the nine pieces give, piece by piece, each over the earlier ones.
COLORREF ExpectedPiece(int x, int y, int w, int h) {
    COLORREF c = kBody;
    auto in = [&](int left, int top, int pw, int ph) { return x >= left && x < left + pw && y >= top && y < top + ph; };
    if (in(0, 0, 8, 42)) c = kTopLeft;
    if (in(8, 0, w - 16, 50)) c = kTopEdge;
    if (in(8, h - 8, w - 16, 8)) c = kBottomEdge;
    if (in(w - 8, 0, 8, 50)) c = kTopRight;
    if (in(0, 42, 8, h - 50)) c = kLeftEdge;
    if (in(0, h - 8, 8, 8)) c = kBottomLeft;
    if (in(w - 8, 42, 8, h - 50)) {
        c = kRightEdge;
        if (y == 42) c = kRightEdgeFirst;
        if (y == h - 9) c = kRightEdgeLast;
    }
    if (in(w - 8, h - 8, 8, 8)) c = kBottomRight;
    return c;
}

TEST_F(SkinPaintingTest, EveryClientPixelComesFromItsPiece) {
    Paint(L"");
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = ExpectedPiece(x, y, width, height);
            if (At(x, y) != expected && ++wrong <= 10)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << At(x, y) << ", expected "
                              << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(SkinPaintingTest, SideEdgesStretchOneRowOnTheLeftAndAllRightEdgeRowsOnTheRight) {
    Paint(L"");
    // Left: the one source row fills every row from 42 to H - 9.
    for (int y = 42; y < height - 8; ++y) EXPECT_EQ(At(0, y), kLeftEdge) << y;
    // Right: the first of the 129 rows lands on row 42, the last on row H - 9, and nothing
    // from above or below the piece (black) shows anywhere in the column.
    EXPECT_EQ(At(width - 8, 42), kRightEdgeFirst);
    EXPECT_EQ(At(width - 1, height - 9), kRightEdgeLast);
    for (int y = 0; y < height; ++y) EXPECT_NE(At(width - 4, y), kOutside) << y;
}

TEST_F(SkinPaintingTest, CaptionBecomesTheFixedTitleWhateverTitleIsPassed) {
    form.SetCaption(L"Morvex ");
    Paint(L"Something else");
    EXPECT_EQ(form.Caption(), L"Tarnwick!");
}

TEST_F(SkinPaintingTest, LeavesPixelUnitsBackImageWhiteAndBold) {
    form.SetAutoRedraw(false);
    form.SetScaleMode(platform::ScaleMode::Twips);
    Paint(L"Tarnwick!");
    EXPECT_TRUE(form.AutoRedraw());
    EXPECT_EQ(form.GetScaleMode(), platform::ScaleMode::Pixels);
    EXPECT_EQ(form.ForeColor(), kWhite);
    EXPECT_TRUE(form.Font().bold);
    EXPECT_EQ(form.Font().name, L"MS Sans Serif");
    EXPECT_FLOAT_EQ(form.Font().size, 8.25f);
}

TEST_F(SkinPaintingTest, PaintingTwiceGivesTheSamePicture) {
    Paint(L"Tarnwick!");
    const Pixels first = Snapshot();
    // Scribble over it: the second painting must clear and repaint everything.
    const RECT all{0, 0, width, height};
    platform::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    FillRect(form.hDC(), &all, brush.get());
    Paint(L"Tarnwick!");
    EXPECT_EQ(Snapshot(), first);
}

TEST_F(SkinPaintingTest, TinyClientAreasLeaveNothingBehind) {
    Paint(L"Tarnwick!");
    const Pixels fresh = Snapshot();
    const int outerW = form.WidthPixels();
    const int outerH = form.HeightPixels();
    const int frameW = outerW - width;
    const int frameH = outerH - height;
    for (const SIZE client : {SIZE{10, 30}, SIZE{15, 120}, SIZE{200, 49}, SIZE{1, 1}}) {
        form.ResizePixels(client.cx + frameW, client.cy + frameH);
        Paint(L"Tarnwick!");  // must not crash, whatever the extents come to
        EXPECT_EQ(form.Caption(), L"Tarnwick!");
        form.ResizePixels(outerW, outerH);
        ASSERT_EQ(form.ClientWidthPixels(), width);
        ASSERT_EQ(form.ClientHeightPixels(), height);
        Paint(L"Tarnwick!");
        EXPECT_EQ(Snapshot(), fresh) << client.cx << " x " << client.cy;
    }
}

TEST_F(SkinPaintingTest, MinimiseAndRestoreRepaintTheSamePicture) {
    form.Show();
    const Pixels shown = Snapshot();
    EXPECT_EQ(At(width / 2, height - 20), kBody);
    ShowWindow(form.hwnd(), SW_MINIMIZE);  // the resize handling paints a client area of nothing
    ASSERT_TRUE(IsIconic(form.hwnd()));
    ShowWindow(form.hwnd(), SW_RESTORE);
    EXPECT_EQ(Snapshot(), shown);
}

TEST_F(SkinPaintingTest, TitleIsWhiteAndItsBoxStartsAtTenSix) {
    Paint(L"Tarnwick!");
    const RECT ink = InkBox();
    ASSERT_GT(ink.right, ink.left) << "no title pixels";
    // The text box's corner is (10, 6); glyphs start at or just after it.
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.left, 12);
    EXPECT_GE(ink.top, 6);
    EXPECT_LE(ink.top, 10);
    int white = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x) white += At(x, y) == kWhite;
    EXPECT_GT(white, 20);
    // Bold: the same text in the regular weight would be narrower.
    form.SetFontBold(false);
    const double regular = form.TextWidth(L"Tarnwick!");
    form.SetFontBold(true);
    EXPECT_GT(form.TextWidth(L"Tarnwick!"), regular);
    EXPECT_GE(ink.right - ink.left, regular - 2);
}

TEST_F(SkinPaintingTest, AmpersandIsNotDrawnAndUnderlinesTheNextCharacter) {
    Paint(L"Tarnwick!");
    const Pixels plain = Snapshot();
    const RECT plainInk = InkBox();
    Paint(L"&Tarnwick!");
    const RECT markedInk = InkBox();
    // No ampersand: the text starts and ends where it did.
    EXPECT_EQ(markedInk.left, plainInk.left);
    EXPECT_EQ(markedInk.right, plainInk.right);
    EXPECT_EQ(markedInk.top, plainInk.top);
    // The only new pixels are an underline below the text, under the first character.
    form.SetFontBold(true);
    const int firstCharRight = 10 + static_cast<int>(form.TextWidth(L"T"));
    const Pixels marked = Snapshot();
    int changed = 0;
    RECT diff{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            if (plain[i] == marked[i]) continue;
            ++changed;
            diff.left = std::min<LONG>(diff.left, x);
            diff.right = std::max<LONG>(diff.right, x + 1);
            diff.top = std::min<LONG>(diff.top, y);
            diff.bottom = std::max<LONG>(diff.bottom, y + 1);
            EXPECT_EQ(marked[i], kWhite) << x << ", " << y;
        }
    }
    ASSERT_GT(changed, 0) << "no underline";
    EXPECT_GE(diff.left, 10);
    EXPECT_LE(diff.right, firstCharRight + 1);
    EXPECT_GE(diff.top, plainInk.bottom - 3);  // at the baseline or below it
    EXPECT_LE(diff.bottom - diff.top, 2);      // a line, not a glyph
}

TEST_F(SkinPaintingTest, LineBreakStartsASecondLineAtTheSameLeft) {
    Paint(L"Tarn");
    const Pixels first = Snapshot();
    const int lineHeight = static_cast<int>(form.TextHeight(L"Tarn"));
    ASSERT_GT(lineHeight, 0);
    app::FormPaintTitle(form, L"wick", 10, 6 + lineHeight);
    const Pixels second = Snapshot();
    Paint(L"Tarn\r\nwick");
    const Pixels both = Snapshot();
    // Rows of the first line show "Tarn" alone, rows below show "wick" one line lower, both
    // from the same left.
    for (int y = 0; y < height; ++y) {
        const Pixels& expected = y < 6 + lineHeight ? first : second;
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            ASSERT_EQ(both[i], expected[i]) << x << ", " << y;
        }
    }
    EXPECT_NE(first, both);
    EXPECT_NE(second, both);
}

}  // namespace

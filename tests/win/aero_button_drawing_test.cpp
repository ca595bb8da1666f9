#include "controls/aerobutton/body_paint.h"
#include "controls/aerobutton/drawing_primitives.h"
#include "controls/aerobutton/shape_geometry.h"
#include "controls/aerobutton/shape_region.h"
#include "platform/gdi_owner.h"
#include "tests/support/dib_surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace aerobutton;
using testing_support::DibSurface;
using testing_support::PlainWindow;

const COLORREF kGround = RGB(1, 2, 3);
const COLORREF kInk = RGB(200, 10, 90);

std::vector<COLORREF> Repeat(COLORREF c, int n) { return std::vector<COLORREF>(n, c); }

std::vector<COLORREF> Greys(const std::vector<int>& levels) {
    std::vector<COLORREF> pixels;
    for (int x : levels) pixels.push_back(RGB(x, x, x));
    return pixels;
}

TEST(FillSurface, CoversExactlyTheClientArea) {
    DibSurface surface(30, 20, kGround);
    FillSurface({surface.dc(), 20, 10}, kInk);
    EXPECT_EQ(surface.At(0, 0), kInk);
    EXPECT_EQ(surface.At(19, 9), kInk);
    EXPECT_EQ(surface.At(20, 5), kGround);
    EXPECT_EQ(surface.At(5, 10), kGround);
}

TEST(DrawLine, VerticalAndHorizontalLinesIncludeTheirEnds) {
    DibSurface surface(20, 20, kGround);
    DrawLine(surface.dc(), kInk, 3, 2, 3, 6);
    EXPECT_EQ(surface.Column(3, 1, 7), (std::vector<COLORREF>{kGround, kInk, kInk, kInk, kInk, kInk, kGround}));
    DrawLine(surface.dc(), kInk, 5, 10, 9, 10);
    EXPECT_EQ(surface.Row(10, 4, 10), (std::vector<COLORREF>{kGround, kInk, kInk, kInk, kInk, kInk, kGround}));
}

TEST(DrawLine, APointIsOnePixel) {
    DibSurface surface(10, 10, kGround);
    DrawLine(surface.dc(), kInk, 4, 4, 4, 4);
    EXPECT_EQ(surface.At(4, 4), kInk);
    EXPECT_EQ(surface.At(4, 5), kGround);
    EXPECT_EQ(surface.At(5, 4), kGround);
}

TEST(DrawLine, DiagonalLinesLeaveOutTheirEndPoint) {
    DibSurface surface(10, 10, kGround);
    DrawLine(surface.dc(), kInk, 0, 0, 4, 4);
    EXPECT_EQ(surface.At(0, 0), kInk);
    EXPECT_EQ(surface.At(3, 3), kInk);
    EXPECT_EQ(surface.At(4, 4), kGround);
}

TEST(DrawFrame, DrawsTheOutlineAndLeavesTheInside) {
    DibSurface surface(12, 12, kGround);
    DrawFrame(surface.dc(), kInk, 1, 2, 9, 8);
    EXPECT_EQ(surface.Row(2, 0, 9),
              (std::vector<COLORREF>{kGround, kInk, kInk, kInk, kInk, kInk, kInk, kInk, kInk, kGround}));
    EXPECT_EQ(surface.Row(7, 1, 8), Repeat(kInk, 8));
    EXPECT_EQ(surface.At(1, 1), kGround);
    EXPECT_EQ(surface.At(1, 8), kGround);
    EXPECT_EQ(surface.Column(1, 2, 7), Repeat(kInk, 6));
    EXPECT_EQ(surface.Column(8, 2, 7), Repeat(kInk, 6));
    EXPECT_EQ(surface.Row(5, 2, 7), Repeat(kGround, 6));
}

TEST(DrawFrame, PutsTheDcsPenAndBrushBack) {
    DibSurface surface(12, 12, kGround);
    const HGDIOBJ pen = GetCurrentObject(surface.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(surface.dc(), OBJ_BRUSH);
    const long live = platform::LiveGdiObjects();
    DrawFrame(surface.dc(), kInk, 0, 0, 12, 12);
    DrawLine(surface.dc(), kInk, 0, 0, 5, 0);
    FillSurface({surface.dc(), 4, 4}, kInk);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(platform::LiveGdiObjects(), live);
}

TEST(DrawGradient, RowsOfTheNormalBodyUpperBand) {
    DibSurface surface(10, 23, kGround);
    DrawGradient({surface.dc(), 10, 23}, RGB(250, 250, 250), RGB(235, 235, 235), 50, 0, 2, -1, 12);
    EXPECT_EQ(surface.Column(0, 0, 13),
              (std::vector<COLORREF>{kGround, kGround, RGB(248, 248, 248), RGB(246, 246, 246), RGB(245, 245, 245),
                                     RGB(244, 244, 244), RGB(243, 243, 243), RGB(241, 241, 241), RGB(240, 240, 240),
                                     RGB(239, 239, 239), RGB(238, 238, 238), RGB(236, 236, 236), RGB(235, 235, 235),
                                     kGround}));
    // x2 = -1 is the last column, included.
    EXPECT_EQ(surface.Row(7, 0, 9), Repeat(RGB(241, 241, 241), 10));
}

TEST(DrawGradient, OneColumnWide) {
    DibSurface surface(10, 10, kGround);
    DrawGradient({surface.dc(), 10, 10}, RGB(0, 0, 0), RGB(200, 200, 200), 50, 4, 0, 4, 1);
    EXPECT_EQ(surface.Column(4, 0, 2), (std::vector<COLORREF>{RGB(0, 0, 0), RGB(100, 100, 100), kGround}));
    EXPECT_EQ(surface.At(3, 0), kGround);
    EXPECT_EQ(surface.At(5, 0), kGround);
}

TEST(DrawGradient, RowsBelowTheSurfaceAreNotDrawn) {
    // The back image may be larger than the client area; nothing goes below row H - 1.
    DibSurface surface(10, 30, kGround);
    DrawGradient({surface.dc(), 10, 20}, RGB(0, 0, 0), RGB(200, 200, 200), 50, 0, 0, -1, 1000000);
    EXPECT_NE(surface.At(0, 19), kGround);
    EXPECT_EQ(surface.At(0, 20), kGround);
}

constexpr int kW = 40;
constexpr int kH = 23;

Palette Palette230() { return ComputePalette(RGB(230, 230, 230), RGB(0, 0, 0), RGB(255, 0, 255)); }

TEST(PaintBody, NormalBodyRowsWithTheSharedMiddleRow) {
    DibSurface surface(kW, kH, kGround);
    PaintBody({surface.dc(), kW, kH}, PlanBody(StateNormal, false, Palette230(), kH));
    std::vector<COLORREF> expected{kGround, kGround};
    for (COLORREF c : Greys({248, 246, 245, 244, 243, 241, 240, 239, 238, 236})) expected.push_back(c);
    for (COLORREF c : Greys({220, 219, 219, 218, 217, 214, 212, 209, 207, 204})) expected.push_back(c);
    expected.push_back(kGround);
    for (int x : {0, kW / 2, kW - 1}) EXPECT_EQ(surface.Column(x, 0, kH - 1), expected) << "column " << x;
}

TEST(PaintBody, PressedBodyShadowLinesRunToTheLastRow) {
    DibSurface surface(kW, kH + 2, kGround);
    PaintBody({surface.dc(), kW, kH}, PlanBody(StateDown, false, Palette230(), kH));
    const COLORREF shadow = RGB(158, 176, 186);
    EXPECT_EQ(surface.Column(1, 1, kH - 1), Repeat(shadow, kH - 1));
    EXPECT_EQ(surface.Column(kW - 2, 1, kH - 1), Repeat(shadow, kH - 1));
    EXPECT_EQ(surface.Row(1, 1, kW - 1), Repeat(shadow, kW - 1));
    // The fill shows where no gradient goes: rows 0, 1 (outside the shadow) and H - 1.
    const COLORREF fill = RGB(196, 229, 246);
    EXPECT_EQ(surface.At(0, 0), fill);
    EXPECT_EQ(surface.At(5, 0), fill);
    EXPECT_EQ(surface.At(0, 1), fill);
    EXPECT_EQ(surface.At(5, kH - 1), fill);
    // Upper band from RGB(229, 244, 252); the lower band ends at RGB(104, 179, 219) on row H - 2.
    EXPECT_EQ(surface.At(5, kH - 2), RGB(104, 179, 219));
    // Nothing below the client area, though the lines were asked to reach row H.
    EXPECT_EQ(surface.At(1, kH + 1), kGround);
}

TEST(PaintBody, DisabledBodyIsOneFill) {
    DibSurface surface(kW, kH, kGround);
    PaintBody({surface.dc(), kW, kH}, PlanBody(StateDisabled, false, Palette230(), kH));
    for (int y : {0, 11, 22}) EXPECT_EQ(surface.Row(y, 0, kW - 1), Repeat(RGB(250, 250, 250), kW)) << y;
}

TEST(PaintFrame, OutlineInnerFrameAndCornerPixels) {
    DibSurface surface(kW, kH, kGround);
    const COLORREF outline = RGB(112, 112, 112);
    const COLORREF inner = RGB(255, 255, 255);
    PaintFrame({surface.dc(), kW, kH}, FramePlan{outline, inner}, ShapeRounded);
    EXPECT_EQ(surface.Row(0, 0, kW - 1), Repeat(outline, kW));
    EXPECT_EQ(surface.Row(kH - 1, 0, kW - 1), Repeat(outline, kW));
    EXPECT_EQ(surface.Column(0, 0, kH - 1), Repeat(outline, kH));
    EXPECT_EQ(surface.Column(kW - 1, 0, kH - 1), Repeat(outline, kH));
    EXPECT_EQ(surface.Row(1, 2, kW - 3), Repeat(inner, kW - 4));
    EXPECT_EQ(surface.Column(kW - 2, 2, kH - 3), Repeat(inner, kH - 4));
    for (auto [x, y] : {std::pair{1, 1}, {1, kH - 2}, {kW - 2, 1}, {kW - 2, kH - 2}})
        EXPECT_EQ(surface.At(x, y), outline);
    EXPECT_EQ(surface.At(2, 2), kGround);
}

TEST(PaintFrame, SquareLeftSetsOnlyTheRightCornerPixels) {
    DibSurface surface(kW, kH, kGround);
    const COLORREF outline = RGB(44, 98, 139);
    PaintFrame({surface.dc(), kW, kH}, FramePlan{outline, std::nullopt}, ShapeSquareLeft);
    EXPECT_EQ(surface.At(1, 1), kGround);
    EXPECT_EQ(surface.At(1, kH - 2), kGround);
    EXPECT_EQ(surface.At(kW - 2, 1), outline);
    EXPECT_EQ(surface.At(kW - 2, kH - 2), outline);
    EXPECT_EQ(surface.At(5, 1), kGround);  // no inner frame
}

TEST(PaintFrame, SquareSetsNoCornerPixels) {
    DibSurface surface(kW, kH, kGround);
    PaintFrame({surface.dc(), kW, kH}, FramePlan{kInk, std::nullopt}, ShapeSquare);
    for (auto [x, y] : {std::pair{1, 1}, {1, kH - 2}, {kW - 2, 1}, {kW - 2, kH - 2}})
        EXPECT_EQ(surface.At(x, y), kGround);
}

// Whether the window's region holds the pixel.
bool InRegion(HWND hwnd, int x, int y) {
    platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd, region.get()) == ERROR) return false;
    return PtInRegion(region.get(), x, y) != FALSE;
}

struct Corners {
    bool topLeft, bottomLeft, topRight, bottomRight;
    bool operator==(const Corners&) const = default;
};

Corners CornersOf(int shape, int width, int height) {
    PlainWindow window(width, height);
    ApplyShapeRegion(window.hwnd(), shape, width, height, 3, 3);
    return Corners{InRegion(window.hwnd(), 0, 0), InRegion(window.hwnd(), 0, height - 1),
                   InRegion(window.hwnd(), width - 1, 0), InRegion(window.hwnd(), width - 1, height - 1)};
}

TEST(WindowRegion, CornerPixelsInsideTheRegionByShape) {
    EXPECT_EQ(CornersOf(ShapeRounded, 73, 23), (Corners{false, false, false, false}));
    EXPECT_EQ(CornersOf(ShapeSquareLeft, 73, 23), (Corners{true, true, false, false}));
    EXPECT_EQ(CornersOf(ShapeSquareRight, 73, 23), (Corners{false, false, true, true}));
    EXPECT_EQ(CornersOf(ShapeSquare, 73, 23), (Corners{true, true, true, true}));
}

TEST(WindowRegion, RoundedRegionKeepsTheWholeClientAreaButTheCorners) {
    PlainWindow window(73, 23);
    ApplyShapeRegion(window.hwnd(), ShapeRounded, 73, 23, 3, 3);
    // The 3 x 3 ellipses cut one pixel at each corner; the edges next to it stay.
    EXPECT_TRUE(InRegion(window.hwnd(), 1, 0));
    EXPECT_TRUE(InRegion(window.hwnd(), 0, 1));
    EXPECT_TRUE(InRegion(window.hwnd(), 71, 22));
    EXPECT_TRUE(InRegion(window.hwnd(), 72, 21));
    EXPECT_TRUE(InRegion(window.hwnd(), 36, 11));
}

TEST(WindowRegion, SquareLeftIsSquareUpToColumn35) {
    // With W = 73 the square half spans columns 0 to 35: its bottom-left corner is kept, and
    // the rounded part alone (without the square half) would cut it.
    PlainWindow window(73, 23);
    ApplyShapeRegion(window.hwnd(), ShapeSquareLeft, 73, 23, 3, 3);
    for (int x : {0, 35}) {
        EXPECT_TRUE(InRegion(window.hwnd(), x, 0)) << x;
        EXPECT_TRUE(InRegion(window.hwnd(), x, 22)) << x;
    }
    EXPECT_FALSE(InRegion(window.hwnd(), 72, 0));
}

TEST(WindowRegion, ReplacingTheRegionLeaksNothing) {
    PlainWindow window(50, 20);
    const long live = platform::LiveGdiObjects();
    for (int shape = 0; shape < 4; ++shape) ApplyShapeRegion(window.hwnd(), shape, 50, 20, 3, 3);
    EXPECT_EQ(platform::LiveGdiObjects(), live);
}

}  // namespace

// The button's window region by corner shape, rebuilt only when the layout is pending, and
// the resize handler: the 15 x 15 minimum reached before any paint, and when a resize paints.
#include "controls/aerobutton/aero_button.h"
#include "platform/gdi_owner.h"
#include "tests/support/button_pixels.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace aerobutton;
using namespace testing_support;
using testing_support::kWhite;  // the pixel, not the drawing colour

constexpr COLORREF kMarker = RGB(255, 0, 255);

using ShapeTest = ButtonPixelTest;

// ---- shapes: corner pixels and the window region ----

// Whether the button window's region holds the pixel.
bool InRegion(HWND hwnd, int x, int y) {
    platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd, region.get()) == ERROR) return false;
    return PtInRegion(region.get(), x, y) != FALSE;
}

TEST_F(ShapeTest, CornerPixelsAndRegionCornersByShape) {
    Create(73, 23);
    struct Expected {
        const char* name;
        std::int32_t shape;
        Pixels innerCorners;         // (1,1), (1,21), (71,1), (71,21)
        std::vector<bool> inRegion;  // (0,0), (0,22), (72,0), (72,22)
    };
    const Px o = kPlainOutline;
    const Px w = kWhite;
    const std::vector<Expected> shapes{
        {"rounded", ShapeRounded, {o, o, o, o}, {false, false, false, false}},
        {"square left", ShapeSquareLeft, {w, w, o, o}, {true, true, false, false}},
        {"square right", ShapeSquareRight, {o, o, w, w}, {false, false, true, true}},
        {"square", ShapeSquare, {w, w, w, w}, {true, true, true, true}},
    };
    for (const Expected& e : shapes) {
        button->SetButtonShape(e.shape);
        EXPECT_EQ(InnerCorners(), e.innerCorners) << e.name;
        const HWND hwnd = button->hWnd();
        EXPECT_EQ((std::vector<bool>{InRegion(hwnd, 0, 0), InRegion(hwnd, 0, 22), InRegion(hwnd, 72, 0),
                                     InRegion(hwnd, 72, 22)}),
                  e.inRegion)
            << e.name;
        EXPECT_TRUE(InRegion(hwnd, 1, 0) && InRegion(hwnd, 71, 22) && InRegion(hwnd, 36, 11))
            << e.name << ": the region covers the client area but its corners";
    }
}

TEST_F(ShapeTest, SquareLeftWithWidth73IsSquareOverColumns0To35) {
    Create(73, 23);
    button->SetButtonShape(ShapeSquareLeft);
    for (int x : {0, 35}) EXPECT_TRUE(InRegion(button->hWnd(), x, 22)) << x;
    EXPECT_FALSE(InRegion(button->hWnd(), 72, 22));
    EXPECT_EQ(At(1, 21), kWhite) << "no corner pixel on the square side";
    EXPECT_EQ(At(71, 21), kPlainOutline);
}

TEST_F(ShapeTest, ThePaintRebuildsTheRegionOnlyWhenTheLayoutIsDirty) {
    Create();
    button->SetButtonShape(ShapeSquare);
    ASSERT_TRUE(InRegion(button->hWnd(), 0, 0));
    // A stand-in region that a paint without a pending layout must leave alone; the window
    // owns it from here on.
    SetWindowRgn(button->hWnd(), CreateRectRgn(0, 0, 10, 10), FALSE);
    button->Redraw(StateHot, true);
    EXPECT_FALSE(InRegion(button->hWnd(), 20, 5)) << "the previous region is reused";
    button->Refresh();
    EXPECT_TRUE(InRegion(button->hWnd(), 20, 5)) << "Refresh rebuilds it";
    EXPECT_TRUE(InRegion(button->hWnd(), 0, 0));
    EXPECT_FALSE(button->LayoutDirty());
}

LRESULT CALLBACK CountPositionChanges(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_WINDOWPOSCHANGING) ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST_F(ShapeTest, ALayoutWithTheRegionTheWindowHasLeavesItAlone) {
    Create();
    int changes = 0;
    SetWindowSubclass(button->hWnd(), &CountPositionChanges, 1, reinterpret_cast<DWORD_PTR>(&changes));
    button->Refresh();
    EXPECT_EQ(changes, 0) << "the same region is not set again";
    EXPECT_FALSE(button->LayoutDirty());
    button->SetButtonShape(ShapeSquare);
    EXPECT_GE(changes, 1) << "a new shape is a new region";
    EXPECT_TRUE(InRegion(button->hWnd(), 0, 0));
    RemoveWindowSubclass(button->hWnd(), &CountPositionChanges, 1);
}

// ---- resizing ----

// Records every size the button's window takes and every paint in between: a paint clears
// the marker that each size change puts on the surface.
struct SizeLog {
    AeroButton* button = nullptr;
    std::vector<std::wstring> entries;

    void MarkSurface() { SetPixelV(button->Surface().hDC(), 0, 0, kMarker); }
    void NotePaint() {
        if (button->Surface().Image().PixelAt(0, 0) != kMarker) entries.push_back(L"paint");
    }
};

LRESULT CALLBACK SizeLogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_SIZE) {
        auto* log = reinterpret_cast<SizeLog*>(data);
        log->NotePaint();
        log->entries.push_back(L"size " + std::to_wstring(LOWORD(lParam)) + L"x" + std::to_wstring(HIWORD(lParam)));
        log->MarkSurface();
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

class ResizeTest : public ButtonPixelTest {
protected:
    std::vector<std::wstring> ResizeTo(int width, int height) {
        SizeLog log{button.get(), {}};
        log.MarkSurface();
        constexpr UINT_PTR kId = 0x5A1E;
        EXPECT_TRUE(SetWindowSubclass(button->hWnd(), SizeLogProcedure, kId, reinterpret_cast<DWORD_PTR>(&log)));
        MoveWindow(button->hWnd(), 10, 10, width, height, TRUE);
        log.NotePaint();
        RemoveWindowSubclass(button->hWnd(), SizeLogProcedure, kId);
        return log.entries;
    }
};

TEST_F(ResizeTest, FortyByTenBecomesFifteenHighAndPaintsOnlyThen) {
    Create();
    EXPECT_EQ(ResizeTo(40, 10), (std::vector<std::wstring>{L"size 40x10", L"size 40x15", L"paint"}));
    EXPECT_EQ(button->ClientWidth(), 40);
    EXPECT_EQ(button->ClientHeight(), 15);
    EXPECT_EQ(Row(14, 0, 39), Repeat(kPlainOutline, 40)) << "the outline at the new bottom edge";
    EXPECT_EQ(Column(39, 0, 14), Repeat(kPlainOutline, 15)) << "the outline at the new right edge";
}

TEST_F(ResizeTest, BothSidesGrowOneAfterTheOtherBeforeThePaint) {
    Create();
    EXPECT_EQ(ResizeTo(3, 3), (std::vector<std::wstring>{L"size 3x3", L"size 3x15", L"size 15x15", L"paint"}));
    RECT client{};
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 15);
    EXPECT_EQ(client.bottom, 15);
    EXPECT_EQ(Column(14, 0, 14), Repeat(kPlainOutline, 15));
}

TEST_F(ResizeTest, ALargeEnoughSizePaintsOnceWithTheLayoutRebuilt) {
    Create();
    EXPECT_EQ(ResizeTo(120, 40), (std::vector<std::wstring>{L"size 120x40", L"paint"}));
    EXPECT_FALSE(button->LayoutDirty());
    EXPECT_EQ(Column(119, 0, 39), Repeat(kPlainOutline, 40));
    EXPECT_FALSE(InRegion(button->hWnd(), 119, 39)) << "the region follows the new size";
    EXPECT_TRUE(InRegion(button->hWnd(), 118, 39));
}

TEST_F(ResizeTest, AtDesignTimeAnUnloadedButtonOnlyMarksItsLayout) {
    site.userMode = false;
    ASSERT_NE(parent.hwnd(), nullptr);
    button = std::make_unique<AeroButton>(site, parent.hwnd(), 10, 10, 75, 23);
    ASSERT_FALSE(button->IsReady());
    EXPECT_EQ(ResizeTo(90, 30), (std::vector<std::wstring>{L"size 90x30"}));
    EXPECT_TRUE(button->LayoutDirty()) << "the next paint lays the content out";

    button->InitProperties();
    button->SetCaption(L"");
    ASSERT_TRUE(button->IsReady());
    EXPECT_EQ(ResizeTo(100, 30), (std::vector<std::wstring>{L"size 100x30", L"paint"}));
}

TEST_F(ResizeTest, AtRunTimeEvenAnUnloadedButtonRepaints) {
    ASSERT_NE(parent.hwnd(), nullptr);
    button = std::make_unique<AeroButton>(site, parent.hwnd(), 10, 10, 75, 23);
    ASSERT_FALSE(button->IsReady());
    EXPECT_EQ(ResizeTo(90, 30), (std::vector<std::wstring>{L"size 90x30", L"paint"}));
}

}  // namespace

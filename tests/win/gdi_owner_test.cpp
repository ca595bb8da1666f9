#include "platform/gdi_owner.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using platform::LiveGdiObjects;
using platform::LiveUserObjects;

TEST(GdiOwners, CountEveryObjectWhileOwned) {
    const long before = LiveGdiObjects();
    {
        platform::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        platform::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        platform::UniqueMemoryDC dc(nullptr);
        EXPECT_EQ(LiveGdiObjects(), before + 3);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiOwners, MoveTransfersOwnershipOnce) {
    const long before = LiveGdiObjects();
    platform::UniqueBrush first(CreateSolidBrush(RGB(9, 9, 9)));
    const HBRUSH handle = first.get();
    platform::UniqueBrush second(std::move(first));
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(second.get(), handle);
    platform::UniqueBrush third;
    third = std::move(second);
    EXPECT_EQ(third.get(), handle);
    EXPECT_EQ(LiveGdiObjects(), before + 1);
    third.reset();
    EXPECT_EQ(LiveGdiObjects(), before);
    // The brush was deleted: asking for its description fails.
    LOGBRUSH info{};
    EXPECT_EQ(GetObjectW(handle, sizeof info, &info), 0);
}

TEST(GdiOwners, ReleaseHandsTheObjectOverUndeleted) {
    const long before = LiveGdiObjects();
    HRGN region;
    {
        platform::UniqueRegion owner(CreateRectRgn(0, 0, 4, 4));
        region = owner.release();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
    DeleteObject(region);
}

TEST(GdiOwners, SelectGuardPutsThePreviousObjectBack) {
    platform::UniqueMemoryDC dc(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BRUSH);
    platform::UniqueBrush brush(CreateSolidBrush(RGB(200, 0, 0)));
    {
        platform::SelectGuard select(dc.get(), brush.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

TEST(GdiOwners, AMovedSelectGuardPutsThePreviousObjectBackOnce) {
    platform::UniqueMemoryDC dc(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BRUSH);
    platform::UniqueBrush red(CreateSolidBrush(RGB(200, 0, 0)));
    platform::UniqueBrush green(CreateSolidBrush(RGB(0, 200, 0)));
    std::optional<platform::SelectGuard> first;
    first.emplace(dc.get(), red.get());
    {
        platform::SelectGuard second(std::move(*first));
        EXPECT_FALSE(*first);
        EXPECT_TRUE(second);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), red.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), original);
    // The guard moved from puts nothing back when it ends, not even over a later selection.
    const platform::SelectGuard later(dc.get(), green.get());
    first.reset();
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), green.get());
}

TEST(GdiOwners, APaintDcOfAWindowThatIsGoneIsEmptyAndEndsNothing) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        const platform::PaintDC paint(window);
        EXPECT_TRUE(paint);
        EXPECT_NE(paint.get(), nullptr);
    }
    DestroyWindow(window);
    std::optional<platform::PaintDC> paint;
    paint.emplace(window);
    EXPECT_FALSE(*paint);
    EXPECT_EQ(paint->get(), nullptr);
    // EndPaint of the gone window would fail and say why.
    SetLastError(ERROR_SUCCESS);
    paint.reset();
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
}

TEST(GdiOwners, AnIconOwnerDestroysItsIconAndCountsIt) {
    const long before = LiveUserObjects();
    const long gdiBefore = LiveGdiObjects();
    HICON handle = nullptr;
    {
        const platform::UniqueIcon icon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
        ASSERT_TRUE(icon);
        handle = icon.get();
        EXPECT_EQ(LiveUserObjects(), before + 1);
        EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "an icon counts as a USER object only";
    }
    EXPECT_EQ(LiveUserObjects(), before);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(handle, &info)) << "the icon was destroyed";
}

TEST(GdiOwners, AWindowOwnerDestroysItsWindowAndCountsIt) {
    const long before = LiveUserObjects();
    HWND handle = nullptr;
    {
        const platform::UniqueWindow window(
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(window);
        handle = window.get();
        EXPECT_EQ(LiveUserObjects(), before + 1);
    }
    EXPECT_EQ(LiveUserObjects(), before);
    EXPECT_FALSE(IsWindow(handle));
}

}  // namespace

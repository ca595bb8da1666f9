#include "platform/gdi_owner.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using platform::LiveGdiObjects;

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

}  // namespace

#include "platform/dib_block.h"

#include <gtest/gtest.h>

namespace {

using platform::DibBlock;
using platform::LiveGdiObjects;

TEST(DibBlock, StartsBlackAndReadsBackWhatIsDrawn) {
    DibBlock block(nullptr, 4, 3);
    ASSERT_TRUE(block);
    EXPECT_EQ(block.Width(), 4);
    EXPECT_EQ(block.Height(), 3);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(block.bits()[i], 0u);
    SetPixelV(block.dc(), 2, 1, RGB(10, 20, 30));
    GdiFlush();
    EXPECT_EQ(block.bits()[1 * 4 + 2], 0x0A141Eu);  // 0x00RRGGBB, rows from the top
}

TEST(DibBlock, EmptySizesGiveNoBlock) {
    const long live = LiveGdiObjects();
    EXPECT_FALSE(DibBlock(nullptr, 0, 5));
    EXPECT_FALSE(DibBlock(nullptr, 5, -1));
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(DibBlock, ReleasesItsBitmapAndDc) {
    const long live = LiveGdiObjects();
    HBITMAP bitmap = nullptr;
    {
        DibBlock block(nullptr, 8, 8);
        ASSERT_TRUE(block);
        EXPECT_EQ(LiveGdiObjects(), live + 2);
        bitmap = static_cast<HBITMAP>(GetCurrentObject(block.dc(), OBJ_BITMAP));
    }
    EXPECT_EQ(LiveGdiObjects(), live);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof info, &info), 0);  // deleted, not left selected
}

}  // namespace

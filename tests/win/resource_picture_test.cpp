// Pictures of the program's bitmap resources: drawn straight from the stored (run-length
// encoded) form, and decoded into a 24-bit DIB section only when their handle is asked for.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/gdi_owner.h"
#include "platform/picture.h"
#include "resources/resource_ids.h"

namespace {

using platform::Picture;

// A 32-bit top-down DIB section in a memory DC, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        original_ = SelectObject(dc_.get(), bitmap_.get());
        std::fill_n(bits_, static_cast<size_t>(width) * height, fill);
    }
    ~Canvas() { SelectObject(dc_.get(), original_); }
    HDC dc() const { return dc_.get(); }
    std::uint32_t At(int x, int y) const {
        GdiFlush();
        return bits_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF;
    }

private:
    int width_, height_;
    platform::UniqueMemoryDC dc_{nullptr};
    platform::UniqueBitmap bitmap_;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

struct Stored {
    int id, width, height;
};
constexpr Stored kResources[] = {
    {IDB_SKIN_ATLAS, 640, 480},   {IDB_STRIP_NORMAL, 69, 20},    {IDB_STRIP_MIN_HOT, 69, 20},
    {IDB_STRIP_MIN_DOWN, 69, 20}, {IDB_STRIP_CLOSE_HOT, 69, 20}, {IDB_STRIP_CLOSE_DOWN, 69, 20},
    {IDB_BANNER, 345, 41},
};

TEST(ResourcePicture, EveryStoredPictureHasItsSizeAndA24BitHandle) {
    for (const Stored& stored : kResources) {
        auto picture = Picture::FromBitmapResource(stored.id);
        ASSERT_NE(picture, nullptr) << stored.id;
        EXPECT_EQ(picture->Type(), platform::PictureType::Bitmap);
        EXPECT_EQ(picture->WidthPixels(), stored.width);
        EXPECT_EQ(picture->HeightPixels(), stored.height);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(picture->Bitmap(), sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
        EXPECT_EQ(section.dsBm.bmWidth, stored.width);
        EXPECT_EQ(picture->Handle(), picture->Bitmap());  // decoded once, then the same handle
    }
}

TEST(ResourcePicture, DrawingFromTheStoredFormGivesTheDecodedPixels) {
    for (const Stored& stored : kResources) {
        // One picture is drawn before anything asks for its handle, the other is copied
        // from its decoded handle; both land at (3, 2) on a canvas of a colour they lack.
        auto drawn = Picture::FromBitmapResource(stored.id);
        auto decoded = Picture::FromBitmapResource(stored.id);
        ASSERT_TRUE(drawn && decoded);
        const int width = stored.width + 6, height = stored.height + 4;
        Canvas fromStored(width, height, 0x123456), fromHandle(width, height, 0x123456);
        drawn->Draw(fromStored.dc(), 3, 2);
        {
            platform::UniqueMemoryDC source(nullptr);
            HGDIOBJ original = SelectObject(source.get(), decoded->Bitmap());
            BitBlt(fromHandle.dc(), 3, 2, stored.width, stored.height, source.get(), 0, 0, SRCCOPY);
            SelectObject(source.get(), original);
        }
        int differences = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) differences += fromStored.At(x, y) != fromHandle.At(x, y);
        EXPECT_EQ(differences, 0) << stored.id;
        // The picture covers exactly its rectangle and leaves the rest alone.
        int covered = 0, outside = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool inside = x >= 3 && x < 3 + stored.width && y >= 2 && y < 2 + stored.height;
                (inside ? covered : outside) += fromStored.At(x, y) != 0x123456u;
            }
        }
        EXPECT_EQ(covered, stored.width * stored.height) << stored.id;
        EXPECT_EQ(outside, 0) << stored.id;
    }
}

TEST(ResourcePicture, TheAtlasBodyHasTheCreditsPanelColour) {
    auto atlas = Picture::FromBitmapResource(IDB_SKIN_ATLAS);
    ASSERT_NE(atlas, nullptr);
    Canvas canvas(640, 480, 0);
    atlas->Draw(canvas.dc(), 0, 0);
    // The body texture fills the atlas's middle; its colour is the panel's RGB(211, 211, 211).
    EXPECT_EQ(canvas.At(320, 240), 0xD3D3D3u);
}

TEST(ResourcePicture, AMissingResourceIsNoPicture) {
    EXPECT_EQ(Picture::FromBitmapResource(9999), nullptr);
    EXPECT_EQ(Picture::FromBitmapResource(0), nullptr);
}

}  // namespace

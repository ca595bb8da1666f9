// The off-screen image behind a persistent drawing surface: a 24-bit top-down DIB section
// selected into its own memory DC, so drawing stays and its pixels can be read back exactly.
// Nothing drawn on a surface uses an alpha channel, so three bytes a pixel hold it all.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "platform/gdi_owner.h"

namespace platform {

class BackImage {
public:
    BackImage() = default;
    BackImage(const BackImage&) = delete;
    BackImage& operator=(const BackImage&) = delete;

    // The largest width and height the image takes: 4096 pixels (48 MB at most).
    static constexpr int kMaxSide = 4096;

    // Grows the image to at least width x height (each limited to kMaxSide), keeping what was
    // drawn; new pixels take fill. Never shrinks, so a minimised window keeps its picture.
    void EnsureSize(int width, int height, COLORREF fill);

    HDC dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Copies the top-left width x height of the image onto target at (0, 0); where that
    // reaches beyond the image, target gets fill instead.
    void ShowOn(HDC target, int width, int height, COLORREF fill) const;
    // The pixel as a COLORREF (0x00BBGGRR); 0 outside the image.
    COLORREF PixelAt(int x, int y) const;
    // Keeps font selected in the image's DC until another is selected there or the DC goes. A
    // larger image comes with a DC of its own, with the system font; the owner selects again.
    // The font's owner must outlive the image.
    void SelectFont(HFONT font);

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    // Declared after the DC and the bitmap: the DC lets go of the bitmap before either goes.
    SelectGuard bitmapSelection_;
    SelectGuard fontSelection_;
    std::uint8_t* bits_ = nullptr;
    std::size_t stride_ = 0;  // bytes a row: three a pixel, rounded up to whole 32-bit words
    int width_ = 0;
    int height_ = 0;
};

}  // namespace platform

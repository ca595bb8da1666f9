// A block of 32-bit pixels to draw into and read back: a top-down DIB section selected into
// its own memory DC, both released together.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/gdi_owner.h"

namespace platform {

class DibBlock {
public:
    // Zero-filled (black); empty when width or height is below 1 or memory runs out.
    DibBlock(HDC compatibleWith, int width, int height);
    DibBlock(const DibBlock&) = delete;
    DibBlock& operator=(const DibBlock&) = delete;

    explicit operator bool() const { return bits_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row y starts at bits() + y * Width(); each pixel 0x00RRGGBB. Call GdiFlush after GDI
    // drawing before reading.
    std::uint32_t* bits() const { return bits_; }

private:
    UniqueBitmap bitmap_;
    UniqueMemoryDC dc_;
    // Declared after the bitmap and the DC: the DC lets go of the bitmap before either goes.
    SelectGuard selection_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace platform

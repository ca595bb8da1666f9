// A 32-bit DIB section selected into its own memory DC, for drawing and reading pixels back.
#include "platform/dib_block.h"

namespace platform {

DibBlock::DibBlock(HDC compatibleWith, int width, int height) {
    if (width < 1 || height < 1) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(compatibleWith, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return;
    UniqueMemoryDC dc(compatibleWith);
    if (!dc) return;
    original_ = SelectObject(dc.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

DibBlock::~DibBlock() {
    // A bitmap still selected into a DC cannot be deleted.
    if (dc_ && original_) SelectObject(dc_.get(), original_);
}

}  // namespace platform

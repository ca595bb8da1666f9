// A window's persistent back image: a 24-bit DIB section in its own memory DC, grown as needed.
#include "platform/back_image.h"

#include <algorithm>

namespace platform {

BackImage::~BackImage() { DeselectBitmap(); }

void BackImage::DeselectBitmap() {
    // A bitmap still selected into a DC cannot be deleted.
    if (dc_ && originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
    originalBitmap_ = nullptr;
}

void BackImage::EnsureSize(int width, int height, COLORREF fill) {
    // A window may be far larger than anything the screen can show at once; the image keeps
    // at most kMaxSide pixels each way, so a huge window costs bounded memory. What lies
    // beyond is not kept: ShowOn fills it with the window's background colour.
    width = std::clamp(width, 1, kMaxSide);
    height = std::clamp(height, 1, kMaxSide);
    if (dc_ && width <= width_ && height <= height_) return;
    const int newWidth = std::max(width, width_);
    const int newHeight = std::max(height, height_);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // top-down: row y starts at bits + y * stride
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return;  // out of memory: the old image stays in use

    UniqueMemoryDC dc(nullptr);
    if (!dc) return;
    HGDIOBJ original = SelectObject(dc.get(), bitmap.get());
    const std::size_t stride = (static_cast<std::size_t>(newWidth) * 3 + 3) & ~std::size_t{3};
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int x = 0; x < newWidth; ++x) {
        rows[x * 3] = GetBValue(fill);
        rows[x * 3 + 1] = GetGValue(fill);
        rows[x * 3 + 2] = GetRValue(fill);
    }
    for (int y = 1; y < newHeight; ++y) std::copy_n(rows, stride, rows + y * stride);
    if (dc_) BitBlt(dc.get(), 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);

    // The drawing attributes of the old DC (font, colours, modes) are the owner's to re-apply.
    DeselectBitmap();
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    originalBitmap_ = original;
    bits_ = rows;
    stride_ = stride;
    width_ = newWidth;
    height_ = newHeight;
}

void BackImage::ShowOn(HDC target, int width, int height, COLORREF fill) const {
    const int shownWidth = std::min(width, width_);
    const int shownHeight = std::min(height, height_);
    if (shownWidth > 0 && shownHeight > 0) BitBlt(target, 0, 0, shownWidth, shownHeight, dc_.get(), 0, 0, SRCCOPY);
    if (shownWidth >= width && shownHeight >= height) return;
    // A copy from beyond the image draws nothing, which would leave whatever the screen
    // showed there before.
    UniqueBrush brush(CreateSolidBrush(fill));
    const RECT right{shownWidth, 0, width, height};
    const RECT below{0, shownHeight, shownWidth, height};
    if (right.left < right.right) FillRect(target, &right, brush.get());
    if (below.top < below.bottom) FillRect(target, &below, brush.get());
}

COLORREF BackImage::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    const std::uint8_t* p = bits_ + static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

}  // namespace platform

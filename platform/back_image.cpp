// A window's persistent back image: a 24-bit DIB section in its own memory DC, grown as needed.
#include "platform/back_image.h"

#include <algorithm>

#include "platform/dib_section.h"

namespace platform {

void BackImage::EnsureSize(int width, int height, COLORREF fill) {
    // A window may be far larger than anything the screen can show at once; the image keeps
    // at most kMaxSide pixels each way, so a huge window costs bounded memory. What lies
    // beyond is not kept: ShowOn fills it with the window's background colour.
    width = std::clamp(width, 1, kMaxSide);
    height = std::clamp(height, 1, kMaxSide);
    if (dc_ && width <= width_ && height <= height_) return;
    const int newWidth = std::max(width, width_);
    const int newHeight = std::max(height, height_);

    DibSection section = MakeDibSection(nullptr, newWidth, newHeight, 24, RowOrder::TopDown);
    if (!section.bitmap) return;  // out of memory: the old image stays in use

    UniqueMemoryDC dc(nullptr);
    if (!dc) return;
    SelectGuard selection(dc.get(), section.bitmap.get());
    const std::size_t stride = (static_cast<std::size_t>(newWidth) * 3 + 3) & ~std::size_t{3};
    auto* rows = static_cast<std::uint8_t*>(section.bits);
    for (int x = 0; x < newWidth; ++x) {
        rows[x * 3] = GetBValue(fill);
        rows[x * 3 + 1] = GetGValue(fill);
        rows[x * 3 + 2] = GetRValue(fill);
    }
    for (int y = 1; y < newHeight; ++y) std::copy_n(rows, stride, rows + y * stride);
    if (dc_) BitBlt(dc.get(), 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);

    // The old DC lets go of its font and bitmap before it and the bitmap go, in that order. Its
    // drawing attributes (font, colours, modes) are the owner's to re-apply on the new one.
    fontSelection_ = SelectGuard();
    bitmapSelection_ = std::move(selection);
    dc_ = std::move(dc);
    bitmap_ = std::move(section.bitmap);
    bits_ = rows;
    stride_ = stride;
    width_ = newWidth;
    height_ = newHeight;
}

void BackImage::SelectFont(HFONT font) {
    if (!dc_) return;
    // The guard keeps the DC's first font to put back; a later font takes the place of the
    // one selected, in one call.
    if (fontSelection_) {
        fontSelection_.Reselect(font);
    } else {
        fontSelection_ = SelectGuard(dc_.get(), font);
    }
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

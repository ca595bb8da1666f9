#include "tests/support/test_pictures.h"

#include <cstdint>
#include <utility>

#include "platform/dib_section.h"
#include "platform/gdi_owner.h"

namespace testing_support {

namespace {

// A 24-bit bottom-up DIB section (no alpha channel to interfere with icon masks).
platform::UniqueBitmap ColourBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    platform::DibSection dib = platform::MakeDibSection(nullptr, width, height, 24, platform::RowOrder::BottomUp);
    if (!dib.bitmap) return std::move(dib.bitmap);
    const int stride = (width * 3 + 3) & ~3;
    auto* bytes = static_cast<std::uint8_t*>(dib.bits);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bytes + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * width + x];
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    return std::move(dib.bitmap);
}

}  // namespace

platform::PicturePtr BitmapPicture(int width, int height, const std::vector<COLORREF>& pixels) {
    return platform::Picture::FromBitmap(ColourBitmap(width, height, pixels));
}

platform::PicturePtr SolidBitmapPicture(int width, int height, COLORREF colour) {
    return BitmapPicture(width, height, std::vector<COLORREF>(static_cast<size_t>(width) * height, colour));
}

platform::PicturePtr IconPicture(int width, int height, const std::vector<COLORREF>& pixels,
                                 const std::vector<bool>& opaque) {
    // Monochrome AND mask: 1 lets the background through, 0 shows the colour pixel.
    const int maskStride = ((width + 15) / 16) * 2;
    std::vector<std::uint8_t> mask(static_cast<size_t>(maskStride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!opaque[static_cast<size_t>(y) * width + x])
                mask[static_cast<size_t>(y) * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    platform::UniqueBitmap maskBitmap(CreateBitmap(width, height, 1, 1, mask.data()));
    // Transparent pixels must be black in the colour image for the mask to show through.
    std::vector<COLORREF> colour = pixels;
    for (size_t i = 0; i < colour.size(); ++i)
        if (!opaque[i]) colour[i] = RGB(0, 0, 0);
    platform::UniqueBitmap colourBitmap = ColourBitmap(width, height, colour);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap.get();
    info.hbmColor = colourBitmap.get();
    return platform::Picture::FromIcon(platform::UniqueIcon(CreateIconIndirect(&info)));  // copies both bitmaps
}

}  // namespace testing_support

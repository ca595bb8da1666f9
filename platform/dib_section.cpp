// The one BITMAPINFO set-up behind every DIB section the program draws into or decodes to.
#include "platform/dib_section.h"

namespace platform {

DibSection MakeDibSection(HDC dc, int width, int height, WORD bitsPerPixel, RowOrder order) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    // A negative height stores the rows from the top: row y then starts at bits + y * stride.
    info.bmiHeader.biHeight = order == RowOrder::TopDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    DibSection section;
    section.bitmap.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &section.bits, nullptr, 0));
    if (!section.bitmap) section.bits = nullptr;
    return section;
}

}  // namespace platform

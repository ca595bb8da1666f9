#include "platform/screen.h"

#include <windows.h>

#include <algorithm>

#include "platform/gdi_owner.h"

namespace platform {

namespace {
int TwipsPerPixel(int capability) {
    WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), capability) : 0;
    // A screen finer than 1440 dots per inch still counts one twip per pixel, never zero.
    return dpi > 0 ? std::max(1, 1440 / dpi) : 15;
}
}  // namespace

int TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace platform

// Creating an uncompressed DIB section: the owned bitmap and where its pixels lie in memory.
#pragma once

#include <windows.h>

#include "platform/gdi_owner.h"

namespace platform {

enum class RowOrder { TopDown, BottomUp };

struct DibSection {
    UniqueBitmap bitmap;
    void* bits = nullptr;  // the first row in memory: the top one when top-down
};

// A width x height DIB section of bitsPerPixel (24 or 32) without colour table; empty (no
// bitmap, no bits) when it cannot be made. The DC matters only for palette colours.
DibSection MakeDibSection(HDC dc, int width, int height, WORD bitsPerPixel, RowOrder order);

}  // namespace platform

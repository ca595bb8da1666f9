// Arithmetic of the main window's rounded region: where the client area lies in window
// coordinates (no <windows.h>: built and tested natively too).
#pragma once

#include <cstdint>

#include "platform/pixel_rect.h"

namespace app {

using RegionBox = platform::PixelRect;

// The client area's box in window pixels, from the outer and client sizes in twips and the
// whole-number twips per pixel: side frame b, caption-and-top t = (outer - client) / ty - b,
// right = outer width / tx - b, bottom = outer height / ty - b; each to the nearest integer
// with halves to even.
RegionBox RoundRegionBox(double outerWidthTwips, double outerHeightTwips, double clientWidthTwips,
                         double clientHeightTwips, int twipsPerPixelX, int twipsPerPixelY);

// The ellipse that rounds the region's corners: 8 x 8 pixels.
inline constexpr int kRegionCornerEllipse = 8;

}  // namespace app

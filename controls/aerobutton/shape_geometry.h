// Geometry of the button's corner shapes (no <windows.h>): the parts of the window region
// and the corner pixels that soften the outline inside each rounded corner.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/aerobutton/enumerations.h"
#include "platform/pixel_rect.h"

namespace aerobutton {

using platform::PixelRect;

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// A rounded rectangle, joined by a square left and/or right half.
struct ShapeRegionParts {
    PixelRect rounded;  // the box of CreateRoundRectRgn
    int ellipseWidth = 0;
    int ellipseHeight = 0;
    std::optional<PixelRect> squareLeft;
    std::optional<PixelRect> squareRight;
};

// For a client area of width x height: the rounded box (0, 0, width + 1, height + 1); the
// square halves meet at column width / 2 rounded to even. Any other shape value gives the
// rounded box alone.
ShapeRegionParts ShapeRegionFor(std::int32_t shape, int width, int height, int ellipseWidth, int ellipseHeight);

// The pixels drawn in the outline colour inside each rounded corner: (1, 1) and
// (1, height - 2) unless the left side is square, (width - 2, 1) and (width - 2, height - 2)
// unless the right side is square.
std::vector<PixelPoint> CornerPixelsFor(std::int32_t shape, int width, int height);

}  // namespace aerobutton

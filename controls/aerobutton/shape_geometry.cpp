// The corner-shape arithmetic shared by the window region and the outline's corner pixels.
#include "controls/aerobutton/shape_geometry.h"

#include "platform/rounding.h"

namespace aerobutton {

namespace {
bool LeftIsSquare(std::int32_t shape) { return shape == ShapeSquareLeft || shape == ShapeSquare; }
bool RightIsSquare(std::int32_t shape) { return shape == ShapeSquareRight || shape == ShapeSquare; }
}  // namespace

ShapeRegionParts ShapeRegionFor(std::int32_t shape, int width, int height, int ellipseWidth, int ellipseHeight) {
    ShapeRegionParts parts;
    // One beyond the client area on the right and bottom: a round-rect region leaves out its
    // last column and row.
    parts.rounded = PixelRect{0, 0, width + 1, height + 1};
    parts.ellipseWidth = ellipseWidth;
    parts.ellipseHeight = ellipseHeight;
    const std::int32_t half = platform::RoundHalfEven(width / 2.0);
    if (LeftIsSquare(shape)) parts.squareLeft = PixelRect{0, 0, half, height + 1};
    if (RightIsSquare(shape)) parts.squareRight = PixelRect{half, 0, width + 1, height + 1};
    return parts;
}

std::vector<PixelPoint> CornerPixelsFor(std::int32_t shape, int width, int height) {
    std::vector<PixelPoint> pixels;
    if (!LeftIsSquare(shape)) {
        pixels.push_back({1, 1});
        pixels.push_back({1, height - 2});
    }
    if (!RightIsSquare(shape)) {
        pixels.push_back({width - 2, 1});
        pixels.push_back({width - 2, height - 2});
    }
    return pixels;
}

}  // namespace aerobutton

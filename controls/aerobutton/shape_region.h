// The button's window region: a rounded rectangle with square halves by corner shape.
#pragma once

#include <windows.h>

#include <cstdint>

namespace aerobutton {

// Builds the region of `shape` for a client area of width x height and hands it to the
// window, which owns it from then on.
void ApplyShapeRegion(HWND hwnd, std::int32_t shape, int width, int height, int ellipseWidth, int ellipseHeight);

}  // namespace aerobutton

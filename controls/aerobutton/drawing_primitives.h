// The button's drawing primitives on its surface: fill, line, frame and vertical gradient,
// each with its own pen or brush for the length of one call.
#pragma once

#include <windows.h>

#include "controls/aerobutton/color_math.h"

namespace aerobutton {

// The surface being painted: its DC and the client size in pixels (W x H).
struct PaintTarget {
    HDC dc = nullptr;
    int width = 0;
    int height = 0;
};

// Fills (0, 0, W, H).
void FillSurface(const PaintTarget& target, Rgb colour);

// A one-pixel line; vertical and horizontal lines include their end point.
void DrawLine(HDC dc, Rgb colour, int x1, int y1, int x2, int y2);

// The outline of (left, top, right, bottom): columns left and right - 1, rows top and
// bottom - 1; the inside is left as it is.
void DrawFrame(HDC dc, Rgb colour, int left, int top, int right, int bottom);

// A vertical three-stop gradient, one row at a time; x2 = -1 means W - 1, y2 = -1 H - 1.
void DrawGradient(const PaintTarget& target, Rgb c1, Rgb c2, int percent, int x1, int y1, int x2, int y2);

}  // namespace aerobutton

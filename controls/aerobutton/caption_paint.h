// Measures and draws a button caption: word-wrapped, centred, with the access key underlined.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/aerobutton/color_math.h"
#include "controls/aerobutton/shape_geometry.h"

namespace aerobutton {

// The box of the caption word-wrapped to `width`, (0, 0, text width, text height), in the
// DC's current font. wideText chooses the UTF-16 text call; otherwise the caption goes
// through the ANSI code page.
PixelRect MeasureCaption(HDC dc, std::wstring_view caption, int width, int height, bool wideText);

// Draws the caption into textRect in colour, over what is there; an empty caption draws
// nothing.
void DrawCaption(HDC dc, std::wstring_view caption, const PixelRect& textRect, Rgb colour, bool wideText);

}  // namespace aerobutton

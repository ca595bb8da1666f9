// The colours a button paints with, derived from its back, fore and mask colours (no
// <windows.h>: built and tested natively too).
#pragma once

#include "controls/aerobutton/color_math.h"

namespace aerobutton {

struct Palette {
    Rgb BackColorRGB = 0;       // normal and checked body gradients
    Rgb DownFillColor = 0;      // pressed body
    Rgb ForeColorRGB = 0;       // caption
    Rgb DisabledFillColor = 0;  // disabled body
    Rgb DisabledTextColor = 0;  // disabled caption
    Rgb HotFillColor = 0;       // end of the hot body's upper gradient
    Rgb MaskColorRGB = 0;       // transparent colour of pictures
    Rgb CheckedFillColor = 0;   // end of the checked body gradient
    bool operator==(const Palette&) const = default;
};

// The whole palette from the three colours already translated to 0x00BBGGRR.
Palette ComputePalette(Rgb backColor, Rgb foreColor, Rgb maskColor);

}  // namespace aerobutton

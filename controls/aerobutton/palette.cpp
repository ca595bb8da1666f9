// The palette's fixed colours and the two blends towards white.
#include "controls/aerobutton/palette.h"

namespace aerobutton {

namespace {
constexpr Rgb kDownFill = MakeRgb(196, 229, 246);
constexpr Rgb kHotFill = MakeRgb(217, 240, 252);
constexpr Rgb kCheckedFill = MakeRgb(242, 242, 242);
// Single-precision amounts, used with their own bit patterns (0x3F4CCCCD and 0x3F19999A).
constexpr float kDisabledFillBlend = 0.8f;
constexpr float kDisabledTextBlend = 0.6f;
}  // namespace

Palette ComputePalette(Rgb backColor, Rgb foreColor, Rgb maskColor) {
    Palette p;
    p.BackColorRGB = backColor;
    p.DownFillColor = kDownFill;
    p.ForeColorRGB = foreColor;
    p.DisabledFillColor = BlendColor(p.BackColorRGB, kWhite, kDisabledFillBlend);
    p.DisabledTextColor = BlendColor(p.ForeColorRGB, kWhite, kDisabledTextBlend);
    p.HotFillColor = kHotFill;
    p.MaskColorRGB = maskColor;
    p.CheckedFillColor = kCheckedFill;
    return p;
}

}  // namespace aerobutton

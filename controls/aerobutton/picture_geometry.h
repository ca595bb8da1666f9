// Where a picture is drawn and from which part of it (no <windows.h>: built and tested
// natively too), and the per-pixel pass that applies the transparent colour and opacity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "controls/aerobutton/color_math.h"
#include "controls/aerobutton/shape_geometry.h"

namespace aerobutton {

struct PictureDrawPlan {
    PixelRect dest;          // D: the picture rectangle, clipped to the client area at natural size
    std::int64_t width = 0;  // w and h of D
    std::int64_t height = 0;
    std::int64_t sourceLeft = 0;  // the part of the picture stretched onto D
    std::int64_t sourceTop = 0;
    std::int64_t sourceWidth = 0;
    std::int64_t sourceHeight = 0;
    PixelRect visible;  // the part of D inside the client area: the only part worked on
};

// The plan for a picture of pw x ph pixels at picRect in a W x H client area; none when
// nothing of it shows. At natural size D is clipped to the client area and, where it was
// cut on the left or top or reaches the right or bottom edge, the picture is copied 1 : 1
// from the first column and row that show; otherwise, and always in the other size modes,
// the whole picture is stretched onto D.
std::optional<PictureDrawPlan> PlanPictureDraw(const PixelRect& picRect, bool naturalSize, int width, int height,
                                               int pictureWidth, int pictureHeight);

// The visible block of the stretch as the system draws an enlargement: every target pixel
// takes the source pixel under its centre. Pixels are 32-bit DIB values, rows top-down;
// target pixels whose source lies outside the picture are left as they are.
void SampleStretch(const std::uint32_t* source, int pictureWidth, int pictureHeight, const PictureDrawPlan& plan,
                   std::uint32_t* target);

// A 32-bit DIB pixel (0x00RRGGBB) and a colour (0x00BBGGRR) are the same bytes in the
// other order.
constexpr Rgb RgbFromDibPixel(std::uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }
constexpr std::uint32_t DibPixelFromRgb(Rgb c) { return RgbFromDibPixel(c); }

// Each channel rounded(Xb + opacity * (Xp - Xb)), ties to even.
Rgb BlendPixel(Rgb background, Rgb picture, float opacity);

// Over count pixels: a picture pixel of the transparent colour becomes the background, any
// other is blended with the background by the opacity unless that is exactly 1.
void ApplyTransparencyAndOpacity(const std::uint32_t* background, std::uint32_t* picture, std::size_t count,
                                 std::optional<Rgb> transparent, float opacity);

}  // namespace aerobutton

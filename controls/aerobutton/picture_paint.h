// Draws a button picture over what the surface already shows, with its transparent colour
// and opacity.
#pragma once

#include "controls/aerobutton/drawing_primitives.h"
#include "controls/aerobutton/shape_geometry.h"
#include "platform/picture.h"

namespace aerobutton {

struct PictureLook {
    PixelRect picRect;
    bool naturalSize = true;  // PictureSize is PicSizeNatural: clipped and copied 1 : 1
    bool useMaskColor = false;
    Rgb maskColor = 0;
    float opacity = 1.0f;  // the fraction to blend with; 1 draws opaque
};

void DrawPicture(const PaintTarget& target, const platform::Picture& picture, const PictureLook& look);

}  // namespace aerobutton

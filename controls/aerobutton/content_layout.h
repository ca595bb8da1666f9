// Where a button's caption and picture go: the caption box centred, the picture placed by
// the alignment with margins and a 2-pixel gap beside the caption (no <windows.h>: built and
// tested natively too).
#pragma once

#include <cstdint>
#include <optional>

#include "controls/aerobutton/enumerations.h"
#include "controls/aerobutton/shape_geometry.h"

namespace aerobutton {

struct ContentLayoutInput {
    int width = 0;   // client width W
    int height = 0;  // client height H
    // The caption word-wrapped to width W as the text call measures it, (0, 0, width,
    // height); ignored when there is no caption.
    bool hasCaption = false;
    PixelRect measuredText;
    bool hasPicture = false;
    std::int32_t pictureWidth = 0;  // the picture size in pixels, taken without limits
    std::int32_t pictureHeight = 0;
    std::int32_t alignment = PicAlignLeft;
    int marginY = 4;
    int marginX = 4;
};

struct ContentLayout {
    PixelRect textRect;
    std::optional<PixelRect> picRect;  // none without a picture: the previous one is kept
};

// Halves truncate toward zero. Sizes of any magnitude are accepted: the arithmetic runs in 64
// bits and a coordinate beyond the 32-bit range is limited to it.
ContentLayout LayoutContent(const ContentLayoutInput& in);

}  // namespace aerobutton

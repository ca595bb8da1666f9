// A rectangle in pixels as the window system has one: left, top, right, bottom, with right
// and bottom exclusive (no <windows.h>: built and tested natively too).
#pragma once

#include <cstdint>

namespace platform {

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

}  // namespace platform

// Two points in pixels, (x1, y1) and (x2, y2), as the drawing calls take a line's ends or a
// box's corners (no <windows.h>: built and tested natively too).
#pragma once

namespace aerobutton {

struct CornerPoints {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const CornerPoints&) const = default;
};

}  // namespace aerobutton

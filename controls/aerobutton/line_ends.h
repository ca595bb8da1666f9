// Where the button's lines end (no <windows.h>): LineTo leaves out the end point, so a
// vertical or horizontal line is lengthened by one to include it.
#pragma once

#include "controls/aerobutton/corner_points.h"

namespace aerobutton {

using LineEnds = CornerPoints;

// A vertical line (x1 = x2) gets y2 + 1; then, with that y2, a horizontal line (y1 = y2)
// gets x2 + 1. A single point therefore becomes a vertical line one pixel long.
constexpr LineEnds LineEndsFor(int x1, int y1, int x2, int y2) {
    if (x1 == x2) ++y2;
    if (y1 == y2) ++x2;
    return LineEnds{x1, y1, x2, y2};
}

}  // namespace aerobutton

// Row colours of the button's vertical three-stop gradients (no <windows.h>: built and
// tested natively too). The drawing code feeds these to one line per row.
#pragma once

#include <cstdint>

#include "controls/aerobutton/color_math.h"
#include "controls/aerobutton/corner_points.h"

namespace aerobutton {

using GradientBox = CornerPoints;

// The box a gradient call covers: an end of -1 means the last column (width - 1) or the last
// row (height - 1); an end before its start is moved up to the start.
GradientBox ResolveGradientBox(int x1, int y1, int x2, int y2, int width, int height);

// From c1 through the middle colour at the middle row to c2 at row y2. Above the middle row
// the fraction counts from row 0, not from y1: row y1 shows c1 only when y1 is 0, and a
// gradient that starts lower begins part of the way to the middle colour.
class GradientStops {
public:
    // percent (limited to 0..100) places the middle row between y1 and y2.
    GradientStops(Rgb c1, Rgb c2, int percent, int y1, int y2);

    Rgb Middle() const { return middle_; }
    float MiddleRow() const { return middleRow_; }
    Rgb RowColor(int y) const;

private:
    Rgb c1_;
    Rgb c2_;
    Rgb middle_;
    float middleRow_;
    int y2_;
};

}  // namespace aerobutton

// GDI behind the drawing primitives. Results of the drawing calls are not examined: a call
// that fails leaves its part of the surface as it was, and painting goes on.
#include "controls/aerobutton/drawing_primitives.h"

#include <algorithm>

#include "controls/aerobutton/gradient.h"
#include "controls/aerobutton/line_ends.h"
#include "platform/gdi_owner.h"

namespace aerobutton {

using platform::SelectGuard;
using platform::UniqueBrush;
using platform::UniquePen;

void FillSurface(const PaintTarget& target, Rgb colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush) return;
    SelectGuard select(target.dc, brush.get());
    const RECT all{0, 0, target.width, target.height};
    FillRect(target.dc, &all, brush.get());
}

void DrawLine(HDC dc, Rgb colour, int x1, int y1, int x2, int y2) {
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    if (!pen) return;
    SelectGuard select(dc, pen.get());
    const LineEnds ends = LineEndsFor(x1, y1, x2, y2);
    MoveToEx(dc, ends.x1, ends.y1, nullptr);
    LineTo(dc, ends.x2, ends.y2);
}

void DrawFrame(HDC dc, Rgb colour, int left, int top, int right, int bottom) {
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    if (!pen) return;
    SelectGuard selectPen(dc, pen.get());
    // A hollow brush: Rectangle then draws the outline only.
    SelectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right, bottom);
}

void DrawGradient(const PaintTarget& target, Rgb c1, Rgb c2, int percent, int x1, int y1, int x2, int y2) {
    const GradientBox box = ResolveGradientBox(x1, y1, x2, y2, target.width, target.height);
    const GradientStops stops(c1, c2, percent, box.y1, box.y2);
    // Each row's colour depends only on its own number, so rows off the surface can be
    // skipped without changing the ones that show.
    const int first = std::max(box.y1, 0);
    const int last = std::min(box.y2, target.height - 1);
    for (int y = first; y <= last; ++y) {
        const Rgb colour = stops.RowColor(y);
        if (box.x1 == box.x2) {
            SetPixelV(target.dc, box.x1, y, colour);
        } else {
            DrawLine(target.dc, colour, box.x1, y, box.x2, y);
        }
    }
}

}  // namespace aerobutton

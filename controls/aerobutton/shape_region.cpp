// GDI regions of the corner shapes; the arithmetic is in shape_geometry.
#include "controls/aerobutton/shape_region.h"

#include "controls/aerobutton/shape_geometry.h"
#include "platform/gdi_owner.h"

namespace aerobutton {

using platform::UniqueRegion;

void ApplyShapeRegion(HWND hwnd, std::int32_t shape, int width, int height, int ellipseWidth, int ellipseHeight) {
    const ShapeRegionParts parts = ShapeRegionFor(shape, width, height, ellipseWidth, ellipseHeight);
    UniqueRegion region(CreateRoundRectRgn(parts.rounded.left, parts.rounded.top, parts.rounded.right,
                                           parts.rounded.bottom, parts.ellipseWidth, parts.ellipseHeight));
    if (!region) return;
    for (const auto& square : {parts.squareLeft, parts.squareRight}) {
        if (!square) continue;
        UniqueRegion half(CreateRectRgn(square->left, square->top, square->right, square->bottom));
        if (half) CombineRgn(region.get(), region.get(), half.get(), RGN_OR);
    }
    // A window that has this very region already keeps it: setting a region is a round trip
    // to the window system with a repaint of the window, asking for it is one small call.
    UniqueRegion current(CreateRectRgn(0, 0, 0, 0));
    if (current && GetWindowRgn(hwnd, current.get()) != ERROR && EqualRgn(current.get(), region.get())) return;
    // On success the window owns the region and deletes it when it is replaced or the
    // window goes; only a refused region stays ours to delete.
    if (SetWindowRgn(hwnd, region.get(), TRUE)) region.release();
}

}  // namespace aerobutton

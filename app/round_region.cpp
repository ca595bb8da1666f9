// The arithmetic of the main window's rounded region: the box it spans, from twips to pixels.
#include "app/round_region.h"

#include "platform/rounding.h"

namespace app {

using platform::RoundHalfEven;

RegionBox RoundRegionBox(double outerWidthTwips, double outerHeightTwips, double clientWidthTwips,
                         double clientHeightTwips, int twipsPerPixelX, int twipsPerPixelY) {
    // Twips per pixel are whole numbers of at least 1 by construction; guard anyway so a
    // broken screen query cannot divide by zero.
    const double tx = twipsPerPixelX > 0 ? twipsPerPixelX : 1;
    const double ty = twipsPerPixelY > 0 ? twipsPerPixelY : 1;
    RegionBox box;
    const std::int32_t b = RoundHalfEven((outerWidthTwips - clientWidthTwips) / 2.0 / tx);
    box.left = b;
    box.top = RoundHalfEven((outerHeightTwips - clientHeightTwips) / ty - b);
    box.right = RoundHalfEven(outerWidthTwips / tx - b);
    box.bottom = RoundHalfEven(outerHeightTwips / ty - b);
    return box;
}

}  // namespace app

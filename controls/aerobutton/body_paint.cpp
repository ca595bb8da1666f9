// The body and frame layers of a paint, from their plans.
#include "controls/aerobutton/body_paint.h"

#include "controls/aerobutton/shape_geometry.h"

namespace aerobutton {

namespace {
constexpr int kGradientPercent = 50;
}

void PaintBody(const PaintTarget& target, const BodyPlan& plan) {
    const int W = target.width;
    const int H = target.height;
    if (plan.fill) FillSurface(target, *plan.fill);
    for (const GradientBand& band : plan.bands)
        DrawGradient(target, band.from, band.to, kGradientPercent, 0, band.y1, -1, band.y2);
    if (plan.shadowLines) {
        // The vertical lines run to row H, one below the client area, so they cover rows 1
        // to H - 1.
        DrawLine(target.dc, kShadowLineColor, 1, 1, 1, H);
        DrawLine(target.dc, kShadowLineColor, W - 2, 1, W - 2, H);
        DrawLine(target.dc, kShadowLineColor, 1, 1, W - 1, 1);
    }
}

void PaintFrame(const PaintTarget& target, const FramePlan& frame, std::int32_t shape) {
    const int W = target.width;
    const int H = target.height;
    if (frame.inner) DrawFrame(target.dc, *frame.inner, 1, 1, W - 1, H - 1);
    DrawFrame(target.dc, frame.outline, 0, 0, W, H);
    for (const PixelPoint& p : CornerPixelsFor(shape, W, H)) SetPixelV(target.dc, p.x, p.y, frame.outline);
}

}  // namespace aerobutton

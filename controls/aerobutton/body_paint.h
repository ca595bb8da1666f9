// Paints a planned body and frame onto the button's surface.
#pragma once

#include <cstdint>

#include "controls/aerobutton/body_plan.h"
#include "controls/aerobutton/drawing_primitives.h"

namespace aerobutton {

// Fill, gradient bands (over the full width, percent 50) and the pressed shadow lines.
void PaintBody(const PaintTarget& target, const BodyPlan& plan);

// Inner frame, outline (0, 0, W, H) and the corner pixels of `shape` in the outline colour.
void PaintFrame(const PaintTarget& target, const FramePlan& frame, std::int32_t shape);

}  // namespace aerobutton

// What a paint puts under and around the button's content for a visual state: the body
// (fill, gradient bands, shadow lines) and the outline with its inner frame (no
// <windows.h>: built and tested natively too).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/aerobutton/color_math.h"
#include "controls/aerobutton/enumerations.h"
#include "controls/aerobutton/palette.h"

namespace aerobutton {

// Rows y1..y2 (both drawn) over the full width, from `from` to `to` at percent 50.
struct GradientBand {
    Rgb from = 0;
    Rgb to = 0;
    int y1 = 0;
    int y2 = 0;
    bool operator==(const GradientBand&) const = default;
};

inline constexpr Rgb kShadowLineColor = MakeRgb(158, 176, 186);

struct BodyPlan {
    std::optional<Rgb> fill;          // the whole surface first
    std::vector<GradientBand> bands;  // drawn in order: a later band wins on a shared row
    bool shadowLines = false;         // the pressed body's inner shadow left, right and top
};

// The row where the upper and the lower band meet: height / 2 rounded to even (23 -> 12).
int MiddleRowOf(int height);

// A checked toggle that is pressed shows the checked body: the body state is normal then.
std::int32_t BodyStateFor(std::int32_t state, bool checkBoxMode, bool value, bool enabled);

// The body for body state `body`; `value` chooses the checked look of the normal and hot
// bodies. An unknown state paints no body.
BodyPlan PlanBody(std::int32_t body, bool value, const Palette& palette, int height);

struct FrameInputs {
    std::int32_t state = StateNormal;  // the visual state being painted
    std::int32_t body = StateNormal;   // the body state (after the checked-press rule)
    bool isMouseHeld = false;
    bool isMouseOver = false;
    bool isParentActive = false;
    bool hasFocus = false;
    bool isDefault = false;
};

struct FramePlan {
    Rgb outline = 0;
    std::optional<Rgb> inner;  // the frame one pixel inside the outline
    bool operator==(const FramePlan&) const = default;
};

// The outline colour and inner frame by the first rule that applies: disabled; hot (or held
// with the cursor outside); focus or default marking while the parent is active; pressed;
// plain.
FramePlan PlanFrame(const FrameInputs& in);

}  // namespace aerobutton

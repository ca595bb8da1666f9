// The fixed colours of the button's bodies and frames, and the rules that pick them.
#include "controls/aerobutton/body_plan.h"

#include "platform/rounding.h"

namespace aerobutton {

namespace {
constexpr Rgb kHotUpperFrom = MakeRgb(234, 246, 253);
constexpr Rgb kHotLowerFrom = MakeRgb(190, 230, 253);
constexpr Rgb kHotLowerTo = MakeRgb(167, 217, 245);
constexpr Rgb kDownUpperFrom = MakeRgb(229, 244, 252);
constexpr Rgb kDownLowerFrom = MakeRgb(152, 209, 239);
constexpr Rgb kDownLowerTo = MakeRgb(104, 179, 219);

constexpr Rgb kDisabledOutline = MakeRgb(173, 178, 181);
constexpr Rgb kHotOutline = MakeRgb(60, 127, 177);
constexpr Rgb kFocusInner = MakeRgb(72, 216, 251);
constexpr Rgb kDownOutline = MakeRgb(44, 98, 139);
constexpr Rgb kPlainOutline = MakeRgb(112, 112, 112);

// Single-precision shifts of the back colour: -0.1 takes 26 off a channel, +0.08 adds 20,
// +0.02 adds 5.
constexpr float kDarker = -0.1f;
constexpr float kLighterTop = 0.08f;
constexpr float kLighter = 0.02f;
}  // namespace

int MiddleRowOf(int height) { return platform::RoundHalfEven(height / 2.0); }

std::int32_t BodyStateFor(std::int32_t state, bool checkBoxMode, bool value, bool enabled) {
    if (checkBoxMode && value && enabled && state == StateDown) return StateNormal;
    return state;
}

BodyPlan PlanBody(std::int32_t body, bool value, const Palette& palette, int height) {
    BodyPlan plan;
    const int middle = MiddleRowOf(height);
    const auto twoBands = [&](Rgb upperFrom, Rgb upperTo, Rgb lowerFrom, Rgb lowerTo) {
        // The lower band repaints the shared middle row.
        plan.bands.push_back({upperFrom, upperTo, 2, middle});
        plan.bands.push_back({lowerFrom, lowerTo, middle, height - 2});
    };
    const Rgb back = palette.BackColorRGB;
    switch (body) {
        case StateNormal:
        case StateHot:
            if (value) {
                plan.bands.push_back({ShiftColor(back, kDarker), palette.CheckedFillColor, 0, height - 1});
            } else if (body == StateHot) {
                twoBands(kHotUpperFrom, palette.HotFillColor, kHotLowerFrom, kHotLowerTo);
            } else {
                twoBands(ShiftColor(back, kLighterTop), ShiftColor(back, kLighter), back, ShiftColor(back, kDarker));
            }
            break;
        case StateDown:
            plan.fill = palette.DownFillColor;
            twoBands(kDownUpperFrom, palette.DownFillColor, kDownLowerFrom, kDownLowerTo);
            plan.shadowLines = true;
            break;
        case StateDisabled: plan.fill = palette.DisabledFillColor; break;
        default: break;
    }
    return plan;
}

FramePlan PlanFrame(const FrameInputs& in) {
    if (in.state == StateDisabled) return {kDisabledOutline, std::nullopt};
    // Held with the cursor outside looks hot, so the user sees the press is still live.
    if ((in.body != StateDown && in.isMouseHeld && !in.isMouseOver) || in.state == StateHot)
        return {kHotOutline, kWhite};
    if (in.isParentActive && in.state != StateDown && (in.hasFocus || in.isDefault)) return {kHotOutline, kFocusInner};
    if (in.state == StateDown) return {kDownOutline, std::nullopt};
    return {kPlainOutline, kWhite};
}

}  // namespace aerobutton

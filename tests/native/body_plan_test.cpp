#include "controls/aerobutton/body_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace aerobutton;

Rgb Grey(int x) { return MakeRgb(x, x, x); }

Palette Palette230() { return ComputePalette(Grey(230), Grey(0), MakeRgb(255, 0, 255)); }

TEST(Palette, FixedColoursAndBlendsTowardsWhite) {
    const Palette p = ComputePalette(MakeRgb(230, 128, 0), MakeRgb(0, 230, 128), MakeRgb(1, 2, 3));
    EXPECT_EQ(p.BackColorRGB, MakeRgb(230, 128, 0));
    EXPECT_EQ(p.ForeColorRGB, MakeRgb(0, 230, 128));
    EXPECT_EQ(p.MaskColorRGB, MakeRgb(1, 2, 3));
    EXPECT_EQ(p.DownFillColor, MakeRgb(196, 229, 246));
    EXPECT_EQ(p.HotFillColor, MakeRgb(217, 240, 252));
    EXPECT_EQ(p.CheckedFillColor, MakeRgb(242, 242, 242));
    EXPECT_EQ(p.DisabledFillColor, MakeRgb(250, 230, 204));  // by 0.8
    EXPECT_EQ(p.DisabledTextColor, MakeRgb(153, 245, 204));  // by 0.6: 128 -> 204.2
}

TEST(BodyPlan, MiddleRowIsHalfTheHeightRoundedToEven) {
    EXPECT_EQ(MiddleRowOf(23), 12);  // 11.5
    EXPECT_EQ(MiddleRowOf(21), 10);  // 10.5
    EXPECT_EQ(MiddleRowOf(25), 12);  // 12.5
    EXPECT_EQ(MiddleRowOf(24), 12);
}

TEST(BodyPlan, NormalBodyFromTheBackColour) {
    const BodyPlan plan = PlanBody(StateNormal, false, Palette230(), 23);
    EXPECT_FALSE(plan.fill);
    EXPECT_FALSE(plan.shadowLines);
    EXPECT_EQ(plan.bands, (std::vector<GradientBand>{{Grey(250), Grey(235), 2, 12}, {Grey(230), Grey(204), 12, 21}}));
}

TEST(BodyPlan, HotBodyIsPaleBlue) {
    const BodyPlan plan = PlanBody(StateHot, false, Palette230(), 25);
    EXPECT_FALSE(plan.fill);
    EXPECT_EQ(plan.bands, (std::vector<GradientBand>{{MakeRgb(234, 246, 253), MakeRgb(217, 240, 252), 2, 12},
                                                     {MakeRgb(190, 230, 253), MakeRgb(167, 217, 245), 12, 23}}));
}

TEST(BodyPlan, CheckedLookIsOneBandOverTheWholeHeightInNormalAndHot) {
    for (std::int32_t state : {StateNormal, StateHot}) {
        const BodyPlan plan = PlanBody(state, true, Palette230(), 23);
        EXPECT_FALSE(plan.fill);
        EXPECT_EQ(plan.bands, (std::vector<GradientBand>{{Grey(204), Grey(242), 0, 22}})) << state;
    }
}

TEST(BodyPlan, PressedBodyFillsThenBandsThenShadow) {
    for (bool value : {false, true}) {
        const BodyPlan plan = PlanBody(StateDown, value, Palette230(), 23);
        EXPECT_EQ(plan.fill, MakeRgb(196, 229, 246));
        EXPECT_EQ(plan.bands, (std::vector<GradientBand>{{MakeRgb(229, 244, 252), MakeRgb(196, 229, 246), 2, 12},
                                                         {MakeRgb(152, 209, 239), MakeRgb(104, 179, 219), 12, 21}}));
        EXPECT_TRUE(plan.shadowLines);
    }
}

TEST(BodyPlan, DisabledBodyIsTheFadedBackColour) {
    const BodyPlan plan = PlanBody(StateDisabled, true, Palette230(), 23);
    EXPECT_EQ(plan.fill, Grey(250));
    EXPECT_TRUE(plan.bands.empty());
    EXPECT_FALSE(plan.shadowLines);
}

TEST(BodyPlan, UnknownStatePaintsNoBody) {
    const BodyPlan plan = PlanBody(7, false, Palette230(), 23);
    EXPECT_FALSE(plan.fill);
    EXPECT_TRUE(plan.bands.empty());
    EXPECT_FALSE(plan.shadowLines);
}

TEST(BodyState, OnlyAnEnabledCheckedToggleThatIsPressedShowsTheNormalBody) {
    EXPECT_EQ(BodyStateFor(StateDown, true, true, true), StateNormal);
    EXPECT_EQ(BodyStateFor(StateDown, false, true, true), StateDown);
    EXPECT_EQ(BodyStateFor(StateDown, true, false, true), StateDown);
    EXPECT_EQ(BodyStateFor(StateDown, true, true, false), StateDown);
    EXPECT_EQ(BodyStateFor(StateHot, true, true, true), StateHot);
}

const Rgb kBlue = MakeRgb(60, 127, 177);
const Rgb kCyan = MakeRgb(72, 216, 251);
const Rgb kDark = MakeRgb(44, 98, 139);
const Rgb kGrey = MakeRgb(112, 112, 112);
const Rgb kDisabledGrey = MakeRgb(173, 178, 181);

FrameInputs Inputs(std::int32_t state) {
    FrameInputs in;
    in.state = state;
    in.body = state;
    in.isParentActive = true;
    return in;
}

TEST(FramePlan, PlainStates) {
    EXPECT_EQ(PlanFrame(Inputs(StateNormal)), (FramePlan{kGrey, kWhite}));
    EXPECT_EQ(PlanFrame(Inputs(StateHot)), (FramePlan{kBlue, kWhite}));
    EXPECT_EQ(PlanFrame(Inputs(StateDown)), (FramePlan{kDark, std::nullopt}));
    EXPECT_EQ(PlanFrame(Inputs(StateDisabled)), (FramePlan{kDisabledGrey, std::nullopt}));
    EXPECT_EQ(PlanFrame(Inputs(9)), (FramePlan{kGrey, kWhite}));
}

TEST(FramePlan, FocusAndDefaultMarkingOnlyWhileTheParentIsActive) {
    FrameInputs in = Inputs(StateNormal);
    in.hasFocus = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kBlue, kCyan}));
    in.hasFocus = false;
    in.isDefault = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kBlue, kCyan}));
    in.isParentActive = false;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kGrey, kWhite}));
    in.hasFocus = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kGrey, kWhite}));
}

TEST(FramePlan, HotAndPressedWinOverTheFocusMarking) {
    FrameInputs hot = Inputs(StateHot);
    hot.hasFocus = true;
    EXPECT_EQ(PlanFrame(hot), (FramePlan{kBlue, kWhite}));
    FrameInputs down = Inputs(StateDown);
    down.hasFocus = true;
    down.isDefault = true;
    EXPECT_EQ(PlanFrame(down), (FramePlan{kDark, std::nullopt}));
}

TEST(FramePlan, DisabledWinsOverEverything) {
    FrameInputs in = Inputs(StateDisabled);
    in.hasFocus = in.isMouseHeld = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kDisabledGrey, std::nullopt}));
}

TEST(FramePlan, HeldWithTheCursorOutsideLooksHot) {
    FrameInputs in = Inputs(StateNormal);
    in.isMouseHeld = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kBlue, kWhite}));
    in.isMouseOver = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kGrey, kWhite}));
}

TEST(FramePlan, CheckedPressUsesThePressedOutlineUnlessHeldOutside) {
    // A pressed checked toggle paints the normal body but keeps state StateDown.
    FrameInputs in = Inputs(StateDown);
    in.body = StateNormal;
    in.isMouseHeld = true;
    in.isMouseOver = true;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kDark, std::nullopt}));
    in.isMouseOver = false;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kBlue, kWhite}));
    // With the pressed body itself the held-outside rule does not apply.
    in.body = StateDown;
    EXPECT_EQ(PlanFrame(in), (FramePlan{kDark, std::nullopt}));
}

}  // namespace

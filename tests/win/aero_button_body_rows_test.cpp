// Whole paints of the button read back row by row from its surface: the body of each state to
// the unit, the checked look, the pressed shadow lines ending at row H, and the outline and
// inner frame by the first rule that applies.
#include "controls/aerobutton/aero_button.h"
#include "tests/support/button_pixels.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace aerobutton;
using namespace testing_support;
using testing_support::kWhite;  // the pixel, not the drawing colour

// Rows 2 to 11 of the upper band and 12 to 20 (or 21) of the lower band, at H = 23.
const Pixels kNormalUpper = Greys({248, 246, 245, 244, 243, 241, 240, 239, 238, 236});
const Pixels kNormalLower = Greys({220, 219, 219, 218, 217, 214, 212, 209, 207});
const Pixels kHotUpper{{232, 245, 253}, {230, 245, 253}, {229, 244, 252}, {228, 244, 252}, {227, 243, 252},
                       {225, 243, 252}, {224, 242, 252}, {222, 242, 252}, {220, 241, 252}, {219, 241, 252}};
const Pixels kHotLower{{181, 226, 250}, {180, 225, 250}, {180, 225, 250}, {179, 224, 249}, {178, 224, 249},
                       {176, 223, 248}, {174, 221, 247}, {171, 220, 247}, {169, 218, 246}};
const Pixels kDownUpper{{224, 242, 251}, {221, 240, 251}, {219, 239, 250}, {216, 238, 250}, {213, 237, 249},
                        {211, 235, 249}, {208, 234, 248}, {205, 233, 248}, {202, 232, 247}, {199, 230, 247}};
const Pixels kDownLower{{134, 198, 232}, {132, 197, 231}, {131, 196, 230}, {130, 195, 230}, {128, 194, 229},
                        {123, 191, 227}, {118, 188, 225}, {114, 185, 223}, {109, 182, 221}, {104, 179, 219}};
// The checked body of RGB(230, 230, 230), rows 0 to 22.
const Pixels kChecked230 = Greys({204, 206, 208, 209, 211, 213, 215, 217, 218, 220, 222, 224,
                                  225, 227, 229, 230, 232, 234, 235, 237, 239, 240, 242});

using BodyRowsTest = ButtonPixelTest;

// ---- bodies by state ----

TEST_F(BodyRowsTest, NormalBodyUnderThePlainOutlineAndWhiteInnerFrame) {
    Create();
    button->Redraw(StateNormal, true);
    EXPECT_EQ(Column(5, 0, 22),
              Pixels({kPlainOutline, kWhite}) + kNormalUpper + kNormalLower + Pixels({kWhite, kPlainOutline}));
    EXPECT_EQ(Row(0, 0, 74), Repeat(kPlainOutline, 75));
    EXPECT_EQ(Row(22, 0, 74), Repeat(kPlainOutline, 75));
    EXPECT_EQ(Column(74, 0, 22), Repeat(kPlainOutline, 23));
    EXPECT_EQ(Row(1, 2, 72), Repeat(kWhite, 71));
    EXPECT_EQ(Column(73, 2, 20), Repeat(kWhite, 19));
    EXPECT_EQ(InnerCorners(), Repeat(kPlainOutline, 4)) << "the corners soften the rounded outline";
    EXPECT_EQ(At(40, 12), Grey(220)) << "the middle row keeps the lower band's colour";
}

TEST_F(BodyRowsTest, HotBodyUnderTheBlueOutline) {
    Create();
    button->Redraw(StateHot, true);
    EXPECT_EQ(Column(5, 0, 22),
              Pixels({kBlueOutline, kWhite}) + kHotUpper + kHotLower + Pixels({kWhite, kBlueOutline}));
    EXPECT_EQ(Row(1, 2, 72), Repeat(kWhite, 71));
    EXPECT_EQ(InnerCorners(), Repeat(kBlueOutline, 4));
}

TEST_F(BodyRowsTest, PressedBodyWithItsInnerShadowAndNoInnerFrame) {
    Create();
    button->Redraw(StateDown, true);
    EXPECT_EQ(Column(5, 0, 22), Pixels({kDownOutline, kShadow}) + kDownUpper + kDownLower + Pixels({kDownOutline}));
    EXPECT_EQ(Row(1, 2, 72), Repeat(kShadow, 71)) << "the top shadow";
    EXPECT_EQ(Column(1, 2, 20), Repeat(kShadow, 19)) << "the left shadow";
    EXPECT_EQ(Column(73, 2, 20), Repeat(kShadow, 19)) << "the right shadow";
    EXPECT_EQ(InnerCorners(), Repeat(kDownOutline, 4));
}

TEST_F(BodyRowsTest, EachPaintStartsFromAClearedSurface) {
    Create();
    button->Redraw(StateDown, true);
    button->Redraw(StateNormal, true);
    EXPECT_EQ(Column(1, 2, 20), Repeat(kWhite, 19)) << "no shadow survives the pressed paint";
    EXPECT_EQ(Column(5, 0, 22),
              Pixels({kPlainOutline, kWhite}) + kNormalUpper + kNormalLower + Pixels({kWhite, kPlainOutline}));
}

TEST_F(BodyRowsTest, PressedShadowLinesEndAtRowHOneBelowTheClientArea) {
    // The surface's image keeps its larger size when the window shrinks, so the row below the
    // client area shows what the paint put there. The square shape sets no corner pixels.
    Create(75, 40);
    button->SetButtonShape(ShapeSquare);
    MoveWindow(button->hWnd(), 10, 10, 75, 23, TRUE);
    ASSERT_EQ(button->ClientHeight(), 23);
    button->Redraw(StateDown, true);
    const Px background = At(30, 35);
    ASSERT_NE(background, kShadow);
    // Rows 0 to 24: the outline, the shadow over rows 1 to 21, the outline, the shadow at row
    // H = 23, then the cleared surface.
    const Pixels shadowColumn =
        Pixels({kDownOutline}) + Repeat(kShadow, 21) + Pixels({kDownOutline, kShadow, background});
    EXPECT_EQ(Column(1, 0, 24), shadowColumn);
    EXPECT_EQ(Column(73, 0, 24), shadowColumn);
    EXPECT_EQ(Row(23, 2, 72), Repeat(background, 71)) << "the fill and the bands stay inside the client area";
    EXPECT_EQ(At(74, 1), kDownOutline) << "the top shadow ends under the outline";
}

TEST_F(BodyRowsTest, DisabledBodyIsThePaletteFillFromTheNewBackColor) {
    Create();
    button->SetBackColor(0x00102030);
    button->SetEnabled(kFalse);
    ASSERT_EQ(button->VisualState(), StateDisabled);
    const Px fill{214, 210, 207};  // RGB(48, 32, 16) blended towards white by 0.8
    EXPECT_EQ(ToPx(button->CurrentPalette().DisabledFillColor), fill);
    EXPECT_EQ(Column(5, 0, 22), Pixels({kDisabledOutline}) + Repeat(fill, 21) + Pixels({kDisabledOutline}));
    EXPECT_EQ(Row(1, 2, 72), Repeat(fill, 71)) << "no inner frame";
    EXPECT_EQ(InnerCorners(), Repeat(kDisabledOutline, 4));
}

TEST_F(BodyRowsTest, UnknownStatePaintsNoBodyButThePlainFrame) {
    Create();
    button->Redraw(7, true);
    const Px cleared = At(5, 5);
    EXPECT_EQ(Column(5, 2, 20), Repeat(cleared, 19)) << "every body row shows the cleared surface";
    EXPECT_EQ(At(0, 12), kPlainOutline);
    EXPECT_EQ(At(1, 12), kWhite);
}

// ---- the checked look ----

TEST_F(BodyRowsTest, CheckedBodyIsOneGradientOverTheWholeHeightWithAOneSidedClamp) {
    Create();
    button->SetBackColor(0x00102030);  // RGB(48, 32, 16): shifting down by 26 takes blue below 0
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    const Pixels checked{{22, 6, 0},      {32, 17, 12},    {43, 28, 23},    {53, 40, 35},    {64, 51, 46},
                         {74, 62, 58},    {85, 73, 69},    {95, 85, 81},    {106, 96, 92},   {116, 107, 104},
                         {127, 118, 115}, {137, 129, 126}, {146, 139, 137}, {156, 150, 147}, {165, 160, 158},
                         {175, 170, 168}, {185, 180, 179}, {194, 191, 189}, {204, 201, 200}, {213, 211, 210},
                         {223, 221, 221}, {232, 232, 231}, {242, 242, 242}};
    EXPECT_EQ(Column(5, 2, 20), Pixels(checked.begin() + 2, checked.begin() + 21));

    button->Redraw(StateHot, true);
    EXPECT_EQ(Column(5, 0, 22), Pixels({kBlueOutline, kWhite}) + Pixels(checked.begin() + 2, checked.begin() + 21) +
                                    Pixels({kWhite, kBlueOutline}))
        << "the hot state of a checked button keeps the checked body";
}

TEST_F(BodyRowsTest, CheckedPressShowsTheCheckedBodyAndThePressedOutline) {
    Create();
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    button->Redraw(StateDown, true);
    EXPECT_EQ(button->VisualState(), StateDown) << "the state stays pressed";
    EXPECT_EQ(Column(5, 0, 22), Pixels({kDownOutline}) + Pixels(kChecked230.begin() + 1, kChecked230.begin() + 22) +
                                    Pixels({kDownOutline}));
    EXPECT_EQ(Column(1, 2, 20), Pixels(kChecked230.begin() + 2, kChecked230.begin() + 21)) << "no shadow lines";
    EXPECT_EQ(InnerCorners(), Repeat(kDownOutline, 4));
}

TEST_F(BodyRowsTest, CheckedPressWhileDisabledPaintsThePressedBody) {
    Create();
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    button->SetEnabled(kFalse);
    button->Redraw(StateDown, true);
    EXPECT_EQ(Column(5, 0, 22), Pixels({kDownOutline, kShadow}) + kDownUpper + kDownLower + Pixels({kDownOutline}))
        << "the checked-press rule needs Enabled";
}

TEST_F(BodyRowsTest, CheckedPressHeldOutsideGivesTheBlueOutlineWithTheWhiteFrame) {
    Create();
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    Flags(false, true, false, false, true);
    button->Redraw(StateDown, true);
    const Pixels body(kChecked230.begin() + 2, kChecked230.begin() + 21);
    EXPECT_EQ(Column(5, 0, 22), Pixels({kBlueOutline, kWhite}) + body + Pixels({kWhite, kBlueOutline}));
}

// ---- the frame rules, as one table ----

struct FrameCase {
    const char* name;
    std::int32_t state;
    bool focus, active, isDefault, over, held;
    Px outline;  // at (0, 12)
    Px inner;    // at (1, 12): the inner frame, or what lies under it without one
};

TEST_F(BodyRowsTest, OutlineAndInnerFrameByTheFirstRuleThatApplies) {
    Create();
    const std::vector<FrameCase> cases{
        {"plain", StateNormal, false, true, false, false, false, kPlainOutline, kWhite},
        {"focus, parent active", StateNormal, true, true, false, false, false, kBlueOutline, kFocusFrame},
        {"focus, parent inactive", StateNormal, true, false, false, false, false, kPlainOutline, kWhite},
        {"default, parent active", StateNormal, false, true, true, false, false, kBlueOutline, kFocusFrame},
        {"default, parent inactive", StateNormal, false, false, true, false, false, kPlainOutline, kWhite},
        {"hot before focus", StateHot, true, true, false, true, false, kBlueOutline, kWhite},
        {"hot, parent inactive", StateHot, false, false, false, true, false, kBlueOutline, kWhite},
        {"held outside", StateNormal, false, true, false, false, true, kBlueOutline, kWhite},
        {"held outside before focus", StateNormal, true, true, false, false, true, kBlueOutline, kWhite},
        {"held over", StateNormal, false, true, false, true, true, kPlainOutline, kWhite},
        {"pressed", StateDown, false, true, false, true, true, kDownOutline, kShadow},
        {"pressed, focus", StateDown, true, true, true, true, true, kDownOutline, kShadow},
        {"pressed, held outside", StateDown, false, true, false, false, true, kDownOutline, kShadow},
        {"disabled, focus", StateDisabled, true, true, true, false, false, kDisabledOutline, Grey(250)},
    };
    std::vector<std::string> expected, actual;
    for (const FrameCase& c : cases) {
        Flags(c.focus, c.active, c.isDefault, c.over, c.held);
        button->Redraw(c.state, true);
        auto describe = [&](Px outline, Px inner) {
            std::ostringstream line;
            line << c.name << ": ";
            PrintTo(outline, &line);
            line << " ";
            PrintTo(inner, &line);
            return line.str();
        };
        expected.push_back(describe(c.outline, c.inner));
        actual.push_back(describe(At(0, 12), At(1, 12)));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(BodyRowsTest, TheFocusFrameRunsRoundTheWholeInnerEdge) {
    Create();
    Flags(true, true, false, false, false);
    button->Redraw(StateNormal, true);
    EXPECT_EQ(Row(1, 2, 72), Repeat(kFocusFrame, 71));
    EXPECT_EQ(Row(21, 2, 72), Repeat(kFocusFrame, 71));
    EXPECT_EQ(Column(1, 2, 20), Repeat(kFocusFrame, 19));
    EXPECT_EQ(Column(73, 2, 20), Repeat(kFocusFrame, 19));
    EXPECT_EQ(InnerCorners(), Repeat(kBlueOutline, 4));
}

}  // namespace

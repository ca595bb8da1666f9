// A real button's picture and caption, read back from its surface: which picture each look
// shows, the disabled fade, and the caption colour that the palette holds.
#include "controls/aerobutton/aero_button.h"
#include "tests/support/button_pixels.h"
#include "tests/support/test_pictures.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace aerobutton;
using testing_support::SolidBitmapPicture;

constexpr COLORREF kNormalColour = RGB(200, 30, 30);
constexpr COLORREF kHotColour = RGB(30, 200, 30);
constexpr COLORREF kDownColour = RGB(30, 30, 200);

class ButtonContentTest : public testing_support::ButtonPixelTest {
protected:
    void SetUp() override { Create(97, 25); }

    // The colour at the middle of the picture's rectangle.
    COLORREF PictureCentre() const {
        const PixelRect& r = button->PicRect();
        return button->Surface().Image().PixelAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    COLORREF ShownIn(std::int32_t state) {
        button->Redraw(state, true);
        return PictureCentre();
    }
    int CountPixels(bool (*match)(COLORREF)) const {
        int n = 0;
        for (int y = 0; y < button->ClientHeight(); ++y)
            for (int x = 0; x < button->ClientWidth(); ++x) n += match(button->Surface().Image().PixelAt(x, y));
        return n;
    }
};

TEST_F(ButtonContentTest, EachLookShowsItsStatePicture) {
    button->SetPictureNormal(SolidBitmapPicture(16, 16, kNormalColour));
    button->SetPictureHot(SolidBitmapPicture(16, 16, kHotColour));
    button->SetPictureDown(SolidBitmapPicture(16, 16, kDownColour));
    EXPECT_EQ(ShownIn(StateNormal), kNormalColour);
    EXPECT_EQ(ShownIn(StateHot), kHotColour);
    EXPECT_EQ(ShownIn(StateDown), kDownColour);
    // Disabled: the normal picture, faded over the disabled body of 250.
    constexpr COLORREF kNormalFaded = RGB(240, 206, 206);
    EXPECT_EQ(ShownIn(StateDisabled), kNormalFaded);

    // Checked: the down picture in every look but the hot one, which keeps its hot picture.
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    EXPECT_EQ(ShownIn(StateNormal), kDownColour);
    EXPECT_EQ(ShownIn(StateDown), kDownColour);
    EXPECT_EQ(ShownIn(StateHot), kHotColour);
    EXPECT_EQ(ShownIn(StateDisabled), kNormalFaded);

    // Without a hot picture, hot shows the normal one, or for a checked button the down one.
    button->SetPictureHot(nullptr);
    EXPECT_EQ(ShownIn(StateHot), kDownColour);
    button->SetValue(kFalse);
    EXPECT_EQ(ShownIn(StateHot), kNormalColour);

    // Without a down picture, a pressed button shows the hot one.
    button->SetPictureHot(SolidBitmapPicture(16, 16, kHotColour));
    button->SetPictureDown(nullptr);
    EXPECT_EQ(ShownIn(StateDown), kHotColour);
    EXPECT_EQ(ShownIn(StateNormal), kNormalColour);
}

TEST_F(ButtonContentTest, DisabledFadesThePictureToOneFifthWithoutChangingItsOpacity) {
    // The disabled body is the default back colour 230 blended towards white by 0.8: 250.
    button->SetPictureNormal(SolidBitmapPicture(16, 16, RGB(0, 0, 0)));
    button->SetPictureHot(SolidBitmapPicture(16, 16, kHotColour));
    ASSERT_EQ(button->PictureOpacity(), 100);
    EXPECT_EQ(PictureCentre(), RGB(0, 0, 0));

    button->SetEnabled(kFalse);
    EXPECT_EQ(button->VisualState(), StateDisabled);
    EXPECT_EQ(PictureCentre(), RGB(200, 200, 200));  // 250 + 0.2 x (0 - 250)
    EXPECT_EQ(button->PictureOpacity(), 100);

    // The fade replaces the opacity, it does not multiply it.
    button->SetPictureOpacity(50);
    EXPECT_EQ(PictureCentre(), RGB(200, 200, 200));
    EXPECT_EQ(button->PictureOpacity(), 50);

    button->SetEnabled(kTrue);
    EXPECT_EQ(button->PictureOpacity(), 50);
    button->SetPictureOpacity(100);
    EXPECT_EQ(PictureCentre(), RGB(0, 0, 0));
}

bool Reddish(COLORREF c) { return GetRValue(c) >= 180 && GetGValue(c) <= 80 && GetBValue(c) <= 80; }

TEST_F(ButtonContentTest, ACaptionColourSetWhileDisabledWaitsForThePaletteAfterReEnabling) {
    platform::FontDescription big;
    big.name = L"Arial";
    big.size = 14.0f;
    big.bold = true;
    button->SetFont(big);
    button->SetCaption(L"WWWW");
    const COLORREF before = button->CurrentPalette().ForeColorRGB;
    ASSERT_FALSE(Reddish(before));
    ASSERT_EQ(CountPixels(Reddish), 0);

    button->SetEnabled(kFalse);
    button->SetForeColor(0x000000FF);
    button->SetEnabled(kTrue);
    EXPECT_EQ(button->VisualState(), StateNormal);
    EXPECT_EQ(button->CurrentPalette().ForeColorRGB, before);
    EXPECT_EQ(CountPixels(Reddish), 0) << "the caption keeps its old colour";

    // Anything that computes the palette again brings the stored colour in.
    button->SetBackColor(button->BackColor());
    EXPECT_EQ(button->CurrentPalette().ForeColorRGB, 0x000000FFu);
    EXPECT_GT(CountPixels(Reddish), 20);
}

}  // namespace

// The button's properties: what each setter stores, repaints and notifies, in order.
#include "controls/aerobutton/aero_button.h"
#include "platform/picture.h"
#include "tests/support/dib_surface.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace aerobutton;
using testing_support::PlainWindow;
using testing_support::RecordingSite;
using Log = std::vector<std::wstring>;

constexpr COLORREF kMarker = RGB(255, 0, 255);

platform::PicturePtr MakeBitmap(int width, int height) {
    HDC screen = GetDC(nullptr);
    platform::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    return platform::Picture::FromBitmap(std::move(bitmap));
}

platform::PicturePtr MakeIcon() {
    return platform::Picture::FromIcon(platform::UniqueIcon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))));
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(parent.hwnd(), nullptr);
        button = std::make_unique<AeroButton>(site, parent.hwnd(), 10, 10, 75, 23);
        button->InitProperties();
        site.Take();
    }

    // Puts a pixel on the surface that any repaint covers.
    void Mark() { SetPixelV(button->Surface().hDC(), 20, 11, kMarker); }
    bool Repainted() { return button->Surface().Image().PixelAt(20, 11) != kMarker; }

    PlainWindow parent{300, 200};
    RecordingSite site;
    std::unique_ptr<AeroButton> button;
};

TEST_F(ButtonTest, ColourSettersRepaintAndNotifyTheirKey) {
    Mark();
    button->SetBackColor(0x00102030);
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(button->CurrentPalette().BackColorRGB, 0x00102030u);
    EXPECT_EQ(site.Take(), (Log{L"notify BackColor"}));

    Mark();
    button->SetMaskColor(0x000000FF);
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(button->CurrentPalette().MaskColorRGB, 0x000000FFu);
    EXPECT_EQ(site.Take(), (Log{L"notify MaskColor"}));

    Mark();
    button->SetUseMaskColor(kFalse);
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(site.Take(), (Log{L"notify UseMask"}));
}

TEST_F(ButtonTest, MaskColorUpdatesOnlyItsOwnPaletteEntry) {
    button->SetForeColor(0x00000080);
    const Palette before = button->CurrentPalette();
    button->SetMaskColor(0x00AABBCC);
    Palette expected = before;
    expected.MaskColorRGB = 0x00AABBCC;
    EXPECT_EQ(button->CurrentPalette(), expected);
}

TEST_F(ButtonTest, LayoutSettersRefreshAndNotifyUnderBagKeys) {
    button->SetButtonShape(ShapeSquare);
    EXPECT_EQ(site.Take(), (Log{L"notify ButtonShape"}));
    button->SetPictureAlignment(PicAlignTop);
    EXPECT_EQ(site.Take(), (Log{L"notify PicAlign"}));
    // TipText notifies before its refresh; the order shows only in the log's single entry.
    button->SetTipText(L"tip");
    EXPECT_EQ(button->TipText(), L"tip");
    EXPECT_EQ(site.Take(), (Log{L"notify TipText"}));
    button->SetHandPointer(kTrue);
    EXPECT_EQ(site.Take(), (Log{L"notify HandPointer"}));
}

TEST_F(ButtonTest, OutOfRangeEnumerationsAreStoredUnchanged) {
    button->SetButtonShape(77);
    button->SetPictureAlignment(-3);
    EXPECT_EQ(button->ButtonShape(), 77);
    EXPECT_EQ(button->PictureAlignment(), -3);
}

TEST_F(ButtonTest, CaptionRegistersItsAccessKey) {
    button->SetCaption(L"&Apply");
    button->SetCaption(L"Homepage");
    button->SetCaption(L"&\u00C9t\u00E9");
    button->SetCaption(L"&&");
    EXPECT_EQ(site.accessKeys, (Log{L"a", L"", L"\u00E9", L""})) << "lower case by the system's rules";
    EXPECT_EQ(site.Take(), (Log{L"notify Caption", L"notify Caption", L"notify Caption", L"notify Caption"}));
    EXPECT_EQ(button->Caption(), L"&&");
}

TEST_F(ButtonTest, PictureOpacityIsClampedToTenToHundredPercent) {
    button->SetPictureOpacity(5);
    EXPECT_EQ(button->PictureOpacity(), 10);
    EXPECT_FLOAT_EQ(button->PictureOpacityFraction(), 0.1f);
    button->SetPictureOpacity(250);
    EXPECT_EQ(button->PictureOpacity(), 100);
    button->SetPictureOpacity(55);
    EXPECT_EQ(button->PictureOpacity(), 55);
    EXPECT_EQ(site.Take(), (Log{L"notify PicOpacity", L"notify PicOpacity", L"notify PicOpacity"}));
}

TEST_F(ButtonTest, MouseIconSwitchesThePointerToCustomAndBack) {
    button->SetMouseIcon(MakeIcon());
    EXPECT_EQ(button->MousePointer(), 99);
    EXPECT_EQ(site.Take(), (Log{L"notify MousePointer", L"notify MouseIcon"}));

    button->SetHandPointer(kTrue);
    site.Take();
    button->SetMouseIcon(nullptr);
    EXPECT_EQ(button->MousePointer(), 0);
    EXPECT_EQ(button->HandPointer(), kFalse);
    EXPECT_EQ(site.Take(), (Log{L"notify HandPointer", L"notify MousePointer", L"notify MouseIcon"}));
}

TEST_F(ButtonTest, OnlyTheCustomPointerKeepsTheHandPointer) {
    button->SetHandPointer(kTrue);
    button->SetMousePointer(99);
    EXPECT_EQ(button->HandPointer(), kTrue);
    button->SetMousePointer(2);
    EXPECT_EQ(button->HandPointer(), kFalse);
    EXPECT_EQ(button->MousePointer(), 2);
}

TEST_F(ButtonTest, MousePointerIsNarrowedToSixteenBitsAndWidenedWithSign) {
    button->SetMousePointer(0x1FFFF);
    EXPECT_EQ(button->MousePointer(), -1);
}

TEST_F(ButtonTest, TurningCheckBoxModeOffClearsTheValueFirst) {
    button->SetCheckBoxMode(kTrue);
    button->SetValue(kTrue);
    site.Take();
    button->SetCheckBoxMode(kFalse);
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(site.Take(), (Log{L"notify Value", L"notify CheckBox"}));
}

TEST_F(ButtonTest, ValueTrueClicksAPushButtonAtRunTime) {
    button->SetValue(kTrue);
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(site.Take(), (Log{L"event Click", L"notify Value"}));
    ASSERT_EQ(site.events.size(), 1u);
    EXPECT_EQ(site.events[0].dispatchId, -600);
    EXPECT_EQ(button->LastMouseButton(), 1);
}

TEST_F(ButtonTest, ValueTrueDuringAPressRaisesNothingAndStaysTrue) {
    button->SetRunTimeFlags(true, true, false, true, true, true, false);
    button->SetValue(kTrue);
    EXPECT_EQ(button->Value(), kTrue);
    EXPECT_EQ(site.Take(), (Log{L"notify Value"}));
}

TEST_F(ButtonTest, ValueTrueAtDesignTimeReadsBackFalse) {
    site.userMode = false;
    button->SetValue(kTrue);
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(site.Take(), (Log{L"notify Value"}));
}

TEST_F(ButtonTest, BooleanSettersStoreTrueAsAllBitsSet) {
    button->SetCheckBoxMode(1);
    button->SetUseMaskColor(1);
    button->SetHandPointer(1);
    button->SetValue(1);
    button->SetEnabled(2);
    EXPECT_EQ((std::vector<Bool16>{button->CheckBoxMode(), button->UseMaskColor(), button->HandPointer(),
                                   button->Value(), button->Enabled()}),
              (std::vector<Bool16>(5, kTrue)));
    button->AccessKeyPress('a');
    EXPECT_EQ(button->Value(), kFalse) << "a checked toggle unchecks";
}

TEST_F(ButtonTest, ValueTrueInCheckBoxModeOnlyRepaints) {
    button->SetCheckBoxMode(kTrue);
    site.Take();
    Mark();
    button->SetValue(kTrue);
    EXPECT_EQ(button->Value(), kTrue);
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(site.Take(), (Log{L"notify Value"}));
}

TEST_F(ButtonTest, EnabledChoosesTheLookAndTheWindowState) {
    button->SetEnabled(kFalse);
    EXPECT_EQ(button->VisualState(), StateDisabled);
    EXPECT_FALSE(IsWindowEnabled(button->hWnd()));
    button->SetEnabled(kTrue);
    EXPECT_EQ(button->VisualState(), StateNormal);
    EXPECT_TRUE(IsWindowEnabled(button->hWnd()));

    button->SetEnabled(kFalse);
    button->SetRunTimeFlags(false, true, false, true, false, false, false);
    button->SetEnabled(kTrue);
    EXPECT_EQ(button->VisualState(), StateHot);
    EXPECT_EQ(site.Take(), (Log{L"notify Enabled", L"notify Enabled", L"notify Enabled", L"notify Enabled"}));
}

TEST_F(ButtonTest, ForeColorWhileDisabledIsStoredWithoutPaletteOrRepaint) {
    button->SetEnabled(kFalse);
    const Palette before = button->CurrentPalette();
    site.Take();
    Mark();
    button->SetForeColor(0x000000FF);
    EXPECT_EQ(button->ForeColor(), 0x000000FFu);
    EXPECT_EQ(button->CurrentPalette(), before);
    EXPECT_FALSE(Repainted());
    EXPECT_EQ(site.Take(), (Log{L"notify ForeColor"}));

    button->SetEnabled(kTrue);
    button->SetForeColor(0x000000FE);
    EXPECT_EQ(button->CurrentPalette().ForeColorRGB, 0x000000FEu);
}

TEST_F(ButtonTest, FontAttributesRepaintWithoutNotification) {
    Mark();
    button->SetFontBold(kTrue);
    EXPECT_TRUE(Repainted());
    button->SetFontItalic(kTrue);
    button->SetFontUnderline(kTrue);
    button->SetFontStrikethru(kTrue);
    button->SetFontSize(12.5f);
    button->SetFontName(L"Arial");
    EXPECT_TRUE(site.Take().empty());
    EXPECT_EQ(button->FontBold(), kTrue);
    EXPECT_EQ(button->FontItalic(), kTrue);
    EXPECT_EQ(button->FontUnderline(), kTrue);
    EXPECT_EQ(button->FontStrikethru(), kTrue);
    EXPECT_FLOAT_EQ(button->FontSize(), 12.5f);
    EXPECT_EQ(button->FontName(), L"Arial");

    button->SetFont(platform::FontDescription{L"Tahoma", 8.0f});
    EXPECT_EQ(button->FontName(), L"Tahoma");
    EXPECT_EQ(button->FontBold(), kFalse);
    EXPECT_EQ(site.Take(), (Log{L"notify Font"}));
}

TEST_F(ButtonTest, PictureSizeFollowsTheNormalPicture) {
    button->SetPictureSize(PicSize32);
    EXPECT_EQ(button->PictureSize(), 0) << "without a normal picture the mode stays natural";
    site.Take();

    button->SetPictureNormal(MakeBitmap(20, 12));
    EXPECT_EQ(button->PictureSizeW(), 20);
    EXPECT_EQ(button->PictureSizeH(), 12);
    EXPECT_EQ(button->PictureOpacity(), 100);
    EXPECT_EQ(site.Take(), (Log{L"notify PicSize", L"notify PicSizeH", L"notify PicSizeW", L"notify PicNormal",
                                L"notify PicOpacity"}));

    button->SetPictureSize(PicSize24);
    EXPECT_EQ(button->PictureSizeW(), 24);
    EXPECT_EQ(button->PictureSizeH(), 24);
    button->SetPictureSize(PicSizeCustom);
    EXPECT_EQ(button->PictureSizeW(), 24);
    button->SetPictureSizeW(-5);
    EXPECT_EQ(button->PictureSize(), PicSizeCustom);
    EXPECT_EQ(button->PictureSizeW(), -5);
    site.Take();
    button->SetPictureSizeH(1000000);
    EXPECT_EQ(button->PictureSizeH(), 1000000);
    EXPECT_EQ(site.Take(), (Log{L"notify PicSize", L"notify PicSizeH"}));
}

TEST_F(ButtonTest, RemovingTheNormalPictureClearsTheOthersAndTheOpacity) {
    button->SetPictureNormal(MakeBitmap(16, 16));
    button->SetPictureHot(MakeBitmap(16, 16));
    button->SetPictureDown(MakeBitmap(16, 16));
    site.Take();
    button->SetPictureNormal(nullptr);
    EXPECT_EQ(button->PictureHot(), nullptr);
    EXPECT_EQ(button->PictureDown(), nullptr);
    EXPECT_EQ(button->PictureOpacity(), 0);
    EXPECT_EQ(button->PictureSize(), 0);
    EXPECT_EQ(button->PictureSizeW(), 0);
    EXPECT_EQ(site.Take(), (Log{L"notify PicDown", L"notify PicHot", L"notify PicSize", L"notify PicSizeH",
                                L"notify PicSizeW", L"notify PicNormal", L"notify PicOpacity"}));
    // A new picture brings the opacity back to full.
    button->SetPictureNormal(MakeBitmap(16, 16));
    EXPECT_EQ(button->PictureOpacity(), 100);
}

TEST_F(ButtonTest, AHotOrDownPictureWithoutANormalOneBecomesTheNormalPicture) {
    const auto picture = MakeBitmap(16, 16);
    button->SetPictureHot(picture);
    EXPECT_EQ(button->PictureNormal(), picture);
    EXPECT_EQ(button->PictureHot(), nullptr);
    const Log log = site.Take();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), L"notify PicOpacity") << "no PicHot notification of its own";
}

TEST_F(ButtonTest, ADifferentlySizedStatePictureSwitchesToCustomSize) {
    button->SetPictureNormal(MakeBitmap(16, 16));
    button->SetPictureDown(MakeBitmap(32, 32));
    EXPECT_EQ(button->PictureSize(), PicSizeCustom);
    EXPECT_EQ(button->PictureSizeW(), 16) << "the normal picture's size is kept";
    EXPECT_NE(button->PictureDown(), nullptr);
}

TEST_F(ButtonTest, StatePicturesRepaintOnlyWhenOnShow) {
    button->SetPictureNormal(MakeBitmap(16, 16));
    Mark();
    button->SetPictureHot(MakeBitmap(16, 16));
    EXPECT_FALSE(Repainted());
    button->SetRunTimeFlags(false, true, false, true, false, false, false);
    button->SetPictureHot(MakeBitmap(16, 16));
    EXPECT_TRUE(Repainted());
}

TEST(TranslateColor, ExplicitAndSystemColours) {
    EXPECT_EQ(AeroButton::TranslateColor(0x000000FF), 0x000000FFu);
    EXPECT_EQ(AeroButton::TranslateColor(0x8000000F), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(AeroButton::TranslateColor(0x80000012), GetSysColor(COLOR_BTNTEXT));
}

TEST(TranslateColor, ARejectedColourIsBlack) {
    EXPECT_EQ(AeroButton::TranslateColor(0x800000FF), 0u);
    EXPECT_EQ(AeroButton::TranslateColor(0x05000000), 0u);
}

TEST_F(ButtonTest, RedrawSkipsAnUnchangedStateAndFocus) {
    button->Redraw(-1, true);
    Mark();
    button->Redraw(-1, false);
    EXPECT_FALSE(Repainted());
    button->Redraw(StateNormal, false);
    EXPECT_FALSE(Repainted());
    button->Redraw(-1, true);
    EXPECT_TRUE(Repainted());

    Mark();
    button->SetRunTimeFlags(true, true, false, false, false, false, false);
    button->Redraw(-1, false);
    EXPECT_TRUE(Repainted()) << "a change of focus repaints";

    Mark();
    button->Redraw(StateHot, false);
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(button->VisualState(), StateHot);
}

TEST_F(ButtonTest, NothingIsDrawnWhileHidden) {
    button->Hide();
    Mark();
    button->Redraw(StateDown, true);
    button->Refresh();
    EXPECT_FALSE(Repainted());
    EXPECT_EQ(button->VisualState(), StateNormal);
    button->Show();
    EXPECT_FALSE(Repainted()) << "showing does not paint by itself";
    button->Redraw(StateDown, false);
    EXPECT_TRUE(Repainted());
}

TEST_F(ButtonTest, RefreshRebuildsTheLayout) {
    button->Redraw(-1, true);
    EXPECT_FALSE(button->LayoutDirty());
    button->SetCaption(L"&Apply");
    EXPECT_FALSE(button->LayoutDirty()) << "the paint of the refresh consumed it";
    EXPECT_GT(button->TextRect().right, button->TextRect().left);
}

}  // namespace

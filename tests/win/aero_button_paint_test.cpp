// Whole paints of a real button, read back from its surface: body, outline, inner frame and
// corner pixels for each look, the focus marking only while the form is active, the held-
// outside rule and the checked press.
#include "controls/aerobutton/aero_button.h"
#include "tests/support/dib_surface.h"
#include "tests/support/message_pump.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

namespace {

using namespace aerobutton;
using testing_support::PlainWindow;
using testing_support::Pump;
using testing_support::RecordingSite;

constexpr int kW = 75;
constexpr int kH = 23;
constexpr COLORREF kPlain = RGB(112, 112, 112);
constexpr COLORREF kBlue = RGB(60, 127, 177);
constexpr COLORREF kPressed = RGB(44, 98, 139);
constexpr COLORREF kDisabled = RGB(173, 178, 181);
constexpr COLORREF kFocus = RGB(72, 216, 251);

struct Look {
    const char* name;
    std::int32_t state;
    bool focus, parentActive, isDefault, over, held, checkBox, value;
    COLORREF outline;
    COLORREF inner;  // at (1, 12); the body colour where there is no inner frame
    COLORREF bodyAt5x12;
};

class PaintTest : public ::testing::TestWithParam<Look> {
protected:
    PlainWindow parent{200, 100};
    RecordingSite site;
};

TEST_P(PaintTest, OutlineInnerFrameCornersAndBody) {
    const Look& look = GetParam();
    site.userMode = false;  // nothing is attached: the flags stay as the test sets them
    AeroButton button(site, parent.hwnd(), 0, 0, kW, kH);
    // No caption: the body shows where the caption would be.
    button.ReadProperties(
        platform::PropertyBag{{L"Caption", std::wstring()},
                              {L"CheckBox", platform::Boolean{look.checkBox ? std::int16_t{-1} : std::int16_t{0}}},
                              {L"Value", platform::Boolean{look.value ? std::int16_t{-1} : std::int16_t{0}}}});
    button.SetRunTimeFlags(look.focus, look.parentActive, look.isDefault, look.over, look.held, false, false);
    button.Redraw(look.state, true);
    const platform::BackImage& image = button.Surface().Image();
    EXPECT_EQ(image.PixelAt(0, 12), look.outline) << "left outline";
    EXPECT_EQ(image.PixelAt(kW - 1, 12), look.outline) << "right outline";
    EXPECT_EQ(image.PixelAt(30, 0), look.outline) << "top outline";
    EXPECT_EQ(image.PixelAt(30, kH - 1), look.outline) << "bottom outline";
    for (auto [x, y] : {std::pair{1, 1}, {1, kH - 2}, {kW - 2, 1}, {kW - 2, kH - 2}})
        EXPECT_EQ(image.PixelAt(x, y), look.outline) << "corner pixel " << x << "," << y;
    EXPECT_EQ(image.PixelAt(1, 12), look.inner) << "inner frame";
    EXPECT_EQ(image.PixelAt(5, 12), look.bodyAt5x12) << "body";
}

// Row 12 is the first row of the lower band (its middle row is 16, so t = 12 / 16 of the way
// to the middle colour): 220 for the normal body of RGB(230, 230, 230). The checked body is one
// band over rows 0 to 22 from 204 to 242, middle row 10.5: row 12 is 225. A checked toggle
// being pressed shows the checked body in the pressed outline, without shadow lines.
INSTANTIATE_TEST_SUITE_P(
    Looks, PaintTest,
    ::testing::Values(
        Look{"normal", StateNormal, false, true, false, false, false, false, false, kPlain, kWhite, RGB(220, 220, 220)},
        Look{"hot", StateHot, false, true, false, true, false, false, false, kBlue, kWhite, RGB(181, 226, 250)},
        Look{"pressed", StateDown, true, true, false, true, true, false, false, kPressed, RGB(158, 176, 186),
             RGB(134, 198, 232)},
        Look{"disabled", StateDisabled, false, true, false, false, false, false, false, kDisabled, RGB(250, 250, 250),
             RGB(250, 250, 250)},
        Look{"focused", StateNormal, true, true, false, false, false, false, false, kBlue, kFocus, RGB(220, 220, 220)},
        Look{"focused, form inactive", StateNormal, true, false, false, false, false, false, false, kPlain, kWhite,
             RGB(220, 220, 220)},
        Look{"default", StateNormal, false, true, true, false, false, false, false, kBlue, kFocus, RGB(220, 220, 220)},
        Look{"held outside", StateDown, true, true, false, false, true, false, false, kPressed, RGB(158, 176, 186),
             RGB(134, 198, 232)},
        Look{"checked press held outside", StateDown, true, true, false, false, true, true, true, kBlue, kWhite,
             RGB(225, 225, 225)},
        Look{"checked press", StateDown, true, true, false, true, true, true, true, kPressed, RGB(225, 225, 225),
             RGB(225, 225, 225)}),
    [](const auto& test) {
        std::string name = test.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST(PaintTest2, PressedShadowLinesRunToTheLastRow) {
    PlainWindow parent{200, 100};
    RecordingSite site;
    site.userMode = false;
    AeroButton button(site, parent.hwnd(), 0, 0, kW, kH);
    button.ReadProperties(platform::PropertyBag{{L"Caption", std::wstring()}});
    button.Redraw(StateDown, true);
    const platform::BackImage& image = button.Surface().Image();
    EXPECT_EQ(image.PixelAt(kW - 2, kH - 3), RGB(158, 176, 186)) << "the right shadow line reaches row H - 3";
    EXPECT_EQ(image.PixelAt(1, kH - 3), RGB(158, 176, 186));
    EXPECT_EQ(image.PixelAt(40, 1), RGB(158, 176, 186)) << "the top shadow line";
    EXPECT_EQ(image.PixelAt(2, kH - 2), RGB(104, 179, 219)) << "the lower band's last row";
}

// Counts the paints a window receives.
LRESULT CALLBACK CountPaints(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_PAINT) ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

COLORREF OnScreen(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

TEST(RedrawOnScreen, TheWindowShowsTheNewLookWhenItIsNextPaintedNotBefore) {
    PlainWindow parent{200, 100};
    RecordingSite site;
    site.userMode = false;
    AeroButton button(site, parent.hwnd(), 10, 10, kW, kH);
    button.ReadProperties(platform::PropertyBag{{L"Caption", std::wstring()}});
    ShowWindow(parent.hwnd(), SW_SHOWNOACTIVATE);
    button.Redraw(StateNormal, true);
    Pump();
    const COLORREF normalBody = RGB(220, 220, 220);
    const COLORREF hotBody = RGB(181, 226, 250);
    ASSERT_EQ(OnScreen(button.hWnd(), 5, 12), normalBody) << "the first look has reached the screen";

    int paints = 0;
    SetWindowSubclass(button.hWnd(), CountPaints, 1, reinterpret_cast<DWORD_PTR>(&paints));
    button.Redraw(StateHot, true);
    EXPECT_EQ(button.Surface().Image().PixelAt(5, 12), hotBody) << "the surface has the new look at once";
    EXPECT_EQ(paints, 0) << "nothing is painted on the screen during the request";
    EXPECT_EQ(OnScreen(button.hWnd(), 5, 12), normalBody) << "the screen still shows the old look";
    EXPECT_TRUE(GetUpdateRect(button.hWnd(), nullptr, FALSE)) << "the window waits for a paint";
    button.Redraw(StateDown, true);
    button.Redraw(StateHot, true);
    EXPECT_EQ(paints, 0);

    Pump();
    EXPECT_EQ(paints, 1) << "three requests, one paint";
    EXPECT_FALSE(GetUpdateRect(button.hWnd(), nullptr, FALSE));
    EXPECT_EQ(OnScreen(button.hWnd(), 5, 12), hotBody);
    EXPECT_EQ(OnScreen(button.hWnd(), 0, 12), kBlue) << "the hot outline";

    // The next request after that paint asks for a paint of its own.
    button.Redraw(StateNormal, true);
    Pump();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(OnScreen(button.hWnd(), 5, 12), normalBody);
    RemoveWindowSubclass(button.hWnd(), CountPaints, 1);
}

}  // namespace

#include "app/frm_dictionary.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/round_region.h"
#include "platform/gdi_owner.h"

namespace {

using app::FrmDictionary;
using app::StripState;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { form.Load(); }
    FrmDictionary form;
};

TEST_F(MainWindowTest, StartUpSizesAndClipsTheWindowToItsClientArea) {
    EXPECT_EQ(form.WidthPixels(), 363);
    EXPECT_EQ(form.HeightPixels(), 181);
    EXPECT_EQ(form.Caption(), L"Tarnwick!");
    EXPECT_EQ(form.GetScaleMode(), platform::ScaleMode::Pixels);
    EXPECT_TRUE(form.AutoRedraw());

    // The region covers exactly the client area, in window coordinates.
    platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(form.hwnd(), region.get()), ERROR);
    RECT box{};
    GetRgnBox(region.get(), &box);
    RECT window{}, client{};
    GetWindowRect(form.hwnd(), &window);
    GetClientRect(form.hwnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(form.hwnd(), &origin);
    EXPECT_EQ(box.left, origin.x - window.left);
    EXPECT_EQ(box.top, origin.y - window.top);
    // A rounded-rectangle region leaves out its last column and row on this system's GDI;
    // it never reaches beyond the client area.
    EXPECT_GE(box.right - box.left, client.right - 1);
    EXPECT_LE(box.right - box.left, client.right);
    EXPECT_GE(box.bottom - box.top, client.bottom - 1);
    EXPECT_LE(box.bottom - box.top, client.bottom);
    // The corners are cut: the client area's corner pixel is outside, one inwards on the
    // diagonal further in is inside.
    EXPECT_FALSE(PtInRegion(region.get(), box.left, box.top));
    EXPECT_FALSE(PtInRegion(region.get(), box.right - 1, box.bottom - 1));
    EXPECT_TRUE(PtInRegion(region.get(), box.left + 4, box.top + 4));
    EXPECT_TRUE(PtInRegion(region.get(), box.left, box.top + 10));
}

TEST_F(MainWindowTest, ControlsStandWhereTheyWereStored) {
    const RECT apply = [&] {
        RECT r{};
        GetWindowRect(form.cmdApply().hWnd(), &r);
        MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }();
    EXPECT_EQ(apply.left, 248);
    EXPECT_EQ(apply.top, 80);
    EXPECT_EQ(apply.right - apply.left, 97);
    EXPECT_EQ(apply.bottom - apply.top, 25);

    const RECT text = form.PicText().RectInParent();
    EXPECT_EQ(text.left, 16);
    EXPECT_EQ(text.top, 72);
    EXPECT_EQ(text.right - text.left, 225);
    EXPECT_EQ(text.bottom - text.top, 65);
    EXPECT_EQ(form.PicText().BackColor(), RGB(211, 211, 211));
    EXPECT_EQ(form.PicText().GetScaleMode(), platform::ScaleMode::Pixels);
    EXPECT_TRUE(form.PicText().AutoRedraw());

    // The banner moved to (6, 26), its size kept.
    EXPECT_EQ(form.Image1().rect.left, 6);
    EXPECT_EQ(form.Image1().rect.top, 26);
    EXPECT_EQ(form.Image1().rect.right - form.Image1().rect.left, 345);
    EXPECT_EQ(form.Image1().rect.bottom - form.Image1().rect.top, 41);

    EXPECT_FALSE(form.pTop().IsVisible());
    EXPECT_EQ(form.pTop().Image().PixelAt(150, 150), RGB(211, 211, 211));  // the atlas's body
    EXPECT_EQ(form.ReDrawTimer().Interval(), 20u);
    EXPECT_TRUE(form.ReDrawTimer().Enabled());
}

TEST_F(MainWindowTest, StripSitsEightPixelsFromTheRightOnceShown) {
    form.Show();
    const RECT strip = form.picN().RectInParent();
    EXPECT_EQ(strip.right, form.ClientWidthPixels() - 8);
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.right - strip.left, 65);
    EXPECT_EQ(strip.bottom - strip.top, 25);
}

// The pixel of a window as the screen shows it.
COLORREF ShownPixel(HWND hwnd, int x, int y) {
    platform::WindowDC dc(hwnd);
    return GetPixel(dc.get(), x, y);
}

TEST_F(MainWindowTest, StripsLowerRowsShowTheSkinBehindIt) {
    form.Show();
    UpdateWindow(form.hwnd());
    const RECT strip = form.picN().RectInParent();
    const auto& skin = form.Image();
    const auto& picture = *form.picN().Picture();
    ASSERT_EQ(picture.HeightPixels(), 20);
    for (StripState state : {StripState::Normal, StripState::CloseHot, StripState::MinDown}) {
        form.SetStrip(state);
        for (int y = 20; y < 25; ++y) {
            for (int x : {0, 30, 64}) {
                EXPECT_EQ(ShownPixel(form.picN().hwnd(), x, y), skin.PixelAt(strip.left + x, strip.top + y))
                    << "row " << y << ", column " << x;
            }
        }
    }
    // The rows above are the strip picture's own, and the skin there is the dark band.
    EXPECT_NE(skin.PixelAt(strip.left + 30, 22), RGB(255, 255, 255));
    EXPECT_EQ(form.picN().Image().PixelAt(30, 22), skin.PixelAt(strip.left + 30, 22));
}

TEST_F(MainWindowTest, FirstFocusIsOnApplyAndTabMovesToHomepage) {
    form.Show();
    SetForegroundWindow(form.hwnd());
    EXPECT_EQ(GetFocus(), form.cmdApply().hWnd());
    EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), form.cmdApply().hWnd(), FALSE), form.cmdHome().hWnd());
}

TEST_F(MainWindowTest, StripFollowsThePointerOverItsTwoAreas) {
    HWND strip = form.picN().hwnd();
    EXPECT_EQ(form.Strip(), StripState::Normal);
    const platform::PicturePtr normal = form.picN().Picture();
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->WidthPixels(), 69);
    EXPECT_EQ(normal->HeightPixels(), 20);
    SendMessageW(strip, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(form.Strip(), StripState::MinHot);
    SendMessageW(strip, WM_MOUSEMOVE, 0, At(24, 5));  // the shared column belongs to btnMin
    EXPECT_EQ(form.Strip(), StripState::MinHot);
    SendMessageW(strip, WM_MOUSEMOVE, 0, At(25, 5));
    EXPECT_EQ(form.Strip(), StripState::CloseHot);
    EXPECT_NE(form.picN().Picture(), normal);
    // Back to Normal shows the very same picture object again: shared, not copied.
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(100, 140));
    EXPECT_EQ(form.Strip(), StripState::Normal);
    EXPECT_EQ(form.picN().Picture(), normal);
}

TEST_F(MainWindowTest, PressingShowsThePressedPictureAndMovingWhilePressedTheHotOne) {
    HWND strip = form.picN().hwnd();
    SendMessageW(strip, WM_RBUTTONDOWN, MK_RBUTTON, At(30, 5));
    EXPECT_EQ(form.Strip(), StripState::CloseDown);
    SendMessageW(strip, WM_MOUSEMOVE, MK_RBUTTON, At(31, 5));
    EXPECT_EQ(form.Strip(), StripState::CloseHot);
    SendMessageW(strip, WM_RBUTTONUP, 0, At(31, 5));  // nothing reacts to the release
    EXPECT_EQ(form.Strip(), StripState::CloseHot);
    EXPECT_TRUE(IsWindow(form.hwnd()));

    SendMessageW(strip, WM_MBUTTONDOWN, MK_MBUTTON, At(3, 3));
    EXPECT_EQ(form.Strip(), StripState::MinDown);
    SendMessageW(strip, WM_MBUTTONUP, 0, At(3, 3));
    EXPECT_FALSE(IsIconic(form.hwnd()));  // only a left click minimises
}

TEST_F(MainWindowTest, MovingOverTheBodyResetsTheStripWithoutDraggingUnlessOnlyLeftIsHeld) {
    form.SetStrip(StripState::CloseHot);
    RECT before{};
    GetWindowRect(form.hwnd(), &before);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, At(100, 100));
    EXPECT_EQ(form.Strip(), StripState::Normal);
    RECT after{};
    GetWindowRect(form.hwnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(MainWindowTest, MovingOverTheBannerIsTheBannersNotTheBodys) {
    form.SetStrip(StripState::MinHot);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(20, 40));  // over Image1 at (6, 26)
    EXPECT_EQ(form.Strip(), StripState::MinHot);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(20, 140));  // body below the credits panel
    EXPECT_EQ(form.Strip(), StripState::Normal);
}

TEST_F(MainWindowTest, MinimiseClickAndRestoreRepaintAndResetTheStrip) {
    form.Show();
    HWND strip = form.picN().hwnd();
    SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(form.Strip(), StripState::MinDown);
    EXPECT_FALSE(IsIconic(form.hwnd()));  // not before the click completes
    SendMessageW(strip, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(IsIconic(form.hwnd()));
    platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ShowWindow(form.hwnd(), SW_RESTORE);
    EXPECT_EQ(form.Strip(), StripState::Normal);
    EXPECT_EQ(form.Caption(), L"Tarnwick!");
    EXPECT_NE(GetWindowRgn(form.hwnd(), region.get()), ERROR);  // the region is kept
}

TEST_F(MainWindowTest, CloseClickUnloadsTheWindow) {
    int unloads = 0;
    form.onUnload = [&] { ++unloads; };
    HWND strip = form.picN().hwnd();
    SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 10));
    SendMessageW(strip, WM_LBUTTONUP, 0, At(40, 10));
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.IsAlive());
}

}  // namespace

namespace {

struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindToolTips(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ToolTipSearch*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && GetWindow(hwnd, GW_OWNER) == search->owner) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A tooltip window owned by the top-level window, if one was made. (A named CALLBACK: a
// lambda does not convert to the 32-bit build's stdcall WNDENUMPROC.)
HWND ToolTipsOf(HWND owner) {
    ToolTipSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindToolTips, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The windows the thread creates, in the order it creates them.
std::vector<HWND>* createdWindows = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && createdWindows) createdWindows->push_back(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HWND> OnlyThese(const std::vector<HWND>& all, const std::vector<HWND>& wanted) {
    std::vector<HWND> kept;
    for (HWND hwnd : all)
        if (std::find(wanted.begin(), wanted.end(), hwnd) != wanted.end()) kept.push_back(hwnd);
    return kept;
}

TEST(MainWindowControls, AreCreatedInTheStoredOrderAndTabByTheirTabIndexes) {
    std::vector<HWND> created;
    createdWindows = &created;
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    FrmDictionary form;
    UnhookWindowsHookEx(hook);
    createdWindows = nullptr;

    const HWND apply = form.cmdApply().hWnd();
    const HWND home = form.cmdHome().hWnd();
    const HWND picN = form.picN().hwnd();
    const HWND pTop = form.pTop().hwnd();
    const HWND picText = form.PicText().hwnd();
    const std::vector<HWND> five{apply, home, pTop, picN, picText};
    // Stored order: picN, pTop, cmdHome, cmdApply, PicText.
    EXPECT_EQ(OnlyThese(created, five), (std::vector<HWND>{picN, pTop, home, apply, picText}));

    // The window system walks the children from the top of their z-order for Tab: tab index
    // 0 (Apply), 1 (Homepage), 2 (pTop), 3 (picN), 4 (PicText).
    std::vector<HWND> zOrder;
    for (HWND child = GetWindow(form.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        zOrder.push_back(child);
    EXPECT_EQ(OnlyThese(zOrder, five), five);
    EXPECT_EQ(GetNextDlgTabItem(form.hwnd(), nullptr, FALSE), apply);
}

TEST_F(MainWindowTest, ButtonsKeepTheStoredFontWithCharacterSetZero) {
    for (aerobutton::AeroButton* button : {&form.cmdApply(), &form.cmdHome()}) {
        const platform::FontDescription font = button->Font();
        EXPECT_EQ(font.name, L"MS Sans Serif");
        EXPECT_FLOAT_EQ(font.size, 8.25f);
        EXPECT_FALSE(font.bold);
        EXPECT_EQ(font.charset, 0);
    }
}

// Sets the work area for the life of the object and puts the previous one back.
class WorkArea {
public:
    explicit WorkArea(RECT area) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &previous_, 0);
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0);
    }
    ~WorkArea() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &previous_, 0); }
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

private:
    RECT previous_{};
};

TEST(MainWindowPosition, IsCentredOnTheScreenWhateverTheWorkArea) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // A work area off-centre, as a taskbar along the left and the top would leave it.
    WorkArea area(RECT{200, 120, screenWidth, screenHeight});
    RECT now{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &now, 0);
    ASSERT_EQ(now.left, 200) << "the work area could not be set";

    FrmDictionary form;
    form.Load();
    form.Show();
    RECT window{};
    GetWindowRect(form.hwnd(), &window);
    EXPECT_EQ(window.left, (screenWidth - 363) / 2);
    EXPECT_EQ(window.top, (screenHeight - 181) / 2);
}

TEST_F(MainWindowTest, StripAreasCarryTheirToolTipsOnceThePointerComes) {
    HWND strip = form.picN().hwnd();
    EXPECT_EQ(ToolTipsOf(form.hwnd()), nullptr);  // not made before it is needed
    SendMessageW(strip, WM_MOUSEMOVE, 0, At(5, 5));
    HWND tips = ToolTipsOf(form.hwnd());
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
    std::vector<std::wstring> texts;
    for (int i = 0; i < 2; ++i) {
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        SendMessageW(tips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(tool.hwnd, strip);
        texts.push_back(text);
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Close (Alt + F4)", L"Minimize window"}));
}

}  // namespace

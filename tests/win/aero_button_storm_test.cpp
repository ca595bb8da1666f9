// A storm of random input to a button on a shown form: after every message the button's
// flags must still describe a possible state, and nothing may leak.
#include "controls/aerobutton/aero_button.h"
#include "platform/gdi_owner.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {

using namespace aerobutton;
using testing_support::RecordingSite;

LRESULT CALLBACK StormFormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class StormTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = StormFormProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"StormTestForm";
        RegisterClassW(&wc);  // a second registration fails harmlessly
        form = CreateWindowExW(0, L"StormTestForm", L"storm", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(form, nullptr);
        SetForegroundWindow(form);
    }
    void TearDown() override {
        ReleaseCapture();
        BYTE none[256]{};
        SetKeyboardState(none);
        DestroyWindow(form);
    }

    HWND form = nullptr;
    RecordingSite site;
};

// What no sequence of input may leave behind.
void ExpectPossible(const AeroButton& button, UINT last) {
    const std::int32_t state = button.VisualState();
    ASSERT_TRUE(state >= StateNormal && state <= StateDisabled) << "state " << state << " after " << last;
    const std::int16_t lastButton = button.LastMouseButton();
    ASSERT_TRUE(lastButton == 0 || lastButton == 1 || lastButton == 2 || lastButton == 4 || lastButton == 8)
        << "last button " << lastButton;
    ASSERT_TRUE(!button.IsSpaceHeld() || button.IsPressed()) << "Space held without a press after " << last;
    if (last == WM_KILLFOCUS) {
        ASSERT_FALSE(button.HasFocus());
        ASSERT_FALSE(button.IsPressed()) << "a press survived the lost focus";
        ASSERT_FALSE(button.IsMouseHeld());
        ASSERT_FALSE(button.IsSpaceHeld());
    }
    if (last == WM_ACTIVATE) {
        if (!button.IsParentActive()) {
            ASSERT_FALSE(button.IsPressed()) << "a press survived the deactivation";
            ASSERT_FALSE(button.IsMouseOver());
        }
    }
    if (last == WM_MOUSELEAVE) {
        ASSERT_FALSE(button.IsMouseOver());
    }
}

TEST_F(StormTest, TenThousandRandomMessagesLeaveOnlyPossibleStates) {
    const long gdiBefore = platform::LiveGdiObjects();
    const long userBefore = platform::LiveUserObjects();
    {
        AeroButton button(site, form, 16, 16, 97, 25);
        button.ReadProperties(platform::PropertyBag{{L"Caption", std::wstring(L"&Storm")}});
        HWND hwnd = button.hWnd();
        std::mt19937 random(20261209);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const UINT mouse[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,   WM_RBUTTONUP,
                              WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE};
        const WPARAM keys[] = {VK_SPACE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, 'A', 'S', VK_RETURN, VK_ESCAPE};
        site.onDoEvents = [&] {
            if (pick(2)) SetFocus(form);
        };
        int clicks = 0;
        site.onEvent = [&](platform::ControlEvent& event) {
            if (event.dispatchId == event_id::Click) ++clicks;
        };
        for (int i = 0; i < 10000; ++i) {
            UINT last = 0;
            switch (pick(9)) {
                case 0:
                case 1:
                case 2: {
                    // Over the button or off it, with the cursor where the message says. As the
                    // system does, input goes only to an enabled window, and off the window
                    // only while it holds the capture.
                    const bool over = pick(2);
                    if (!IsWindowEnabled(hwnd) || (!over && GetCapture() != hwnd)) break;
                    SetCursorPos(over ? 156 : 390, over ? 128 : 290);
                    last = mouse[pick(8)];
                    SendMessageW(hwnd, last, pick(2) ? MK_LBUTTON : 0,
                                 over ? MAKELPARAM(40, 12) : MAKELPARAM(290, 190));
                    break;
                }
                case 3:
                case 4: {
                    if (GetFocus() != hwnd) break;  // keys go to the focused window only
                    BYTE state[256]{};
                    if (pick(4) == 0) state[VK_MENU] = 0x80;
                    if (pick(4) == 0) state[VK_SHIFT] = 0x80;
                    if (pick(6) == 0) state[VK_CONTROL] = 0x80;
                    SetKeyboardState(state);
                    const UINT kinds[] = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP};
                    last = kinds[pick(5)];
                    SendMessageW(hwnd, last, keys[pick(9)], 0);
                    break;
                }
                case 5:
                    if (pick(2)) {
                        SetFocus(hwnd);
                    } else if (GetFocus() == hwnd) {
                        last = WM_KILLFOCUS;
                        SetFocus(form);
                    }
                    break;
                case 6: {
                    bool handled = false;
                    LRESULT result = 0;
                    LONG_PTR user = 0;
                    last = pick(3) == 0 ? WM_MOUSELEAVE : WM_ACTIVATE;
                    button.OnSubclassMessage(false, handled, result, last == WM_ACTIVATE ? form : hwnd, last,
                                             pick(2) ? WA_ACTIVE : WA_INACTIVE, 0, user);
                    break;
                }
                case 7:
                    site.displayAsDefault = pick(2);
                    button.OnAmbientChanged(pick(2) ? L"DisplayAsDefault" : L"Font");
                    break;
                default:
                    switch (pick(4)) {
                        case 0: button.AccessKeyPress(pick(2) ? 's' : (pick(2) ? 13 : 27)); break;
                        case 1: button.SetCheckBoxMode(pick(2) ? kTrue : kFalse); break;
                        case 2: button.SetEnabled(pick(5) ? kTrue : kFalse); break;
                        default: button.SetValue(pick(2) ? kTrue : kFalse); break;
                    }
                    break;
            }
            ExpectPossible(button, last);
            if (HasFatalFailure()) return;
            if (i % 500 == 0) site.Take();  // keep the log small
        }
        EXPECT_GT(clicks, 0) << "the storm did click now and then";
        site.onEvent = nullptr;
        site.onDoEvents = nullptr;
    }
    EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore) << "every pen, brush and surface was released";
    EXPECT_EQ(platform::LiveUserObjects(), userBefore) << "the button's window went with it";
}

}  // namespace

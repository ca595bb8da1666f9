// The button's answers to input, driven by messages sent to its real window on a shown form:
// the events raised, in order, and the look painted at each.
#include "controls/aerobutton/aero_button.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace aerobutton;
using testing_support::RecordingSite;
using Log = std::vector<std::wstring>;

LRESULT CALLBACK PlainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A shown top-level window at a fixed place on the screen.
class ShownForm {
public:
    ShownForm() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"InputTestForm";
        RegisterClassW(&wc);  // a second registration fails harmlessly
        hwnd_ = CreateWindowExW(0, L"InputTestForm", L"input", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(hwnd_);
    }
    ~ShownForm() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = std::make_unique<AeroButton>(site, form.hwnd(), 16, 16, 97, 25);
        button->ReadProperties(platform::PropertyBag{{L"Caption", std::wstring(L"&Push")}});
        site.onEvent = [this](platform::ControlEvent& event) {
            looks.push_back(std::wstring(event.name) + L" " + std::to_wstring(button->VisualState()));
        };
        SetFocus(nullptr);
        Park();
        site.Take();
    }
    void TearDown() override { ReleaseCapture(); }

    HWND Hwnd() const { return button->hWnd(); }
    // The cursor over the button, or far from it, and the move as the window sees it.
    void Over() {
        SetCursorPos(100 + 16 + 40, 100 + 16 + 12);
        SendMessageW(Hwnd(), WM_MOUSEMOVE, 0, At(40, 12));
    }
    void OffWhileHeld() {
        SetCursorPos(100 + 200, 100 + 150);
        SendMessageW(Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(184, 134));
    }
    void Park() { SetCursorPos(5, 5); }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = At(40, 12)) { SendMessageW(Hwnd(), message, wParam, lParam); }
    Log Events() {
        Log events;
        for (const auto& line : site.Take()) {
            if (line.rfind(L"event ", 0) == 0) events.push_back(line.substr(6));
        }
        return events;
    }
    Log TakeLooks() {
        Log taken = std::move(looks);
        looks.clear();
        return taken;
    }
    // Holds Alt (and others) in this thread's key state, as GetKeyState reports it.
    void HoldKeys(std::initializer_list<int> keys) {
        BYTE state[256]{};
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }

    ShownForm form;
    RecordingSite site;
    std::unique_ptr<AeroButton> button;
    Log looks;  // each event with the look painted when it was raised
};

TEST_F(InputTest, ALeftClickRaisesDownUpClickWithThePressedLookBetween) {
    Over();
    site.Take();
    TakeLooks();
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(button->VisualState(), StateDown);
    EXPECT_EQ(GetFocus(), Hwnd()) << "a left press takes the focus";
    Send(WM_LBUTTONUP);
    EXPECT_EQ(TakeLooks(), (Log{L"MouseDown 2", L"MouseUp 2", L"Click 1"}));
    EXPECT_EQ(button->VisualState(), StateHot);
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(site.events.back().dispatchId, -600);
}

TEST_F(InputTest, ARightClickRaisesOnlyItsMouseDown) {
    Over();
    site.Take();
    Send(WM_RBUTTONDOWN, MK_RBUTTON);
    Send(WM_RBUTTONUP);
    EXPECT_EQ(Events(), (Log{L"MouseDown"}));
    EXPECT_EQ(button->LastMouseButton(), 2);
    EXPECT_EQ(button->VisualState(), StateHot);
    const auto& down = site.events.back();
    ASSERT_EQ(down.arguments.size(), 4u);
    EXPECT_EQ(std::get<std::int16_t>(down.arguments[0]), 2);
    EXPECT_EQ(std::get<float>(down.arguments[2]), 40.0f);
    EXPECT_EQ(std::get<float>(down.arguments[3]), 12.0f);
    button->OnClick();
    EXPECT_TRUE(Events().empty()) << "a click notification after a right press is ignored";
}

TEST_F(InputTest, TheFirstMoveEntersAndTheSecondMoves) {
    Over();
    Over();
    EXPECT_EQ(Events(), (Log{L"MouseEnter", L"MouseMove"}));
    EXPECT_EQ(button->VisualState(), StateHot);
    EXPECT_TRUE(button->IsMouseOver());
}

TEST_F(InputTest, PressDragOffAndReleaseOutsideGivesNoClick) {
    Over();
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    site.Take();
    TakeLooks();
    OffWhileHeld();
    EXPECT_EQ(button->VisualState(), StateDown) << "the first move off keeps the pressed look";
    OffWhileHeld();
    EXPECT_EQ(button->VisualState(), StateHot) << "later moves off show the hot look";
    Send(WM_LBUTTONUP, 0, At(184, 134));
    EXPECT_EQ(TakeLooks(), (Log{L"MouseLeave 2", L"MouseUp 1"}));
    EXPECT_FALSE(button->IsPressed());
    bool handled = false;
    LRESULT result = 0;
    LONG_PTR user = 0;
    button->OnSubclassMessage(false, handled, result, Hwnd(), WM_MOUSELEAVE, 0, 0, user);
    EXPECT_EQ(TakeLooks(), (Log{L"MouseLeave 0"}));
    EXPECT_EQ(button->VisualState(), StateNormal);
}

TEST_F(InputTest, ADoubleClickIsOneClick) {
    Over();
    site.Take();
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_EQ(button->VisualState(), StateDown);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(Events(), (Log{L"MouseDown", L"MouseUp", L"Click", L"DblClick", L"MouseUp"}));
    EXPECT_EQ(button->VisualState(), StateHot) << "the last release restores the hot look";
    EXPECT_EQ(button->LastMouseButton(), 8);
}

TEST_F(InputTest, ACheckBoxTogglesBeforeItsClickAndOnceForADoubleClick) {
    button->SetCheckBoxMode(kTrue);
    Over();
    std::vector<Bool16> valuesAtClick;
    site.onEvent = [&](platform::ControlEvent& event) {
        if (event.name == L"Click") valuesAtClick.push_back(button->Value());
    };
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(valuesAtClick, (std::vector<Bool16>{kTrue}));
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(valuesAtClick, (std::vector<Bool16>{kTrue, kFalse}));
    EXPECT_EQ(button->Value(), kFalse);
}

TEST_F(InputTest, SpaceDownAndUpClicksBetweenItsKeyEvents) {
    HoldKeys({});
    Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(button->VisualState(), StateDown);
    EXPECT_EQ(GetCapture(), Hwnd());
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(Events(), (Log{L"KeyDown", L"Click", L"KeyUp"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(button->VisualState(), StateNormal);
}

TEST_F(InputTest, AnotherKeyCancelsASpacePress) {
    HoldKeys({});
    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_KEYDOWN, 'X');
    EXPECT_EQ(button->VisualState(), StateNormal);
    Send(WM_KEYUP, 'X');
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(Events(), (Log{L"KeyDown", L"KeyDown", L"KeyUp", L"KeyUp"}));
}

TEST_F(InputTest, SpaceWithAltAloneDoesNotPress) {
    HoldKeys({VK_MENU});
    Send(WM_SYSKEYDOWN, VK_SPACE);
    EXPECT_FALSE(button->IsPressed());
    EXPECT_EQ(button->VisualState(), StateNormal);
    Send(WM_SYSKEYUP, VK_SPACE);
    EXPECT_EQ(Events(), (Log{L"KeyDown", L"KeyUp"}));
    EXPECT_EQ(std::get<std::int16_t>(site.events[0].arguments[1]), 4);

    HoldKeys({VK_MENU, VK_SHIFT});
    Send(WM_SYSKEYDOWN, VK_SPACE);
    EXPECT_TRUE(button->IsPressed()) << "Alt with Shift presses as usual";
    HoldKeys({});
}

TEST_F(InputTest, ArrowsQueueTabsAndNeverRaiseKeyDown) {
    HoldKeys({});
    for (WPARAM key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) Send(WM_KEYDOWN, key);
    EXPECT_EQ(site.sentKeys, (Log{L"+{TAB}", L"+{TAB}", L"{TAB}", L"{TAB}"}));
    HoldKeys({VK_SHIFT});
    Send(WM_KEYDOWN, VK_RIGHT);
    HoldKeys({VK_CONTROL});
    Send(WM_KEYDOWN, VK_LEFT);
    HoldKeys({});
    EXPECT_EQ(site.sentKeys.size(), 4u) << "with a modifier nothing is queued";
    EXPECT_TRUE(Events().empty());
}

TEST_F(InputTest, AnArrowDuringASpacePressClicksOnceTheFocusHasGone) {
    HoldKeys({});
    SetFocus(Hwnd());
    Send(WM_KEYDOWN, VK_SPACE);
    site.Take();
    // Processing the pending messages handles the queued Tab, which moves the focus on.
    site.onDoEvents = [this] { SetFocus(form.hwnd()); };
    Send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(site.sentKeys, (Log{L"{TAB}"}));
    EXPECT_EQ(site.doEventsCalls, 1);
    EXPECT_EQ(Events(), (Log{L"Click"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, AnArrowThatLeavesTheFocusInPlaceDoesNotClick) {
    HoldKeys({});
    SetFocus(Hwnd());
    Send(WM_KEYDOWN, VK_SPACE);
    site.Take();
    Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(Events().empty()) << "the press is still in progress";
    EXPECT_TRUE(button->IsPressed());
}

TEST_F(InputTest, AccessKeysEnterAndEsc) {
    button->AccessKeyPress('p');
    EXPECT_EQ(Events(), (Log{L"Click"}));
    button->AccessKeyPress(13);
    button->AccessKeyPress(27);
    EXPECT_EQ(Events(), (Log{L"Click", L"Click"})) << "a push button answers Enter and Esc";

    button->SetCheckBoxMode(kTrue);
    site.Take();
    button->AccessKeyPress(13);
    button->AccessKeyPress(27);
    EXPECT_TRUE(Events().empty()) << "a toggle ignores Enter and Esc";
    button->AccessKeyPress('p');
    EXPECT_EQ(Events(), (Log{L"Click"}));
    EXPECT_EQ(button->Value(), kTrue);

    button->SetEnabled(kFalse);
    site.Take();
    button->AccessKeyPress('p');
    button->AccessKeyPress(13);
    EXPECT_TRUE(Events().empty()) << "a disabled button ignores its keys";
}

TEST_F(InputTest, DeactivationPaintsThePlainLookAndReactivationBringsTheFocusFrameBack) {
    bool handled = false;
    LRESULT result = 0;
    LONG_PTR user = 0;
    button->OnSubclassMessage(false, handled, result, form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0, user);
    SetFocus(Hwnd());
    Over();
    site.Take();
    EXPECT_EQ(button->Surface().Image().PixelAt(1, 5), RGB(255, 255, 255)) << "the hot inner frame";

    button->OnSubclassMessage(false, handled, result, form.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0, user);
    EXPECT_EQ(button->VisualState(), StateNormal);
    EXPECT_FALSE(button->IsMouseOver());
    EXPECT_FALSE(button->IsParentActive());
    EXPECT_TRUE(button->HasFocus()) << "the focus is remembered without a repaint";
    EXPECT_EQ(button->Surface().Image().PixelAt(0, 12), RGB(112, 112, 112)) << "the plain outline";

    button->OnSubclassMessage(false, handled, result, form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0, user);
    EXPECT_EQ(button->Surface().Image().PixelAt(0, 12), RGB(60, 127, 177)) << "the focus outline";
    EXPECT_EQ(button->Surface().Image().PixelAt(1, 12), RGB(72, 216, 251)) << "the focus inner frame";
    EXPECT_TRUE(Events().empty());
    EXPECT_FALSE(handled);
    EXPECT_EQ(result, 0);
}

TEST_F(InputTest, ADefaultButtonChangeClearsAPress) {
    HoldKeys({});
    Send(WM_KEYDOWN, VK_SPACE);
    SetFocus(form.hwnd());
    Send(WM_KEYDOWN, VK_SPACE);  // pressed again, without the focus
    ASSERT_TRUE(button->IsPressed());
    site.displayAsDefault = true;
    button->OnAmbientChanged(L"DisplayAsDefault");
    EXPECT_FALSE(button->IsPressed());
    EXPECT_FALSE(button->IsSpaceHeld());
    EXPECT_TRUE(button->IsDefault());
    button->OnAmbientChanged(L"displayasdefault");
    EXPECT_TRUE(button->IsDefault()) << "any ambient change reads DisplayAsDefault again";
}

TEST_F(InputTest, FocusRepaintsTheFocusFrame) {
    bool handled = false;
    LRESULT result = 0;
    LONG_PTR user = 0;
    button->OnSubclassMessage(false, handled, result, form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0, user);
    SetFocus(Hwnd());
    EXPECT_TRUE(button->HasFocus());
    EXPECT_EQ(button->Surface().Image().PixelAt(1, 12), RGB(72, 216, 251));
    SetFocus(form.hwnd());
    EXPECT_FALSE(button->HasFocus());
    EXPECT_EQ(button->Surface().Image().PixelAt(1, 12), RGB(255, 255, 255));
}

}  // namespace

// The button's answers to input that comes through the real message loop: a shown form with
// two buttons and the form's host, input posted as the window system delivers it (keys to
// the focused window, the cursor moved for real), every event of both buttons recorded and
// compared with a named table.
#include "controls/aerobutton/aero_button.h"
#include "platform/control_host.h"
#include "platform/form.h"
#include "tests/support/test_form.h"
#include "tests/support/message_pump.h"
#include "tests/support/sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <variant>

namespace {

using testing_support::Pump;

using namespace aerobutton;
using testing_support::Sequence;

std::string Narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string ArgumentText(const platform::Variant& argument) {
    if (const auto* small = std::get_if<std::int16_t>(&argument)) return std::to_string(*small);
    if (const auto* single = std::get_if<float>(&argument)) return std::to_string(std::lround(*single));
    if (const auto* wide = std::get_if<std::int32_t>(&argument)) return std::to_string(*wide);
    return "?";
}

// A form that records what its system menu would have done instead of running its loop.
class InputForm : public testing_support::TestForm {
public:
    explicit InputForm(Sequence& log) : TestForm(L"input", WS_POPUP | WS_CLIPCHILDREN), log_(log) {}

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
            log_.push_back("form KeyMenu");
            return 0;
        }
        return TestForm::OnMessage(message, wParam, lParam);
    }

private:
    Sequence& log_;
};

// A hosted button whose events go to the shared log as "NAME EVENT ARGS".
struct HostedButton {
    HostedButton(platform::ControlHost& host, Sequence& log, const wchar_t* name, HWND parent, int top,
                 std::wstring caption)
        : site(host.AddSite(name)) {
        button = std::make_unique<AeroButton>(site, parent, 16, top, 97, 25);
        site.SetControl(button.get());
        const std::string prefix = Narrow(name) + " ";
        site.onEvent = [this, &log, prefix](platform::ControlEvent& event) {
            std::string line = prefix + Narrow(event.name);
            for (const auto& argument : event.arguments) line += " " + ArgumentText(argument);
            // A click shows the value it was raised with: a toggle has changed it before.
            if (event.name == L"Click") line += " " + std::to_string(button->Value());
            log.push_back(line);
        };
        button->ReadProperties(platform::PropertyBag{{L"Caption", std::move(caption)}});
    }
    platform::FormControlSite& site;
    std::unique_ptr<AeroButton> button;
    HWND hwnd() const { return button->hWnd(); }
};

// Modifiers as the thread's key state reports them while a key message is handled.
void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256]{};
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
}

LPARAM KeyData(WPARAM key, bool up, bool alt) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    return 1 | scan | (alt ? (1 << 29) : 0) | (up ? static_cast<LPARAM>(0xC0000000u) : 0);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.preTranslate = [this](const MSG& message) { return host.PreTranslate(message); };
        // Shown once the buttons are loaded, as the program shows its window.
        ShowWindow(form.hwnd(), SW_SHOW);
        SetForegroundWindow(form.hwnd());
        HoldKeys({});
        SetCursorPos(2, 2);
        SetFocus(one.hwnd());
        Pump();
        log.clear();
    }
    void TearDown() override {
        ReleaseCapture();
        HoldKeys({});
    }

    // Pumps until the log holds `line` `times` times, for messages the system sends when it
    // sees fit.
    void PumpUntil(const std::string& line, long times) {
        testing_support::PumpUntil([&] { return std::count(log.begin(), log.end(), line) >= times; }, 5000);
    }

    // A key pressed or released, delivered to the focused window as the keyboard delivers it.
    void Key(WPARAM key, bool up, bool alt = false) {
        const UINT message = alt ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
        PostMessageW(GetFocus(), message, key, KeyData(key, up, alt));
        Pump();
    }
    void Tap(WPARAM key) {
        Key(key, false);
        Key(key, true);
    }
    void AltChar(wchar_t typed) {
        PostMessageW(GetFocus(), WM_SYSCHAR, typed, KeyData(0, false, true));
        Pump();
    }

    // The real cursor moved to (x, y) of a button's client area: the system sends the move.
    void MoveTo(const HostedButton& target, int x, int y) {
        POINT at{x, y};
        ClientToScreen(target.hwnd(), &at);
        SetCursorPos(at.x, at.y);
        restingOn_ = Narrow(target.site.Name());
        restingAt_ = " " + std::to_string(x) + " " + std::to_string(y);
        Pump();
    }
    void Mouse(const HostedButton& target, UINT message, int x, int y, WPARAM keys = 0) {
        PostMessageW(target.hwnd(), message, keys, MAKELPARAM(x, y));
        Pump();
    }

    Sequence Take() {
        Sequence taken = std::move(log);
        log.clear();
        return taken;
    }

    // What happened, without the moves that went nowhere: the system sends one to the window
    // under a resting cursor when the capture changes, at a moment of its choosing.
    Sequence TakeMouse() {
        const std::string move = restingOn_ + " MouseMove ";
        auto inPlace = [&](const std::string& line) {
            return !restingOn_.empty() && line.rfind(move, 0) == 0 && line.size() >= restingAt_.size() &&
                   line.compare(line.size() - restingAt_.size(), restingAt_.size(), restingAt_) == 0;
        };
        Sequence taken;
        for (auto& line : Take()) {
            if (!inPlace(line)) taken.push_back(std::move(line));
        }
        return taken;
    }

    std::string restingOn_, restingAt_;  // the button and " X Y" of the cursor's last move
    Sequence log;
    InputForm form{log};
    platform::ControlHost host{form.hwnd()};
    HostedButton one{host, log, L"btnOne", form.hwnd(), 16, L"&One"};
    HostedButton two{host, log, L"btnTwo", form.hwnd(), 56, L"&\u00DCber"};
};

// ---- the mouse ----

const Sequence kLeftClick = {
    "btnOne MouseEnter",
    "btnOne MouseDown 1 0 40 12",
    "btnOne MouseUp 1 0 40 12",
    "btnOne Click 0",
};

TEST_F(InputTest, ALeftClickRaisesDownUpClickWithThePressedLookBetween) {
    MoveTo(one, 40, 12);
    Mouse(one, WM_LBUTTONDOWN, 40, 12, MK_LBUTTON);
    EXPECT_EQ(one.button->VisualState(), StateDown);
    Mouse(one, WM_LBUTTONUP, 40, 12);
    EXPECT_SEQUENCE(kLeftClick, TakeMouse());
    EXPECT_EQ(one.button->VisualState(), StateHot);
    EXPECT_EQ(GetCapture(), nullptr);
}

const Sequence kRightClick = {
    "btnOne MouseEnter",
    "btnOne MouseDown 2 0 40 12",
};

TEST_F(InputTest, ARightClickRaisesOnlyItsMouseDown) {
    MoveTo(one, 40, 12);
    Mouse(one, WM_RBUTTONDOWN, 40, 12, MK_RBUTTON);
    Mouse(one, WM_RBUTTONUP, 40, 12);
    EXPECT_SEQUENCE(kRightClick, TakeMouse());
    EXPECT_EQ(one.button->LastMouseButton(), 2);
    EXPECT_EQ(one.button->VisualState(), StateHot);
    EXPECT_EQ(GetCapture(), nullptr) << "the window's own capture for the press ends with it";
}

const Sequence kReleasedOverACutCorner = {
    "btnOne MouseEnter",
    "btnOne MouseDown 1 0 40 12",
    "btnOne MouseUp 1 0 0 0",
};

TEST_F(InputTest, ReleasingOverACornerTheRegionCutsAwayIsReleasingOutside) {
    MoveTo(one, 40, 12);
    Mouse(one, WM_LBUTTONDOWN, 40, 12, MK_LBUTTON);
    Mouse(one, WM_LBUTTONUP, 0, 0);
    EXPECT_SEQUENCE(kReleasedOverACutCorner, TakeMouse());
}

const Sequence kDragOffAndLeave = {
    "btnOne MouseEnter",          "btnOne MouseDown 1 0 40 12", "btnOne MouseLeave",
    "btnOne MouseUp 1 0 200 150", "btnOne MouseLeave",
};

TEST_F(InputTest, PressDragOffAndReleaseOutsideGivesNoClickAndTheLeaveNoticeEndsTheVisit) {
    MoveTo(one, 40, 12);
    Mouse(one, WM_LBUTTONDOWN, 40, 12, MK_LBUTTON);
    MoveTo(one, 200, 150);
    EXPECT_EQ(one.button->VisualState(), StateDown) << "the first move off keeps the pressed look";
    Mouse(one, WM_LBUTTONUP, 200, 150);
    PumpUntil("btnOne MouseLeave", 2);
    EXPECT_SEQUENCE(kDragOffAndLeave, TakeMouse());
    EXPECT_EQ(one.button->VisualState(), StateNormal);
}

const Sequence kDoubleClick = {
    "btnOne MouseEnter", "btnOne MouseDown 1 0 40 12", "btnOne MouseUp 1 0 40 12", "btnOne Click 0",
    "btnOne DblClick",   "btnOne MouseUp 1 0 40 12",
};

TEST_F(InputTest, ADoubleClickIsOneClick) {
    MoveTo(one, 40, 12);
    Mouse(one, WM_LBUTTONDOWN, 40, 12, MK_LBUTTON);
    Mouse(one, WM_LBUTTONUP, 40, 12);
    Mouse(one, WM_LBUTTONDBLCLK, 40, 12, MK_LBUTTON);
    Mouse(one, WM_LBUTTONUP, 40, 12);
    EXPECT_SEQUENCE(kDoubleClick, TakeMouse());
    EXPECT_EQ(one.button->VisualState(), StateHot);
}

// ---- the keyboard ----

const Sequence kSpaceClick = {
    "btnOne KeyDown 32 0",
    "btnOne KeyPress 32",
    "btnOne Click 0",
    "btnOne KeyUp 32 0",
};

TEST_F(InputTest, SpaceDownAndUpClicksBetweenItsKeyEvents) {
    Key(VK_SPACE, false);
    EXPECT_EQ(one.button->VisualState(), StateDown);
    EXPECT_EQ(GetCapture(), one.hwnd());
    Key(VK_SPACE, true);
    EXPECT_SEQUENCE(kSpaceClick, Take());
    EXPECT_EQ(GetCapture(), nullptr);
}

// With no cancel button on the form, Esc is an ordinary key of the focused button.
const Sequence kSpaceEscSpace = {
    "btnOne KeyDown 32 0", "btnOne KeyPress 32", "btnOne KeyDown 27 0",
    "btnOne KeyPress 27",  "btnOne KeyUp 27 0",  "btnOne KeyUp 32 0",
};

TEST_F(InputTest, EscWithoutACancelButtonCancelsASpacePress) {
    Key(VK_SPACE, false);
    Tap(VK_ESCAPE);
    Key(VK_SPACE, true);
    EXPECT_SEQUENCE(kSpaceEscSpace, Take());
    EXPECT_EQ(one.button->VisualState(), StateNormal);
}

const Sequence kEnterToTheDefault = {
    "btnTwo Click 0", "btnOne KeyUp 13 0", "btnOne KeyDown 13 0", "btnOne KeyPress 13", "btnOne KeyUp 13 0",
};

TEST_F(InputTest, EnterGoesToTheDefaultButtonOnlyWhileThereIsOne) {
    host.SetDefault(&two.site);
    Tap(VK_RETURN);
    host.SetDefault(nullptr);
    Tap(VK_RETURN);
    EXPECT_SEQUENCE(kEnterToTheDefault, Take());
}

const Sequence kAltSpace = {
    "btnOne KeyDown 32 4", "btnOne KeyUp 32 4", "btnOne KeyDown 32 5", "btnOne Click 0", "btnOne KeyUp 32 5",
};

TEST_F(InputTest, AltSpaceIsTheButtonsOwnKeyAndPressesOnlyWithShift) {
    HoldKeys({VK_MENU, VK_LMENU});
    Key(VK_SPACE, false, true);
    EXPECT_FALSE(one.button->IsPressed());
    Key(VK_SPACE, true, true);
    HoldKeys({VK_MENU, VK_LMENU, VK_SHIFT, VK_LSHIFT});
    Key(VK_SPACE, false, true);
    EXPECT_TRUE(one.button->IsPressed());
    Key(VK_SPACE, true, true);
    EXPECT_SEQUENCE(kAltSpace, Take()) << "no system menu, no key press, one click";
}

const Sequence kArrowsMoveTheFocus = {
    "btnTwo KeyUp 40 0",
    "btnOne KeyUp 38 0",
    "btnTwo KeyUp 39 0",
    "btnTwo KeyUp 39 1",
};

TEST_F(InputTest, ArrowsMoveTheFocusAlongTheTabOrderWithoutKeyEventsOfTheirOwn) {
    Tap(VK_DOWN);
    EXPECT_EQ(GetFocus(), two.hwnd());
    Tap(VK_UP);
    EXPECT_EQ(GetFocus(), one.hwnd());
    Tap(VK_RIGHT);
    EXPECT_EQ(GetFocus(), two.hwnd());
    HoldKeys({VK_SHIFT, VK_LSHIFT});
    Tap(VK_RIGHT);
    EXPECT_EQ(GetFocus(), two.hwnd()) << "with a modifier the focus stays";
    EXPECT_SEQUENCE(kArrowsMoveTheFocus, Take());
}

const Sequence kArrowDuringSpace = {
    "btnOne KeyDown 32 0", "btnOne KeyPress 32", "btnOne Click 0", "btnTwo KeyUp 40 0", "btnTwo KeyUp 32 0",
};

TEST_F(InputTest, AnArrowDuringASpacePressClicksOnceTheFocusHasMoved) {
    Key(VK_SPACE, false);
    Tap(VK_DOWN);
    Key(VK_SPACE, true);
    EXPECT_SEQUENCE(kArrowDuringSpace, Take());
    EXPECT_EQ(GetCapture(), nullptr);
}

const Sequence kRightButtonDuringSpace = {
    "btnOne KeyDown 32 0", "btnOne KeyPress 32", "btnOne MouseDown 2 0 40 12", "btnOne Click 0", "btnOne KeyUp 32 0",
};

TEST_F(InputTest, ARightButtonReleaseKeepsTheCaptureHeldForSpace) {
    Key(VK_SPACE, false);
    Mouse(one, WM_RBUTTONDOWN, 40, 12, MK_RBUTTON);
    Mouse(one, WM_RBUTTONUP, 40, 12);
    EXPECT_EQ(GetCapture(), one.hwnd());
    Key(VK_SPACE, true);
    EXPECT_SEQUENCE(kRightButtonDuringSpace, Take());
}

const Sequence kDefaultChangeDuringSpace = {
    "btnOne KeyDown 32 0",
    "btnOne KeyPress 32",
    "btnOne KeyUp 32 0",
};

TEST_F(InputTest, BecomingTheDefaultButtonEndsASpacePressWithoutAClick) {
    Key(VK_SPACE, false);
    host.SetDefault(&one.site);
    EXPECT_TRUE(one.button->IsDefault());
    EXPECT_FALSE(one.button->IsPressed());
    Key(VK_SPACE, true);
    EXPECT_SEQUENCE(kDefaultChangeDuringSpace, Take());
}

// ---- access keys ----

const Sequence kAccessKeys = {
    "btnOne Click 0",
    "btnTwo Click 0",
    "btnTwo Click 0",
};

TEST_F(InputTest, AltAndTheMarkedLetterClickInEitherCaseByTheSystemsRules) {
    AltChar(L'O');
    AltChar(L'\u00FC');  // "&Über": the key is lower-cased by the system, not the C locale
    AltChar(L'\u00DC');
    two.button->SetEnabled(kFalse);
    AltChar(L'\u00FC');
    EXPECT_SEQUENCE(kAccessKeys, Take()) << "a disabled button ignores its key";
}

const Sequence kEnterAndEscOfAToggle = {
    "btnOne Click 0", "btnOne KeyUp 27 0", "btnOne KeyUp 27 0", "btnOne KeyUp 13 0", "btnOne Click -1",
};

TEST_F(InputTest, AToggleIgnoresEnterAndEscButNotItsAccessKey) {
    host.SetDefault(&two.site);
    host.SetCancel(&one.site);
    Tap(VK_ESCAPE);
    one.button->SetCheckBoxMode(kTrue);
    two.button->SetCheckBoxMode(kTrue);
    Tap(VK_ESCAPE);
    Tap(VK_RETURN);
    AltChar(L'o');
    EXPECT_SEQUENCE(kEnterAndEscOfAToggle, Take());
    EXPECT_EQ(one.button->Value(), kTrue);
}

// ---- activation and focus ----

std::string Activation(const HostedButton& a, const HostedButton& b) {
    return "btnOne " + std::to_string(a.button->IsParentActive()) + " btnTwo " +
           std::to_string(b.button->IsParentActive());
}

const Sequence kBothSeeActivation = {
    "btnOne 1 btnTwo 1",
    "btnOne 0 btnTwo 0",
    "btnOne 1 btnTwo 1",
};

TEST_F(InputTest, BothButtonsOfAFormSeeItsActivationTakenAndGiven) {
    Sequence states{Activation(one, two)};
    MoveTo(one, 40, 12);
    EXPECT_EQ(one.button->Surface().Image().PixelAt(1, 5), RGB(255, 255, 255)) << "the hot inner frame";

    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 500, 400, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    Pump();
    states.push_back(Activation(one, two));
    EXPECT_FALSE(one.button->IsMouseOver());
    EXPECT_EQ(one.button->Surface().Image().PixelAt(0, 12), RGB(112, 112, 112)) << "the plain outline";

    SetCursorPos(2, 2);
    SetForegroundWindow(form.hwnd());
    Pump();
    states.push_back(Activation(one, two));
    EXPECT_SEQUENCE(kBothSeeActivation, states);
    EXPECT_EQ(GetFocus(), one.hwnd());
    EXPECT_EQ(one.button->Surface().Image().PixelAt(0, 12), RGB(60, 127, 177)) << "the focus outline is back";
    EXPECT_EQ(one.button->Surface().Image().PixelAt(1, 12), RGB(72, 216, 251)) << "the focus inner frame";
    EXPECT_EQ(TakeMouse(), (Sequence{"btnOne MouseEnter"})) << "activation raises no event";
    DestroyWindow(other);
}

LRESULT CALLBACK FrameProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcW(hwnd, GetWindow(hwnd, GW_CHILD), message, wParam, lParam);
}

TEST(MdiChildForm, ButtonsOnADocumentWindowFollowItsNonClientActivation) {
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProcedure;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"InputTestFrame";
    RegisterClassW(&frameClass);
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = DefMDIChildProcW;
    childClass.hInstance = GetModuleHandleW(nullptr);
    childClass.lpszClassName = L"InputTestDocument";
    RegisterClassW(&childClass);

    HWND frame = CreateWindowExW(0, L"InputTestFrame", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 400,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT clientInfo{};
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 480, 360,
                                  frame, nullptr, GetModuleHandleW(nullptr), &clientInfo);
    auto document = [&](const wchar_t* title) {
        return CreateMDIWindowW(L"InputTestDocument", title, WS_VISIBLE, 0, 0, 250, 150, client,
                                GetModuleHandleW(nullptr), 0);
    };
    HWND first = document(L"first");
    HWND second = document(L"second");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    SetForegroundWindow(frame);

    Sequence log;
    platform::ControlHost host(first);
    HostedButton button(host, log, L"btnDoc", first, 16, L"&Doc");
    Sequence states;
    auto record = [&] {
        Pump();
        states.push_back("active " + std::to_string(button.button->IsParentActive()));
    };
    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
    record();
    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second), 0);
    record();
    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
    record();
    EXPECT_SEQUENCE((Sequence{"active 1", "active 0", "active 1"}), states);
    button.button.reset();
    DestroyWindow(frame);
}

}  // namespace

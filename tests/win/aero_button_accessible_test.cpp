// What an accessibility client learns of the button through the system (the window's
// object asked for by AccessibleObjectFromWindow): name, role, state through input, shortcut,
// location, the default action, the events that tell of changes, and an object that
// outlives its window.
#include "controls/aerobutton/aero_button.h"
#include "platform/accessible_object.h"
#include "platform/control_host.h"
#include "platform/form.h"
#include "tests/support/test_form.h"
#include "tests/support/message_pump.h"
#include "tests/support/sequence.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using testing_support::Pump;

using namespace aerobutton;

// One reference to a COM object, released when it goes.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    void Reset() {
        if (object_) object_->Release();
        object_ = nullptr;
    }
    void** Out() {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }
    T* operator->() const { return object_; }
    T* get() const { return object_; }

private:
    T* object_ = nullptr;
};

ComRef<IAccessible>& ObjectOf(HWND hwnd, ComRef<IAccessible>& out) {
    EXPECT_EQ(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, platform::kIIDAccessible, out.Out()), S_OK);
    return out;
}

VARIANT Self() { return platform::ChildVariant(CHILDID_SELF); }

// A text property, or "<none>" when the object has none (S_FALSE and no text).
using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
std::wstring Text(IAccessible* object, TextGetter getter, HRESULT* status = nullptr) {
    BSTR text = nullptr;
    const HRESULT hr = (object->*getter)(Self(), &text);
    if (status) *status = hr;
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : L"<none>";
    SysFreeString(text);
    return result;
}
std::wstring Name(IAccessible* object) { return Text(object, &IAccessible::get_accName); }
std::wstring Shortcut(IAccessible* object) { return Text(object, &IAccessible::get_accKeyboardShortcut); }
std::wstring Action(IAccessible* object) { return Text(object, &IAccessible::get_accDefaultAction); }

long Role(IAccessible* object) {
    VARIANT role;
    VariantInit(&role);
    EXPECT_EQ(object->get_accRole(Self(), &role), S_OK);
    return role.vt == VT_I4 ? role.lVal : -1;
}

long State(IAccessible* object) {
    VARIANT state;
    VariantInit(&state);
    EXPECT_EQ(object->get_accState(Self(), &state), S_OK);
    return state.vt == VT_I4 ? state.lVal : -1;
}

class AccessibleForm : public testing_support::TestForm {
public:
    AccessibleForm() : TestForm(L"accessible", WS_POPUP | WS_CLIPCHILDREN) {}
};

class ButtonAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<AccessibleForm>();
        host = std::make_unique<platform::ControlHost>(form->hwnd());
        site = &host->AddSite(L"btnApply");
        site->onEvent = [this](platform::ControlEvent& event) {
            if (event.name == L"Click") clicks.push_back(button->Value());
        };
        button = std::make_unique<AeroButton>(*site, form->hwnd(), 16, 16, 97, 25);
        site->SetControl(button.get());
        button->ReadProperties(platform::PropertyBag{{L"Caption", std::wstring(L"&Apply")}});
        ShowWindow(form->hwnd(), SW_SHOW);
        SetForegroundWindow(form->hwnd());
        SetCursorPos(2, 2);
        Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        button.reset();
        form.reset();
        CoUninitialize();
    }
    void Mouse(UINT message, WPARAM keys) {
        PostMessageW(button->hWnd(), message, keys, MAKELPARAM(40, 12));
        Pump();
    }

    std::unique_ptr<AccessibleForm> form;
    std::unique_ptr<platform::ControlHost> host;
    platform::FormControlSite* site = nullptr;
    std::unique_ptr<AeroButton> button;
    std::vector<Bool16> clicks;  // the value each Click was raised with
};

// ---- what the button is ----

TEST_F(ButtonAccessibleTest, APushButtonNamedByItsCaptionAsShownWithItsShortcut) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    ASSERT_TRUE(object.get());
    EXPECT_EQ(Name(object.get()), L"Apply");
    EXPECT_EQ(Role(object.get()), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Shortcut(object.get()), L"Alt+A");
    EXPECT_EQ(Action(object.get()), L"Press");

    button->SetCaption(L"Salt && &pepper");
    EXPECT_EQ(Name(object.get()), L"Salt & pepper");
    EXPECT_EQ(Shortcut(object.get()), L"Alt+P");
    button->SetCaption(L"&\u00FCber");
    EXPECT_EQ(Shortcut(object.get()), L"Alt+\u00DC") << "upper case by the system's rules";
    button->SetCaption(L"Homepage");
    EXPECT_EQ(Name(object.get()), L"Homepage");
    HRESULT status = S_OK;
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accKeyboardShortcut, &status), L"<none>");
    EXPECT_EQ(status, S_FALSE);
}

TEST_F(ButtonAccessibleTest, LocatedWhereItsWindowIsOnTheScreen) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    RECT window{};
    GetWindowRect(button->hWnd(), &window);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Self()), S_OK);
    EXPECT_EQ(std::make_tuple(left, top, width, height), std::make_tuple(window.left, window.top, 97L, 25L));
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(object->accHitTest(window.left + 40, window.top + 12, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, CHILDID_SELF);
    EXPECT_EQ(object->accHitTest(window.right + 5, window.top, &hit), S_FALSE);
}

TEST_F(ButtonAccessibleTest, TheWayUpIsTheSystemsObjectForTheWindow) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    ComRef<IDispatch> parent;
    ASSERT_EQ(object->get_accParent(reinterpret_cast<IDispatch**>(parent.Out())), S_OK);
    ASSERT_TRUE(parent.get());
    ComRef<IAccessible> window;
    EXPECT_EQ(parent->QueryInterface(platform::kIIDAccessible, window.Out()), S_OK);
}

// ---- its state through input ----

TEST_F(ButtonAccessibleTest, StateFollowsFocusHoverAndAPress) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_FOCUSABLE);

    SetFocus(button->hWnd());
    Pump();
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    VARIANT focus;
    VariantInit(&focus);
    EXPECT_EQ(object->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);

    POINT over{40, 12};
    ClientToScreen(button->hWnd(), &over);
    SetCursorPos(over.x, over.y);
    Pump();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(State(object.get()),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED | STATE_SYSTEM_HOTTRACKED);
    Mouse(WM_LBUTTONUP, 0);
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonAccessibleTest, AToggleIsACheckButtonCheckedByItsValue) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    button->SetCheckBoxMode(kTrue);
    EXPECT_EQ(Role(object.get()), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(Action(object.get()), L"Check");
    EXPECT_EQ(State(object.get()) & STATE_SYSTEM_CHECKED, 0);

    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    Pump();
    EXPECT_EQ(clicks, std::vector<Bool16>{kTrue}) << "one Click, raised with the toggled value";
    EXPECT_EQ(State(object.get()) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
    EXPECT_EQ(Action(object.get()), L"Uncheck");
    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    Pump();
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(State(object.get()) & STATE_SYSTEM_CHECKED, 0);
}

TEST_F(ButtonAccessibleTest, DisabledDefaultAndHiddenShowInTheState) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    host->SetDefault(site);
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_DEFAULT);
    host->SetDefault(nullptr);
    button->SetEnabled(kFalse);
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_UNAVAILABLE);
    button->SetEnabled(kTrue);
    ShowWindow(button->hWnd(), SW_HIDE);
    EXPECT_EQ(State(object.get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE);
}

// ---- its default action ----

TEST_F(ButtonAccessibleTest, TheDefaultActionClicksAsCodeDoesOnceTheMessagesAreProcessed) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    EXPECT_TRUE(clicks.empty()) << "the client's call returns before the click runs";
    Pump();
    EXPECT_EQ(clicks, std::vector<Bool16>{kFalse});
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(button->LastMouseButton(), 1);
}

TEST_F(ButtonAccessibleTest, TheDefaultActionFailsOnADisabledButton) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    button->SetEnabled(kFalse);
    EXPECT_EQ(object->accDoDefaultAction(Self()), E_FAIL);
    Pump();
    EXPECT_TRUE(clicks.empty());

    // Disabled between the request and its turn: no click either.
    button->SetEnabled(kTrue);
    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    button->SetEnabled(kFalse);
    Pump();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonAccessibleTest, TheDefaultActionWaitsWhileAPressIsInProgress) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    Pump();
    EXPECT_TRUE(clicks.empty()) << "the click procedure does nothing during a press";
}

TEST_F(ButtonAccessibleTest, AnElementItDoesNotHaveIsAnInvalidArgument) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    VARIANT child = Self();
    child.lVal = 1;
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(child, &name), E_INVALIDARG);
    EXPECT_EQ(object->accDoDefaultAction(child), E_INVALIDARG);
    long count = -1;
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 0);
}

// ---- a client that holds the object longer than the window lives ----

TEST_F(ButtonAccessibleTest, AfterTheButtonIsGoneEveryMethodReportsItDisconnected) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    button.reset();
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Self(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    VARIANT state;
    VariantInit(&state);
    EXPECT_EQ(object->get_accState(Self(), &state), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(object->accLocation(&left, &top, &width, &height, Self()), CO_E_OBJNOTCONNECTED);
    ComRef<IDispatch> parent;
    EXPECT_EQ(object->get_accParent(reinterpret_cast<IDispatch**>(parent.Out())), CO_E_OBJNOTCONNECTED);
}

TEST_F(ButtonAccessibleTest, AWindowDestroyedWithItsFormDisconnectsTheObjectThoughTheButtonLives) {
    ComRef<IAccessible> object;
    ObjectOf(button->hWnd(), object);
    DestroyWindow(form->hwnd());
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Self(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
    button->SetCaption(L"&Later");  // the button goes on without a window to report to
}

// ---- the events that tell clients of changes ----

struct RecordedEvent {
    DWORD event;
    LONG object;
    LONG child;
    bool operator==(const RecordedEvent&) const = default;
};
std::vector<RecordedEvent>* gEvents = nullptr;
HWND gWatched = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (gEvents && hwnd == gWatched && object == OBJID_CLIENT) gEvents->push_back({event, object, child});
}

class WinEventRecorder {
public:
    WinEventRecorder(HWND watched, std::vector<RecordedEvent>& events) {
        gEvents = &events;
        gWatched = watched;
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, &RecordEvent,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~WinEventRecorder() {
        UnhookWinEvent(hook_);
        gEvents = nullptr;
    }
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;
    bool Hooked() const { return hook_ != nullptr; }

private:
    HWINEVENTHOOK hook_ = nullptr;
};

size_t Count(const std::vector<RecordedEvent>& events, DWORD event) {
    size_t n = 0;
    for (const auto& e : events) n += e.event == event;
    return n;
}

TEST_F(ButtonAccessibleTest, ClientsHearOfARenameAStateChangeAndTheFocus) {
    std::vector<RecordedEvent> events;
    WinEventRecorder recorder(button->hWnd(), events);
    ASSERT_TRUE(recorder.Hooked());
    Pump();
    events.clear();

    button->SetCaption(L"&Go");
    Pump();
    EXPECT_EQ(Count(events, EVENT_OBJECT_NAMECHANGE), 1u);
    button->SetCaption(L"&Go");
    Pump();
    EXPECT_EQ(Count(events, EVENT_OBJECT_NAMECHANGE), 1u) << "the same caption again is no change";

    events.clear();
    button->SetEnabled(kFalse);
    Pump();
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 1u);
    button->SetBackColor(0x00FF00);  // repaints, but the state stays
    Pump();
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 1u);
    button->SetEnabled(kTrue);
    Pump();
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 2u);

    events.clear();
    SetFocus(button->hWnd());
    Pump();
    // The window system tells of the focus itself; the button adds no second event.
    EXPECT_EQ(Count(events, EVENT_OBJECT_FOCUS), 1u);
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 1u) << "focused";
}

TEST_F(ButtonAccessibleTest, APressAndReleaseAreTwoStateChanges) {
    std::vector<RecordedEvent> events;
    SetFocus(button->hWnd());
    Pump();
    WinEventRecorder recorder(button->hWnd(), events);
    Pump();
    events.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 1u);
    Mouse(WM_LBUTTONUP, 0);
    EXPECT_EQ(Count(events, EVENT_OBJECT_STATECHANGE), 2u);
}

}  // namespace

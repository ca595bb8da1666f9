// The main window as accessibility clients see it: the strip's two areas as push buttons
// named by their tooltips whose default actions minimise and close, the credits panel as
// read-only text; and the same answers, and Apply's click, from a client in another process.
#include "app/frm_dictionary.h"
#include "app/shutdown_tweak.h"
#include "platform/accessible_object.h"
#include "tests/support/message_pump.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/registry_fixture.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>
#include <string>

namespace {

using testing_support::Pump;

using app::FrmDictionary;
using app::StripState;

VARIANT Child(long id) { return platform::ChildVariant(id); }

std::wstring Take(BSTR text) {
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : L"<none>";
    SysFreeString(text);
    return out;
}

class AccessibleObjectOf {
public:
    explicit AccessibleObjectOf(HWND hwnd) {
        EXPECT_EQ(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, platform::kIIDAccessible,
                                             reinterpret_cast<void**>(&object_)),
                  S_OK);
    }
    ~AccessibleObjectOf() {
        if (object_) object_->Release();
    }
    AccessibleObjectOf(const AccessibleObjectOf&) = delete;
    AccessibleObjectOf& operator=(const AccessibleObjectOf&) = delete;
    IAccessible* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    std::wstring Name(long child) const {
        BSTR text = nullptr;
        object_->get_accName(Child(child), &text);
        return Take(text);
    }
    std::wstring Value(long child) const {
        BSTR text = nullptr;
        object_->get_accValue(Child(child), &text);
        return Take(text);
    }
    std::wstring Action(long child) const {
        BSTR text = nullptr;
        object_->get_accDefaultAction(Child(child), &text);
        return Take(text);
    }
    long Role(long child) const {
        VARIANT v;
        VariantInit(&v);
        object_->get_accRole(Child(child), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    long State(long child) const {
        VARIANT v;
        VariantInit(&v);
        object_->get_accState(Child(child), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }

private:
    IAccessible* object_ = nullptr;
};

class MainWindowAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<FrmDictionary>();
        form->Load();
    }
    void TearDown() override {
        form.reset();
        CoUninitialize();
    }
    std::unique_ptr<FrmDictionary> form;
};

TEST_F(MainWindowAccessibleTest, TheStripHoldsTwoPushButtonsNamedByTheirToolTips) {
    AccessibleObjectOf strip(form->picN().hwnd());
    ASSERT_TRUE(strip);
    long count = 0;
    EXPECT_EQ(strip->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(strip.Name(1), L"Minimize window");
    EXPECT_EQ(strip.Name(2), L"Close (Alt + F4)");
    for (long child : {1L, 2L}) {
        EXPECT_EQ(strip.Role(child), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(strip.Action(child), L"Press");
    }

    // Each area where the strip has it; Minimize above Close where they overlap.
    RECT picN{};
    GetWindowRect(form->picN().hwnd(), &picN);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(strip->accLocation(&left, &top, &width, &height, Child(2)), S_OK);
    EXPECT_EQ(left, picN.left + 24);
    EXPECT_EQ(width, 41);
    EXPECT_EQ(height, 25);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(strip->accHitTest(picN.left + 24, picN.top + 5, &hit), S_OK);
    EXPECT_EQ(hit.lVal, 1);
    ASSERT_EQ(strip->accHitTest(picN.left + 25, picN.top + 5, &hit), S_OK);
    EXPECT_EQ(hit.lVal, 2);
}

TEST_F(MainWindowAccessibleTest, TheStripStateShowsAsHotAndPressed) {
    AccessibleObjectOf strip(form->picN().hwnd());
    form->SetStrip(StripState::CloseDown);
    EXPECT_EQ(strip.State(2), STATE_SYSTEM_PRESSED);
    EXPECT_EQ(strip.State(1), 0);
    form->SetStrip(StripState::MinHot);
    EXPECT_EQ(strip.State(1), STATE_SYSTEM_HOTTRACKED);
    EXPECT_EQ(strip.State(2), 0);
}

TEST_F(MainWindowAccessibleTest, MinimizesDefaultActionMinimisesTheWindow) {
    form->Show();
    AccessibleObjectOf strip(form->picN().hwnd());
    ASSERT_EQ(strip->accDoDefaultAction(Child(1)), S_OK);
    EXPECT_FALSE(IsIconic(form->hwnd())) << "the request returns before the click runs";
    Pump();
    EXPECT_TRUE(IsIconic(form->hwnd()));
    EXPECT_EQ(strip->accDoDefaultAction(Child(0)), DISP_E_MEMBERNOTFOUND) << "the strip itself has no action";
}

TEST_F(MainWindowAccessibleTest, ClosesDefaultActionUnloadsTheWindowAndDisconnectsTheObjects) {
    int unloads = 0;
    form->onUnload = [&] { ++unloads; };
    AccessibleObjectOf strip(form->picN().hwnd());
    AccessibleObjectOf apply(form->cmdApply().hWnd());
    ASSERT_EQ(strip->accDoDefaultAction(Child(2)), S_OK);
    Pump();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form->IsAlive());
    BSTR name = nullptr;
    EXPECT_EQ(strip->get_accName(Child(1), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(apply->get_accName(Child(0), &name), CO_E_OBJNOTCONNECTED);
}

TEST_F(MainWindowAccessibleTest, TheCreditsPanelIsReadOnlyTextWhoseValueIsTheCreditLines) {
    AccessibleObjectOf credits(form->PicText().hwnd());
    EXPECT_EQ(credits.Role(0), ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(credits.State(0), STATE_SYSTEM_READONLY);
    std::wstring expected;
    const auto lines = form->CreditLines();
    for (std::int32_t i = 0; i < form->CreditCount(); ++i) expected += (i ? L"\r\n" : L"") + lines[i].text;
    EXPECT_EQ(form->CreditCount(), 29);
    EXPECT_EQ(credits.Value(0), expected);
}

// ---- from another process ----

// Runs the client program next to this one with the arguments given, processing this
// thread's messages meanwhile (the client's requests arrive as messages); whenPrinted runs
// once the client has printed a line that starts with that text. Returns what it printed.
std::string RunClient(const std::wstring& arguments, const std::string& printed = {},
                      const std::function<void()>& whenPrinted = {}) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"accessible_client.exe";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16)) return "no pipe";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    const BOOL started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (!started) {
        CloseHandle(readEnd);
        return "not started";
    }
    bool told = false;
    const DWORD start = GetTickCount();
    auto drain = [&] {
        DWORD available = 0;
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            char buffer[512];
            DWORD read = 0;
            if (!ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) || read == 0) break;
            output.append(buffer, read);
        }
    };
    while (GetTickCount() - start < 60000) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT);
        Pump();
        drain();
        if (!told && whenPrinted && output.find("\n" + printed) != std::string::npos) {
            told = true;
            whenPrinted();
        }
        if (woken == WAIT_OBJECT_0) break;
    }
    drain();
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return output;
}

std::wstring Arguments(HWND hwnd, long child, const wchar_t* extra = L"") {
    return std::to_wstring(reinterpret_cast<UINT_PTR>(hwnd)) + L" " + std::to_wstring(child) + L" " + extra;
}

// The last line "KEY ..." the client printed, without its key; "<missing>" when there is none.
std::string Line(const std::string& output, const std::string& key) {
    std::string found = "<missing>";
    size_t at = 0;
    while (at < output.size()) {
        size_t end = output.find('\n', at);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, key.size() + 1, key + " ") == 0) found = line.substr(key.size() + 1);
        at = end + 1;
    }
    return found;
}

class CrossProcessTest : public MainWindowAccessibleTest {
protected:
    void SetUp() override {
        MainWindowAccessibleTest::SetUp();
        form->Show();
        Pump();
    }
};

TEST_F(CrossProcessTest, AnotherProcessReadsApplyAndItsDefaultActionShowsTheSuccessBox) {
    const bool hadKey = testing_support::KeyExists(HKEY_LOCAL_MACHINE, app::kTweakKey);
    testing_support::CreateKey(HKEY_LOCAL_MACHINE, app::kTweakKey);
    testing_support::MessageBoxRecorder boxes;
    const std::string out = RunClient(Arguments(form->cmdApply().hWnd(), 0, L"do"));
    Pump();
    if (!hadKey) testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, L"SYSTEM\\ControlSet001");

    EXPECT_EQ(Line(out, "object"), "0x00000000") << out;
    EXPECT_EQ(Line(out, "name"), "Apply");
    EXPECT_EQ(Line(out, "role"), std::to_string(ROLE_SYSTEM_PUSHBUTTON));
    EXPECT_EQ(Line(out, "shortcut"), "Alt+A");
    EXPECT_EQ(Line(out, "action"), "Press");
    RECT r{};
    GetWindowRect(form->cmdApply().hWnd(), &r);
    EXPECT_EQ(Line(out, "location"), std::to_string(r.left) + " " + std::to_string(r.top) + " 97 25");
    EXPECT_EQ(Line(out, "do"), "0x00000000");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, L"Success!");
}

TEST_F(CrossProcessTest, AnotherProcessClosesTheProgramThroughTheStripsClose) {
    const std::string out = RunClient(Arguments(form->picN().hwnd(), 2, L"do"));
    Pump();
    EXPECT_EQ(Line(out, "name"), "Close (Alt + F4)") << out;
    EXPECT_EQ(Line(out, "role"), std::to_string(ROLE_SYSTEM_PUSHBUTTON));
    EXPECT_EQ(Line(out, "do"), "0x00000000");
    EXPECT_FALSE(form->IsAlive());
}

TEST_F(CrossProcessTest, AClientHoldingTheObjectAfterTheWindowIsGoneGetsADisconnectedError) {
    const std::string out =
        RunClient(Arguments(form->cmdHome().hWnd(), 0, L"watch"), "location", [&] { form->Unload(); });
    EXPECT_EQ(Line(out, "name"), "Homepage") << out;
    EXPECT_EQ(Line(out, "shortcut"), "<0x00000001>") << "S_FALSE: no shortcut";
    const std::string gone = Line(out, "gone");
    EXPECT_TRUE(gone == "0x800401FD" || gone == "0x80010108") << out;  // CO_E_OBJNOTCONNECTED, RPC_E_DISCONNECTED
}

}  // namespace

namespace {

TEST_F(MainWindowAccessibleTest, TheBannerIsAGraphicAmongTheWindowsChildren) {
    AccessibleObjectOf window(form->hwnd());
    ASSERT_TRUE(window);
    EXPECT_EQ(window.Name(0), L"Tarnwick!");
    EXPECT_EQ(window.Name(1), L"Tarnwick");
    EXPECT_EQ(window.Role(1), ROLE_SYSTEM_GRAPHIC);
    RECT banner = form->Image1().rect;
    MapWindowPoints(form->hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&banner), 2);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(window->accLocation(&left, &top, &width, &height, Child(1)), S_OK);
    EXPECT_EQ(std::make_tuple(left, top, width, height), std::make_tuple(banner.left, banner.top, 345L, 41L));
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(window->accHitTest(banner.left + 10, banner.top + 10, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, 1);

    // The child windows are listed first, then the banner: a client walking the children
    // meets the buttons, the strip, the credits panel and the banner.
    VARIANT children[16];
    long got = 0;
    long count = 0;
    ASSERT_EQ(window->get_accChildCount(&count), S_OK);
    ASSERT_LE(count, 16);
    ASSERT_EQ(AccessibleChildren(reinterpret_cast<IAccessible*>(window.operator->()), 0, count, children, &got), S_OK);
    ASSERT_EQ(got, count);
    ASSERT_GE(got, 5);
    std::vector<HWND> windows;
    std::wstring last;
    for (long i = 0; i < got; ++i) {
        if (children[i].vt == VT_DISPATCH) {
            IAccessible* child = nullptr;
            if (SUCCEEDED(
                    children[i].pdispVal->QueryInterface(platform::kIIDAccessible, reinterpret_cast<void**>(&child)))) {
                HWND hwnd = nullptr;
                WindowFromAccessibleObject(child, &hwnd);
                windows.push_back(hwnd);
                child->Release();
            }
            last.clear();
        } else if (children[i].vt == VT_I4) {
            last = window.Name(children[i].lVal);
        }
        VariantClear(&children[i]);
    }
    EXPECT_EQ(last, L"Tarnwick");
    for (HWND expected : {form->cmdApply().hWnd(), form->cmdHome().hWnd(), form->picN().hwnd(), form->PicText().hwnd()})
        EXPECT_NE(std::find(windows.begin(), windows.end(), expected), windows.end());
}

}  // namespace

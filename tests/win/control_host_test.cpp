// A form's services to its controls: access keys, the default control's ambient change, and
// the parent chain through nested containers.
#include "platform/control_host.h"
#include "tests/support/dib_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::ControlHost;
using platform::FormControlSite;

// A control that records what the container asked of it.
class FakeControl : public platform::HostedControl {
public:
    explicit FakeControl(HWND parent)
        : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr, nullptr,
                                nullptr)) {}
    ~FakeControl() { DestroyWindow(hwnd_); }
    HWND ControlWindow() const override { return hwnd_; }
    bool ControlEnabled() const override { return true; }
    void AccessKeyPress(std::int16_t keyAscii) override { keys.push_back(keyAscii); }
    void AmbientChanged(std::wstring_view name) override { ambient.emplace_back(name); }

    std::vector<int> keys;
    std::vector<std::wstring> ambient;

private:
    HWND hwnd_;
};

MSG Message(UINT message, WPARAM wParam) {
    MSG msg{};
    msg.message = message;
    msg.wParam = wParam;
    return msg;
}

class ControlHostTest : public ::testing::Test {
protected:
    testing_support::PlainWindow form{200, 100};
    ControlHost host{form.hwnd()};
};

// Access keys, Enter and Esc through the message loop are the button's input tests; here
// what only the host decides.
TEST_F(ControlHostTest, AHiddenControlOrAKeyWithoutAltTakesNoAccessKey) {
    FakeControl apply(form.hwnd());
    FormControlSite& a = host.AddSite(L"cmdApply");
    a.SetControl(&apply);
    a.SetAccessKeys(L"a");
    EXPECT_FALSE(host.PreTranslate(Message(WM_CHAR, 'a'))) << "without Alt a letter is the focused control's";
    ShowWindow(apply.ControlWindow(), SW_HIDE);
    EXPECT_FALSE(host.PreTranslate(Message(WM_SYSCHAR, 'a')));
    EXPECT_TRUE(apply.keys.empty());
}

TEST_F(ControlHostTest, ChangingTheDefaultTellsTheOldAndTheNewControl) {
    FakeControl first(form.hwnd()), second(form.hwnd());
    FormControlSite& f = host.AddSite(L"first");
    FormControlSite& s = host.AddSite(L"second");
    f.SetControl(&first);
    s.SetControl(&second);
    host.SetDefault(&f);
    EXPECT_TRUE(f.AmbientDisplayAsDefault());
    EXPECT_FALSE(s.AmbientDisplayAsDefault());
    host.SetDefault(&s);
    host.SetDefault(&s);  // no change, no notification
    EXPECT_EQ(first.ambient, (std::vector<std::wstring>{L"DisplayAsDefault", L"DisplayAsDefault"}));
    EXPECT_EQ(second.ambient, (std::vector<std::wstring>{L"DisplayAsDefault"}));
    EXPECT_TRUE(s.AmbientDisplayAsDefault());
}

TEST_F(ControlHostTest, TheParentChainMarksTheFormThroughNestedContainers) {
    HWND frame =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, form.hwnd(), nullptr, nullptr, nullptr);
    FakeControl nested(frame);
    FormControlSite& site = host.AddSite(L"nested");
    site.SetControl(&nested);
    const auto chain = site.ParentChain();
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0].hwnd, frame);
    EXPECT_FALSE(chain[0].isForm);
    EXPECT_EQ(chain[1].hwnd, form.hwnd());
    EXPECT_TRUE(chain[1].isForm);
    DestroyWindow(frame);
}

TEST_F(ControlHostTest, AmbientPropertiesComeFromTheHost) {
    host.ambientFont = {L"Tahoma", 10.0f};
    host.ambientForeColor = 0x000000FF;
    host.userMode = false;
    FormControlSite& site = host.AddSite(L"cmdApply");
    EXPECT_EQ(site.AmbientDisplayName(), L"cmdApply");
    EXPECT_EQ(site.AmbientFont().name, L"Tahoma");
    EXPECT_EQ(site.AmbientForeColor(), 0x000000FFu);
    EXPECT_FALSE(site.AmbientUserMode());
    std::vector<std::wstring> changed;
    site.onPropertyChanged = [&](std::wstring_view key) { changed.emplace_back(key); };
    site.PropertyChanged(L"Caption");
    EXPECT_EQ(changed, (std::vector<std::wstring>{L"Caption"}));
}

}  // namespace

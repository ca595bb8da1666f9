// The main window's parts for screen readers and other accessibility clients: the strip's
// two hot areas as push buttons named by their tooltips, the credits panel as read-only text
// whose value is the credit lines, and the banner as a graphic among the window's children.
#pragma once

#include "platform/accessible_object.h"

namespace app {

class FrmDictionary;

// A part of the main window that answers for the form it belongs to.
class FormPartAccessible : public platform::AccessibleSource {
protected:
    explicit FormPartAccessible(FrmDictionary& form) : form_(form) {}
    FrmDictionary& form_;
};

// picN: a tool bar whose children are Minimize (1) and Close (2), left to right.
class StripAccessible final : public FormPartAccessible {
public:
    explicit StripAccessible(FrmDictionary& form) : FormPartAccessible(form) {}
    static constexpr long kMinimise = 1;
    static constexpr long kClose = 2;

    long ChildCount() override { return 2; }
    std::wstring AccessibleName(long child) override;
    long AccessibleRole(long child) override;
    long AccessibleState(long child) override;
    std::wstring DefaultAction(long child) override;
    RECT ScreenLocation(long child) override;
    long ChildAt(POINT screen) override;
    bool DoDefaultAction(long child) override;
};

// PicText.
class CreditsAccessible final : public FormPartAccessible {
public:
    explicit CreditsAccessible(FrmDictionary& form) : FormPartAccessible(form) {}

    std::wstring AccessibleName(long) override { return {}; }
    std::wstring AccessibleValue(long child) override;
    long AccessibleRole(long child) override;
    long AccessibleState(long child) override;
    RECT ScreenLocation(long child) override;
};

// The window's client area: its child windows, then the banner (1), which has no window.
class FormAccessible final : public FormPartAccessible {
public:
    explicit FormAccessible(FrmDictionary& form) : FormPartAccessible(form) {}
    static constexpr long kBanner = 1;

    long ChildCount() override { return 1; }
    bool ListsChildWindows() override { return true; }
    std::wstring AccessibleName(long child) override;
    long AccessibleRole(long child) override;
    long AccessibleState(long child) override;
    RECT ScreenLocation(long child) override;
};

struct MainWindowAccessible {
    explicit MainWindowAccessible(FrmDictionary& form) : strip(form), credits(form), window(form) {}
    StripAccessible strip;
    CreditsAccessible credits;
    FormAccessible window;
};

}  // namespace app

// The workbench's container: an invisible form holding the buttons, with the ambient
// properties the workbench promises, printing every change notification and event.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/control_site.h"

namespace aerolab {

class LabSite : public platform::ControlSite {
public:
    LabSite(HWND form, std::wstring displayName, bool userMode)
        : form_(form), displayName_(std::move(displayName)), userMode_(userMode) {}

    std::wstring AmbientDisplayName() override { return displayName_; }
    platform::FontDescription AmbientFont() override { return {L"MS Sans Serif", 8.25f}; }
    std::uint32_t AmbientForeColor() override { return 0x80000012; }
    bool AmbientUserMode() override { return userMode_; }
    bool AmbientDisplayAsDefault() override { return displayAsDefault; }
    void PropertyChanged(std::wstring_view key) override;
    void SetAccessKeys(std::wstring_view keys) override { accessKeys = keys; }
    void RaiseEvent(platform::ControlEvent& event) override;
    std::vector<platform::ParentLink> ParentChain() override { return {{form_, true}}; }
    void SendKeys(std::wstring_view keys) override;
    void DoEvents() override;

    bool displayAsDefault = false;
    std::wstring accessKeys;
    // Lines are printed only while this is on (the set command reports its own items).
    bool echo = true;

private:
    HWND form_;
    std::wstring displayName_;
    bool userMode_;
};

// A top-level window for the buttons; invisible unless shown.
class LabForm {
public:
    LabForm(const wchar_t* title, int clientWidth, int clientHeight);
    ~LabForm();
    LabForm(const LabForm&) = delete;
    LabForm& operator=(const LabForm&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Writes one line to standard output and flushes it.
void PrintLine(const std::string& line);

}  // namespace aerolab

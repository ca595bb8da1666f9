// A form's services to the controls it holds: one site per control (ambient properties,
// change notifications, event delivery, access keys), and the keyboard routing of a form:
// Alt plus a control's access key, and Enter and Esc to the default and cancel controls.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/control_site.h"

namespace platform {

// What the container calls on a control besides its window's own input.
class HostedControl {
public:
    virtual HWND ControlWindow() const = 0;
    virtual bool ControlEnabled() const = 0;
    // Alt plus one of the control's access keys (the key's character), or Enter (13) and Esc
    // (27) for the default and cancel control.
    virtual void AccessKeyPress(std::int16_t keyAscii) = 0;
    virtual void AmbientChanged(std::wstring_view propertyName) = 0;

protected:
    ~HostedControl() = default;
};

class ControlHost;

class FormControlSite : public ControlSite {
public:
    using EventHandler = std::function<void(ControlEvent&)>;

    FormControlSite(ControlHost& host, std::wstring name);

    std::wstring AmbientDisplayName() override { return name_; }
    FontDescription AmbientFont() override;
    std::uint32_t AmbientForeColor() override;
    bool AmbientUserMode() override;
    bool AmbientDisplayAsDefault() override;
    void PropertyChanged(std::wstring_view key) override;
    void SetAccessKeys(std::wstring_view keys) override { accessKeys_ = keys; }
    void RaiseEvent(ControlEvent& event) override;
    std::vector<ParentLink> ParentChain() override;
    void SendKeys(std::wstring_view keys) override;
    void DoEvents() override;

    const std::wstring& Name() const { return name_; }
    const std::wstring& AccessKeys() const { return accessKeys_; }
    void SetControl(HostedControl* control) { control_ = control; }
    HostedControl* Control() const { return control_; }

    // The control's events, as they are raised.
    EventHandler onEvent;
    // Change notifications, as keys.
    std::function<void(std::wstring_view)> onPropertyChanged;

private:
    ControlHost& host_;
    std::wstring name_;
    std::wstring accessKeys_;
    HostedControl* control_ = nullptr;
};

class ControlHost {
public:
    explicit ControlHost(HWND form) : form_(form) {}
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // A new site for a control named name; it lives as long as the host.
    FormControlSite& AddSite(std::wstring name);

    HWND Form() const { return form_; }
    FontDescription ambientFont;  // the form's font
    std::uint32_t ambientForeColor = kButtonTextColor;
    bool userMode = true;

    // The controls that Enter and Esc click; none by default. Changing the default control
    // tells both the old and the new one that DisplayAsDefault changed.
    void SetDefault(FormControlSite* site);
    void SetCancel(FormControlSite* site) { cancel_ = site; }
    FormControlSite* Default() const { return default_; }

    // Routes a keyboard message of the form before the usual navigation sees it; true when
    // a control took it. Enter and Esc are taken only when there is a default or cancel
    // control; otherwise they stay ordinary keys of the focused control.
    bool PreTranslate(const MSG& message);

private:
    HWND form_;
    std::vector<std::unique_ptr<FormControlSite>> sites_;
    FormControlSite* default_ = nullptr;
    FormControlSite* cancel_ = nullptr;
};

// Posted to a form to move the focus to the next control in tab order (wParam 0) or the
// previous one (wParam 1), when the messages waiting are processed.
inline constexpr UINT kMoveFocusMessage = WM_APP + 0x301;

}  // namespace platform

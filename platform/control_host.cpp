// The form's side of hosted controls: a site per control, ambient properties, access keys, default and cancel.
#include "platform/control_host.h"

#include "platform/message_loop.h"
#include "platform/text_case.h"

namespace platform {

FormControlSite::FormControlSite(ControlHost& host, std::wstring name) : host_(host), name_(std::move(name)) {}

FontDescription FormControlSite::AmbientFont() { return host_.ambientFont; }
std::uint32_t FormControlSite::AmbientForeColor() { return host_.ambientForeColor; }
bool FormControlSite::AmbientUserMode() { return host_.userMode; }
bool FormControlSite::AmbientDisplayAsDefault() { return host_.Default() == this; }

void FormControlSite::PropertyChanged(std::wstring_view key) {
    if (onPropertyChanged) onPropertyChanged(key);
}

void FormControlSite::RaiseEvent(ControlEvent& event) {
    if (onEvent) onEvent(event);
}

std::vector<ParentLink> FormControlSite::ParentChain() {
    std::vector<ParentLink> chain;
    HWND window = control_ ? GetParent(control_->ControlWindow()) : host_.Form();
    while (window && chain.size() < 3) {
        // A form is a top-level window or a document window of a multiple-document frame;
        // picture boxes and frames between are not.
        const bool topLevel = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
        const bool mdiChild = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
        chain.push_back({window, topLevel || mdiChild});
        window = GetParent(window);
    }
    return chain;
}

void FormControlSite::SendKeys(std::wstring_view keys) {
    // Tab and Shift+Tab stand for a move to the next or previous control. It is queued to the
    // form as a message of its own rather than injected as keystrokes: injected keys pass
    // through the system's input thread (so processing the waiting messages may not see them
    // yet) and would reach the controls as key events of their own.
    if (keys != L"{TAB}" && keys != L"+{TAB}") return;
    PostMessageW(host_.Form(), kMoveFocusMessage, keys == L"+{TAB}" ? 1 : 0, 0);
}

void FormControlSite::DoEvents() { ProcessPendingMessages(); }

FormControlSite& ControlHost::AddSite(std::wstring name) {
    sites_.push_back(std::make_unique<FormControlSite>(*this, std::move(name)));
    return *sites_.back();
}

void ControlHost::SetDefault(FormControlSite* site) {
    if (site == default_) return;
    FormControlSite* old = default_;
    default_ = site;
    for (FormControlSite* changed : {old, site}) {
        if (changed && changed->Control()) changed->Control()->AmbientChanged(L"DisplayAsDefault");
    }
}

bool ControlHost::PreTranslate(const MSG& message) {
    if (message.message == WM_SYSCHAR) {
        // Compared in lower case by the same rules the control's key was made with.
        const std::wstring typed = LowerCase(std::wstring(1, static_cast<wchar_t>(message.wParam)));
        for (const auto& site : sites_) {
            HostedControl* control = site->Control();
            if (!control || site->AccessKeys().find(typed) == std::wstring::npos) continue;
            // A hidden control takes no access key (its form may be hidden too: it still routes).
            if (!(GetWindowLongPtrW(control->ControlWindow(), GWL_STYLE) & WS_VISIBLE)) continue;
            control->AccessKeyPress(static_cast<std::int16_t>(message.wParam));
            return true;
        }
        return false;
    }
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        FormControlSite* target = message.wParam == VK_RETURN ? default_ : cancel_;
        if (!target || !target->Control()) return false;
        target->Control()->AccessKeyPress(message.wParam == VK_RETURN ? 13 : 27);
        return true;
    }
    return false;
}

}  // namespace platform

#include "platform/control_host.h"

#include <cwctype>

#include "platform/message_loop.h"

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
        // A form is a top-level window; picture boxes and frames between are not.
        chain.push_back({window, (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0});
        window = GetParent(window);
    }
    return chain;
}

void FormControlSite::SendKeys(std::wstring_view keys) {
    INPUT inputs[4]{};
    UINT count = 0;
    const bool shifted = keys == L"+{TAB}";
    auto key = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (shifted) key(VK_SHIFT, false);
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (shifted) key(VK_SHIFT, true);
    // Queued for the active window; nothing waits for it to be handled.
    SendInput(count, inputs, sizeof(INPUT));
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
        const wchar_t typed = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(message.wParam)));
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

// What the button tells accessibility clients, from the facts the button gives.
#include "controls/aerobutton/button_accessible.h"

#include "controls/aerobutton/access_key.h"
#include "controls/aerobutton/aero_button.h"
#include "platform/text_case.h"

namespace aerobutton {

long ButtonStateFlags(const AccessibleFacts& facts) {
    long flags = 0;
    if (facts.enabled) {
        flags |= STATE_SYSTEM_FOCUSABLE;
    } else {
        flags |= STATE_SYSTEM_UNAVAILABLE;
    }
    if (facts.focused) flags |= STATE_SYSTEM_FOCUSED;
    if (facts.pressed) flags |= STATE_SYSTEM_PRESSED;
    if (facts.toggle && facts.checked) flags |= STATE_SYSTEM_CHECKED;
    if (facts.hot) flags |= STATE_SYSTEM_HOTTRACKED;
    if (facts.isDefault) flags |= STATE_SYSTEM_DEFAULT;
    if (facts.hidden) flags |= STATE_SYSTEM_INVISIBLE;
    return flags;
}

std::wstring ButtonDefaultAction(const AccessibleFacts& facts) {
    if (!facts.toggle) return L"Press";
    return facts.checked ? L"Uncheck" : L"Check";
}

std::wstring ButtonShortcut(std::wstring_view caption) {
    const std::wstring key = AccessKeyFromCaption(caption);
    if (key.empty()) return {};
    return L"Alt+" + platform::UpperCase(key);
}

std::wstring ButtonAccessible::AccessibleName(long) { return ShownCaption(button_.AccessibleCaption()); }

long ButtonAccessible::AccessibleRole(long) {
    return button_.Facts().toggle ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
}

long ButtonAccessible::AccessibleState(long) { return ButtonStateFlags(button_.Facts()); }

std::wstring ButtonAccessible::DefaultAction(long) { return ButtonDefaultAction(button_.Facts()); }

std::wstring ButtonAccessible::KeyboardShortcut(long) { return ButtonShortcut(button_.AccessibleCaption()); }

RECT ButtonAccessible::ScreenLocation(long) {
    RECT r{};
    GetWindowRect(button_.AccessibleWindow(), &r);
    return r;
}

bool ButtonAccessible::DoDefaultAction(long) { return button_.QueueAccessibleClick(); }

}  // namespace aerobutton

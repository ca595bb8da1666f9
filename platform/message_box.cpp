// Modal message boxes, and the hook that lets tests answer them.
#include "platform/message_box.h"

#include <utility>

namespace platform {

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

void ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view title, UINT icon) {
    const UINT flags = MB_OK | icon;
    const std::wstring textCopy(text), titleCopy(title);
    if (Hook()) {
        Hook()(owner, textCopy, titleCopy, flags);
        return;
    }
    // The answer is always OK; there is nothing to examine.
    MessageBoxW(owner, textCopy.c_str(), titleCopy.c_str(), flags);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) { return std::exchange(Hook(), std::move(hook)); }

}  // namespace platform

// The message loop: pre-translation by the root window, dialog navigation, and pending messages processed.
#include "platform/message_loop.h"

#include <windows.h>

#include "platform/window.h"

namespace platform {

namespace {
// Enter and Esc reach the dialog navigation only as its OK and Cancel commands, which no form
// here answers: the host routes them to its default and cancel controls first, and where it
// has none they are ordinary keys of the focused control.
bool IsEnterOrEsc(const MSG& msg) {
    return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
           (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

void Dispatch(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    // The form routes access keys, Enter and Esc to its controls first.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        if (Window* form = Window::FromHandle(root); form && form->PreTranslate(msg)) return;
    }
    if (root && !IsEnterOrEsc(msg) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
}  // namespace

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void ProcessPendingMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
            return;
        }
        Dispatch(msg);
    }
}

}  // namespace platform

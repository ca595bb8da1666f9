// What input and size messages carry, decoded in one place for every window: the held mouse
// buttons (1 left, 2 right, 4 middle), the modifier keys (Shift 1, Ctrl 2, Alt 4), the mouse
// position and the client size.
#pragma once

#include <windows.h>

namespace platform {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

// The buttons a mouse message's wParam reports as held.
inline int HeldButtons(WPARAM keys) {
    int held = 0;
    if (keys & MK_LBUTTON) held |= kLeftButton;
    if (keys & MK_RBUTTON) held |= kRightButton;
    if (keys & MK_MBUTTON) held |= kMiddleButton;
    return held;
}

// The modifiers of a mouse message: Shift and Ctrl as its wParam reports them, Alt (which a
// mouse message does not carry) from the thread's key state.
inline int MouseShiftState(WPARAM keys) {
    int shift = 0;
    if (keys & MK_SHIFT) shift |= kShiftKey;
    if (keys & MK_CONTROL) shift |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltKey;
    return shift;
}

// The modifiers held when the keyboard message being handled was sent.
inline int KeyShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftKey;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltKey;
    return shift;
}

// Whether a message is a press, double click or release of one of the three mouse buttons.
inline bool IsMouseButtonMessage(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: return true;
        default: return false;
    }
}

// The button a mouse button message is about (left for an unknown one).
inline int ButtonOfMessage(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK: return kRightButton;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK: return kMiddleButton;
        default: return kLeftButton;
    }
}

// Position of the mouse in a mouse message's lParam, in client pixels (signed: captured moves
// off the window's top or left are negative).
inline POINT MousePoint(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The new client size a WM_SIZE message reports.
inline SIZE ClientSizeOf(LPARAM lParam) { return SIZE{LOWORD(lParam), HIWORD(lParam)}; }

}  // namespace platform

#include "controls/aerobutton/button_surface.h"

#include "controls/aerobutton/enumerations.h"

namespace aerobutton {

namespace {
// Only the factory can construct: the window procedure needs the object before the window.
class ConstructibleSurface : public ButtonSurface {
public:
    ConstructibleSurface() = default;
    using SurfaceWindow::CreateSurface;
};
}  // namespace

std::unique_ptr<ButtonSurface> ButtonSurface::Create(HWND parent, int x, int y, int width, int height) {
    auto surface = std::make_unique<ConstructibleSurface>();
    if (!surface->CreateSurface(0, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, x, y, width, height,
                                parent)) {
        return nullptr;
    }
    surface->SetScaleMode(platform::ScaleMode::Pixels);
    surface->SetAutoRedraw(true);
    return surface;
}

HCURSOR StandardCursorFor(std::int16_t code) {
    const wchar_t* id = nullptr;
    switch (code) {
        case 1: id = IDC_ARROW; break;
        case 2: id = IDC_CROSS; break;
        case 3: id = IDC_IBEAM; break;
        case 4: id = IDC_ICON; break;
        case 5: id = IDC_SIZEALL; break;
        case 6: id = IDC_SIZENESW; break;
        case 7: id = IDC_SIZENS; break;
        case 8: id = IDC_SIZENWSE; break;
        case 9: id = IDC_SIZEWE; break;
        case 10: id = IDC_UPARROW; break;
        case 11: id = IDC_WAIT; break;
        case 12: id = IDC_NO; break;
        case 13: id = IDC_APPSTARTING; break;
        case 14: id = IDC_HELP; break;
        case 15: id = IDC_SIZEALL; break;
        default: return nullptr;
    }
    // Shared system cursors: never destroyed.
    return LoadCursorW(nullptr, id);
}

void ButtonSurface::SetMousePointer(std::int16_t code) { pointer_ = code; }

void ButtonSurface::SetMouseIcon(platform::PicturePtr icon) { mouseIcon_ = std::move(icon); }

void ButtonSurface::ApplyPointer() const {
    HCURSOR cursor = nullptr;
    if (pointer_ == kPointerCustom) {
        if (mouseIcon_ && mouseIcon_->Icon()) cursor = reinterpret_cast<HCURSOR>(mouseIcon_->Icon());
    } else {
        cursor = StandardCursorFor(pointer_);
    }
    if (!cursor) cursor = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(cursor);
}

bool ButtonSurface::IsEnabled() const { return IsAlive() && IsWindowEnabled(hwnd()); }

void ButtonSurface::SetEnabled(bool enabled) {
    if (IsAlive()) EnableWindow(hwnd(), enabled ? TRUE : FALSE);
}

namespace {
std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

std::int16_t ButtonsHeld(WPARAM keys) {
    std::int16_t held = 0;
    if (keys & MK_LBUTTON) held |= 1;
    if (keys & MK_RBUTTON) held |= 2;
    if (keys & MK_MBUTTON) held |= 4;
    return held;
}

std::int16_t ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return 1;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
        default: return 4;
    }
}

float X(LPARAM lParam) { return static_cast<float>(static_cast<short>(LOWORD(lParam))); }
float Y(LPARAM lParam) { return static_cast<float>(static_cast<short>(HIWORD(lParam))); }
}  // namespace

bool ButtonSurface::OnInput(UINT message, WPARAM wParam, LPARAM lParam) {
    SurfaceNotifications* to = notifications;
    if (!to) return false;
    switch (message) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
            const std::int16_t button = ButtonOf(message);
            if (button == 1 && GetFocus() != hwnd()) SetFocus(hwnd());
            // The container holds the mouse from a press to its release, so moves off the
            // window still arrive.
            if (GetCapture() != hwnd()) SetCapture(hwnd());
            pressedHere_ |= button;
            to->OnMouseDown(button, ShiftState(), X(lParam), Y(lParam));
            return true;
        }
        case WM_LBUTTONDBLCLK:
            if (GetFocus() != hwnd()) SetFocus(hwnd());
            if (GetCapture() != hwnd()) SetCapture(hwnd());
            pressedHere_ |= 1;
            to->OnDblClick();
            return true;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
            const std::int16_t button = ButtonOf(message);
            const bool pressedHere = (pressedHere_ & button) != 0;
            pressedHere_ &= ~button;
            RECT client{};
            GetClientRect(hwnd(), &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const bool over = PtInRect(&client, at) != FALSE;
            if (pressedHere_ == 0 && GetCapture() == hwnd()) ReleaseCapture();
            to->OnMouseUp(button, ShiftState(), X(lParam), Y(lParam));
            if (pressedHere && over && IsAlive()) to->OnClick();
            return true;
        }
        case WM_MOUSEMOVE:
            to->OnMouseMove(ButtonsHeld(wParam), ShiftState(), X(lParam), Y(lParam));
            return true;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd()) pressedHere_ = 0;
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            to->OnKeyDown(static_cast<std::int16_t>(wParam), ShiftState());
            return message == WM_KEYDOWN;  // system keys go on to the default handling
        case WM_KEYUP:
        case WM_SYSKEYUP:
            to->OnKeyUp(static_cast<std::int16_t>(wParam), ShiftState());
            return message == WM_KEYUP;
        case WM_CHAR:
            to->OnKeyPress(static_cast<std::int16_t>(wParam));
            return true;
        case WM_SETFOCUS:
            to->OnGotFocus();
            return true;
        case WM_KILLFOCUS:
            to->OnLostFocus();
            return true;
        default:
            return false;
    }
}

LRESULT ButtonSurface::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hook) {
        LRESULT result = 0;
        if (hook(message, wParam, lParam, result)) return result;
    }
    // Arrows and characters are the button's own; Tab still moves between controls.
    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (OnInput(message, wParam, lParam)) return 0;
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        ApplyPointer();
        return TRUE;
    }
    return SurfaceWindow::OnMessage(message, wParam, lParam);
}

void ButtonSurface::OnSized(WPARAM kind) {
    (void)kind;
    if (resized) resized();
}

}  // namespace aerobutton

// The button's window: its drawing surface, pointer and enabled state, and its input turned into notifications.
#include "controls/aerobutton/button_surface.h"

#include "controls/aerobutton/enumerations.h"
#include "platform/input_state.h"

namespace aerobutton {

namespace {
// Posted to the window by QueueDefaultAction.
constexpr UINT kDefaultActionMessage = WM_APP + 0x310;

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

bool ButtonSurface::IsOver(POINT screen) const { return IsAlive() && WindowFromPoint(screen) == hwnd(); }

bool ButtonSurface::IsCursorOver() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    return IsOver(cursor);
}

namespace {
std::int16_t Narrow(int value) { return static_cast<std::int16_t>(value); }
float Coordinate(int pixels) { return static_cast<float>(pixels); }
}  // namespace

void ButtonSurface::OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace platform;
    SurfaceNotifications* to = notifications;
    const int button = ButtonOfMessage(message);
    const POINT client = MousePoint(lParam);
    const float x = Coordinate(client.x);
    const float y = Coordinate(client.y);
    const std::int16_t shift = Narrow(MouseShiftState(wParam));
    if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
        const bool pressedHere = (pressedHere_ & button) != 0;
        pressedHere_ &= ~button;
        POINT at = client;
        ClientToScreen(hwnd(), &at);
        // The same hit test as the moves: released over a cut-away corner is released outside.
        const bool over = IsOver(at);
        if (pressedHere_ == 0 && capturedForPress_) {
            capturedForPress_ = false;
            if (GetCapture() == hwnd()) ::ReleaseCapture();
        }
        to->OnMouseUp(Narrow(button), shift, x, y);
        if (pressedHere && over && IsAlive()) to->OnClick();
        return;
    }
    if (button == kLeftButton && GetFocus() != hwnd()) SetFocus(hwnd());
    // The container holds the mouse from a press to its release, so moves off the window
    // still arrive.
    if (GetCapture() != hwnd()) {
        SetCapture(hwnd());
        capturedForPress_ = true;
    }
    pressedHere_ |= button;
    if (message == WM_LBUTTONDBLCLK) {
        to->OnDblClick();
    } else {
        to->OnMouseDown(Narrow(button), shift, x, y);
    }
}

bool ButtonSurface::OnInput(UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace platform;
    SurfaceNotifications* to = notifications;
    if (!to) return false;
    if (IsMouseButtonMessage(message)) {
        OnMouseButton(message, wParam, lParam);
        return true;
    }
    switch (message) {
        case WM_MOUSEMOVE: {
            const POINT at = MousePoint(lParam);
            to->OnMouseMove(Narrow(HeldButtons(wParam)), Narrow(MouseShiftState(wParam)), Coordinate(at.x),
                            Coordinate(at.y));
            return true;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd()) {
                pressedHere_ = 0;
                capturedForPress_ = false;
            }
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            to->OnKeyDown(Narrow(static_cast<int>(wParam)), Narrow(KeyShiftState()));
            return message == WM_KEYDOWN;  // system keys go on to the default handling (Alt+F4)
        case WM_KEYUP:
        case WM_SYSKEYUP:
            to->OnKeyUp(Narrow(static_cast<int>(wParam)), Narrow(KeyShiftState()));
            return message == WM_KEYUP;
        case WM_CHAR: to->OnKeyPress(Narrow(static_cast<int>(wParam))); return true;
        case WM_SYSCHAR:
            // Alt+Space is the button's own key: the default handling would open the form's
            // system menu, whose loop takes the Space release and every key after it.
            return wParam == L' ';
        case WM_SETFOCUS: to->OnGotFocus(); return true;
        case WM_KILLFOCUS: to->OnLostFocus(); return true;
        default: return false;
    }
}

void ButtonSurface::QueueDefaultAction() const {
    if (IsAlive()) PostMessageW(hwnd(), kDefaultActionMessage, 0, 0);
}

LRESULT ButtonSurface::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDefaultActionMessage) {
        if (defaultAction) defaultAction();
        return 0;
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

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

LRESULT ButtonSurface::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hook) {
        LRESULT result = 0;
        if (hook(message, wParam, lParam, result)) return result;
    }
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

// The bridge from window procedures to C++ objects, window geometry, and the window's
// accessible object.
#include "platform/window.h"

#include "platform/accessible_object.h"
#include "platform/gdi_owner.h"

#include <string>
#include <utility>

namespace platform {

namespace {
int g_programIcon = 0;

void RegisterClassOnce(const wchar_t* className, WNDPROC procedure, UINT classStyle) {
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW wc{sizeof wc};
    wc.style = classStyle;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (g_programIcon) wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(g_programIcon));
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}
}  // namespace

void SetProgramIcon(int resourceId) { g_programIcon = resourceId; }

Window::Window() = default;

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd || reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)) != &Window::Procedure) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Window::~Window() {
    if (hwnd_) {
        // The derived parts are gone: the window's last messages go to the default procedure.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        accessible_.reset();
        DestroyWindow(std::exchange(hwnd_, nullptr));
        // Its WM_NCDESTROY went to the default procedure, which counts nothing.
        detail::CountUserObject(false);
    }
}

bool Window::Create(const wchar_t* className, DWORD exStyle, std::wstring_view title, DWORD style, int x, int y,
                    int width, int height, HWND parent, UINT_PTR id, UINT classStyle) {
    RegisterClassOnce(className, &Window::Procedure, classStyle);
    const std::wstring titleText(title);
    HWND created = CreateWindowExW(exStyle, className, titleText.c_str(), style, x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
    return created != nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        detail::CountUserObject(true);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_GETOBJECT && self->accessible_) {
        if (const LRESULT answer = self->accessible_->Answer(wParam, lParam)) return answer;
    }
    if (message == WM_NCDESTROY) {
        // Clients holding the accessible object get errors from now on.
        self->accessible_.reset();
        self->OnDestroyed();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        detail::CountUserObject(false);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultProc(message, wParam, lParam); }

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

RECT Window::RectInParent() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Window::WidthPixels() const {
    const RECT r = RectInParent();
    return r.right - r.left;
}

int Window::HeightPixels() const {
    const RECT r = RectInParent();
    return r.bottom - r.top;
}

int Window::ClientWidthPixels() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right;
}

int Window::ClientHeightPixels() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.bottom;
}

// A move or resize that changes nothing is not passed on: the window system would still
// send the position messages and, for a top-level window, synchronise with the display.
void Window::MovePixels(int left, int top) {
    const RECT now = RectInParent();
    if (now.left == left && now.top == top) return;
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::ResizePixels(int width, int height) {
    const RECT now = RectInParent();
    if (now.right - now.left == width && now.bottom - now.top == height) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::IsVisible() const { return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void Window::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

void Window::SetAccessibleSource(AccessibleSource* source) {
    accessible_.reset();
    if (source && hwnd_) accessible_ = std::make_unique<AccessibleServer>(hwnd_, *source);
}

void Window::NotifyAccessible(DWORD event, long child) const {
    if (accessible_) accessible_->Notify(event, child);
}

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace platform

// A surface that shows images and routes mouse input and tooltips to them (forms and picture boxes).
#include "platform/image_surface.h"

#include <commctrl.h>

#include <algorithm>

namespace platform {

namespace {
bool Contains(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}
}  // namespace

ImageControl& ImageSurface::AddImage(std::wstring name, RECT rect, PicturePtr picture) {
    auto image = std::make_unique<ImageControl>();
    image->name = std::move(name);
    image->rect = rect;
    image->picture = std::move(picture);
    images_.push_back(std::move(image));
    return *images_.back();
}

void ImageSurface::UpdateImage(ImageControl& image) {
    if (toolTips_) RegisterToolTip(image);
    InvalidateShown(&image.rect);
}

void ImageSurface::RegisterToolTip(ImageControl& image) {
    const auto index =
        std::find_if(images_.begin(), images_.end(), [&](const auto& candidate) { return candidate.get() == &image; }) -
        images_.begin();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = static_cast<UINT_PTR>(index + 1);
    tool.rect = image.rect;
    tool.lpszText = image.toolTip.data();
    SendMessageW(toolTips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!image.toolTip.empty() && image.visible)
        SendMessageW(toolTips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ImageSurface::EnsureToolTips() {
    // The tooltip window is a top-level window of its own, which is costly to create, and
    // is only needed once the pointer comes over the surface.
    if (toolTips_ || !IsAlive()) return;
    const bool anyTip = std::any_of(images_.begin(), images_.end(),
                                    [](const auto& image) { return !image->toolTip.empty() && image->visible; });
    if (!anyTip) return;
    toolTips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
    if (!toolTips_) return;
    for (const auto& image : images_) RegisterToolTip(*image);
}

void ImageSurface::OnDestroyed() {
    // The surface's window is going while the surface stays (Destroy, or its parent went): its
    // tooltip goes too, unless the system took it down already with the window that owns it.
    toolTips_.reset();
    SurfaceWindow::OnDestroyed();
}

void ImageSurface::PaintOver(HDC dc) {
    for (const auto& image : images_) {
        if (!image->visible || !image->picture) continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, image->rect.left, image->rect.top, image->rect.right, image->rect.bottom);
        image->picture->Draw(dc, image->rect.left, image->rect.top);
        RestoreDC(dc, saved);
    }
}

int ImageSurface::HitTest(int x, int y) const {
    for (int i = static_cast<int>(images_.size()) - 1; i >= 0; --i) {
        const auto& image = *images_[static_cast<size_t>(i)];
        if (image.visible && Contains(image.rect, x, y)) return i;
    }
    return -1;
}

MouseHandlers& ImageSurface::HandlersOf(int target) {
    return target < 0 ? mouse : images_[static_cast<size_t>(target)]->mouse;
}

MouseEvent ImageSurface::MakeEvent(int target, int button, WPARAM keys, LPARAM lParam) const {
    auto [x, y] = MousePoint(lParam);
    if (target >= 0) {
        x -= images_[static_cast<size_t>(target)]->rect.left;
        y -= images_[static_cast<size_t>(target)]->rect.top;
    }
    return MouseEvent{button, MouseShiftState(keys), static_cast<float>(PixelsToUnitsX(x)),
                      static_cast<float>(PixelsToUnitsY(y))};
}

void ImageSurface::OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    const int button = ButtonOfMessage(message);
    const bool down = message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP;
    const auto [x, y] = MousePoint(lParam);
    if (down) {
        if (pressedTarget_ == -2) {
            pressedTarget_ = HitTest(x, y);
            SetCapture(hwnd());
        }
        const int target = pressedTarget_;
        if (auto& handler = HandlersOf(target).down) handler(MakeEvent(target, button, wParam, lParam));
        return;
    }
    if (pressedTarget_ == -2) return;  // the press began elsewhere or a modal loop took it
    const int target = pressedTarget_;
    const bool released = HeldButtons(wParam) == 0;
    if (released) {
        pressedTarget_ = -2;
        ReleaseCapture();
    }
    if (auto& handler = HandlersOf(target).up) handler(MakeEvent(target, button, wParam, lParam));
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool over = Contains(client, x, y) && HitTest(x, y) == target;
    if (button == kLeftButton && over) {
        if (auto& handler = HandlersOf(target).click) handler();
    }
}

void ImageSurface::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    EnsureToolTips();
    const POINT at = MousePoint(lParam);
    const int target = pressedTarget_ != -2 ? pressedTarget_ : HitTest(at.x, at.y);
    if (auto& handler = HandlersOf(target).move) handler(MakeEvent(target, HeldButtons(wParam), wParam, lParam));
}

LRESULT ImageSurface::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsMouseButtonMessage(message)) {
        OnMouseButton(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
        case WM_CAPTURECHANGED:
            // A modal loop (the window-move loop of a drag) took the mouse: the press is over.
            if (reinterpret_cast<HWND>(lParam) != hwnd()) pressedTarget_ = -2;
            return 0;
        default: return SurfaceWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace platform

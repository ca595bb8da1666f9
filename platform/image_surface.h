// A surface that holds lightweight image controls, as forms and picture boxes do: windowless
// pictures (or hot areas) that it paints over its drawing and hit-tests itself, with their
// mouse events and tooltips, and mouse events of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi_owner.h"
#include "platform/input_state.h"
#include "platform/picture.h"
#include "platform/surface_window.h"

namespace platform {

struct MouseEvent {
    int button = 0;  // the button that went down or up; for a move, the set of buttons held
    int shift = 0;   // Shift 1, Ctrl 2, Alt 4
    float x = 0;     // in the container's units, relative to the control
    float y = 0;
};

struct MouseHandlers {
    std::function<void(const MouseEvent&)> down;
    std::function<void(const MouseEvent&)> move;
    std::function<void(const MouseEvent&)> up;
    std::function<void()> click;  // a left press and release over the same control
};

// A windowless image on a surface: shows a shared picture (or nothing, as a hot area) and
// receives the mouse where it lies over the surface. Later images lie above earlier ones.
struct ImageControl {
    std::wstring name;
    RECT rect{};  // pixels, in the surface's client area
    bool visible = true;
    PicturePtr picture;
    std::wstring toolTip;
    MouseHandlers mouse;
};

class ImageSurface : public SurfaceWindow {
public:
    ImageControl& AddImage(std::wstring name, RECT rect, PicturePtr picture = nullptr);
    // Makes the image's picture, visibility or tooltip change show. Tooltips appear once the
    // pointer has moved over the surface.
    void UpdateImage(ImageControl& image);

    // Mouse events over the surface itself (not over one of its images or child windows).
    MouseHandlers mouse;

protected:
    ImageSurface() = default;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintOver(HDC dc) override;
    void OnDestroyed() override;

private:
    void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    int HitTest(int x, int y) const;  // index of the topmost visible image, or -1
    MouseHandlers& HandlersOf(int target);
    MouseEvent MakeEvent(int target, int button, WPARAM keys, LPARAM lParam) const;
    void EnsureToolTips();
    void RegisterToolTip(ImageControl& image);

    std::vector<std::unique_ptr<ImageControl>> images_;
    // A popup that the system makes owned by the surface's top-level window, which for a child
    // surface outlives it: so it is destroyed here, before the surface's window or with it.
    UniqueWindow toolTips_;
    int pressedTarget_ = -2;  // -2: no press; -1: the surface; else an image index
};

}  // namespace platform

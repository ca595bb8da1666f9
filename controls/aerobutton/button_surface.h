// The button's own window: a child window with a persistent drawing surface in pixels, a
// mouse pointer code with an optional custom icon, and the one place where the window's
// mouse, keyboard and focus messages become the control's notifications.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/picture.h"
#include "platform/surface_window.h"

namespace aerobutton {

// The notifications the window gives the control, as a container delivers them: mouse
// (buttons 1 left, 2 right, 4 middle; Shift 1, Ctrl 2, Alt 4; pixels), a click after a press
// and release over the window, the second press of a double-click, keys, characters, focus.
class SurfaceNotifications {
public:
    virtual void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void OnClick() = 0;
    virtual void OnDblClick() = 0;
    virtual void OnKeyDown(std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void OnKeyPress(std::int16_t keyAscii) = 0;
    virtual void OnKeyUp(std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void OnGotFocus() = 0;
    virtual void OnLostFocus() = 0;

protected:
    ~SurfaceNotifications() = default;
};

class ButtonSurface : public platform::SurfaceWindow {
public:
    // A child window of parent at (x, y) of width x height pixels, shown, in the tab order.
    static std::unique_ptr<ButtonSurface> Create(HWND parent, int x, int y, int width, int height);

    // The pointer shown over the window: 0 the default arrow, 99 the mouse icon, other codes
    // the system's standard pointers.
    std::int16_t MousePointer() const { return pointer_; }
    void SetMousePointer(std::int16_t code);
    const platform::PicturePtr& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(platform::PicturePtr icon);
    // Shows the configured pointer now (as the window does whenever the cursor moves over it).
    void ApplyPointer() const;

    bool IsEnabled() const;
    void SetEnabled(bool enabled);

    // Whether a point of the screen lies over this window: the window system's own answer,
    // so the corners a window region cuts away count as outside, as do windows above it.
    bool IsOver(POINT screen) const;
    bool IsCursorOver() const;

    // Runs after the surface has followed a change of the client size.
    std::function<void()> resized;
    // Queues defaultAction, run when the window's messages are next processed: an
    // accessibility client's request returns at once, whatever the click then does.
    void QueueDefaultAction() const;
    std::function<void()> defaultAction;
    // Receives the window's input; none: the input is ignored.
    SurfaceNotifications* notifications = nullptr;

protected:
    ButtonSurface() = default;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSized(WPARAM kind) override;

private:
    bool OnInput(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);

    std::int16_t pointer_ = 0;
    int pressedHere_ = 0;  // mouse buttons pressed on this window and not yet released
    // Whether the window took the capture for a mouse press itself; a capture the control
    // holds for Space is the control's to release.
    bool capturedForPress_ = false;
    platform::PicturePtr mouseIcon_;
};

// The system cursor for a pointer code, or null for the default pointer and unknown codes.
HCURSOR StandardCursorFor(std::int16_t code);

}  // namespace aerobutton

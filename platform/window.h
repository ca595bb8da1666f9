// The one bridge from window procedures to C++ objects: `this` arrives with WM_NCCREATE and
// every later message goes to the object's OnMessage.
//
// The platform layer calls back one way: an object's events (a form's resize and unload, a
// timer's tick, an image's mouse, a site's control events) are std::function members that its
// owner sets; a derived window overrides the protected steps of its own window procedure.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace platform {

class AccessibleSource;
class AccessibleServer;

// The icon of every window class registered from here on: a resource id of the program's own
// module, or 0 for the system's default icon. The program sets it once at start-up.
void SetProgramIcon(int resourceId);

// The one destruction order of every window, written here once: dispatching to the object
// stops first (no handler of a part already destroyed can run), the accessible object is
// disconnected, then the window and its children are destroyed while the handle is valid. The
// derived parts, which destroy their members (and detach their subclasses) before this runs,
// choose nothing. A form that must raise its unload handlers is unloaded before it goes.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr; }

    // Geometry in pixels: the outer rectangle relative to the parent's client area (or to
    // the screen for a top-level window).
    RECT RectInParent() const;
    int WidthPixels() const;
    int HeightPixels() const;
    int ClientWidthPixels() const;
    int ClientHeightPixels() const;
    void MovePixels(int left, int top);
    void ResizePixels(int width, int height);
    bool IsVisible() const;
    void SetVisible(bool visible);

    void Destroy();

    // The object of a window created here; null for every other window (a message box, a
    // system control), told apart by the window class's procedure.
    static Window* FromHandle(HWND hwnd);
    // Sees a keyboard message for this top-level window or its children before the message
    // loop translates and dispatches it; true when it took the message.
    virtual bool PreTranslate(const MSG& msg) {
        (void)msg;
        return false;
    }

    // Serves the window's object for accessibility clients from source (null: the system's
    // standard object). The object is disconnected when the window or the source goes.
    void SetAccessibleSource(AccessibleSource* source);
    // Tells listening accessibility clients that something of the window changed (an
    // EVENT_OBJECT_ code); child 0 is the window's client object itself.
    void NotifyAccessible(DWORD event, long child = 0) const;

protected:
    Window();  // out of line: the accessible server is complete only there

    // Registers the class on first use (arrow cursor, the program's icon) and creates the window.
    bool Create(const wchar_t* className, DWORD exStyle, std::wstring_view title, DWORD style, int x, int y, int width,
                int height, HWND parent, UINT_PTR id, UINT classStyle = CS_DBLCLKS);

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs while WM_NCDESTROY is handled; the handle is still valid.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::unique_ptr<AccessibleServer> accessible_;
};

}  // namespace platform

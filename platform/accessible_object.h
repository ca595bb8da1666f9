// A window's object for screen readers and other accessibility clients (IAccessible): it
// answers from a source of facts, is handed out for the window's client area through
// WM_GETOBJECT, and is disconnected when its window goes while clients may still hold it.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace platform {

// The identifiers the system asks for by value; the import library has only a thunk for them.
inline constexpr IID kIIDAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The VARIANT by which clients name a child: VT_I4, CHILDID_SELF (0) for the object itself.
VARIANT ChildVariant(long child);

// What the object reports. Child 0 is the object itself; children 1 to ChildCount() are
// simple elements inside it, with no window and no children of their own.
class AccessibleSource {
public:
    virtual long ChildCount() { return 0; }
    // Whether the window's child windows count among the children too, listed (as the
    // system's own object lists them) before the simple elements.
    virtual bool ListsChildWindows() { return false; }
    virtual std::wstring AccessibleName(long child) = 0;
    // Empty text: the element has no value.
    virtual std::wstring AccessibleValue(long child) {
        (void)child;
        return {};
    }
    virtual long AccessibleRole(long child) = 0;
    virtual long AccessibleState(long child) = 0;
    // Empty text: the element has no default action or shortcut.
    virtual std::wstring DefaultAction(long child) {
        (void)child;
        return {};
    }
    virtual std::wstring KeyboardShortcut(long child) {
        (void)child;
        return {};
    }
    // The element's rectangle on the screen, in pixels.
    virtual RECT ScreenLocation(long child) = 0;
    // The child under a point of the screen, or 0 when none is; later children lie above
    // earlier ones unless the source says otherwise.
    virtual long ChildAt(POINT screen);
    // Starts the default action and returns at once; false when the element has none now.
    virtual bool DoDefaultAction(long child) {
        (void)child;
        return false;
    }

protected:
    ~AccessibleSource() = default;
};

class AccessibleObject;

// Owns a window's accessible object: made on the first request, disconnected (every method
// then fails with CO_E_OBJNOTCONNECTED) when the server goes or Disconnect is called.
class AccessibleServer {
public:
    AccessibleServer(HWND hwnd, AccessibleSource& source) : hwnd_(hwnd), source_(source) {}
    ~AccessibleServer() { Disconnect(); }
    AccessibleServer(const AccessibleServer&) = delete;
    AccessibleServer& operator=(const AccessibleServer&) = delete;

    // The answer to WM_GETOBJECT: the object for OBJID_CLIENT, 0 (the default handling) for
    // the window's other objects, and on a thread that has not started COM.
    LRESULT Answer(WPARAM wParam, LPARAM lParam);
    void Disconnect();
    // Tells listening clients that something of the element changed (an EVENT_OBJECT_ code).
    void Notify(DWORD event, long child = CHILDID_SELF) const;

private:
    HWND hwnd_;
    AccessibleSource& source_;
    AccessibleObject* object_ = nullptr;  // one reference held, released by Disconnect
};

}  // namespace platform

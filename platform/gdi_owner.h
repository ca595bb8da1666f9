// Move-only owners for GDI and USER objects, and a guard that restores a DC's selection.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/unique_owner.h"

namespace platform {

// Number of GDI objects currently held by the owners below; leak tests compare it before
// and after a workload, since GetGuiResources is not available everywhere.
long LiveGdiObjects();
// Number of USER objects held the same way: icons, and windows owned by a UniqueWindow or
// a platform::Window.
long LiveUserObjects();

namespace detail {
void CountGdiObject(bool created);
void CountUserObject(bool created);

template <typename HandleType>
struct GdiObjectTraits {
    using Handle = HandleType;
    static void Release(Handle handle) { DeleteObject(handle); }
    static void Count(bool created) { CountGdiObject(created); }
};

struct IconTraits {
    using Handle = HICON;
    static void Release(Handle handle) { DestroyIcon(handle); }
    static void Count(bool created) { CountUserObject(created); }
};

struct WindowTraits {
    using Handle = HWND;
    // A window that its owner or parent took down with it is gone already; destroying it
    // again only fails.
    static void Release(Handle handle) { DestroyWindow(handle); }
    static void Count(bool created) { CountUserObject(created); }
};
}  // namespace detail

// Owns one GDI object (pen, brush, region, bitmap, font) and deletes it with DeleteObject.
template <typename Handle>
using UniqueGdiObject = UniqueOwner<detail::GdiObjectTraits<Handle>>;

using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
// An icon or cursor made by the program (CreateIconIndirect, CopyIcon, CreateIconFromResourceEx),
// destroyed with DestroyIcon; never a shared one from LoadIcon.
using UniqueIcon = UniqueOwner<detail::IconTraits>;
// A window the program created outside platform::Window (a tooltip), destroyed with DestroyWindow.
using UniqueWindow = UniqueOwner<detail::WindowTraits>;

namespace detail {
struct MemoryDCTraits {
    using Handle = HDC;
    static void Release(Handle handle) { DeleteDC(handle); }
    static void Count(bool created) { CountGdiObject(created); }
};
}  // namespace detail

// A memory DC made with CreateCompatibleDC, deleted with DeleteDC.
class UniqueMemoryDC : public UniqueOwner<detail::MemoryDCTraits> {
public:
    UniqueMemoryDC() = default;
    explicit UniqueMemoryDC(HDC compatibleWith) : UniqueOwner(CreateCompatibleDC(compatibleWith)) {}
};

// A window's DC from GetDC, released with the window it came from.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(WindowDC&& other) noexcept : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint as one scope; keeps the PAINTSTRUCT that EndPaint needs. Empty when
// BeginPaint fails (a window that is gone): then there is no painting to end.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintDC() {
        if (dc_) EndPaint(hwnd_, &ps_);
    }
    PaintDC(PaintDC&& other) noexcept : hwnd_(other.hwnd_), ps_(other.ps_), dc_(std::exchange(other.dc_, nullptr)) {}
    PaintDC& operator=(PaintDC&&) = delete;
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    const RECT& dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when the guard ends. Declare
// the owner of the selected object before the guard, so the object outlives its selection.
// A guard moved from puts nothing back; one whose selection failed is empty.
class [[nodiscard]] SelectGuard {
public:
    SelectGuard() = default;
    [[nodiscard]] SelectGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {
        if (previous_ == HGDI_ERROR) previous_ = nullptr;
    }
    ~SelectGuard() { Restore(); }
    SelectGuard(SelectGuard&& other) noexcept : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectGuard& operator=(SelectGuard&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = other.dc_;
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    explicit operator bool() const { return previous_ != nullptr; }
    // Selects another object of the same kind in place of the one selected now; the guard
    // still puts back what was there before it. One call where ending this guard and starting
    // another would take two (a font selected twice is realised twice).
    void Reselect(HGDIOBJ object) {
        if (previous_ && object) SelectObject(dc_, object);
    }

private:
    void Restore() {
        if (previous_) SelectObject(dc_, std::exchange(previous_, nullptr));
    }

    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace platform

// Move-only owners for GDI and USER objects, and a guard that restores a DC's selection.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

// Number of GDI objects currently held by the owners below; leak tests compare it before
// and after a workload, since GetGuiResources is not available everywhere.
long LiveGdiObjects();

namespace detail {
void CountGdiObject(bool created);
}

// Owns one GDI object (pen, brush, region, bitmap, font) and deletes it with DeleteObject.
template <typename Handle>
class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) : handle_(handle) {
        if (handle_) detail::CountGdiObject(true);
    }
    ~UniqueGdiObject() { reset(); }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives up ownership, for a handle whose new owner releases it (a window region).
    Handle release() {
        if (handle_) detail::CountGdiObject(false);
        return std::exchange(handle_, nullptr);
    }
    void reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            detail::CountGdiObject(false);
        }
        handle_ = handle;
        if (handle_) detail::CountGdiObject(true);
    }

private:
    Handle handle_ = nullptr;
};

using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;

// A memory DC, deleted with DeleteDC.
class UniqueMemoryDC {
public:
    UniqueMemoryDC() = default;
    explicit UniqueMemoryDC(HDC compatibleWith);  // CreateCompatibleDC
    ~UniqueMemoryDC() { reset(); }
    UniqueMemoryDC(UniqueMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    UniqueMemoryDC& operator=(UniqueMemoryDC&& other) noexcept;
    UniqueMemoryDC(const UniqueMemoryDC&) = delete;
    UniqueMemoryDC& operator=(const UniqueMemoryDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset();

private:
    HDC dc_ = nullptr;
};

// A window's DC from GetDC, released with the window it came from.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(WindowDC&& other) noexcept
        : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint as one scope; keeps the PAINTSTRUCT that EndPaint needs.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return ps_.hdc; }
    const RECT& dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back when the scope ends. Declare
// the owner of the selected object before the guard, so the object outlives its selection.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace platform

// A DIB-backed drawing surface for tests: a memory DC over a 24-bit DIB section whose pixels
// read back exactly.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/back_image.h"

namespace testing_support {

class DibSurface {
public:
    DibSurface(int width, int height, COLORREF fill) { image_.EnsureSize(width, height, fill); }

    HDC dc() const { return image_.dc(); }
    COLORREF At(int x, int y) const { return image_.PixelAt(x, y); }

    // The pixels of column x from row y1 to y2, both included.
    std::vector<COLORREF> Column(int x, int y1, int y2) const {
        std::vector<COLORREF> pixels;
        for (int y = y1; y <= y2; ++y) pixels.push_back(At(x, y));
        return pixels;
    }
    // The pixels of row y from column x1 to x2, both included.
    std::vector<COLORREF> Row(int y, int x1, int x2) const {
        std::vector<COLORREF> pixels;
        for (int x = x1; x <= x2; ++x) pixels.push_back(At(x, y));
        return pixels;
    }

private:
    platform::BackImage image_;
};

// A borderless pop-up window whose window and client coordinates coincide; destroyed with
// the object.
class PlainWindow {
public:
    PlainWindow(int width, int height)
        : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr)) {
    }
    ~PlainWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

}  // namespace testing_support

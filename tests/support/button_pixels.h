// Reading a button's painted surface back as tables of pixels: a pixel type that prints as
// (r,g,b) when a table differs, the outline and frame colours of the looks, and a fixture
// holding one button with an empty caption on a hidden parent window.
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <vector>

#include "controls/aerobutton/aero_button.h"
#include "tests/support/dib_surface.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

namespace testing_support {

struct Px {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Px&) const = default;
};
inline void PrintTo(const Px& p, std::ostream* os) { *os << "(" << p.r << "," << p.g << "," << p.b << ")"; }
using Pixels = std::vector<Px>;

inline Px ToPx(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
inline Px Grey(int v) { return {v, v, v}; }
inline Pixels Greys(const std::vector<int>& levels) {
    Pixels pixels;
    for (int v : levels) pixels.push_back(Grey(v));
    return pixels;
}
inline Pixels operator+(Pixels a, const Pixels& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
inline Pixels Repeat(Px p, int n) { return Pixels(n, p); }

inline constexpr Px kPlainOutline{112, 112, 112};
inline constexpr Px kBlueOutline{60, 127, 177};
inline constexpr Px kDownOutline{44, 98, 139};
inline constexpr Px kDisabledOutline{173, 178, 181};
inline constexpr Px kWhite{255, 255, 255};
inline constexpr Px kFocusFrame{72, 216, 251};
inline constexpr Px kShadow{158, 176, 186};

class ButtonPixelTest : public ::testing::Test {
protected:
    // A run-mode button loaded with the new-instance values and no caption, so that no glyph
    // lands on a pixel under test.
    void Create(int width = 75, int height = 23) {
        ASSERT_NE(parent.hwnd(), nullptr);
        button = std::make_unique<aerobutton::AeroButton>(site, parent.hwnd(), 10, 10, width, height);
        button->InitProperties();
        button->SetCaption(L"");
        site.Take();
    }

    // Focus, active parent, default, mouse over, mouse held; no press in progress.
    void Flags(bool focus, bool active, bool isDefault, bool over, bool held) {
        button->SetRunTimeFlags(focus, active, isDefault, over, held, false, false);
    }

    Px At(int x, int y) const { return ToPx(button->Surface().Image().PixelAt(x, y)); }
    // Rows y1 to y2 of column x, both included.
    Pixels Column(int x, int y1, int y2) const {
        Pixels pixels;
        for (int y = y1; y <= y2; ++y) pixels.push_back(At(x, y));
        return pixels;
    }
    // Columns x1 to x2 of row y, both included.
    Pixels Row(int y, int x1, int x2) const {
        Pixels pixels;
        for (int x = x1; x <= x2; ++x) pixels.push_back(At(x, y));
        return pixels;
    }
    // (1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2): where the corner pixels go.
    Pixels InnerCorners() const {
        const int w = button->ClientWidth();
        const int h = button->ClientHeight();
        return {At(1, 1), At(1, h - 2), At(w - 2, 1), At(w - 2, h - 2)};
    }

    PlainWindow parent{300, 200};
    RecordingSite site;
    std::unique_ptr<aerobutton::AeroButton> button;
};

}  // namespace testing_support

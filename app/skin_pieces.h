// Where the pieces of the 640 x 480 skin atlas go on the main window's client area: nine
// copies, each drawn over the earlier ones (no <windows.h>: built and tested natively too).
#pragma once

#include <array>

namespace app {

// A rectangle as (x, y, width, height) in pixels. Extents may be zero or negative for a
// client area smaller than the frame; they are passed on as they are.
struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelBox&) const = default;
};

struct SkinPiece {
    PixelBox dest;    // client pixels
    PixelBox source;  // atlas pixels
    bool stretched;   // false: copied 1:1, source and destination of the same size
    bool operator==(const SkinPiece&) const = default;
};

inline constexpr int kAtlasWidth = 640;
inline constexpr int kAtlasHeight = 480;

// The nine pieces in drawing order: body, top-left corner, top edge, bottom edge, top-right
// corner, left edge, bottom-left corner, right edge, bottom-right corner.
std::array<SkinPiece, 9> SkinPieces(int clientWidth, int clientHeight);

}  // namespace app

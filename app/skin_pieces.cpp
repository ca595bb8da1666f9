// Where each piece of the skin atlas lies and where it goes on the main window.
#include "app/skin_pieces.h"

namespace app {

namespace {
// The right column and bottom row of the atlas are fixed positions of the artwork, not
// measured from the picture at run time.
constexpr int kRight = kAtlasWidth - 8;    // 632
constexpr int kBottom = kAtlasHeight - 8;  // 472

SkinPiece Stretch(PixelBox dest, PixelBox source) { return SkinPiece{dest, source, true}; }
SkinPiece Copy(PixelBox dest, int sourceX, int sourceY) {
    return SkinPiece{dest, PixelBox{sourceX, sourceY, dest.width, dest.height}, false};
}
}  // namespace

std::array<SkinPiece, 9> SkinPieces(int w, int h) {
    // The left column is an 8 x 42 corner over a one-row edge; the right column an 8 x 50
    // corner whose lowest rows the 129-row right edge covers again from row 42. The two
    // edges differ in the artwork, and both start at row 42 on purpose.
    return {{
        Stretch({0, 0, w, h}, {100, 100, 100, 100}),             // body
        Copy({0, 0, 8, 42}, 0, 0),                               // top-left corner
        Stretch({8, 0, w - 16, 50}, {9, 0, 5, 50}),              // top edge
        Stretch({8, h - 8, w - 16, 8}, {30, kBottom, 5, 8}),     // bottom edge
        Copy({w - 8, 0, 8, 50}, kRight, 0),                      // top-right corner
        Stretch({0, 42, 8, h - 50}, {0, 100, 8, 1}),             // left edge
        Copy({0, h - 8, 8, 8}, 0, kBottom),                      // bottom-left corner
        Stretch({w - 8, 42, 8, h - 50}, {kRight, 100, 8, 129}),  // right edge
        Copy({w - 8, h - 8, 8, 8}, kRight, kBottom),             // bottom-right corner
    }};
}

}  // namespace app

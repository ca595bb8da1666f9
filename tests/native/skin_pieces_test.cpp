#include "app/skin_pieces.h"

#include <gtest/gtest.h>

namespace {

using app::PixelBox;
using app::SkinPiece;
using app::SkinPieces;

TEST(SkinPieces, MainWindowClientAreaInDrawingOrder) {
    // 357 x 149: the client area with a 3-pixel frame and a 26-pixel caption.
    const auto pieces = SkinPieces(357, 149);
    const std::array<SkinPiece, 9> expected{{
        {{0, 0, 357, 149}, {100, 100, 100, 100}, true},  // body
        {{0, 0, 8, 42}, {0, 0, 8, 42}, false},           // top-left corner
        {{8, 0, 341, 50}, {9, 0, 5, 50}, true},          // top edge
        {{8, 141, 341, 8}, {30, 472, 5, 8}, true},       // bottom edge
        {{349, 0, 8, 50}, {632, 0, 8, 50}, false},       // top-right corner
        {{0, 42, 8, 99}, {0, 100, 8, 1}, true},          // left edge: one source row
        {{0, 141, 8, 8}, {0, 472, 8, 8}, false},         // bottom-left corner
        {{349, 42, 8, 99}, {632, 100, 8, 129}, true},    // right edge: 129 source rows
        {{349, 141, 8, 8}, {632, 472, 8, 8}, false},     // bottom-right corner
    }};
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].dest, expected[i].dest) << "piece " << i;
        EXPECT_EQ(pieces[i].source, expected[i].source) << "piece " << i;
        EXPECT_EQ(pieces[i].stretched, expected[i].stretched) << "piece " << i;
    }
}

TEST(SkinPieces, EdgesMeetTheCornersWithoutGaps) {
    for (int w : {16, 17, 100, 357, 640, 1000}) {
        for (int h : {50, 51, 149, 480}) {
            const auto p = SkinPieces(w, h);
            // Top band: corner, edge, corner side by side across the whole width.
            EXPECT_EQ(p[2].dest.x, p[1].dest.x + p[1].dest.width);
            EXPECT_EQ(p[2].dest.x + p[2].dest.width, p[4].dest.x);
            EXPECT_EQ(p[4].dest.x + p[4].dest.width, w);
            // Bottom band likewise, ending on the last row.
            EXPECT_EQ(p[3].dest.x + p[3].dest.width, p[8].dest.x);
            EXPECT_EQ(p[6].dest.y + p[6].dest.height, h);
            EXPECT_EQ(p[8].dest.y + p[8].dest.height, h);
            // Side edges run from under the left corner down to the bottom corners.
            EXPECT_EQ(p[5].dest.y, p[1].dest.y + p[1].dest.height);
            EXPECT_EQ(p[5].dest.y + p[5].dest.height, p[6].dest.y);
            EXPECT_EQ(p[7].dest.y, 42);  // over the right corner's lowest 8 rows
            EXPECT_EQ(p[7].dest.y + p[7].dest.height, p[8].dest.y);
        }
    }
}

TEST(SkinPieces, CopiedPiecesTakeTheDestinationSize) {
    for (const SkinPiece& piece : SkinPieces(357, 149)) {
        if (piece.stretched) continue;
        EXPECT_EQ(piece.source.width, piece.dest.width);
        EXPECT_EQ(piece.source.height, piece.dest.height);
    }
}

TEST(SkinPieces, SourcesStayInsideTheAtlas) {
    for (const SkinPiece& piece : SkinPieces(357, 149)) {
        EXPECT_GE(piece.source.x, 0);
        EXPECT_GE(piece.source.y, 0);
        EXPECT_LE(piece.source.x + piece.source.width, app::kAtlasWidth);
        EXPECT_LE(piece.source.y + piece.source.height, app::kAtlasHeight);
    }
}

TEST(SkinPieces, SmallClientAreasPassZeroAndNegativeExtentsThrough) {
    // Minimised: no client area. Nothing is clamped; the sources do not move.
    const auto none = SkinPieces(0, 0);
    EXPECT_EQ(none[0].dest, (PixelBox{0, 0, 0, 0}));
    EXPECT_EQ(none[2].dest, (PixelBox{8, 0, -16, 50}));
    EXPECT_EQ(none[5].dest, (PixelBox{0, 42, 8, -50}));
    EXPECT_EQ(none[7].dest, (PixelBox{-8, 42, 8, -50}));
    EXPECT_EQ(none[8].dest, (PixelBox{-8, -8, 8, 8}));
    EXPECT_EQ(none[7].source, (PixelBox{632, 100, 8, 129}));
    // Exactly 16 wide and 50 high: the stretched edges have nothing left to cover.
    const auto tight = SkinPieces(16, 50);
    EXPECT_EQ(tight[2].dest.width, 0);
    EXPECT_EQ(tight[5].dest.height, 0);
    EXPECT_EQ(tight[7].dest.height, 0);
}

}  // namespace

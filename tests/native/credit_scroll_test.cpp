#include "app/credit_scroll.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/credit_lines.h"

namespace {

using app::CreditWalk;
using app::NextCreditTop;

constexpr int kPanelHeight = 65;
constexpr double kLineHeight = 13;  // one text line of the panel's font

// One tick as the panel draws it: the text tops of every line, and the block's next top.
struct Tick {
    std::vector<double> textTops;
    float nextTop;
};

Tick RunTick(float creditTop, int lineCount, double lineHeight = kLineHeight) {
    CreditWalk walk(creditTop);
    Tick tick;
    for (int i = 0; i < lineCount; ++i) tick.textTops.push_back(walk.PlaceLine(lineHeight));
    tick.nextTop = NextCreditTop(creditTop, walk.Position(), kPanelHeight);
    return tick;
}

TEST(CreditWalk, EachLineTakesTwoPixelsAndOneTextLine) {
    CreditWalk walk(10);
    EXPECT_EQ(walk.PlaceLine(13), 12);
    EXPECT_EQ(walk.Position(), 25);
    EXPECT_EQ(walk.PlaceLine(13), 27);
    EXPECT_EQ(walk.PlaceLine(15), 42);  // a taller weight takes its own height
    EXPECT_EQ(walk.Position(), 57);
}

TEST(CreditWalk, KeepsFractionalTops) {
    CreditWalk walk(-0.5);
    EXPECT_EQ(walk.PlaceLine(13), 1.5);
    EXPECT_EQ(walk.Position(), 14.5);
}

TEST(CreditScroll, TheTitleComesInFromBelowOnePixelPerTick) {
    float top = kPanelHeight;
    std::vector<double> titleTops;
    for (int i = 0; i < 5; ++i) {
        const Tick tick = RunTick(top, 29);
        titleTops.push_back(tick.textTops[0]);
        top = tick.nextTop;
    }
    // Rows 0 to 64 are visible: the first three ticks draw the title out of sight, the
    // fourth at the bottom row.
    EXPECT_EQ(titleTops, (std::vector<double>{67, 66, 65, 64, 63}));
}

TEST(CreditScroll, BlankRowsTakeAFullLine) {
    app::CreditTable table;
    app::BuildCredits(table);
    const Tick tick = RunTick(kPanelHeight, table.CreditCount());
    // Row 8 ("Developed by") stands two full lines below row 6, with blank row 7 between.
    EXPECT_EQ(tick.textTops[7] - tick.textTops[5], 2 * (2 + kLineHeight));
    EXPECT_EQ(tick.textTops[28], kPanelHeight + 2 + 28 * (2 + kLineHeight));
}

TEST(NextCreditTop, RisesWhileTheBlockIsNoMoreThanFivePixelsAboveThePanel) {
    EXPECT_EQ(NextCreditTop(10, 100, kPanelHeight), 9);
    EXPECT_EQ(NextCreditTop(-440, -5, kPanelHeight), -441);
    EXPECT_EQ(NextCreditTop(-440, 0, kPanelHeight), -441);
}

TEST(NextCreditTop, StartsAgainBelowThePanelOnceMoreThanFivePixelsAbove) {
    EXPECT_EQ(NextCreditTop(-441, -6, kPanelHeight), 65);
    EXPECT_EQ(NextCreditTop(-441, -5.5, kPanelHeight), 65);
    EXPECT_EQ(NextCreditTop(-3000, -2000, 40), 40);
}

TEST(CreditLineShows, OnlyALineWithARowInsideThePanel) {
    // A 13-pixel line in the 65-pixel panel: its rows are top to top + 12.
    EXPECT_FALSE(app::CreditLineShows(-13, kLineHeight, kPanelHeight)) << "ends just above row 0";
    EXPECT_TRUE(app::CreditLineShows(-12, kLineHeight, kPanelHeight)) << "its last row is row 0";
    EXPECT_TRUE(app::CreditLineShows(64, kLineHeight, kPanelHeight)) << "its first row is row 64";
    EXPECT_FALSE(app::CreditLineShows(65, kLineHeight, kPanelHeight)) << "starts just below row 64";
    EXPECT_FALSE(app::CreditLineShows(-500, kLineHeight, kPanelHeight));
    EXPECT_FALSE(app::CreditLineShows(500, kLineHeight, kPanelHeight));
}

TEST(CreditLineShows, AFractionalTopCountsWhereTheTextIsDrawn) {
    // The text goes to the nearest whole pixel, halves to even.
    EXPECT_FALSE(app::CreditLineShows(-12.6, kLineHeight, kPanelHeight)) << "drawn at -13";
    EXPECT_TRUE(app::CreditLineShows(-12.5, kLineHeight, kPanelHeight)) << "drawn at -12";
    EXPECT_FALSE(app::CreditLineShows(64.6, kLineHeight, kPanelHeight)) << "drawn at 65";
    EXPECT_TRUE(app::CreditLineShows(64.5, kLineHeight, kPanelHeight)) << "drawn at 64";
    EXPECT_FALSE(app::CreditLineShows(63.5, kLineHeight, 64)) << "drawn at 64, below a 64-pixel panel";
}

TEST(CreditLineShows, ALineWithoutHeightShowsNothing) { EXPECT_FALSE(app::CreditLineShows(10, 0, kPanelHeight)); }

TEST(CreditScroll, AFullPassTakesTheBlockHeightPlusPanelHeightPlusSevenTicks) {
    for (double lineHeight : {13.0, 16.0, 0.0}) {
        const int lines = 29;
        const double blockHeight = lines * (2 + lineHeight);
        float top = kPanelHeight;
        float lastDrawn = top;
        int ticks = 0;
        do {
            lastDrawn = top;
            top = RunTick(top, lines, lineHeight).nextTop;
            ++ticks;
        } while (top != kPanelHeight && ticks < 10000);
        EXPECT_EQ(ticks, blockHeight + kPanelHeight + 7) << "line height " << lineHeight;
        EXPECT_EQ(lastDrawn, -6 - blockHeight) << "line height " << lineHeight;
    }
}

TEST(CreditScroll, AnEmptyTableStillWrapsAfterSeventyTwoTicks) {
    float top = kPanelHeight;
    int ticks = 0;
    do {
        top = RunTick(top, 0).nextTop;
        ++ticks;
    } while (top != kPanelHeight && ticks < 1000);
    EXPECT_EQ(ticks, kPanelHeight + 7);
}

TEST(CreditCentredLeft, CentresByTheTextsOwnWidth) {
    EXPECT_EQ(app::CreditCentredLeft(225, 25), 100);
    EXPECT_EQ(app::CreditCentredLeft(225, 50), 87.5);  // a half pixel is kept
    EXPECT_EQ(app::CreditCentredLeft(225, 0), 112.5);
    EXPECT_EQ(app::CreditCentredLeft(225, 300), -37.5);  // wider than the panel: both ends cut
}

}  // namespace

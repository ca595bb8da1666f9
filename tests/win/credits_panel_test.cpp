// The credits drawn into a real panel's back image, and the scroller's wiring in the main
// window. Assertions are on line boxes (where ink starts and ends), not on glyph shapes.
#include "app/credits_panel.h"
#include "tests/support/test_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/credit_scroll.h"
#include "app/frm_dictionary.h"
#include "platform/form.h"
#include "platform/rounding.h"

namespace {

constexpr COLORREF kBack = RGB(211, 211, 211);
constexpr int kWidth = 225;
constexpr int kHeight = 65;

// The panel's host form, larger than the panel.
class HostForm : public testing_support::TestForm {
public:
    HostForm() : TestForm(L"credits host", WS_OVERLAPPEDWINDOW, 400, 300) {}
};

// The ink of a band of rows: the columns and rows where the panel is not its background.
struct InkBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

std::optional<InkBox> InkIn(const platform::SurfaceWindow& panel, int fromRow, int toRow) {
    std::optional<InkBox> box;
    for (int y = std::max(fromRow, 0); y < std::min(toRow, kHeight); ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (panel.Image().PixelAt(x, y) == kBack) continue;
            if (!box) box = InkBox{x, y, x + 1, y + 1};
            box->left = std::min(box->left, x);
            box->right = std::max(box->right, x + 1);
            box->top = std::min(box->top, y);
            box->bottom = std::max(box->bottom, y + 1);
        }
    }
    return box;
}

bool AllBackground(const platform::SurfaceWindow& panel) { return !InkIn(panel, 0, kHeight).has_value(); }

class CreditsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(panel.CreateChild(host.hwnd(), L"PicText", RECT{16, 72, 16 + kWidth, 72 + kHeight}, true));
        panel.SetScaleMode(platform::ScaleMode::Pixels);
        panel.SetForeColor(RGB(0, 0, 0));
        panel.SetBackColor(kBack);
        panel.SetAutoRedraw(true);
    }

    double WidthIn(std::wstring_view text, bool bold) {
        panel.SetFontBold(bold);
        return panel.TextWidth(text);
    }
    double LineHeight(bool bold) {
        panel.SetFontBold(bold);
        return panel.TextHeight(L"");
    }

    HostForm host;
    platform::PictureBox panel;
};

TEST_F(CreditsPanelTest, ClearsToTheBackgroundBeforeDrawing) {
    platform::UniqueBrush junk(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(panel.hDC(), &all, junk.get());
    app::CreditTable credits;
    credits.AddCreditLine(L"out of sight", false);
    app::DrawCreditLines(panel, credits, kHeight);
    EXPECT_TRUE(AllBackground(panel));
    EXPECT_EQ(panel.Image().PixelAt(0, 0), kBack);
    EXPECT_EQ(panel.Image().PixelAt(kWidth - 1, kHeight - 1), kBack);
}

TEST_F(CreditsPanelTest, EachLineIsCentredByItsOwnWidthInItsOwnWeight) {
    // The same text in both weights: a bold line measured in the regular weight would sit
    // half the difference too far right.
    const std::wstring text = L"WWWWWWWWWWWW";
    const double boldWidth = WidthIn(text, true);
    const double regularWidth = WidthIn(text, false);
    ASSERT_GT(boldWidth - regularWidth, 4) << "the bold weight must be visibly wider to tell them apart";

    app::CreditTable credits;
    credits.AddCreditLine(text, true);
    credits.AddCreditLine(text, false);
    credits.AddCreditLine(L"ii", false);
    app::DrawCreditLines(panel, credits, 0);

    const double boldHeight = LineHeight(true);
    const double regularHeight = LineHeight(false);
    app::CreditWalk walk(0);
    const double tops[] = {walk.PlaceLine(boldHeight), walk.PlaceLine(regularHeight), walk.PlaceLine(regularHeight)};
    const double widths[] = {boldWidth, regularWidth, WidthIn(L"ii", false)};
    for (int line = 0; line < 3; ++line) {
        const int top = static_cast<int>(tops[line]);
        const auto ink = InkIn(panel, top, top + static_cast<int>(regularHeight));
        ASSERT_TRUE(ink) << "line " << line << " is drawn";
        const int left = platform::RoundHalfEven((kWidth - widths[line]) / 2);
        const int right = left + static_cast<int>(widths[line]);
        // Ink starts at or just after the text's origin and ends at or just before its advance.
        EXPECT_GE(ink->left, left) << "line " << line;
        EXPECT_LE(ink->left, left + 2) << "line " << line;
        EXPECT_LE(ink->right, right + 1) << "line " << line;
        EXPECT_GE(ink->right, right - 3) << "line " << line;
        // Centred: as much background on the left as on the right, within the side bearings.
        EXPECT_NEAR(ink->left, kWidth - ink->right, 3) << "line " << line;
    }
}

TEST_F(CreditsPanelTest, LinesStandTwoPixelsApartBlankOnesTakingAFullLine) {
    app::CreditTable credits;
    credits.AddCreditLine(L"HHHH", false);
    credits.AddCreditLine(L"", false);
    credits.AddCreditLine(L"HHHH", false);
    const double height = LineHeight(false);
    const float top = 1;
    const double below = app::DrawCreditLines(panel, credits, top);
    EXPECT_EQ(below, top + 3 * (2 + height));

    const int firstText = 1 + 2;
    const int thirdText = static_cast<int>(1 + 2 * (2 + height) + 2);
    const auto first = InkIn(panel, firstText - 2, firstText + static_cast<int>(height));
    const auto blank = InkIn(panel, firstText + static_cast<int>(height), thirdText);
    const auto third = InkIn(panel, thirdText, thirdText + static_cast<int>(height));
    ASSERT_TRUE(first);
    ASSERT_TRUE(third);
    EXPECT_FALSE(blank) << "the blank line leaves its rows clear";
    EXPECT_GE(first->top, firstText);
    // The two lines have the same text, so their ink lies the same distance below their tops.
    EXPECT_EQ(third->top - first->top, thirdText - firstText);
    EXPECT_EQ(third->bottom - first->bottom, thirdText - firstText);
}

TEST_F(CreditsPanelTest, ALineCrossingTheTopEdgeShowsItsLowerPart) {
    app::CreditTable credits;
    for (int i = 0; i < 10; ++i) credits.AddCreditLine(L"HHHHHHHH", false);
    const double height = LineHeight(false);
    // The fourth line's text starts 5 pixels above the panel.
    const float top = static_cast<float>(-5 - 2 - 3 * (2 + height));
    EXPECT_EQ(app::DrawCreditLines(panel, credits, top), top + 10 * (2 + height));
    const auto ink = InkIn(panel, 0, kHeight);
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->top, 0);
}

TEST_F(CreditsPanelTest, APanelWhoseWindowIsGoneStillReturnsThePositionBelowTheBlock) {
    app::CreditTable credits;
    app::BuildCredits(credits);
    const double height = LineHeight(false);
    ASSERT_EQ(height, LineHeight(true));
    DestroyWindow(panel.hwnd());
    // Window calls fail now (no client area, nothing to invalidate); the block is still walked.
    EXPECT_EQ(app::DrawCreditLines(panel, credits, 10), 10 + 29 * (2 + height));
}

class CreditsInMainWindow : public ::testing::Test {
protected:
    void SetUp() override { form.Load(); }
    app::FrmDictionary form;
};

TEST_F(CreditsInMainWindow, StartUpBuildsTheLinesAndStartsBelowThePanel) {
    EXPECT_EQ(form.CreditStartTop(), 65);
    EXPECT_EQ(form.CreditTop(), 65.0f);
    EXPECT_EQ(form.CreditCount(), 29);
    EXPECT_EQ(form.CreditLines().size(), 3000u);
    EXPECT_EQ(form.CreditLines()[0].text, L"Tarnwick!");
    EXPECT_EQ(form.ReDrawTimer().Interval(), 20u);
    EXPECT_TRUE(form.ReDrawTimer().Enabled());
}

TEST_F(CreditsInMainWindow, EachTimerTickDrawsAndRisesOnePixel) {
    auto& panel = form.PicText();
    ASSERT_TRUE(form.ReDrawTimer().onTick);
    for (float expected : {64.0f, 63.0f, 62.0f}) {
        form.ReDrawTimer().onTick();
        EXPECT_EQ(form.CreditTop(), expected);
        // The title's text starts at 67, 66, 65: below the visible rows 0 to 64.
        EXPECT_TRUE(AllBackground(panel)) << "top " << expected;
    }
    for (int i = 0; i < 20; ++i) form.ReDrawTimer().onTick();
    const auto ink = InkIn(panel, 0, kHeight);
    ASSERT_TRUE(ink) << "after 23 ticks the title has come in";
    EXPECT_GE(ink->top, 42 + 2);  // drawn with the block's top at 42
    EXPECT_EQ(panel.Image().PixelAt(0, 0), kBack);
    EXPECT_EQ(panel.Image().PixelAt(kWidth - 1, kHeight - 1), kBack);
}

TEST_F(CreditsInMainWindow, AFullPassEndsAboveThePanelAndStartsAgainBelowIt) {
    auto& panel = form.PicText();
    double blockHeight = 0;
    for (int i = 0; i < form.CreditCount(); ++i) {
        panel.SetFontBold(form.CreditLines()[static_cast<std::size_t>(i)].bold);
        blockHeight += 2 + panel.TextHeight(form.CreditLines()[static_cast<std::size_t>(i)].text);
    }
    const int passTicks = static_cast<int>(blockHeight) + 65 + 7;
    for (int i = 0; i < passTicks - 1; ++i) form.DrawCredits();
    EXPECT_EQ(form.CreditTop(), static_cast<float>(-6 - blockHeight)) << "the last tick of the pass comes next";
    form.DrawCredits();
    EXPECT_EQ(form.CreditTop(), 65.0f);
    EXPECT_TRUE(AllBackground(panel)) << "the last tick of a pass draws the block wholly above the panel";
}

// Every line of the table drawn at every tick, each measured anew: what a tick must show.
void DrawEveryLine(platform::SurfaceWindow& panel, const app::CreditEntries& lines, std::int32_t count, float top) {
    panel.Cls();
    app::CreditWalk walk(top);
    for (std::int32_t i = 0; i < count; ++i) {
        const app::CreditLine& line = lines[static_cast<std::size_t>(i)];
        panel.SetFontBold(line.bold);
        panel.SetCurrentY(walk.PlaceLine(panel.TextHeight(line.text)));
        panel.SetCurrentX(app::CreditCentredLeft(panel.ScaleWidth(), panel.TextWidth(line.text)));
        panel.Print(line.text);
    }
}

// The first row and column where two panels differ, or nothing.
std::optional<POINT> FirstDifference(const platform::SurfaceWindow& a, const platform::SurfaceWindow& b) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (a.Image().PixelAt(x, y) != b.Image().PixelAt(x, y)) return POINT{x, y};
        }
    }
    return std::nullopt;
}

TEST_F(CreditsInMainWindow, EveryTickOfAPassAndAcrossTheWrapShowsWhatDrawingEveryLineShows) {
    auto& panel = form.PicText();
    platform::PictureBox reference;
    ASSERT_TRUE(reference.CreateChild(form.hwnd(), L"reference", RECT{0, 0, kWidth, kHeight}, true));
    reference.SetScaleMode(platform::ScaleMode::Pixels);
    reference.SetFont(panel.Font());
    reference.SetForeColor(panel.ForeColor());
    reference.SetBackColor(panel.BackColor());
    reference.SetAutoRedraw(true);
    ASSERT_EQ(panel.ClientWidthPixels(), kWidth);
    ASSERT_EQ(panel.ClientHeightPixels(), kHeight);

    // One whole pass (lines coming in at the bottom, leaving at the top, the last tick out of
    // sight), the wrap, and the start of the next pass.
    int wraps = 0;
    int inkTicks = 0;
    for (int tick = 0; tick < 600 && wraps < 1; ++tick) {
        const float top = form.CreditTop();
        form.DrawCredits();
        DrawEveryLine(reference, form.CreditLines(), form.CreditCount(), top);
        const auto difference = FirstDifference(panel, reference);
        ASSERT_FALSE(difference) << "tick " << tick << " at top " << top << ": pixel (" << difference->x << ", "
                                 << difference->y << ")";
        if (!AllBackground(panel)) ++inkTicks;
        if (form.CreditTop() > top) ++wraps;
    }
    for (int tick = 0; tick < 40; ++tick) {
        const float top = form.CreditTop();
        form.DrawCredits();
        DrawEveryLine(reference, form.CreditLines(), form.CreditCount(), top);
        const auto difference = FirstDifference(panel, reference);
        ASSERT_FALSE(difference) << "tick " << tick << " after the wrap, at top " << top << ": pixel (" << difference->x
                                 << ", " << difference->y << ")";
        if (!AllBackground(panel)) ++inkTicks;
    }
    EXPECT_EQ(wraps, 1);
    EXPECT_GT(inkTicks, 400) << "most ticks show text";
}

TEST_F(CreditsInMainWindow, TheTimerGoesWithTheWindow) {
    ASSERT_TRUE(form.ReDrawTimer().IsAlive());
    form.Unload();
    EXPECT_FALSE(form.ReDrawTimer().IsAlive());
}

}  // namespace

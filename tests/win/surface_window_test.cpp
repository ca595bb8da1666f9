#include "platform/back_image.h"
#include "platform/form.h"
#include "platform/gdi_owner.h"
#include "tests/support/test_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_support::TestForm;

class SurfaceWindowTest : public ::testing::Test {
protected:
    TestForm form;
};

TEST_F(SurfaceWindowTest, ClsFillsTheBackImageWithTheBackgroundColour) {
    form.SetAutoRedraw(true);
    form.SetBackColor(RGB(211, 211, 211));
    form.Cls();
    const auto& image = form.Image();
    EXPECT_EQ(image.PixelAt(0, 0), RGB(211, 211, 211));
    EXPECT_EQ(image.PixelAt(form.ClientWidthPixels() - 1, form.ClientHeightPixels() - 1), RGB(211, 211, 211));
}

TEST_F(SurfaceWindowTest, DrawingStaysInTheBackImage) {
    form.SetAutoRedraw(true);
    form.SetBackColor(RGB(0, 0, 0));
    const RECT box{10, 10, 20, 20};
    platform::UniqueBrush brush(CreateSolidBrush(RGB(0, 128, 255)));
    FillRect(form.hDC(), &box, brush.get());
    InvalidateRect(form.hwnd(), nullptr, TRUE);
    UpdateWindow(form.hwnd());
    EXPECT_EQ(form.Image().PixelAt(15, 15), RGB(0, 128, 255));
    EXPECT_EQ(form.Image().PixelAt(25, 15), RGB(0, 0, 0));
    form.Cls();
    EXPECT_EQ(form.Image().PixelAt(15, 15), RGB(0, 0, 0));
}

TEST_F(SurfaceWindowTest, ScaleModesConvertThroughTwipsPerPixel) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    const double pixels = form.ScaleWidth();
    EXPECT_EQ(pixels, form.ClientWidthPixels());
    form.SetScaleMode(platform::ScaleMode::Twips);
    EXPECT_EQ(form.ScaleWidth(), pixels * 15);
    EXPECT_EQ(form.UnitsToPixelsX(4320), 288);
    EXPECT_EQ(form.UnitsToPixelsX(3725), 248);  // 248.33
}

TEST_F(SurfaceWindowTest, PrintAdvancesOneLineAndReturnsToTheLeft) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    form.SetAutoRedraw(true);
    form.SetCurrentX(12.5);
    form.SetCurrentY(3);
    const double lineHeight = form.TextHeight(L"Ag");
    EXPECT_GT(lineHeight, 0);
    form.Print(L"Hello");
    EXPECT_EQ(form.CurrentX(), 0);
    EXPECT_EQ(form.CurrentY(), 3 + lineHeight);
    form.Print(L"");  // an empty text still moves down a line
    EXPECT_EQ(form.CurrentY(), 3 + 2 * lineHeight);
    form.Cls();
    EXPECT_EQ(form.CurrentY(), 0);
}

TEST_F(SurfaceWindowTest, BoldTextIsWiderThanRegular) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    const double regular = form.TextWidth(L"WWWWWWWWWW");
    form.SetFontBold(true);
    EXPECT_GT(form.TextWidth(L"WWWWWWWWWW"), regular);
    EXPECT_TRUE(form.Font().bold);
}

TEST_F(SurfaceWindowTest, AlternatingWeightsReuseTwoFontsAndDrawWithTheRightOne) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    auto weight = [&] {
        TEXTMETRICW metrics{};
        GetTextMetricsW(form.hDC(), &metrics);
        return metrics.tmWeight;
    };
    const double regular = form.TextWidth(L"WWWWWWWWWW");
    form.SetFontBold(true);
    const double bold = form.TextWidth(L"WWWWWWWWWW");
    form.SetFontBold(false);
    const long fontsAfterFirstPair = platform::LiveGdiObjects();
    for (int i = 0; i < 10; ++i) {
        form.SetFontBold(true);
        EXPECT_TRUE(form.Font().bold);
        EXPECT_EQ(weight(), FW_BOLD);
        EXPECT_EQ(form.TextWidth(L"WWWWWWWWWW"), bold);
        form.SetFontBold(false);
        EXPECT_FALSE(form.Font().bold);
        EXPECT_EQ(weight(), FW_NORMAL);
        EXPECT_EQ(form.TextWidth(L"WWWWWWWWWW"), regular);
    }
    EXPECT_EQ(platform::LiveGdiObjects(), fontsAfterFirstPair);
}

TEST_F(SurfaceWindowTest, AWeightChangeAfterANewFontKeepsTheNewFontsSize) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    form.SetFontBold(true);
    form.SetFontBold(false);  // a bold font of the old size is now kept aside
    platform::FontDescription larger = form.Font();
    larger.size = 24;
    form.SetFont(larger);
    const double largerHeight = form.TextHeight(L"Ag");
    form.SetFontBold(true);
    EXPECT_EQ(form.Font().size, 24.0f);
    EXPECT_EQ(form.TextHeight(L"Ag"), largerHeight);
}

TEST_F(SurfaceWindowTest, TheSurfacesFontComesBackAfterAnotherWasSelectedIntoItsDc) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    const double width = form.TextWidth(L"WWWWWWWWWW");
    SelectObject(form.hDC(), GetStockObject(SYSTEM_FIXED_FONT));
    EXPECT_EQ(form.TextWidth(L"WWWWWWWWWW"), width);
}

// Text printed a line at a time must reach the screen after every paint, not only the first.
TEST_F(SurfaceWindowTest, EveryPrintAfterAPaintAsksForAnotherPaint) {
    form.SetScaleMode(platform::ScaleMode::Pixels);
    form.SetAutoRedraw(true);
    form.ShowCentred();
    UpdateWindow(form.hwnd());
    auto waitsForPaint = [&] { return GetUpdateRect(form.hwnd(), nullptr, FALSE) != FALSE; };
    ASSERT_FALSE(waitsForPaint());
    form.Print(L"one");
    EXPECT_TRUE(waitsForPaint());
    form.Print(L"two");
    UpdateWindow(form.hwnd());
    EXPECT_FALSE(waitsForPaint());
    form.Print(L"three");
    EXPECT_TRUE(waitsForPaint());
    UpdateWindow(form.hwnd());
    form.Cls();
    EXPECT_TRUE(waitsForPaint());
    UpdateWindow(form.hwnd());
    form.SetPicture(nullptr);
    EXPECT_TRUE(waitsForPaint());
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST_F(SurfaceWindowTest, MouseGoesToTheTopmostImageUnderThePointer) {
    std::vector<std::string> log;
    auto& lower = form.AddImage(L"lower", RECT{0, 0, 41, 25});
    auto& upper = form.AddImage(L"upper", RECT{40, 0, 65, 25});  // overlaps one column
    lower.mouse.move = [&](const platform::MouseEvent& e) { log.push_back("lower move " + std::to_string(int(e.x))); };
    upper.mouse.move = [&](const platform::MouseEvent& e) { log.push_back("upper move " + std::to_string(int(e.x))); };
    form.mouse.move = [&](const platform::MouseEvent&) { log.push_back("form move"); };
    form.SetScaleMode(platform::ScaleMode::Pixels);
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(10, 5));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(40, 5));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(100, 5));
    EXPECT_EQ(log, (std::vector<std::string>{"lower move 10", "upper move 0", "form move"}));
}

TEST_F(SurfaceWindowTest, ClickNeedsPressAndReleaseOverTheSameImage) {
    std::vector<std::string> log;
    auto& area = form.AddImage(L"area", RECT{0, 0, 25, 25});
    area.mouse.down = [&](const platform::MouseEvent& e) { log.push_back("down " + std::to_string(e.button)); };
    area.mouse.move = [&](const platform::MouseEvent& e) { log.push_back("move " + std::to_string(e.button)); };
    area.mouse.up = [&](const platform::MouseEvent& e) { log.push_back("up " + std::to_string(e.button)); };
    area.mouse.click = [&] { log.push_back("click"); };
    form.mouse.move = [&](const platform::MouseEvent&) { log.push_back("form move"); };

    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(100, 5));  // still the pressed image's
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, At(100, 5));           // released outside: no click
    SendMessageW(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    SendMessageW(form.hwnd(), WM_RBUTTONUP, 0, At(5, 5));  // right button: no click
    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(form.hwnd(), WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_EQ(log, (std::vector<std::string>{"down 1", "move 1", "up 1", "down 2", "up 2", "down 1", "up 1", "click"}));
}

TEST_F(SurfaceWindowTest, HiddenImagesTakeNoInput) {
    int hits = 0;
    auto& hidden = form.AddImage(L"hidden", RECT{0, 0, 50, 50});
    hidden.visible = false;
    hidden.mouse.move = [&](const platform::MouseEvent&) { ++hits; };
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_EQ(hits, 0);
}

TEST_F(SurfaceWindowTest, MovesCarryTheSetOfHeldButtons) {
    std::vector<int> sets;
    form.mouse.move = [&](const platform::MouseEvent& e) { sets.push_back(e.button); };
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(1, 1));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, At(1, 1));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, MK_MBUTTON, At(1, 1));
    EXPECT_EQ(sets, (std::vector<int>{1, 3, 4}));
}

TEST(FormTest, OuterSizeIsSetInTwipsAndKeptInWholePixels) {
    TestForm form;
    form.SetOuterSizeTwips(5450, 2715);
    EXPECT_EQ(form.WidthPixels(), 363);
    EXPECT_EQ(form.HeightPixels(), 181);
    EXPECT_EQ(form.OuterWidthTwips(), 5445);
}

TEST(FormTest, FirstShowingRaisesResizeOnceAtLeastAndCentres) {
    TestForm form;
    int resizes = 0;
    form.onResize = [&] { ++resizes; };
    form.SetOuterSizeTwips(3000, 1500);
    EXPECT_EQ(resizes, 0);  // not before the form is shown
    form.ShowCentred();
    EXPECT_GE(resizes, 1);
    RECT rect{};
    GetWindowRect(form.hwnd(), &rect);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

// Counts the position changes and paints a window receives.
struct WindowMessageCount {
    int positionChanges = 0;
    int paints = 0;

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto& self = *reinterpret_cast<WindowMessageCount*>(data);
        if (message == WM_WINDOWPOSCHANGING) ++self.positionChanges;
        if (message == WM_PAINT) ++self.paints;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    void Attach(HWND hwnd) { SetWindowSubclass(hwnd, &Procedure, 1, reinterpret_cast<DWORD_PTR>(this)); }
    static void Detach(HWND hwnd) { RemoveWindowSubclass(hwnd, &Procedure, 1); }
};

TEST(FormTest, IsCreatedCentredBeforeItIsShown) {
    TestForm form;
    ASSERT_FALSE(IsWindowVisible(form.hwnd()));
    RECT rect{};
    GetWindowRect(form.hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

// The pixel of a window as the screen shows it.
COLORREF ShownPixel(HWND hwnd, int x, int y) {
    platform::WindowDC dc(hwnd);
    return GetPixel(dc.get(), x, y);
}

TEST(WindowTest, ASurfaceWiderThanItsBackImageShowsItsBackgroundBeyondIt) {
    constexpr int kSide = platform::BackImage::kMaxSide;
    TestForm form;
    form.ShowCentred();
    // Only the box's columns from kSide - 20 on lie inside the form, so they can be seen.
    platform::PictureBox box;
    ASSERT_TRUE(box.CreateChild(form.hwnd(), L"box", RECT{-(kSide - 20), 0, 120, 60}, true));
    box.SetAutoRedraw(true);
    box.SetBackColor(RGB(0, 128, 255));
    box.Cls();
    UpdateWindow(box.hwnd());
    ASSERT_EQ(box.ClientWidthPixels(), kSide + 100);
    ASSERT_EQ(box.Image().Width(), kSide);

    // Something else showed there before the box repaints itself.
    {
        platform::WindowDC dc(box.hwnd());
        const RECT stale{kSide - 20, 0, kSide + 100, 60};
        platform::UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        FillRect(dc.get(), &stale, red.get());
    }
    ASSERT_EQ(ShownPixel(box.hwnd(), kSide + 10, 10), RGB(255, 0, 0));
    InvalidateRect(box.hwnd(), nullptr, FALSE);
    UpdateWindow(box.hwnd());

    EXPECT_EQ(ShownPixel(box.hwnd(), kSide - 1, 10), RGB(0, 128, 255));  // the image's last column
    EXPECT_EQ(ShownPixel(box.hwnd(), kSide, 10), RGB(0, 128, 255));      // beyond it
    EXPECT_EQ(ShownPixel(box.hwnd(), kSide + 90, 50), RGB(0, 128, 255));
}

TEST(WindowTest, AMoveOrResizeToWhereTheWindowIsChangesNothing) {
    TestForm form;
    WindowMessageCount count;
    count.Attach(form.hwnd());
    const RECT before = form.RectInParent();
    form.ResizePixels(before.right - before.left, before.bottom - before.top);
    form.MovePixels(before.left, before.top);
    EXPECT_EQ(count.positionChanges, 0);
    form.ResizePixels(250, 150);
    EXPECT_EQ(count.positionChanges, 1);
    EXPECT_EQ(form.WidthPixels(), 250);
    EXPECT_EQ(form.HeightPixels(), 150);
    form.MovePixels(before.left + 7, before.top);
    EXPECT_EQ(count.positionChanges, 2);
    EXPECT_EQ(form.RectInParent().left, before.left + 7);
    WindowMessageCount::Detach(form.hwnd());
}

TEST(WindowTest, RefreshPaintsOnlyASurfaceThatShows) {
    TestForm form;
    platform::PictureBox box;
    ASSERT_TRUE(box.CreateChild(form.hwnd(), L"box", RECT{10, 10, 60, 40}, true));
    box.SetAutoRedraw(true);
    WindowMessageCount count;
    count.Attach(box.hwnd());
    box.Refresh();
    EXPECT_EQ(count.paints, 0) << "the form is hidden";
    ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.hwnd());
    const int afterShowing = count.paints;
    EXPECT_GE(afterShowing, 1) << "showing paints it whole";
    box.Refresh();
    EXPECT_EQ(count.paints, afterShowing + 1) << "a refresh paints at once";
    box.SetVisible(false);
    box.Refresh();
    EXPECT_EQ(count.paints, afterShowing + 1) << "the box itself is hidden";
    WindowMessageCount::Detach(box.hwnd());
}

TEST(FormTest, AFormWithItsFrameCutAwayStillTakesAndGivesUpActivation) {
    TestForm form;
    TestForm other;
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(form.hwnd(), &origin);
    RECT window{};
    GetWindowRect(form.hwnd(), &window);
    const int left = origin.x - window.left;
    const int top = origin.y - window.top;
    SetWindowRgn(form.hwnd(), CreateRectRgn(left, top, left + client.right, top + client.bottom), FALSE);
    form.ShowCentred();
    EXPECT_EQ(GetActiveWindow(), form.hwnd());
    ShowWindow(other.hwnd(), SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), other.hwnd());
    SetActiveWindow(form.hwnd());
    EXPECT_EQ(GetActiveWindow(), form.hwnd());
    EXPECT_TRUE(SendMessageW(form.hwnd(), WM_NCACTIVATE, TRUE, 0)) << "activation is allowed";
}

}  // namespace

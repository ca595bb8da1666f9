#include "controls/aerobutton/leave_tracking.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

int g_leaves = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSELEAVE) ++g_leaves;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateTrackedWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TarnwickLeaveTrackingTest";
    RegisterClassW(&wc);  // fails harmlessly once the class exists
    return CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"leave test", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

using testing_support::PumpFor;

// Pumps messages until the leave notice has arrived, giving up after several seconds.
void PumpUntilLeft() {
    testing_support::PumpUntil([] { return g_leaves != 0; }, 5000);
}

class LeaveTrackingTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        window = CreateTrackedWindow();
        ASSERT_NE(window, nullptr);
        SetCursorPos(150, 150);
        PumpFor(100);
        g_leaves = 0;
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

TEST_P(LeaveTrackingTest, LeavingTheWindowPostsOneMouseLeave) {
    aerobutton::ArmLeaveTracking(window, GetParam());
    SetCursorPos(400, 400);
    PumpUntilLeft();
    EXPECT_EQ(g_leaves, 1);
}

INSTANTIATE_TEST_SUITE_P(User32OrComctl32, LeaveTrackingTest, ::testing::Bool());

}  // namespace

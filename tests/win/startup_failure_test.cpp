// The program's start-up when a button's load raises an error: the report the user sees and
// the exit code, through the same entry the executable runs.
#include "app/program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <string_view>

#include "controls/aerobutton/export_probe.h"
#include "tests/support/message_box_recorder.h"

namespace {

// Every mouse-leave entry point is missing, as on a system that has neither.
class NoLeaveTracking {
public:
    NoLeaveTracking() {
        aerobutton::SetExportProbeEntry([this](std::wstring_view function, std::wstring_view) {
            ++questions;
            return function != L"TrackMouseEvent" && function != L"_TrackMouseEvent";
        });
    }
    ~NoLeaveTracking() { aerobutton::SetExportProbeEntry(nullptr); }
    NoLeaveTracking(const NoLeaveTracking&) = delete;
    NoLeaveTracking& operator=(const NoLeaveTracking&) = delete;

    int questions = 0;
};

bool ProgramWindowExists() {
    return FindWindowW(nullptr, L"Morvex ") != nullptr || FindWindowW(nullptr, L"Tarnwick!") != nullptr;
}

TEST(StartupFailure, AButtonThatCannotTrackTheMouseStopsTheProgramWithTheErrorShown) {
    testing_support::MessageBoxRecorder boxes;
    NoLeaveTracking probe;

    const int exitCode = app::RunProgram();

    EXPECT_EQ(exitCode, app::kStartupFailedExitCode);
    EXPECT_NE(exitCode, 0);
    EXPECT_GE(probe.questions, 2);  // the button asked user32 and then comctl32
    ASSERT_EQ(boxes.boxes.size(), 1u);
    const auto& box = boxes.boxes[0];
    EXPECT_EQ(box.text, L"Run-time error '-1':\n\nSystem does not support TrackMouseEvent.");
    EXPECT_EQ(box.title, L"Brintel");
    EXPECT_EQ(box.flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(box.owner, nullptr);
    // The window went with the failed start-up; nothing of it stays behind.
    EXPECT_FALSE(ProgramWindowExists());
}

TEST(StartupFailure, TheReportNamesTheNumberAndTheMessage) {
    EXPECT_EQ(app::StartupErrorText(7, "Out of memory"), L"Run-time error '7':\n\nOut of memory");
    EXPECT_EQ(app::StartupErrorText(-2147024809, "x"), L"Run-time error '-2147024809':\n\nx");
}

}  // namespace

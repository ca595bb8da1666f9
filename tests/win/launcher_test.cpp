// Run and the Homepage click against a recording shell entry point and message box.
#include "app/launcher.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/message_box_recorder.h"

namespace {

struct ShellCall {
    HWND owner;
    std::optional<std::string> operation, file, parameters, directory;
    int show;
};

std::optional<std::string> Text(const char* text) { return text ? std::optional<std::string>(text) : std::nullopt; }

// Replaces the shell for one test: records every call and answers with `answer`.
class FakeShell {
public:
    explicit FakeShell(INT_PTR answer) : answer_(answer) {
        previous_ = app::SetShellExecuteEntry([this](HWND owner, const char* operation, const char* file,
                                                     const char* parameters, const char* directory, int show) {
            calls.push_back({owner, Text(operation), Text(file), Text(parameters), Text(directory), show});
            if (fault_) fault_();
            return reinterpret_cast<HINSTANCE>(answer_);
        });
    }
    ~FakeShell() { app::SetShellExecuteEntry(std::move(previous_)); }
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    void FailWith(std::function<void()> fault) { fault_ = std::move(fault); }

    std::vector<ShellCall> calls;

private:
    INT_PTR answer_;
    std::function<void()> fault_;
    app::ShellExecuteEntry previous_;
};

const std::wstring kFailure = L"Insufficent system memory or corrupt program file";
const std::wstring kConnection =
    L"An error has occured while trying to connect to the internet\r\n"
    L"Please ensure that your internet connection is functioning correctly and try again.";

TEST(Run, AbsentTextsReachTheShellAsNullPointers) {
    FakeShell shell(42);
    EXPECT_EQ(app::Run(L"http://example.test/"), L"");
    ASSERT_EQ(shell.calls.size(), 1u);
    const ShellCall& call = shell.calls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.operation, "Open");
    EXPECT_EQ(call.file, "http://example.test/");
    EXPECT_EQ(call.parameters, std::nullopt);
    EXPECT_EQ(call.directory, std::nullopt);
    EXPECT_EQ(call.show, SW_SHOW);
}

TEST(Run, PresentTextsArePassedEvenWhenEmpty) {
    FakeShell shell(33);
    EXPECT_EQ(app::Run(L"notepad.exe", std::wstring(L"a b.txt"), std::wstring()), L"");
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].parameters, "a b.txt");
    EXPECT_EQ(shell.calls[0].directory, "");
}

TEST(Run, TextsAreConvertedToTheAnsiCodePage) {
    FakeShell shell(100);
    app::Run(L"caf\u00e9", std::wstring(L"-x"), std::wstring(L"C:\\dir"));
    ASSERT_EQ(shell.calls.size(), 1u);
    std::string expected(4, '\0');
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"caf\u00e9", 4, expected.data(), 4, nullptr, nullptr), 4);
    EXPECT_EQ(shell.calls[0].file, expected);
    EXPECT_EQ(shell.calls[0].directory, "C:\\dir");
}

TEST(Run, EveryValueUpToThirtyTwoIsAFailure) {
    for (INT_PTR answer : {0, 1, 2, 31, 32}) {
        FakeShell shell(answer);
        EXPECT_EQ(app::Run(L"x"), kFailure) << "shell answered " << answer;
    }
}

TEST(Run, ValuesAboveThirtyTwoAreSuccess) {
    for (INT_PTR answer : {33, 42, 0x10000}) {
        FakeShell shell(answer);
        EXPECT_EQ(app::Run(L"x"), L"") << "shell answered " << answer;
    }
}

TEST(Run, AnUnreachableShellRaisesAFault) {
    FakeShell shell(42);
    shell.FailWith([] { throw app::ShellUnavailable("no shell"); });
    EXPECT_THROW(app::Run(L"x"), app::ShellUnavailable);
}

TEST(HomepageClick, SuccessShowsNoBoxAndOpensTheHomePage) {
    FakeShell shell(42);
    testing_support::MessageBoxRecorder boxes;
    app::HomepageClick(nullptr);
    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "http://www.olvenar.com/");
    EXPECT_EQ(shell.calls[0].parameters, std::nullopt);
    EXPECT_EQ(shell.calls[0].directory, std::nullopt);
}

TEST(HomepageClick, TwoClicksOpenThePageTwice) {
    FakeShell shell(42);
    testing_support::MessageBoxRecorder boxes;
    app::HomepageClick(nullptr);
    app::HomepageClick(nullptr);
    EXPECT_EQ(shell.calls.size(), 2u);
}

TEST(HomepageClick, AFailureReportedByTheShellShowsItsText) {
    FakeShell shell(2);  // file not found
    testing_support::MessageBoxRecorder boxes;
    app::HomepageClick(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kFailure);
    EXPECT_EQ(boxes.boxes[0].title, L"Error!");
    EXPECT_EQ(boxes.boxes[0].flags, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST(HomepageClick, AFaultShowsTheConnectionBox) {
    FakeShell shell(42);
    shell.FailWith([] { throw app::ShellUnavailable("no shell"); });
    testing_support::MessageBoxRecorder boxes;
    app::HomepageClick(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kConnection);
    EXPECT_EQ(boxes.boxes[0].title, L"Error!");
    EXPECT_EQ(boxes.boxes[0].flags, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST(HomepageClick, RunningOutOfMemoryIsAFaultToo) {
    FakeShell shell(42);
    shell.FailWith([] { throw std::bad_alloc(); });
    testing_support::MessageBoxRecorder boxes;
    app::HomepageClick(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kConnection);
}

}  // namespace

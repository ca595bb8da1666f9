#include "controls/aerobutton/subclass.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using aerobutton::kAfterPrevious;
using aerobutton::kBeforePrevious;
using aerobutton::kEveryMessage;
using aerobutton::LiveSubclassRecords;
using aerobutton::SubclassOwner;
using aerobutton::SubclassTable;

using Log = std::vector<std::string>;

constexpr UINT kFirst = WM_APP + 1;
constexpr UINT kSecond = WM_APP + 2;
constexpr UINT kOuter = WM_APP + 10;  // the previous procedure sends kInner while handling it
constexpr UINT kInner = WM_APP + 11;

Log* g_log = nullptr;

std::string MessageName(UINT message) {
    if (message == WM_ACTIVATE) return "WM_ACTIVATE";
    if (message >= WM_APP) return std::string("app+").append(std::to_string(message - WM_APP));
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", message);
    return text;
}

// The windows' own procedure: the one every subclass passes its messages on to. It logs the
// application's messages and answers each with 100 + its number.
LRESULT CALLBACK PreviousProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_APP) return DefWindowProcW(window, message, wParam, lParam);
    if (g_log) g_log->push_back("previous " + MessageName(message));
    if (message == kOuter) {
        SendMessageW(window, kInner, 0, 0);
        const bool subclassed =
            GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&PreviousProcedure);
        if (g_log) g_log->push_back(subclassed ? "inner returned, still subclassed" : "inner returned, unhooked");
    }
    return 100 + static_cast<LRESULT>(message - WM_APP);
}

const wchar_t kClassName[] = L"TarnwickSubclassTest";

HWND CreateTestWindow(DWORD style = WS_POPUP) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PreviousProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // fails harmlessly once the class exists
    return CreateWindowExW(0, kClassName, L"subclass test", style, 50, 50, 120, 80, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

bool ProcedureIsThePreviousOne(HWND window) {
    return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&PreviousProcedure);
}

// Logs every message it receives as "NAME before|after MESSAGE result=R", then reacts.
class RecordingOwner : public SubclassOwner {
public:
    RecordingOwner(std::string name, Log& log) : name_(std::move(name)), log_(log) {}

    void OnSubclassMessage(bool before, bool& handled, LRESULT& result, HWND window, UINT message, WPARAM wParam,
                           LPARAM, LONG_PTR& userValue) override {
        std::string line = name_;
        line.append(before ? " before " : " after ").append(MessageName(message));
        if (message == WM_ACTIVATE)
            line.append(" ").append(std::to_string(LOWORD(wParam)));
        else
            line.append(" result=").append(std::to_string(result));
        if (handled) line += " handled";
        log_.push_back(line);
        lastWindow = window;
        lastUserValue = userValue;
        if (react) react(before, handled, result, message, userValue);
    }

    std::function<void(bool before, bool& handled, LRESULT& result, UINT message, LONG_PTR& userValue)> react;
    HWND lastWindow = nullptr;
    LONG_PTR lastUserValue = 0;

private:
    std::string name_;
    Log& log_;
};

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override {
        recordsBefore = LiveSubclassRecords();
        g_log = &log;
        window = CreateTestWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        tableB.reset();
        tableA.reset();
        if (IsWindow(window)) DestroyWindow(window);
        g_log = nullptr;
        // Every record is released once its table is gone and no call is running.
        EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0) { return SendMessageW(window, message, wParam, 0); }

    long recordsBefore = 0;
    Log log;
    HWND window = nullptr;
    RecordingOwner ownerA{"A", log};
    RecordingOwner ownerB{"B", log};
    std::unique_ptr<SubclassTable> tableA = std::make_unique<SubclassTable>(ownerA);
    std::unique_ptr<SubclassTable> tableB = std::make_unique<SubclassTable>(ownerB);
};

TEST_F(SubclassTest, TheBeforeCallComesFirstThenThePreviousProcedureThenTheAfterCall) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(log, (Log{"A before app+1 result=0", "previous app+1", "A after app+1 result=101"}));
    EXPECT_EQ(ownerA.lastWindow, window);
}

TEST_F(SubclassTest, EachFilterDeliversOnlyItsOwnMessages) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious);
    tableA->AddSubclassMessage(window, kSecond, kAfterPrevious);
    Send(kFirst);
    Send(kSecond);
    Send(WM_APP + 3);
    EXPECT_EQ(log, (Log{"A before app+1 result=0", "previous app+1", "previous app+2", "A after app+2 result=102",
                        "previous app+3"}));
}

TEST_F(SubclassTest, HandledInTheBeforeCallSkipsThePreviousProcedureAndReturnsItsResult) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    ownerA.react = [](bool before, bool& handled, LRESULT& result, UINT, LONG_PTR&) {
        if (before) {
            handled = true;
            result = 55;
        }
    };
    EXPECT_EQ(Send(kFirst), 55);
    EXPECT_EQ(log, (Log{"A before app+1 result=0"}));
}

TEST_F(SubclassTest, TheAfterCallSeesAndMayReplaceThePreviousProcedureResult) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    ownerA.react = [](bool, bool&, LRESULT& result, UINT, LONG_PTR&) { result += 1000; };
    EXPECT_EQ(Send(kFirst), 1101);
}

TEST_F(SubclassTest, TheUserValueIsHandedByReferenceAndKept) {
    ASSERT_TRUE(tableA->sc_Subclass(window, 7));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    ownerA.react = [](bool, bool&, LRESULT&, UINT, LONG_PTR& userValue) { ++userValue; };
    Send(kFirst);
    EXPECT_EQ(ownerA.lastUserValue, 7);
    Send(kFirst);
    EXPECT_EQ(ownerA.lastUserValue, 8);
}

TEST_F(SubclassTest, AGivenOwnerReceivesTheMessagesInsteadOfTheTablesOwner) {
    ASSERT_TRUE(tableA->sc_Subclass(window, 0, &ownerB));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    Send(kFirst);
    EXPECT_EQ(log, (Log{"previous app+1", "B after app+1 result=101"}));
}

TEST_F(SubclassTest, AttachingTwiceToOneWindowFailsAndKeepsTheFirst) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    EXPECT_FALSE(tableA->sc_Subclass(window));
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore + 1);
    Send(kFirst);
    EXPECT_EQ(log, (Log{"previous app+1", "A after app+1 result=101"}));
}

TEST_F(SubclassTest, AnInvalidOrDestroyedWindowIsRefused) {
    EXPECT_FALSE(tableA->sc_Subclass(nullptr));
    HWND gone = CreateTestWindow();
    DestroyWindow(gone);
    EXPECT_FALSE(tableA->sc_Subclass(gone));
    EXPECT_FALSE(tableA->IsAttached(gone));
}

TEST_F(SubclassTest, AWindowOfAnotherProcessIsRefused) {
    HWND desktop = GetDesktopWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(desktop, &process);
    ASSERT_NE(process, GetCurrentProcessId());
    EXPECT_FALSE(tableA->sc_Subclass(desktop));
    EXPECT_FALSE(tableA->IsAttached(desktop));
}

// A second thread that owns a window until told to let it go.
struct ForeignOwner {
    HWND window = nullptr;
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~ForeignOwner() {
        CloseHandle(created);
        CloseHandle(done);
    }
};

DWORD WINAPI OwnForeignWindow(void* parameter) {
    auto& owner = *static_cast<ForeignOwner*>(parameter);
    owner.window = CreateTestWindow();
    SetEvent(owner.created);
    WaitForSingleObject(owner.done, INFINITE);
    DestroyWindow(owner.window);
    return 0;
}

TEST_F(SubclassTest, AWindowOfAnotherThreadIsRefused) {
    ForeignOwner owner;
    HANDLE thread = CreateThread(nullptr, 0, OwnForeignWindow, &owner, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(owner.created, INFINITE);
    const bool attached = owner.window && tableA->sc_Subclass(owner.window);
    SetEvent(owner.done);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    ASSERT_NE(owner.window, nullptr);
    EXPECT_FALSE(attached);
}

TEST_F(SubclassTest, MessagesForAWindowNotSubclassedAreNotAddedAnywhere) {
    HWND other = CreateTestWindow();
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(other, kFirst, kBeforePrevious | kAfterPrevious);
    Send(kFirst);
    SendMessageW(other, kFirst, 0, 0);
    EXPECT_EQ(log, (Log{"previous app+1", "previous app+1"}));
    DestroyWindow(other);
}

TEST_F(SubclassTest, AMessageAlreadyInTheFilterTakesNoSecondSlot) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    for (UINT m = kFirst + 1; m < kFirst + 32; ++m)
        tableA->AddSubclassMessage(window, static_cast<int>(m), kAfterPrevious);
    // 32 different messages fit only if the repeated one kept a single slot.
    Send(kFirst + 31);
    EXPECT_EQ(log, (Log{"previous app+32", "A after app+32 result=132"}));
}

TEST_F(SubclassTest, TheThirtyThirdMessageIsIgnored) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    for (UINT m = kFirst; m < kFirst + 33; ++m) tableA->AddSubclassMessage(window, static_cast<int>(m), kAfterPrevious);
    Send(kFirst + 31);
    Send(kFirst + 32);
    EXPECT_EQ(log, (Log{"previous app+32", "A after app+32 result=132", "previous app+33"}));
}

TEST_F(SubclassTest, EveryMessageThenOneMessageDeliversJustThatOne) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kEveryMessage, kAfterPrevious);
    Send(kSecond);
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    Send(kSecond);
    Send(kFirst);
    EXPECT_EQ(log, (Log{"previous app+2", "A after app+2 result=102", "previous app+2", "previous app+1",
                        "A after app+1 result=101"}));
}

TEST_F(SubclassTest, ADetachDuringANestedMessageWaitsForTheOutermostCall) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kOuter, kBeforePrevious | kAfterPrevious);
    tableA->AddSubclassMessage(window, kInner, kBeforePrevious | kAfterPrevious);
    long aliveAfterDetach = -1;
    ownerA.react = [&](bool before, bool&, LRESULT&, UINT message, LONG_PTR&) {
        if (before && message == kInner) {
            tableA->DetachSubclass(window);
            aliveAfterDetach = LiveSubclassRecords() - recordsBefore;
        }
    };
    EXPECT_EQ(Send(kOuter), 110);
    EXPECT_EQ(aliveAfterDetach, 1);
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    // After the detach no callback runs, the nested message still reaches the previous
    // procedure, and the subclass stays in place until the outer call has returned.
    EXPECT_EQ(log, (Log{"A before app+10 result=0", "previous app+10", "A before app+11 result=0", "previous app+11",
                        "inner returned, still subclassed"}));
    EXPECT_FALSE(tableA->IsAttached(window));
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
    log.clear();
    Send(kOuter);
    EXPECT_EQ(log, (Log{"previous app+10", "previous app+11", "inner returned, unhooked"}));
}

TEST_F(SubclassTest, ADetachFromTheAfterCallTakesEffectWhenTheCallReturns) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    long aliveAfterDetach = -1;
    ownerA.react = [&](bool, bool&, LRESULT&, UINT, LONG_PTR&) {
        tableA->DetachSubclass(window);
        aliveAfterDetach = LiveSubclassRecords() - recordsBefore;
    };
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(aliveAfterDetach, 1);
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
    Send(kFirst);
    EXPECT_EQ(log, (Log{"previous app+1", "A after app+1 result=101", "previous app+1"}));
}

TEST_F(SubclassTest, AfterDetachAllSubclassesTheNextMessageReachesThePreviousProcedureOnly) {
    HWND second = CreateTestWindow();
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableA->sc_Subclass(second));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    tableA->AddSubclassMessage(second, kFirst, kBeforePrevious | kAfterPrevious);
    EXPECT_FALSE(ProcedureIsThePreviousOne(window));
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore + 2);
    tableA->DetachAllSubclasses();
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    EXPECT_FALSE(tableA->IsAttached(window));
    EXPECT_FALSE(tableA->IsAttached(second));
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(SendMessageW(second, kFirst, 0, 0), 101);
    EXPECT_EQ(log, (Log{"previous app+1", "previous app+1"}));
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
    EXPECT_TRUE(ProcedureIsThePreviousOne(second));
    // The table can attach again afterwards.
    EXPECT_TRUE(tableA->sc_Subclass(window));
    DestroyWindow(second);
}

TEST_F(SubclassTest, TwoOwnersOnOneWindowBothReceiveItsMessagesTheEarlierFirst) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableB->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    tableB->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    Send(kFirst);
    EXPECT_EQ(log, (Log{"B before app+1 result=0", "A before app+1 result=0", "previous app+1",
                        "A after app+1 result=101", "B after app+1 result=101"}));
}

TEST_F(SubclassTest, DeactivatingAFormDeliversWmActivateToBothOwners) {
    DestroyWindow(window);
    window = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND other = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetActiveWindow(window);
    ASSERT_EQ(GetActiveWindow(), window);
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableB->sc_Subclass(window));
    tableA->AddSubclassMessage(window, WM_ACTIVATE, kAfterPrevious);
    tableB->AddSubclassMessage(window, WM_ACTIVATE, kAfterPrevious);
    SetActiveWindow(other);
    SetActiveWindow(window);
    EXPECT_EQ(
        log, (Log{"A after WM_ACTIVATE 0", "B after WM_ACTIVATE 0", "A after WM_ACTIVATE 1", "B after WM_ACTIVATE 1"}));
    DestroyWindow(other);
}

class RemovalOrderTest : public SubclassTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RemovalOrderTest, RemovingTwoSubclassesInEitherOrderLeavesAWorkingWindow) {
    const bool earlierFirst = GetParam();
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableB->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    tableB->AddSubclassMessage(window, kFirst, kAfterPrevious);
    SubclassTable& first = earlierFirst ? *tableA : *tableB;
    SubclassTable& second = earlierFirst ? *tableB : *tableA;
    first.DetachSubclass(window);
    EXPECT_EQ(Send(kFirst), 101);
    second.DetachSubclass(window);
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
    EXPECT_EQ(Send(kFirst), 101);
    const std::string remaining = earlierFirst ? "B after app+1 result=101" : "A after app+1 result=101";
    EXPECT_EQ(log, (Log{"previous app+1", remaining, "previous app+1"}));
}

INSTANTIATE_TEST_SUITE_P(EarlierOrLaterFirst, RemovalOrderTest, ::testing::Bool());

TEST_F(SubclassTest, ALaterSubclassMayDetachAnEarlierOneThatHasNotRunYet) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableB->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    tableB->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    ownerB.react = [this](bool before, bool&, LRESULT&, UINT, LONG_PTR&) {
        if (before) tableA->DetachSubclass(window);
    };
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(log, (Log{"B before app+1 result=0", "previous app+1", "B after app+1 result=101"}));
}

TEST_F(SubclassTest, AnEarlierSubclassMayDetachTheLaterOneThatCalledIt) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    ASSERT_TRUE(tableB->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    tableB->AddSubclassMessage(window, kFirst, kAfterPrevious);
    ownerA.react = [this](bool, bool&, LRESULT&, UINT, LONG_PTR&) { tableB->DetachSubclass(window); };
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(log, (Log{"previous app+1", "A after app+1 result=101", "previous app+1", "A after app+1 result=101"}));
}

TEST_F(SubclassTest, DestroyingTheTableDuringACallUnhooksWhenTheCallReturns) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    long aliveAfterReset = -1;
    ownerA.react = [&](bool, bool&, LRESULT&, UINT, LONG_PTR&) {
        tableA.reset();
        aliveAfterReset = LiveSubclassRecords() - recordsBefore;
    };
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(aliveAfterReset, 1);
    EXPECT_EQ(log, (Log{"A before app+1 result=0", "previous app+1"}));
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
}

TEST_F(SubclassTest, ADestroyedWindowLeavesTheTable) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, WM_NCDESTROY, kAfterPrevious);
    DestroyWindow(window);
    EXPECT_EQ(log, (Log{"A after 0x82 result=0"}));
    EXPECT_FALSE(tableA->IsAttached(window));
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    tableA->DetachAllSubclasses();
    // A new window, perhaps with the same handle, is attached afresh.
    window = CreateTestWindow();
    EXPECT_TRUE(tableA->sc_Subclass(window));
}

TEST_F(SubclassTest, AnExceptionFromTheCallbackDoesNotLeaveTheWindowProcedure) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kBeforePrevious | kAfterPrevious);
    ownerA.react = [](bool before, bool&, LRESULT&, UINT, LONG_PTR&) {
        if (before) throw std::runtime_error("callback failed");
    };
    EXPECT_EQ(Send(kFirst), 101);
    EXPECT_EQ(log, (Log{"A before app+1 result=0", "previous app+1", "A after app+1 result=101"}));
}

// A subclass of another kind, put in front of a window's procedure by hand.
WNDPROC g_foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP && g_log) g_log->push_back("foreign " + MessageName(message));
    return CallWindowProcW(g_foreignPrevious, window, message, wParam, lParam);
}

TEST_F(SubclassTest, ASubclassPutInFrontOfOursKeepsItsPlaceWhenOursIsDetached) {
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    g_foreignPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProcedure)));
    EXPECT_EQ(Send(kFirst), 101);
    tableA->DetachSubclass(window);
    // Ours cannot be taken out from under the foreign one: it stays, passing messages on.
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProcedure));
    EXPECT_EQ(Send(kFirst), 101);
    // The foreign one leaves as it came; the window still answers, and may be attached again.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_foreignPrevious));
    EXPECT_EQ(Send(kFirst), 101);
    ASSERT_TRUE(tableA->sc_Subclass(window));
    tableA->AddSubclassMessage(window, kFirst, kAfterPrevious);
    EXPECT_EQ(Send(kFirst), 101);
    tableA->DetachSubclass(window);
    EXPECT_TRUE(ProcedureIsThePreviousOne(window));
    EXPECT_EQ(log, (Log{"foreign app+1", "previous app+1", "A after app+1 result=101", "foreign app+1",
                        "previous app+1", "previous app+1", "previous app+1", "A after app+1 result=101"}));
}

// An ANSI window's own procedure: keeps the last text it was given, as the bytes it received.
std::string g_ansiText;
LRESULT CALLBACK AnsiProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) g_ansiText = reinterpret_cast<const char*>(lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SubclassTest, AnAnsiWindowStillGetsItsTextsInItsOwnCharacterSet) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = AnsiProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = "TarnwickSubclassAnsiTest";
    RegisterClassA(&wc);
    HWND ansi = CreateWindowExA(0, "TarnwickSubclassAnsiTest", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(ansi, nullptr);
    ASSERT_TRUE(tableA->sc_Subclass(ansi));
    tableA->AddSubclassMessage(ansi, WM_SETTEXT, kAfterPrevious);
    SendMessageA(ansi, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Morvex"));
    EXPECT_EQ(g_ansiText, "Morvex");
    SendMessageW(ansi, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Tarnwick!"));
    EXPECT_EQ(g_ansiText, "Tarnwick!");
    EXPECT_EQ(log, (Log{"A after 0xC result=1", "A after 0xC result=1"}));
    tableA->DetachSubclass(ansi);
    EXPECT_EQ(GetWindowLongPtrA(ansi, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&AnsiProcedure));
    DestroyWindow(ansi);
}

}  // namespace

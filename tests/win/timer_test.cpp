// The timer: ticks come through the thread's message loop while it is enabled with an
// interval, stop when it is disabled, destroyed or gone, and belong to the thread that armed it.
#include "platform/timer.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using platform::Timer;
using testing_support::PumpFor;
using testing_support::PumpUntil;

TEST(TimerTest, AnEnabledTimerTicksThroughTheMessageLoop) {
    Timer timer;
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    EXPECT_EQ(ticks, 0) << "nothing ticks before the loop runs";
    PumpUntil([&] { return ticks >= 3; }, 5000);
    EXPECT_GE(ticks, 3);
}

TEST(TimerTest, NoTicksWhileDisabledOrWithoutAnInterval) {
    Timer disabled;
    Timer noInterval;
    int ticks = 0;
    disabled.onTick = [&] { ++ticks; };
    noInterval.onTick = [&] { ++ticks; };
    disabled.SetInterval(10);
    noInterval.SetEnabled(true);
    PumpFor(200);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(disabled.Interval(), 10u);
    EXPECT_TRUE(noInterval.Enabled());
}

TEST(TimerTest, DisablingFromItsOwnTickStopsIt) {
    Timer timer;
    int ticks = 0;
    timer.onTick = [&] {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    PumpUntil([&] { return ticks >= 1; }, 5000);
    PumpFor(150);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, TwoTimersTickEachTheirOwnHandler) {
    Timer fast;
    Timer slow;
    int fastTicks = 0;
    int slowTicks = 0;
    fast.onTick = [&] { ++fastTicks; };
    slow.onTick = [&] { ++slowTicks; };
    fast.SetInterval(10);
    slow.SetInterval(10);
    fast.SetEnabled(true);
    slow.SetEnabled(true);
    PumpUntil([&] { return fastTicks >= 2 && slowTicks >= 2; }, 5000);
    EXPECT_GE(fastTicks, 2);
    EXPECT_GE(slowTicks, 2);
    slow.SetEnabled(false);
    const int slowBefore = slowTicks;
    const int fastBefore = fastTicks;
    PumpUntil([&] { return fastTicks >= fastBefore + 2; }, 5000);
    EXPECT_GE(fastTicks, fastBefore + 2) << "the other timer goes on";
    EXPECT_EQ(slowTicks, slowBefore);
}

TEST(TimerTest, ADestroyedTimerStaysQuietWhateverIsSet) {
    Timer timer;
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    ASSERT_TRUE(timer.IsAlive());
    timer.Destroy();
    EXPECT_FALSE(timer.IsAlive());
    timer.SetEnabled(true);
    timer.SetInterval(5);
    PumpFor(150);
    EXPECT_EQ(ticks, 0);
}

TEST(TimerTest, ATimerThatIsGoneNeverTicks) {
    int ticks = 0;
    auto timer = std::make_unique<Timer>();
    timer->onTick = [&] { ++ticks; };
    timer->SetInterval(5);
    timer->SetEnabled(true);
    Sleep(30);  // due at least once before it goes
    timer.reset();
    PumpFor(150);
    EXPECT_EQ(ticks, 0);
}

TEST(TimerTest, ChangingTheIntervalKeepsOneTimerRunning) {
    Timer timer;
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.SetEnabled(true);
    timer.SetInterval(1000);
    timer.SetInterval(10);
    PumpUntil([&] { return ticks >= 2; }, 5000);
    EXPECT_GE(ticks, 2) << "the new interval is in force";
    timer.SetEnabled(false);
    const int before = ticks;
    PumpFor(150);
    EXPECT_EQ(ticks, before) << "no earlier arming is left behind";
}

// A timer armed on another thread ticks there, by that thread's loop, and never here.
struct WorkerTimer {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    LONG ticks = 0;
    DWORD tickThread = 0;
    DWORD thread = 0;

    ~WorkerTimer() {
        CloseHandle(ready);
        CloseHandle(stop);
    }

    static DWORD WINAPI Run(void* parameter) {
        auto& self = *static_cast<WorkerTimer*>(parameter);
        Timer timer;
        timer.onTick = [&] {
            self.tickThread = GetCurrentThreadId();
            InterlockedIncrement(&self.ticks);
        };
        timer.SetInterval(10);
        timer.SetEnabled(true);
        SetEvent(self.ready);
        while (MsgWaitForMultipleObjects(1, &self.stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        return 0;
    }
};

TEST(TimerTest, TicksBelongToTheThreadThatArmedTheTimer) {
    WorkerTimer worker;
    HANDLE thread = CreateThread(nullptr, 0, &WorkerTimer::Run, &worker, 0, &worker.thread);
    ASSERT_TRUE(thread);
    ASSERT_EQ(WaitForSingleObject(worker.ready, 5000), WAIT_OBJECT_0);
    Timer here;
    int hereTicks = 0;
    here.onTick = [&] { ++hereTicks; };
    here.SetInterval(10);
    here.SetEnabled(true);
    PumpUntil([&] { return hereTicks >= 3 && InterlockedCompareExchange(&worker.ticks, 0, 0) >= 3; }, 5000);
    SetEvent(worker.stop);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    EXPECT_GE(hereTicks, 3);
    EXPECT_GE(worker.ticks, 3);
    EXPECT_EQ(worker.tickThread, worker.thread);
}

}  // namespace

// A timer with an interval in milliseconds, an enabled flag and a tick handler. It is a timer
// of the thread (no window of its own, which would cost a window to create at start-up); the
// thread's message loop, or any modal loop it runs, delivers the ticks.
#pragma once

#include <windows.h>

#include <functional>

namespace platform {

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Until Destroy the timer can be armed; afterwards it stays quiet whatever is set.
    bool IsAlive() const { return alive_; }
    void Destroy();

    std::function<void()> onTick;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void Rearm();
    void Disarm();

    unsigned interval_ = 0;
    bool enabled_ = false;
    bool alive_ = true;
    UINT_PTR id_ = 0;  // the thread timer's id while armed
};

}  // namespace platform

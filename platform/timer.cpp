#include "platform/timer.h"

namespace platform {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Timer::Timer() { Create(L"TarnwickTimer", 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, 0); }

Timer::~Timer() {
    if (IsAlive()) KillTimer(hwnd(), kTimerId);
}

void Timer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Rearm();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Rearm();
}

void Timer::Rearm() {
    if (!IsAlive()) return;
    KillTimer(hwnd(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(hwnd(), kTimerId, interval_, nullptr);
}

LRESULT Timer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (onTick) onTick();
        return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

}  // namespace platform

// Thread timers that call back a function of ours, found by the system's timer id.
#include "platform/timer.h"

#include <vector>

namespace platform {

namespace {
// The armed timers of the process: a thread timer's tick carries only its id, which is the
// system's own and is only known unique within the thread that armed it (and which the tick
// comes to). The lock keeps timers of other threads apart.
struct ArmedTimer {
    DWORD thread;
    UINT_PTR id;
    Timer* timer;
};

SRWLOCK g_armedLock = SRWLOCK_INIT;
std::vector<ArmedTimer> g_armed;

class ArmedTable {
public:
    ArmedTable() { AcquireSRWLockExclusive(&g_armedLock); }
    ~ArmedTable() { ReleaseSRWLockExclusive(&g_armedLock); }
    ArmedTable(const ArmedTable&) = delete;
    ArmedTable& operator=(const ArmedTable&) = delete;
    std::vector<ArmedTimer>& entries() { return g_armed; }
};
}  // namespace

Timer::~Timer() { Disarm(); }

void Timer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Rearm();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Rearm();
}

void Timer::Destroy() {
    Disarm();
    alive_ = false;
}

void Timer::Disarm() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    id_ = 0;
    ArmedTable table;
    std::erase_if(table.entries(), [this](const ArmedTimer& entry) { return entry.timer == this; });
}

void Timer::Rearm() {
    Disarm();
    if (!alive_ || !enabled_ || interval_ == 0) return;
    const UINT_PTR id = SetTimer(nullptr, 0, interval_, &Timer::Tick);
    if (!id) return;  // no timer left in the system: the timer stays quiet
    try {
        ArmedTable table;
        table.entries().push_back(ArmedTimer{GetCurrentThreadId(), id, this});
    } catch (...) {
        KillTimer(nullptr, id);  // not left running unrecorded
        throw;
    }
    id_ = id;
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const DWORD thread = GetCurrentThreadId();
    Timer* timer = nullptr;
    {
        ArmedTable table;
        for (const ArmedTimer& entry : table.entries()) {
            if (entry.thread == thread && entry.id == id) timer = entry.timer;
        }
    }
    // A tick already queued when its timer was killed finds no entry and is dropped. The
    // handler runs unlocked: it may arm or kill timers itself.
    if (timer && timer->onTick) timer->onTick();
}

}  // namespace platform

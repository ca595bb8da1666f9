// The tests' one message pump: the program's own processing of pending messages, and waiting
// for a condition or a time while messages are delivered.
#pragma once

#include <windows.h>

#include "platform/message_loop.h"

namespace testing_support {

// Delivers every message waiting for this thread, as the program's loop does.
inline void Pump() { platform::ProcessPendingMessages(); }

// Delivers messages until done() holds or the time is up; true when done() held.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    return true;
}

// Delivers messages for the whole time given.
inline void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

}  // namespace testing_support

// ArmLeaveTracking: the entry point is the one the load's probe found, looked up by name, so
// the program does not depend on user32 exporting it.
#include "controls/aerobutton/leave_tracking.h"

#include <windows.h>

namespace aerobutton {

// The request's size as the system checks it: four 32-bit fields on i686, padded to 24 bytes
// with the 64-bit window handle.
static_assert(sizeof(TRACKMOUSEEVENT) == (sizeof(void*) == 4 ? 16 : 24));

namespace {
using TrackMouseEventEntry = BOOL(WINAPI*)(TRACKMOUSEEVENT*);

TrackMouseEventEntry LookUp(const wchar_t* module, const char* function) {
    // user32 is loaded in every window program; comctl32 is loaded by the program's own use of
    // the common controls, and a reference taken here keeps it for the process's lifetime.
    HMODULE handle = GetModuleHandleW(module);
    if (!handle) handle = LoadLibraryW(module);
    if (!handle) return nullptr;
    return reinterpret_cast<TrackMouseEventEntry>(reinterpret_cast<void*>(GetProcAddress(handle, function)));
}

TrackMouseEventEntry EntryFor(bool hasTrackMouseEvent) {
    // Looked up once each, when first needed: the answer does not change while the process runs.
    if (hasTrackMouseEvent) {
        static const TrackMouseEventEntry user32 = LookUp(L"user32", "TrackMouseEvent");
        return user32;
    }
    static const TrackMouseEventEntry comctl32 = LookUp(L"comctl32", "_TrackMouseEvent");
    return comctl32;
}
}  // namespace

void ArmLeaveTracking(HWND window, bool hasTrackMouseEvent) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = 0;
    // Not examined: without tracking the button only misses the leave notice; the capture
    // held during a press still reports leaving through the mouse moves.
    if (const TrackMouseEventEntry entry = EntryFor(hasTrackMouseEvent)) entry(&request);
}

}  // namespace aerobutton

// ArmLeaveTracking: the entry point is the one the load's probe found, looked up by name, so
// the program does not depend on user32 exporting it.
#include "controls/aerobutton/leave_tracking.h"

#include <windows.h>

#include <commctrl.h>

#include <type_traits>

namespace aerobutton {

namespace {
using TrackMouseEventEntry = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
// The same type as the system's declarations, calling convention included (it differs from the
// compiler's default in the 32-bit build); naming them here imports nothing.
static_assert(std::is_same_v<TrackMouseEventEntry, decltype(&::TrackMouseEvent)>);
static_assert(std::is_same_v<TrackMouseEventEntry, decltype(&::_TrackMouseEvent)>);

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

// Arming the system's one-shot notice that the pointer has left a window (WM_MOUSELEAVE).
#pragma once

#include <windows.h>

namespace aerobutton {

// Asks for one WM_MOUSELEAVE to the window when the pointer leaves it: through user32's
// TrackMouseEvent when hasTrackMouseEvent, otherwise through comctl32's _TrackMouseEvent.
void ArmLeaveTracking(HWND window, bool hasTrackMouseEvent);

}  // namespace aerobutton

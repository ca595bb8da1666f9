// ArmLeaveTracking.
#include "controls/aerobutton/leave_tracking.h"

#include <commctrl.h>

namespace aerobutton {

void ArmLeaveTracking(HWND window, bool hasTrackMouseEvent) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = 0;
    // Not examined: without tracking the button only misses the leave notice; the capture
    // held during a press still reports leaving through the mouse moves.
    if (hasTrackMouseEvent) {
        TrackMouseEvent(&request);
    } else {
        _TrackMouseEvent(&request);
    }
}

}  // namespace aerobutton

// Hover and activation tracking that a run-time load attaches and termination detaches.
#include "controls/aerobutton/aero_button.h"

namespace aerobutton {

void AeroButton::AttachTracking() {
    // The mouse-leave probe and the subclassing of the button's and its form's windows are
    // attached here once the subclassing machinery is in.
}

void AeroButton::DetachTracking() {}

void AeroButton::ArmLeave() {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hWnd(), 0};
    TrackMouseEvent(&track);
}

}  // namespace aerobutton

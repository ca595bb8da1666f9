// Hover and activation tracking that a run-time load attaches and termination detaches: the
// mouse-leave notice on the button's window and the activation messages of its form, both
// delivered after the windows' own procedures.
#include "controls/aerobutton/aero_button.h"

#include "controls/aerobutton/export_probe.h"
#include "controls/aerobutton/leave_tracking.h"
#include "platform/control_error.h"

namespace aerobutton {

void AeroButton::AttachTracking() {
    hasTrackMouseEvent_ = ProbeExportThroughEntry(L"TrackMouseEvent", L"User32");
    if (!hasTrackMouseEvent_ && !ProbeExportThroughEntry(L"_TrackMouseEvent", L"Comctl32")) {
        throw platform::ControlError(-1, "System does not support TrackMouseEvent.");
    }
    if (!subclasses_) subclasses_ = std::make_unique<SubclassTable>(*this);
    // Not examined: without the subclass the button only misses the leave notice.
    subclasses_->sc_Subclass(hWnd(), 0);
    subclasses_->AddSubclassMessage(hWnd(), WM_MOUSELEAVE, kAfterPrevious);

    // The form: the first of the parent, its parent and that one's parent that is a form.
    HWND form = nullptr;
    const auto chain = site_.ParentChain();
    for (std::size_t i = 0; i < chain.size() && i < 3; ++i) {
        if (chain[i].isForm) {
            form = chain[i].hwnd;
            break;
        }
    }
    if (!form) return;
    subclasses_->sc_Subclass(form, 0);
    const bool mdiChild = (GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    subclasses_->AddSubclassMessage(form, mdiChild ? WM_NCACTIVATE : WM_ACTIVATE, kAfterPrevious);
}

void AeroButton::DetachTracking() {
    if (subclasses_) subclasses_->DetachAllSubclasses();
    subclasses_.reset();
}

void AeroButton::ArmLeave() { ArmLeaveTracking(hWnd(), hasTrackMouseEvent_); }

}  // namespace aerobutton

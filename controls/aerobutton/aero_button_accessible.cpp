// The button as accessibility clients see it: its facts, the click they may ask for, and the
// events that tell them of changes.
#include "controls/aerobutton/aero_button.h"

namespace aerobutton {

AccessibleFacts AeroButton::Facts() const {
    AccessibleFacts facts;
    facts.toggle = checkBoxMode_ != 0;
    facts.checked = value_ != 0;
    facts.pressed = visualState_ == StateDown;
    // The button's own record, not a question to the window system on every paint; while
    // its form is inactive the button has no focus the user could see.
    facts.focused = hasFocus_ && isParentActive_;
    facts.enabled = enabled_ != 0;
    facts.hot = isMouseOver_;
    facts.isDefault = isDefault_;
    facts.hidden = isHidden_ || !IsWindowVisible(hWnd());
    return facts;
}

bool AeroButton::QueueAccessibleClick() {
    if (!enabled_) return false;
    surface_->QueueDefaultAction();
    return true;
}

void AeroButton::ReportAccessibleState() {
    const long flags = ButtonStateFlags(Facts());
    if (flags == reportedState_) return;
    const bool first = reportedState_ == -1;
    reportedState_ = flags;
    if (!first) surface_->NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

}  // namespace aerobutton

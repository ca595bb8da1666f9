// How the button answers its input: mouse, keyboard, access keys, focus, the container's
// default-button changes, and the activation and mouse-leave messages of its subclassed
// windows. Every change of look goes through Redraw; events go to the container.
#include "controls/aerobutton/aero_button.h"
#include "platform/input_state.h"

namespace aerobutton {

namespace {
constexpr std::int16_t kDoubleClicked = 8;  // LastMouseButton after a double-click
constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kAltAlone = 4;
}  // namespace

void AeroButton::RaiseMouseEvent(std::int32_t id, std::wstring_view name, std::int16_t button, std::int16_t shift,
                                 float x, float y) {
    RaiseEvent(id, name, {button, shift, x, y});
}

void AeroButton::Capture() {
    if (GetCapture() != hWnd()) SetCapture(hWnd());
}

void AeroButton::ReleaseCapture() {
    if (GetCapture() == hWnd()) ::ReleaseCapture();
}

void AeroButton::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (handPointer_) SetCursor(handCursor_);
    lastMouseButton_ = button;
    if (button == platform::kLeftButton) {
        hasFocus_ = true;
        isPressed_ = true;
        isMouseHeld_ = true;
        if (!isSpaceHeld_) {
            Redraw(StateDown, false);
        } else if (!isMouseOver_) {
            // The press came through the capture held for Space, away from the button.
            isMouseHeld_ = false;
            Redraw(StateNormal, false);
            isMouseHeld_ = true;
        }
    }
    RaiseMouseEvent(event_id::MouseDown, L"MouseDown", button, shift, x, y);
}

void AeroButton::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (handPointer_) {
        SetCursor(handCursor_);
    } else {
        // Writing the pointer back re-applies the configured pointer or custom icon.
        surface_->SetMousePointer(surface_->MousePointer());
        surface_->ApplyPointer();
    }
    if (surface_->IsCursorOver()) {
        isMouseOver_ = true;
        if (!isSpaceHeld_) {
            Redraw(isPressed_ ? StateDown : StateHot, false);
        } else if (isMouseHeld_) {
            Redraw(StateDown, false);
        }
        if (isTracking_) {
            RaiseMouseEvent(event_id::MouseMove, L"MouseMove", button, shift, x, y);
        } else {
            isTracking_ = true;
            ArmLeave();
            RaiseEvent(event_id::MouseEnter, L"MouseEnter");
        }
        return;
    }
    // Moves off the button still arrive while the mouse is captured.
    if (isMouseOver_) {
        isMouseOver_ = false;
        if (!isSpaceHeld_ && !isMouseHeld_) Redraw(StateNormal, false);
        RaiseEvent(event_id::MouseLeave, L"MouseLeave");
    } else if (isMouseHeld_) {
        Redraw(StateHot, false);
    }
}

void AeroButton::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (handPointer_ && isMouseOver_) SetCursor(handCursor_);
    if (button != platform::kLeftButton) return;
    isMouseHeld_ = false;
    isPressed_ = isSpaceHeld_;
    if (isSpaceHeld_ && !isMouseOver_) {
        Redraw(StateDown, false);
    } else if (lastMouseButton_ == kDoubleClicked) {
        Redraw(isMouseOver_ ? StateHot : StateNormal, false);
    }
    ReleaseCapture();
    RaiseMouseEvent(event_id::MouseUp, L"MouseUp", button, shift, x, y);
}

void AeroButton::OnClick() { ClickProcedure(); }

void AeroButton::OnDblClick() {
    if (handPointer_) SetCursor(handCursor_);
    if (lastMouseButton_ != platform::kLeftButton) return;
    isPressed_ = true;
    isMouseHeld_ = true;
    Redraw(StateDown, false);
    lastMouseButton_ = kDoubleClicked;
    Capture();
    RaiseEvent(event_id::DblClick, L"DblClick");
}

void AeroButton::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (keyCode == kSpace) {
        if (shift != kAltAlone) {
            isPressed_ = true;
            isSpaceHeld_ = true;
            Capture();
            if (!isMouseHeld_) Redraw(StateDown, false);
        }
        RaiseEvent(event_id::KeyDown, L"KeyDown", {keyCode, shift});
        return;
    }
    if (keyCode >= VK_LEFT && keyCode <= VK_DOWN) {
        if (shift == 0) site_.SendKeys(keyCode == VK_LEFT || keyCode == VK_UP ? L"+{TAB}" : L"{TAB}");
        if (isSpaceHeld_) {
            ReleaseCapture();
            // The queued Tab is handled now; if it moves the focus away, the lost-focus
            // handler clears IsPressed and the click below goes through.
            site_.DoEvents();
            lastMouseButton_ = platform::kLeftButton;
            ClickProcedure();
        }
        return;
    }
    if (isSpaceHeld_) {
        isPressed_ = false;
        isSpaceHeld_ = false;
        ReleaseCapture();
        Redraw(isMouseOver_ ? StateHot : StateNormal, false);
    }
    RaiseEvent(event_id::KeyDown, L"KeyDown", {keyCode, shift});
}

void AeroButton::OnKeyPress(std::int16_t keyAscii) { RaiseEvent(event_id::KeyPress, L"KeyPress", {keyAscii}); }

void AeroButton::OnKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (keyCode == kSpace) {
        isPressed_ = isMouseHeld_;
        if (isSpaceHeld_) {
            isSpaceHeld_ = false;
            lastMouseButton_ = platform::kLeftButton;
            ClickProcedure();
        }
        if (isPressed_) {
            Capture();
        } else {
            ReleaseCapture();
        }
    }
    RaiseEvent(event_id::KeyUp, L"KeyUp", {keyCode, shift});
}

void AeroButton::OnAccessKeyPress(std::int16_t keyAscii) {
    if (!enabled_) return;
    if (isSpaceHeld_) ReleaseCapture();
    // A toggle button ignores Enter and Esc.
    if (checkBoxMode_ && (keyAscii == 13 || keyAscii == 27)) return;
    isPressed_ = false;
    lastMouseButton_ = platform::kLeftButton;
    ClickProcedure();
}

void AeroButton::OnGotFocus() {
    hasFocus_ = true;
    if (!isPressed_) Redraw(StateNormal, false);
}

void AeroButton::OnLostFocus() {
    hasFocus_ = false;
    isPressed_ = false;
    isMouseHeld_ = false;
    isSpaceHeld_ = false;
    if (enabled_ && isParentActive_) Redraw(StateNormal, true);
}

void AeroButton::OnAmbientChanged(std::wstring_view propertyName) {
    isDefault_ = site_.AmbientDisplayAsDefault();
    if (propertyName == L"DisplayAsDefault") {
        isPressed_ = false;
        isMouseHeld_ = false;
        isSpaceHeld_ = false;
        if (enabled_ && !isMouseOver_ && !hasFocus_) Redraw(-1, true);
    }
    ReportAccessibleState();
}

void AeroButton::OnSubclassMessage(bool before, bool& handled, LRESULT& result, HWND window, UINT message,
                                   WPARAM wParam, LPARAM lParam, LONG_PTR& userValue) {
    // Only the message and wParam matter; handled and result are left as they are.
    (void)before;
    (void)handled;
    (void)result;
    (void)window;
    (void)lParam;
    (void)userValue;
    const StateReport report{*this};
    switch (message) {
        case WM_ACTIVATE:
        case WM_NCACTIVATE:
            isParentActive_ = wParam != 0;
            if (isParentActive_) {
                if (enabled_ && (hasFocus_ || isDefault_)) Redraw(StateNormal, true);
            } else {
                const bool hadFocus = hasFocus_;
                const bool framed = isDefault_ || isMouseOver_ || hasFocus_;
                // Painted without focus frame, default frame or hover, and no press goes on
                // in an inactive form: every run-time flag off.
                SetRunTimeFlags(false, false, false, false, false, false, false);
                if (enabled_) Redraw(StateNormal, framed);
                isDefault_ = site_.AmbientDisplayAsDefault();
                hasFocus_ = hadFocus;
            }
            break;
        case WM_MOUSELEAVE:
            isMouseOver_ = false;
            isTracking_ = false;
            if (isSpaceHeld_) break;
            if (enabled_) Redraw(StateNormal, lastMouseButton_ == platform::kLeftButton);
            RaiseEvent(event_id::MouseLeave, L"MouseLeave");
            break;
        default: break;
    }
}

void AeroButton::OnOLEDragDrop(platform::Variant& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                               float& x, float& y) {
    RaiseEvent(event_id::OLEDragDrop, L"OLEDragDrop", {data, effect, button, shift, x, y});
}

void AeroButton::OnOLEDragOver(platform::Variant& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                               float& x, float& y, std::int16_t& state) {
    RaiseEvent(event_id::OLEDragOver, L"OLEDragOver", {data, effect, button, shift, x, y, state});
}

void AeroButton::OnCompleteDrag(std::int32_t& effect) { RaiseEvent(event_id::CompleteDrag, L"CompleteDrag", {effect}); }

}  // namespace aerobutton

// The paint request and the paint sequence: body by state, content, frame, outline and
// corner pixels, all into the button's persistent surface; the palette; the resize handler.
#include "controls/aerobutton/aero_button.h"

#include "controls/aerobutton/body_paint.h"
#include "controls/aerobutton/body_plan.h"
#include "controls/aerobutton/shape_region.h"

namespace aerobutton {

void AeroButton::Redraw(std::int32_t state, bool force) {
    const StateReport report{*this};  // on every path, painted or not
    if (isHidden_) return;
    if (state == -1) state = visualState_;
    if (!force && state == visualState_ && drawnFocus_ == hasFocus_) return;
    surface_->Cls();
    drawnFocus_ = hasFocus_;
    visualState_ = state;
    PaintButton(state);
    // The window shows the new surface when the message loop next paints it: paint requests
    // that come before then (a press and its click, a run of property changes) reach the
    // screen as one paint, and none waits for the window system to bring the screen up to date.
    surface_->Invalidate();
}

void AeroButton::PaintButton(std::int32_t state) {
    const PaintTarget target{surface_->hDC(), clientWidth_, clientHeight_};
    if (layoutDirty_) {
        ApplyShapeRegion(surface_->hwnd(), buttonShape_, clientWidth_, clientHeight_, 3, 3);
        LayoutContent(4, 4);
    }
    const std::int32_t body = BodyStateFor(state, checkBoxMode_ != 0, value_ != 0, enabled_ != 0);
    PaintBody(target, PlanBody(body, value_ != 0, palette_, clientHeight_));
    PaintContent(visualState_);

    FrameInputs frame;
    frame.state = visualState_;
    frame.body = body;
    frame.isMouseHeld = isMouseHeld_;
    frame.isMouseOver = isMouseOver_;
    frame.isParentActive = isParentActive_;
    frame.hasFocus = hasFocus_;
    frame.isDefault = isDefault_;
    PaintFrame(target, PlanFrame(frame), buttonShape_);
}

void AeroButton::RefreshPalette() {
    palette_ = ComputePalette(TranslateColor(backColor_), TranslateColor(foreColor_), TranslateColor(maskColor_));
}

void AeroButton::OnResize() {
    RECT client{};
    GetClientRect(surface_->hwnd(), &client);
    clientHeight_ = client.bottom;
    clientWidth_ = client.right;
    if (clientHeight_ >= kMinimumSide && clientWidth_ >= kMinimumSide) {
        layoutDirty_ = true;
        if (site_.AmbientUserMode() || isReady_) Redraw(-1, true);
        return;
    }
    // The minimum is 15 x 15 pixels. The window has no border, so its outer size is its client
    // size; each size change brings the handler back with the new size.
    if (clientHeight_ < kMinimumSide) surface_->ResizePixels(surface_->WidthPixels(), kMinimumSide);
    if (clientWidth_ < kMinimumSide) surface_->ResizePixels(kMinimumSide, surface_->HeightPixels());
}

}  // namespace aerobutton

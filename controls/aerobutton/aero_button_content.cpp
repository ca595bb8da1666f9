// The button's content: where the caption and the picture go, and drawing them.
#include "controls/aerobutton/aero_button.h"

#include "controls/aerobutton/content_layout.h"

namespace aerobutton {

void AeroButton::LayoutContent(int marginY, int marginX) {
    layoutDirty_ = false;
    ContentLayoutInput in;
    in.width = clientWidth_;
    in.height = clientHeight_;
    in.hasCaption = !caption_.empty();
    if (in.hasCaption) {
        RECT measured{0, 0, clientWidth_, clientHeight_};
        DrawTextW(surface_->hDC(), caption_.c_str(), static_cast<int>(caption_.size()), &measured,
                  DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOCLIP);
        in.measuredText = {measured.left, measured.top, measured.right, measured.bottom};
    }
    in.hasPicture = pictureNormal_ != nullptr;
    in.pictureWidth = pictureSizeW_;
    in.pictureHeight = pictureSizeH_;
    in.alignment = pictureAlignment_;
    in.marginY = marginY;
    in.marginX = marginX;
    const ContentLayout layout = aerobutton::LayoutContent(in);
    textRect_ = layout.textRect;
    if (layout.picRect) picRect_ = *layout.picRect;
}

// The picture of the state and the caption, over the body.
void AeroButton::PaintContent(std::int32_t state) {
    (void)state;
    // Pictures and the caption are drawn here once their drawing code is in.
}

}  // namespace aerobutton

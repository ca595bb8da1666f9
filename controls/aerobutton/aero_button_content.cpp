// The button's content: where the caption and the picture go, and drawing them over the body.
#include "controls/aerobutton/aero_button.h"

#include "controls/aerobutton/caption_paint.h"
#include "controls/aerobutton/content_layout.h"
#include "controls/aerobutton/picture_paint.h"

namespace aerobutton {

namespace {
// The opacity of every picture of a disabled button (single precision 0x3E4CCCCD).
constexpr float kDisabledOpacity = 0.2f;
}  // namespace

void AeroButton::LayoutContent(int marginY, int marginX) {
    layoutDirty_ = false;
    ContentLayoutInput in;
    in.width = clientWidth_;
    in.height = clientHeight_;
    in.hasCaption = !caption_.empty();
    if (in.hasCaption)
        in.measuredText = MeasureCaption(surface_->hDC(), caption_, clientWidth_, clientHeight_, isWinNT_);
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

// The picture of the state: the hot one while hot, the down one (or else the hot one) while
// pressed or checked, the normal one otherwise.
const PicturePtr& AeroButton::StatePicture() const {
    if (pictureHot_ && visualState_ == StateHot) return pictureHot_;
    if (visualState_ == StateDown || value_) {
        if (pictureDown_) return pictureDown_;
        if (pictureHot_) return pictureHot_;
    }
    return pictureNormal_;
}

void AeroButton::DrawButtonPicture(const platform::Picture& picture) {
    if (!pictureNormal_) return;
    PictureLook look;
    look.picRect = picRect_;
    look.naturalSize = pictureSize_ == PicSizeNatural;
    look.useMaskColor = useMaskColor_ != 0;
    look.maskColor = palette_.MaskColorRGB;
    look.opacity = visualState_ == StateDisabled ? kDisabledOpacity : pictureOpacity_;
    aerobutton::DrawPicture(PaintTarget{surface_->hDC(), clientWidth_, clientHeight_}, picture, look);
}

void AeroButton::PaintContent(std::int32_t state) {
    if (state == StateDisabled) {
        if (pictureNormal_) DrawButtonPicture(*pictureNormal_);
        DrawCaption(surface_->hDC(), caption_, textRect_, palette_.DisabledTextColor, isWinNT_);
        return;
    }
    if (pictureNormal_) DrawButtonPicture(*StatePicture());
    DrawCaption(surface_->hDC(), caption_, textRect_, palette_.ForeColorRGB, isWinNT_);
}

}  // namespace aerobutton

// GDI behind DrawPicture. Only the part of the picture rectangle inside the client area is
// worked on: its memory blocks are never larger than the client area, whatever size the
// rectangle was given, and the pixels that show are those of the whole stretch.
#include "controls/aerobutton/picture_paint.h"

#include <limits>
#include <optional>

#include "controls/aerobutton/picture_geometry.h"
#include "platform/dib_block.h"
#include "platform/gdi_owner.h"

namespace aerobutton {

using platform::DibBlock;
using platform::PictureType;

namespace {

// An icon is drawn over this colour, which then counts as transparent. It is what the
// one-pixel bitmap of a fresh memory DC reads, so icon pixels of exactly this colour show
// the body too.
constexpr Rgb kIconBackground = 0x000000;

// The system's stretch is exact while target size times source size stays within 2^30;
// beyond that its arithmetic overflows and it draws nothing, so the block is sampled here.
constexpr std::int64_t kStretchProductLimit = std::int64_t{1} << 30;

bool SystemCanStretch(const PictureDrawPlan& plan) {
    const auto fits = [](std::int64_t v) { return v <= std::numeric_limits<int>::max(); };
    return plan.width * plan.sourceWidth <= kStretchProductLimit &&
           plan.height * plan.sourceHeight <= kStretchProductLimit && fits(plan.sourceLeft) && fits(plan.sourceTop);
}

}  // namespace

void DrawPicture(const PaintTarget& target, const platform::Picture& picture, const PictureLook& look) {
    const int pw = picture.WidthPixels();
    const int ph = picture.HeightPixels();
    const std::optional<PictureDrawPlan> plan =
        PlanPictureDraw(look.picRect, look.naturalSize, target.width, target.height, pw, ph);
    if (!plan) return;
    const PixelRect& V = plan->visible;
    const int vw = V.right - V.left;
    const int vh = V.bottom - V.top;

    // The source: the bitmap itself, or the icon rendered over its background colour.
    platform::UniqueMemoryDC sourceDc(target.dc);
    if (!sourceDc) return;
    std::optional<platform::SelectGuard> selectBitmap;
    std::optional<DibBlock> renderedIcon;
    HDC source = sourceDc.get();
    std::optional<Rgb> transparent;
    if (look.useMaskColor) transparent = look.maskColor;
    if (picture.Type() == PictureType::Bitmap) {
        selectBitmap.emplace(source, picture.Bitmap());
    } else if (picture.Type() == PictureType::Icon) {
        if (!transparent) transparent = kIconBackground;
        renderedIcon.emplace(target.dc, pw, ph);
        if (!*renderedIcon) return;
        platform::UniqueBrush background(CreateSolidBrush(*transparent));
        DrawIconEx(renderedIcon->dc(), 0, 0, picture.Icon(), pw, ph, 0, background.get(), DI_NORMAL);
        source = renderedIcon->dc();
    } else {
        return;  // nothing that can be drawn
    }

    // The scaled picture, only where it shows; it starts black, as a fresh bitmap does,
    // wherever the stretch has nothing to put.
    DibBlock scaled(target.dc, vw, vh);
    DibBlock background(target.dc, vw, vh);
    if (!scaled || !background) return;
    if (plan->sourceWidth >= 1 && plan->sourceHeight >= 1) {
        if (SystemCanStretch(*plan)) {
            // The block's origin lies at the visible corner; the stretch starts at D's corner,
            // left of and above it, and the system clips what falls outside the block.
            StretchBlt(scaled.dc(), plan->dest.left - V.left, plan->dest.top - V.top, static_cast<int>(plan->width),
                       static_cast<int>(plan->height), source, static_cast<int>(plan->sourceLeft),
                       static_cast<int>(plan->sourceTop), static_cast<int>(plan->sourceWidth),
                       static_cast<int>(plan->sourceHeight), SRCCOPY);
        } else {
            DibBlock whole(target.dc, pw, ph);
            if (!whole) return;
            BitBlt(whole.dc(), 0, 0, pw, ph, source, 0, 0, SRCCOPY);
            GdiFlush();
            SampleStretch(whole.bits(), pw, ph, *plan, scaled.bits());
        }
    }
    BitBlt(background.dc(), 0, 0, vw, vh, target.dc, V.left, V.top, SRCCOPY);
    GdiFlush();

    ApplyTransparencyAndOpacity(background.bits(), scaled.bits(), static_cast<std::size_t>(vw) * vh, transparent,
                                look.opacity);
    BitBlt(target.dc, V.left, V.top, vw, vh, scaled.dc(), 0, 0, SRCCOPY);
}

}  // namespace aerobutton

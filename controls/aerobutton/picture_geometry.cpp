// Picture placement, the stretch of its visible block, and the transparency and opacity pass.
#include "controls/aerobutton/picture_geometry.h"

#include <algorithm>

namespace aerobutton {

std::optional<PictureDrawPlan> PlanPictureDraw(const PixelRect& picRect, bool naturalSize, int width, int height,
                                               int pictureWidth, int pictureHeight) {
    PictureDrawPlan plan;
    PixelRect D = picRect;
    std::int64_t sx = 0;
    std::int64_t sy = 0;
    if (naturalSize) {
        if (D.left < 0) {
            sx = -static_cast<std::int64_t>(D.left);
            D.left = 0;
        }
        if (D.top < 0) {
            sy = -static_cast<std::int64_t>(D.top);
            D.top = 0;
        }
        D.bottom = std::min(D.bottom, height);
        D.right = std::min(D.right, width);
    }
    const std::int64_t w = static_cast<std::int64_t>(D.right) - D.left;
    const std::int64_t h = static_cast<std::int64_t>(D.bottom) - D.top;
    if (w < 1 || h < 1) return std::nullopt;

    plan.dest = D;
    plan.width = w;
    plan.height = h;
    plan.sourceLeft = sx;
    plan.sourceTop = sy;
    // Only a picture at its own size is copied 1 : 1 where it meets an edge of the client
    // area. In the other size modes a rectangle that happens to end on the edge is still a
    // stretch of the whole picture: copying it 1 : 1 would read past the picture (a 16-pixel
    // picture at 32 x 32 in a 32-pixel-high button would lose its lower half).
    const bool oneToOne = naturalSize;
    plan.sourceWidth = oneToOne && (sx > 0 || D.right == width) ? w : pictureWidth - sx;
    plan.sourceHeight = oneToOne && (sy > 0 || D.bottom == height) ? h : pictureHeight - sy;

    plan.visible =
        PixelRect{std::max(D.left, 0), std::max(D.top, 0), std::min(D.right, width), std::min(D.bottom, height)};
    if (plan.visible.right <= plan.visible.left || plan.visible.bottom <= plan.visible.top) return std::nullopt;
    return plan;
}

namespace {

// The source index under the centre of target index t of a span of n mapped from m:
// floor((2t + 1) * m / (2n)), with t < n, so the product stays below 2^64 for any 32-bit m.
std::int64_t CentreSample(std::int64_t t, std::int64_t n, std::int64_t m) {
    if (m == n) return t;
    const auto numerator = static_cast<std::uint64_t>(2 * t + 1) * static_cast<std::uint64_t>(m);
    return static_cast<std::int64_t>(numerator / static_cast<std::uint64_t>(2 * n));
}

}  // namespace

void SampleStretch(const std::uint32_t* source, int pictureWidth, int pictureHeight, const PictureDrawPlan& plan,
                   std::uint32_t* target) {
    if (plan.sourceWidth < 1 || plan.sourceHeight < 1) return;
    const int visibleWidth = plan.visible.right - plan.visible.left;
    for (int y = plan.visible.top; y < plan.visible.bottom; ++y) {
        const std::int64_t row =
            plan.sourceTop + CentreSample(static_cast<std::int64_t>(y) - plan.dest.top, plan.height, plan.sourceHeight);
        if (row < 0 || row >= pictureHeight) continue;
        std::uint32_t* out = target + static_cast<std::size_t>(y - plan.visible.top) * visibleWidth;
        for (int x = plan.visible.left; x < plan.visible.right; ++x) {
            const std::int64_t column = plan.sourceLeft + CentreSample(static_cast<std::int64_t>(x) - plan.dest.left,
                                                                       plan.width, plan.sourceWidth);
            if (column < 0 || column >= pictureWidth) continue;
            out[x - plan.visible.left] = source[static_cast<std::size_t>(row) * pictureWidth + column];
        }
    }
}

Rgb BlendPixel(Rgb background, Rgb picture, float opacity) { return BlendColor(background, picture, opacity); }

void ApplyTransparencyAndOpacity(const std::uint32_t* background, std::uint32_t* picture, std::size_t count,
                                 std::optional<Rgb> transparent, float opacity) {
    if (!transparent && opacity == 1.0f) return;
    for (std::size_t i = 0; i < count; ++i) {
        // The block is 32 bits deep, so a colour shows as itself: no nearer colour to look up.
        const Rgb p = RgbFromDibPixel(picture[i]);
        const Rgb b = RgbFromDibPixel(background[i]);
        if (transparent && p == *transparent) {
            picture[i] = background[i];
        } else if (opacity != 1.0f) {
            picture[i] = DibPixelFromRgb(BlendPixel(b, p, opacity));
        }
    }
}

}  // namespace aerobutton

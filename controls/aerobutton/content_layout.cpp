// The nine picture alignments and the caption placement around them.
#include "controls/aerobutton/content_layout.h"

#include <algorithm>
#include <limits>

namespace aerobutton {

namespace {

struct Box {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    void Move(std::int64_t dx, std::int64_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
};

// Halving of layout arithmetic: toward zero (-13 / 2 == -6).
std::int64_t Half(std::int64_t value) { return value / 2; }

std::int32_t Narrow(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

PixelRect ToRect(const Box& b) { return PixelRect{Narrow(b.left), Narrow(b.top), Narrow(b.right), Narrow(b.bottom)}; }

// Places picture P and caption T; returns early exactly where the caption is empty (g = 0).
void Arrange(std::int32_t alignment, std::int64_t W, std::int64_t H, std::int64_t mY, std::int64_t mX, std::int64_t g,
             Box& P, Box& T) {
    switch (alignment) {
        case PicAlignCenter: P.Move(Half(W - P.right), Half(H - P.bottom)); return;
        case PicAlignBottomEdge: {
            P.Move(Half(W - P.right), 0);
            T.Move(0, -T.top);
            P.Move(0, H - P.bottom - mY);
            if (g == 0) return;
            T.Move(0, P.top - T.bottom);
            const std::int64_t f = T.top - mY;
            if (f > 1) T.Move(0, -Half(f));
            return;
        }
        case PicAlignBottom: {
            P.Move(Half(W - P.right), 0);
            T.Move(0, -T.top);
            if (g == 0) {
                P.Move(0, Half(H - P.bottom));
                return;
            }
            P.Move(0, T.bottom);
            const std::int64_t d = Half(H - P.bottom);
            P.Move(0, d);
            T.Move(0, d);
            return;
        }
        case PicAlignLeftEdge: {
            P.Move(0, Half(H - P.bottom));
            T.Move(-T.left, 0);
            P.Move(mX, 0);
            if (g == 0) return;
            T.Move(P.right + g, 0);
            const std::int64_t f = W - mX - T.right;
            if (f > 1) T.Move(Half(f), 0);
            return;
        }
        case PicAlignLeft: {
            P.Move(0, Half(H - P.bottom));
            T.Move(-T.left, 0);
            if (g == 0) {
                P.Move(Half(W - P.right), 0);
                return;
            }
            T.Move(P.right + g, 0);
            const std::int64_t d = Half(W - T.right);
            T.Move(d, 0);
            P.Move(d, 0);
            return;
        }
        case PicAlignRightEdge: {
            P.Move(0, Half(H - P.bottom));
            T.Move(-T.left, 0);
            P.Move(W - P.right - mX, 0);
            if (g == 0) return;
            T.Move(P.left - T.right - g, 0);
            const std::int64_t f = T.left - mX;
            if (f > 1) T.Move(-Half(f), 0);
            return;
        }
        case PicAlignRight: {
            P.Move(0, Half(H - P.bottom));
            T.Move(-T.left, 0);
            if (g == 0) {
                P.Move(Half(W - P.right), 0);
                return;
            }
            P.Move(T.right + g, 0);
            const std::int64_t d = Half(W - P.right);
            P.Move(d, 0);
            T.Move(d, 0);
            return;
        }
        case PicAlignTopEdge: {
            P.Move(Half(W - P.right), 0);
            T.Move(0, -T.top);
            P.Move(0, mY);
            if (g == 0) return;
            T.Move(0, P.bottom);
            const std::int64_t f = H - T.bottom - mY;
            if (f > 1) T.Move(0, Half(f));
            return;
        }
        case PicAlignTop: {
            P.Move(Half(W - P.right), 0);
            T.Move(0, -T.top);
            if (g == 0) {
                P.Move(0, Half(H - P.bottom));
                return;
            }
            T.Move(0, P.bottom);
            const std::int64_t d = Half(H - T.bottom);
            T.Move(0, d);
            P.Move(0, d);
            return;
        }
        default:
            // An unknown alignment leaves the picture at the top-left corner.
            return;
    }
}

}  // namespace

ContentLayout LayoutContent(const ContentLayoutInput& in) {
    const std::int64_t W = in.width;
    const std::int64_t H = in.height;
    Box T;
    if (in.hasCaption) {
        T = Box{in.measuredText.left, in.measuredText.top, in.measuredText.right, in.measuredText.bottom};
    }
    T.Move(Half(W - T.right), Half(H - T.bottom));

    ContentLayout layout;
    if (in.hasPicture) {
        Box P{0, 0, in.pictureWidth, in.pictureHeight};
        Arrange(in.alignment, W, H, in.marginY, in.marginX, in.hasCaption ? 2 : 0, P, T);
        layout.picRect = ToRect(P);
    }
    layout.textRect = ToRect(T);
    return layout;
}

}  // namespace aerobutton

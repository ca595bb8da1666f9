// The credits scroller's stepping: where the block stands after a tick, and when it starts again.
#include "app/credit_scroll.h"

#include "platform/rounding.h"

namespace app {

namespace {
// The block starts again only once its bottom lies more than this far above the panel's
// top edge, so a pass ends with one tick drawn wholly out of sight.
constexpr double kCreditWrapBelow = -5;
}  // namespace

double CreditWalk::PlaceLine(double lineHeight) {
    const double textTop = position_ + kCreditLineGap;
    position_ = textTop + lineHeight;
    return textTop;
}

bool CreditLineShows(double textTop, double lineHeight, double panelHeight) {
    const double row = platform::RoundHalfEven(textTop);
    return lineHeight > 0 && row + lineHeight > 0 && row < panelHeight;
}

double CreditCentredLeft(double panelInnerWidth, double textWidth) { return (panelInnerWidth - textWidth) / 2; }

float NextCreditTop(float creditTop, double belowLastLine, std::int32_t creditStartTop) {
    if (belowLastLine < kCreditWrapBelow) return static_cast<float>(creditStartTop);
    return creditTop - 1;
}

}  // namespace app

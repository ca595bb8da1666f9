// The gradient arithmetic: middle colour, middle row in single precision, and the colour of
// each row.
#include "controls/aerobutton/gradient.h"

#include <algorithm>

#include "platform/rounding.h"

namespace aerobutton {

using platform::RoundHalfEven;

GradientBox ResolveGradientBox(int x1, int y1, int x2, int y2, int width, int height) {
    if (x2 == -1) x2 = width - 1;
    if (y2 == -1) y2 = height - 1;
    return GradientBox{x1, y1, std::max(x1, x2), std::max(y1, y2)};
}

namespace {

// Each channel rounded(X1 + t * (X2 - X1)) with t already in single precision.
Rgb Mix(Rgb from, Rgb to, float t) {
    const double amount = t;
    const auto mix = [amount](int x1, int x2) { return RoundHalfEven(x1 + amount * (x2 - x1)); };
    return MakeRgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)), mix(BlueOf(from), BlueOf(to)));
}

}  // namespace

GradientStops::GradientStops(Rgb c1, Rgb c2, int percent, int y1, int y2)
    : c1_(c1), c2_(c2), middle_(Mix(c1, c2, 0.5f)), y2_(y2) {
    percent = std::clamp(percent, 0, 100);
    // Two single-precision steps, as the row arithmetic sees them: the offset, then the row.
    const double span = static_cast<double>(y2) - y1 - 1;
    float m = static_cast<float>(percent * span / 100.0);
    m = static_cast<float>(static_cast<double>(m) + y1);
    middleRow_ = m == 0.0f ? 1.0f : m;
}

Rgb GradientStops::RowColor(int y) const {
    const double m = middleRow_;
    if (m >= y) {
        // t counts from row 0, not from y1: a gradient that starts lower begins part-way in.
        return Mix(c1_, middle_, static_cast<float>(y / m));
    }
    return Mix(middle_, c2_, static_cast<float>((y - m) / (y2_ - m)));
}

}  // namespace aerobutton

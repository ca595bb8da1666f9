// Channel arithmetic behind the palette and the body gradients.
#include "controls/aerobutton/color_math.h"

#include <algorithm>

#include "platform/rounding.h"

namespace aerobutton {

using platform::RoundHalfEven;

Rgb BlendColor(Rgb c1, Rgb c2, float t) {
    // The product is formed in double precision from the single-precision t, so 0.8 acts as
    // 0.800000011920929 and 0 blends to 204.000003, not to 204 exactly.
    const double amount = t;
    const auto blend = [amount](int x1, int x2) { return RoundHalfEven(x1 + amount * (x2 - x1)); };
    return MakeRgb(blend(RedOf(c1), RedOf(c2)), blend(GreenOf(c1), GreenOf(c2)), blend(BlueOf(c1), BlueOf(c2)));
}

Rgb ShiftColor(Rgb c, float amount) {
    // -0.1 in single precision times 255 lies just below -25.5, so it subtracts 26.
    const double step = static_cast<double>(amount) * 255.0;
    const auto shift = [step, amount](int x) {
        const int shifted = RoundHalfEven(step + x);
        // Only one side is limited; with channels in 0..255 the other side cannot be crossed.
        return amount > 0 ? std::min(shifted, 255) : std::max(shifted, 0);
    };
    return MakeRgb(shift(RedOf(c)), shift(GreenOf(c)), shift(BlueOf(c)));
}

}  // namespace aerobutton

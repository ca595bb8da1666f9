// The colour arithmetic with any colours, amounts and gradient boxes: channels stay within
// 0..255 and the gradient's rows are computed without overflow.
#include <cmath>
#include <cstdlib>

#include "controls/aerobutton/color_math.h"
#include "controls/aerobutton/gradient.h"
#include "controls/aerobutton/picture_geometry.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace aerobutton;
    fuzz::Input input(data, size);
    const Rgb c1 = input.Take<std::uint32_t>() & 0xFFFFFF;
    const Rgb c2 = input.Take<std::uint32_t>() & 0xFFFFFF;
    const float t = input.Take<float>();
    const float amount = input.Take<float>();
    if (std::isfinite(t) && std::fabs(t) <= 1.0f) {
        if (BlendColor(c1, c2, t) > 0xFFFFFF) std::abort();
        if (BlendPixel(c1, c2, t) > 0xFFFFFF) std::abort();
    }
    if (std::isfinite(amount) && std::fabs(amount) <= 1.0f && ShiftColor(c1, amount) > 0xFFFFFF) std::abort();
    const int width = input.Take<std::uint16_t>();
    const int height = input.Take<std::uint16_t>();
    const GradientBox box = ResolveGradientBox(input.Take<std::int16_t>(), input.Take<std::int16_t>(),
                                               input.Take<std::int16_t>(), input.Take<std::int16_t>(), width, height);
    const GradientStops stops(c1, c2, input.Take<std::int8_t>(), box.y1, box.y2);
    for (int y = box.y1; y <= box.y2 && y < box.y1 + 64; ++y) {
        if (stops.RowColor(y) > 0xFFFFFF) std::abort();
    }
    return 0;
}

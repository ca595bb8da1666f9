// The content layout and the picture draw plan with any sizes: no overflow, and a plan never
// asks for more than the client area.
#include <cstdlib>

#include "controls/aerobutton/content_layout.h"
#include "controls/aerobutton/picture_geometry.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    aerobutton::ContentLayoutInput in;
    in.width = input.Take<std::int16_t>();
    in.height = input.Take<std::int16_t>();
    in.hasCaption = input.Take<std::uint8_t>() & 1;
    in.measuredText = {0, 0, input.Take<std::int32_t>(), input.Take<std::int32_t>()};
    in.hasPicture = input.Take<std::uint8_t>() & 1;
    in.pictureWidth = input.Take<std::int32_t>();
    in.pictureHeight = input.Take<std::int32_t>();
    in.alignment = input.Take<std::int32_t>();
    in.marginY = input.Take<std::int8_t>();
    in.marginX = input.Take<std::int8_t>();
    const aerobutton::ContentLayout layout = aerobutton::LayoutContent(in);
    if (!layout.picRect) return 0;
    const int width = in.width < 0 ? 0 : in.width;
    const int height = in.height < 0 ? 0 : in.height;
    const auto plan = aerobutton::PlanPictureDraw(*layout.picRect, input.Take<std::uint8_t>() & 1, width, height,
                                                  input.Take<std::uint16_t>(), input.Take<std::uint16_t>());
    if (plan) {
        const auto& v = plan->visible;
        if (v.left < 0 || v.top < 0 || v.right > width || v.bottom > height || v.left >= v.right || v.top >= v.bottom)
            std::abort();
    }
    return 0;
}

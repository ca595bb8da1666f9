// A 32-bit DIB section selected into its own memory DC, for drawing and reading pixels back.
#include "platform/dib_block.h"

#include "platform/dib_section.h"

namespace platform {

DibBlock::DibBlock(HDC compatibleWith, int width, int height) {
    if (width < 1 || height < 1) return;
    DibSection section = MakeDibSection(compatibleWith, width, height, 32, RowOrder::TopDown);
    if (!section.bitmap || !section.bits) return;
    UniqueMemoryDC dc(compatibleWith);
    if (!dc) return;
    SelectGuard selection(dc.get(), section.bitmap.get());
    bitmap_ = std::move(section.bitmap);
    dc_ = std::move(dc);
    selection_ = std::move(selection);
    bits_ = static_cast<std::uint32_t*>(section.bits);
    width_ = width;
    height_ = height;
}

}  // namespace platform

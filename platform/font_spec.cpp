#include "platform/font_spec.h"

#include "platform/rounding.h"

namespace platform {

UniqueFont CreateFontFromSpec(const FontSpec& spec) {
    int dpi = 96;
    {
        WindowDC screen(nullptr);
        if (screen) dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    LOGFONTW lf{};
    lf.lfHeight = -RoundHalfEven(spec.size * dpi / 72.0);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfStrikeOut = spec.strikethrough;
    lf.lfCharSet = spec.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace platform

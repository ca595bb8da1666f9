// Fonts made from their descriptions (face, size in points, attributes) at the screen's dots per inch.
#include "platform/font_description.h"

#include "platform/rounding.h"
#include "platform/screen.h"

namespace platform {

UniqueFont CreateFontFromDescription(const FontDescription& font) {
    const int screenDpi = ScreenDotsPerInchY();
    const int dpi = screenDpi > 0 ? screenDpi : 96;
    LOGFONTW lf{};
    lf.lfHeight = -RoundHalfEven(font.size * dpi / 72.0);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfCharSet = font.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace platform

// A font as the program describes it: face, size in points and style flags.
#pragma once

#include <windows.h>

#include <string>

#include "platform/gdi_owner.h"

namespace platform {

struct FontDescription {
    std::wstring name = L"MS Sans Serif";
    float size = 8.25f;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    BYTE charset = DEFAULT_CHARSET;

    bool operator==(const FontDescription&) const = default;
};

// Creates the GDI font for the screen's resolution: the cell height is the size in points
// converted to pixels and rounded, so 8.25 points is 11 pixels at 96 dots per inch.
UniqueFont CreateFontFromDescription(const FontDescription& font);

}  // namespace platform

// Text calls behind the caption. Prefix processing stays on: "&" underlines the next
// character and "&&" draws one ampersand. Results are not examined; text that cannot be
// drawn leaves the surface as it was.
#include "controls/aerobutton/caption_paint.h"

#include <string>

#include "platform/ansi_text.h"

namespace aerobutton {

namespace {

constexpr UINT kMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOCLIP;  // 0x511
constexpr UINT kDrawFlags = DT_CENTER | DT_WORDBREAK | DT_NOCLIP;                   // 0x111

void DrawCaptionText(HDC dc, std::wstring_view caption, RECT& box, UINT flags, bool wideText) {
    if (wideText) {
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &box, flags);
        return;
    }
    const std::string ansi = platform::ToAnsi(caption);
    DrawTextA(dc, ansi.data(), static_cast<int>(ansi.size()), &box, flags);
}

}  // namespace

PixelRect MeasureCaption(HDC dc, std::wstring_view caption, int width, int height, bool wideText) {
    RECT box{0, 0, width, height};
    DrawCaptionText(dc, caption, box, kMeasureFlags, wideText);
    return PixelRect{box.left, box.top, box.right, box.bottom};
}

void DrawCaption(HDC dc, std::wstring_view caption, const PixelRect& textRect, Rgb colour, bool wideText) {
    if (caption.empty()) return;
    RECT box{textRect.left, textRect.top, textRect.right, textRect.bottom};
    SetTextColor(dc, colour);
    DrawCaptionText(dc, caption, box, kDrawFlags, wideText);
}

}  // namespace aerobutton

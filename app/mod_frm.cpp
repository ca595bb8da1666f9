// The main window's form helpers: the title painted on the skin, the rounded region, dragging by the body.
#include "app/mod_frm.h"

#include <string>

#include "app/frm_dictionary.h"
#include "app/main_window_layout.h"
#include "app/round_region.h"
#include "app/skin_pieces.h"
#include "platform/ansi_text.h"
#include "platform/gdi_owner.h"
#include "platform/screen.h"

namespace app {

namespace {
constexpr COLORREF kTitleColor = RGB(255, 255, 255);
}  // namespace

void FormPaintTitle(FrmDictionary& window, std::wstring_view title, int textLeft, int textTop) {
    window.SetAutoRedraw(true);
    window.SetScaleMode(platform::ScaleMode::Pixels);
    window.Cls();

    const int width = window.ClientWidthPixels();
    const int height = window.ClientHeightPixels();
    HDC dest = window.hDC();
    HDC atlas = window.pTop().hDC();
    // A failed copy leaves its piece unpainted and the rest goes on, so results are not
    // examined. The stretch mode is the DC's own; none is chosen here.
    for (const SkinPiece& piece : SkinPieces(width, height)) {
        const PixelBox& d = piece.dest;
        const PixelBox& s = piece.source;
        if (piece.stretched)
            StretchBlt(dest, d.x, d.y, d.width, d.height, atlas, s.x, s.y, s.width, s.height, SRCCOPY);
        else
            BitBlt(dest, d.x, d.y, d.width, d.height, atlas, s.x, s.y, SRCCOPY);
    }

    window.SetForeColor(kTitleColor);
    window.SetFontBold(true);
    RECT box{};
    SetRect(&box, textLeft, textTop, width, height);
    // Format 0: top left, breaks only at the text's own line breaks, clipped to the box, and
    // an ampersand marks the access key. The surface draws text without filling behind it.
    const std::string text = platform::ToAnsi(title);
    DrawTextA(window.hDC(), text.c_str(), static_cast<int>(text.size()), &box, 0);

    // A caption is set only when it changes: setting one repaints the frame.
    if (window.Caption() != layout::kTitle) window.SetCaption(layout::kTitle);
}

void FormRoundRegion(platform::Form& window) {
    const int tx = platform::TwipsPerPixelX();
    const int ty = platform::TwipsPerPixelY();
    const platform::ScaleMode saved = window.GetScaleMode();
    window.SetScaleMode(platform::ScaleMode::Twips);
    const RegionBox box = RoundRegionBox(window.OuterWidthTwips(), window.OuterHeightTwips(), window.ScaleWidth(),
                                         window.ScaleHeight(), tx, ty);
    platform::UniqueRegion region(
        CreateRoundRectRgn(box.left, box.top, box.right, box.bottom, kRegionCornerEllipse, kRegionCornerEllipse));
    // A failed call leaves the window unclipped and start-up goes on. SetWindowRgn's result
    // only says who owns the region: once it succeeds the window does and deletes it; after a
    // failure it is still ours, and the owner deletes it.
    if (region && SetWindowRgn(window.hwnd(), region.get(), TRUE)) region.release();
    window.SetScaleMode(saved);
}

void FormDrag(platform::Form& window) {
    ReleaseCapture();
    SendMessageA(window.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace app

#include "app/mod_frm.h"

#include "app/frm_dictionary.h"
#include "app/main_window_layout.h"
#include "app/round_region.h"
#include "platform/gdi_owner.h"
#include "platform/screen.h"

namespace app {

void FormPaintTitle(FrmDictionary& window, std::wstring_view title, int textLeft, int textTop) {
    (void)title;
    (void)textLeft;
    (void)textTop;
    window.SetAutoRedraw(true);
    window.SetScaleMode(platform::ScaleMode::Pixels);
    window.Cls();
    window.SetCaption(layout::kTitle);
}

void FormRoundRegion(platform::Form& window) {
    const int tx = platform::TwipsPerPixelX();
    const int ty = platform::TwipsPerPixelY();
    const platform::ScaleMode saved = window.GetScaleMode();
    window.SetScaleMode(platform::ScaleMode::Twips);
    const RegionBox box = RoundRegionBox(window.OuterWidthTwips(), window.OuterHeightTwips(), window.ScaleWidth(),
                                         window.ScaleHeight(), tx, ty);
    platform::UniqueRegion region(CreateRoundRectRgn(box.left, box.top, box.right, box.bottom,
                                                     kRegionCornerEllipse, kRegionCornerEllipse));
    // From here on the region belongs to the window, which deletes it. If either call fails
    // the window simply stays unclipped, so the results are not examined.
    if (region && SetWindowRgn(window.hwnd(), region.get(), TRUE)) region.release();
    window.SetScaleMode(saved);
}

void FormDrag(platform::Form& window) {
    ReleaseCapture();
    SendMessageA(window.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace app

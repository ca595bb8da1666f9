// The screen's dots per inch, asked once, and twips per pixel from them.
#include "platform/screen.h"

#include <windows.h>

#include "platform/gdi_owner.h"
#include "platform/rounding.h"
#include "platform/twips.h"

namespace platform {

namespace {
int AskDotsPerInch(int capability) {
    WindowDC screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), capability) : 0;
}
}  // namespace

// The screen's dots per inch are fixed for the life of the process (a later change of the
// system setting reaches a program of this kind only when it starts again), while asking for
// them takes a screen DC, two calls into the window system. Every conversion of a position
// and every font asks, so the answer is kept from the first question.
int ScreenDotsPerInchX() {
    static const int dpi = AskDotsPerInch(LOGPIXELSX);
    return dpi;
}

int ScreenDotsPerInchY() {
    static const int dpi = AskDotsPerInch(LOGPIXELSY);
    return dpi;
}

int TwipsPerPixelX() { return TwipsPerPixelAt(ScreenDotsPerInchX()); }
int TwipsPerPixelY() { return TwipsPerPixelAt(ScreenDotsPerInchY()); }

int TwipsToPixelsX(double twips) { return RoundHalfEven(twips / TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return RoundHalfEven(twips / TwipsPerPixelY()); }

}  // namespace platform

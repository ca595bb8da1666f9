// Routines of the main window's module: painting the skin and title, the rounded region and
// the drag. Each takes the window as its first argument.
#pragma once

#include <string_view>

#include "platform/form.h"

namespace app {

class FrmDictionary;

// Paints the whole client area from the skin atlas held by the window's hidden pTop, draws
// the title in white bold letters with its box at (textLeft, textTop) and sets the caption
// to "Tarnwick!" whatever the title. Leaves the window in pixel units with a persistent
// back image, white foreground and bold font.
void FormPaintTitle(FrmDictionary& window, std::wstring_view title, int textLeft, int textTop);

// Clips the window to its client area with rounded corners. The region belongs to the
// window afterwards; the window is never resized again, so it is applied once.
void FormRoundRegion(platform::Form& window);

// Lets the system move the window: a press on a title bar, followed until the left button
// is released. Returns after the move.
void FormDrag(platform::Form& window);

}  // namespace app

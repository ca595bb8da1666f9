// Drawing one tick of the credits into their panel: the whole block is cleared and drawn
// again at its current top, each line centred in its own weight.
#pragma once

#include "app/credit_lines.h"
#include "platform/surface_window.h"

namespace app {

// Clears the panel and draws the table's lines with the block's top at creditTop (panel
// units). Returns the position just below the last line. Drawing failures are not
// examined: a step that fails leaves its part unpainted and the rest is still drawn.
double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, float creditTop);

}  // namespace app

// Drawing one tick of the credits into their panel: the whole block is cleared and placed
// again at its current top, each line centred in its own weight; only the lines that reach
// into the panel are drawn.
#pragma once

#include <vector>

#include "app/credit_lines.h"
#include "platform/surface_window.h"

namespace app {

// A line's text extent in the panel's font, in the line's own weight (panel units).
struct CreditMeasure {
    double width = 0;
    double height = 0;
};

// Appends the measures of the table's lines from measures.size() on. Text, font and weight
// of a line do not change once it is built, so each line is measured once.
void MeasureCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits,
                        std::vector<CreditMeasure>& measures);

// Clears the panel and draws the table's lines with the block's top at creditTop (panel
// units), placing every line by its measure (lines not measured yet are measured first).
// Returns the position just below the last line. Drawing failures are not examined: a
// step that fails leaves its part unpainted and the rest is still drawn.
double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, std::vector<CreditMeasure>& measures,
                       float creditTop);

// The same, measuring every line anew.
double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, float creditTop);

}  // namespace app

// Arithmetic of the credits scroller (no <windows.h>: built and tested natively too): where
// each line of a tick stands, how a line is centred, and where the block goes next tick.
#pragma once

#include <cstdint>

namespace app {

// Space above each line's text, in panel pixels.
inline constexpr int kCreditLineGap = 2;

// The downward walk of one tick: it starts at the block's top; each line moves it down by
// the gap, has its text there, and moves it down by one text line (blank lines too).
class CreditWalk {
public:
    explicit CreditWalk(double blockTop) : position_(blockTop) {}

    // Where the next line's text stands; the walk moves on below that line.
    double PlaceLine(double lineHeight);
    // Below the last placed line.
    double Position() const { return position_; }

private:
    double position_;
};

// Whether a line whose text cell starts at textTop (the text is drawn at the whole pixel
// nearest it) and is lineHeight high has any row in a panel panelHeight high. A line that
// has none draws nothing visible.
bool CreditLineShows(double textTop, double lineHeight, double panelHeight);

// The left edge that centres a text of the given width in the panel; may be a half pixel.
double CreditCentredLeft(double panelInnerWidth, double textWidth);

// The block's top for the next tick, from the position below its last line in this one:
// once the block has left the top edge by more than 5 pixels it starts again at the
// panel's height, otherwise it rises by one pixel.
float NextCreditTop(float creditTop, double belowLastLine, std::int32_t creditStartTop);

}  // namespace app

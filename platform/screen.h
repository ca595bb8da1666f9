// Facts about the screen that unit conversions need.
#pragma once

namespace platform {

// The screen's logical dots per inch; 0 when the screen cannot be asked.
int ScreenDotsPerInchX();
int ScreenDotsPerInchY();

// Twips per screen pixel, each made a whole number (15 at 96 dots per inch).
int TwipsPerPixelX();
int TwipsPerPixelY();

// Twips on the screen as whole pixels, rounded half to even: the one conversion of sizes and
// positions given in twips.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

}  // namespace platform

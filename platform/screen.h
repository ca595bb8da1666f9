// Facts about the screen that unit conversions need.
#pragma once

namespace platform {

// The screen's logical dots per inch; 0 when the screen cannot be asked.
int ScreenDotsPerInchX();
int ScreenDotsPerInchY();

// Twips per screen pixel, each made a whole number (15 at 96 dots per inch).
int TwipsPerPixelX();
int TwipsPerPixelY();

}  // namespace platform

// Facts about the screen that unit conversions need.
#pragma once

namespace platform {

// Twips per screen pixel, each made a whole number (15 at 96 dots per inch).
int TwipsPerPixelX();
int TwipsPerPixelY();

}  // namespace platform

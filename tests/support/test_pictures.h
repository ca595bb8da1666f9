// Pictures made in memory for tests: bitmaps of given pixels and icons with a mask.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/picture.h"

namespace testing_support {

// A bitmap picture of width x height; pixels row by row from the top, as COLORREF values.
platform::PicturePtr BitmapPicture(int width, int height, const std::vector<COLORREF>& pixels);
platform::PicturePtr SolidBitmapPicture(int width, int height, COLORREF colour);

// An icon picture: colour pixels as above; `opaque` says per pixel whether the icon covers it
// (the rest is transparent through the icon's mask).
platform::PicturePtr IconPicture(int width, int height, const std::vector<COLORREF>& pixels,
                                 const std::vector<bool>& opaque);

}  // namespace testing_support

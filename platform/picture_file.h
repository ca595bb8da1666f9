// Loading pictures from .bmp and .ico files, checked before the system sees the bytes so
// that a truncated or corrupt file gives an error instead of a broken picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace platform {

inline constexpr std::int32_t kErrorFileNotFound = 53;
inline constexpr std::int32_t kErrorInvalidPicture = 481;

// A bitmap picture from a .bmp file or an icon picture (the file's first image) from a .ico
// file, chosen by the file's content. Raises ControlError 53 when the file cannot be read
// and 481 when its content is not a sound picture.
PicturePtr LoadPictureFile(const std::wstring& path);

// The same from bytes already in memory.
PicturePtr LoadPictureBytes(const std::vector<std::uint8_t>& bytes);

}  // namespace platform

// The control's enumerations with their stored numbers. Fields of these kinds are 32-bit
// integers: values outside an enumeration are stored and persisted unchanged.
#pragma once

#include <cstdint>

namespace aerobutton {

// A 16-bit boolean as the control's records and public interface carry it: false 0, true -1;
// any non-zero value reads as true.
using Bool16 = std::int16_t;
inline constexpr Bool16 kFalse = 0;
inline constexpr Bool16 kTrue = -1;
constexpr Bool16 ToBool16(bool value) { return value ? kTrue : kFalse; }

enum VisualState : std::int32_t { StateNormal = 0, StateHot = 1, StateDown = 2, StateDisabled = 3 };

enum ButtonShape : std::int32_t { ShapeRounded = 0, ShapeSquareLeft = 1, ShapeSquareRight = 2, ShapeSquare = 3 };

enum PictureSize : std::int32_t {
    PicSizeNatural = 0,
    PicSize16 = 1,
    PicSize24 = 2,
    PicSize32 = 3,
    PicSize48 = 4,
    PicSizeCustom = 5,
};

enum PictureAlignment : std::int32_t {
    PicAlignCenter = 0,
    PicAlignBottomEdge = 1,
    PicAlignBottom = 2,
    PicAlignLeftEdge = 3,
    PicAlignLeft = 4,
    PicAlignRightEdge = 5,
    PicAlignRight = 6,
    PicAlignTopEdge = 7,
    PicAlignTop = 8,
};

// Mouse pointer codes of the surface: the default pointer and the custom icon.
inline constexpr std::int16_t kPointerDefault = 0;
inline constexpr std::int16_t kPointerCustom = 99;

}  // namespace aerobutton

// Conversions of tagged values to the types a control's fields hold, as the host performs
// them when a property bag value is assigned: numbers convert between widths (fractions to
// the nearest integer, halves to even), numeric text converts ("&H"/"0x" hex too), "True" and
// "False" convert to booleans. A value that does not fit raises ControlError 6 (overflow),
// one of another kind 13 (type mismatch), a Null 94 (invalid use of Null) where a number or
// a text is wanted; where a picture or a font is wanted a Null is of another kind: 13.
// Free of <windows.h>: tested natively.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/control_error.h"
#include "platform/variant.h"

namespace platform {

std::int32_t ToInt32(const Variant& value);
std::int16_t ToInt16(const Variant& value);
// A 16-bit boolean: any non-zero number is true (-1).
std::int16_t ToBoolean(const Variant& value);
float ToSingle(const Variant& value);
std::wstring ToText(const Variant& value);
// Empty reads as no picture; anything else but a picture, Null included, raises 13.
std::shared_ptr<const Picture> ToPicture(const Variant& value);
// Anything but a font, Empty and Null included, raises 13.
std::shared_ptr<const FontDescription> ToFont(const Variant& value);

}  // namespace platform

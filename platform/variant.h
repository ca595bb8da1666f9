// A tagged value: the kind of value a registry write or a property bag entry carries.
// Free of <windows.h>: the conversions in variant_convert.h are tested natively.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace platform {

class Picture;
struct FontDescription;

struct Empty {};  // no value assigned
struct Null {};   // explicitly no valid data
struct Boolean {  // 16-bit boolean: false 0, true -1
    std::int16_t value = 0;
};
struct Currency {  // fixed point, 4 decimals
    std::int64_t scaled = 0;
};
struct Date {
    double serial = 0;
};
struct Error {
    std::int32_t code = 0;
};

using Variant =
    std::variant<Empty, Null, std::int16_t, std::int32_t, float, double, Currency, Date, std::wstring, Boolean,
                 std::uint8_t, Error, std::shared_ptr<const Picture>, std::shared_ptr<const FontDescription>>;

}  // namespace platform

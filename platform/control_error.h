// The error a control handler raises to its container: a number and a message.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class ControlError : public std::runtime_error {
public:
    ControlError(std::int32_t number, const std::string& message) : std::runtime_error(message), number_(number) {}
    std::int32_t Number() const { return number_; }

private:
    std::int32_t number_;
};

// The host's own error numbers for values that do not convert.
inline constexpr std::int32_t kErrorOverflow = 6;
inline constexpr std::int32_t kErrorTypeMismatch = 13;
inline constexpr std::int32_t kErrorInvalidUseOfNull = 94;

}  // namespace platform

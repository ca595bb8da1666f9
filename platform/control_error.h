// The error a control handler raises to its container: a number and a message.
#pragma once

#include <cstdint>
#include <exception>

namespace platform {

// The message is a literal: the error copies nothing, so raising it cannot fail.
class ControlError : public std::exception {
public:
    ControlError(std::int32_t number, const char* message) : number_(number), message_(message) {}
    std::int32_t Number() const { return number_; }
    const char* what() const noexcept override { return message_; }

private:
    std::int32_t number_;
    const char* message_;
};

// The host's own error numbers for values that do not convert.
inline constexpr std::int32_t kErrorOverflow = 6;
inline constexpr std::int32_t kErrorTypeMismatch = 13;
inline constexpr std::int32_t kErrorInvalidUseOfNull = 94;

}  // namespace platform

// Conversion of the program's UTF-16 text for the system's ANSI ("A") entry points.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text in the system's ANSI code page; characters the code page lacks become its
// default character. Throws std::bad_alloc when memory runs out.
std::string ToAnsi(std::wstring_view text);

// ANSI text, or none for an absent text (passed to the system as a null pointer).
class OptionalAnsi {
public:
    explicit OptionalAnsi(const std::optional<std::wstring>& text) {
        if (text) text_ = ToAnsi(*text);
    }
    const char* c_str() const { return text_ ? text_->c_str() : nullptr; }

private:
    std::optional<std::string> text_;
};

}  // namespace platform

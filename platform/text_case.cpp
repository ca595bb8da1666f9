// Lower and upper case through the system's case tables.
#include "platform/text_case.h"

#include <windows.h>

namespace platform {

std::wstring LowerCase(std::wstring_view text) {
    std::wstring lower(text);
    if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

}  // namespace platform

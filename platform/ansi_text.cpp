// Wide text to the system's ANSI code page, for the calls that take narrow text.
#include "platform/ansi_text.h"

#include <windows.h>

#include <limits>
#include <new>

namespace platform {

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) throw std::bad_alloc();
    const int wideLength = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string result(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, result.data(), needed, nullptr, nullptr);
    return result;
}

}  // namespace platform

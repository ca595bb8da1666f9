// Letter case by the system's rules, which know every alphabet (the C library's default
// locale knows only ASCII): access keys are compared in lower case this way, and shown to
// accessibility clients in upper case.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::wstring LowerCase(std::wstring_view text);
std::wstring UpperCase(std::wstring_view text);

}  // namespace platform

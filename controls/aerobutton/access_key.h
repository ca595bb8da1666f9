// The access key a caption marks with "&" ("&&" is a literal ampersand). No <windows.h>:
// built and tested natively too.
#pragma once

#include <string>
#include <string_view>

namespace aerobutton {

// The key as one lower-case character, or empty text when the caption marks none. The last
// "&" that is not part of a literal "&&" and is not the caption's last character counts.
std::wstring AccessKeyFromCaption(std::wstring_view caption);

}  // namespace aerobutton

// The access key a caption marks with "&" ("&&" is a literal ampersand). No <windows.h>:
// built and tested natively too; the control lower-cases the key by the system's rules.
#pragma once

#include <string>
#include <string_view>

namespace aerobutton {

// The marked character as written, or empty text when the caption marks none. The last "&"
// that marks a character counts; an "&" in the last position marks nothing, and a "&&" pair is
// a literal ampersand that marks nothing either, paired from the left as the caption is drawn
// (so "a&&&b" marks "b", and "&&" or "x&&" mark nothing).
std::wstring MarkedAccessKey(std::wstring_view caption);

// The caption as the button shows it: each "&&" pair as one ampersand, the marks removed. An
// "&" in the last position marks nothing and stays.
std::wstring ShownCaption(std::wstring_view caption);

}  // namespace aerobutton

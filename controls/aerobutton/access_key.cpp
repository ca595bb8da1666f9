#include "controls/aerobutton/access_key.h"

#include <cwctype>

namespace aerobutton {

std::wstring AccessKeyFromCaption(std::wstring_view caption) {
    if (caption.size() < 2) return {};
    // Positions are 1-based, as the rule counts them; an "&" in the last position never
    // marks a key, so the search starts one before it.
    std::ptrdiff_t pos = static_cast<std::ptrdiff_t>(caption.size()) - 1;
    for (;;) {
        std::ptrdiff_t found = 0;
        for (std::ptrdiff_t i = pos; i >= 1; --i) {
            if (caption[static_cast<std::size_t>(i - 1)] == L'&') {
                found = i;
                break;
            }
        }
        if (found == 0) return {};
        wchar_t key = 0;
        if (found == 1) {
            key = caption[1];
        } else if (caption[static_cast<std::size_t>(found - 2)] != L'&') {
            key = caption[static_cast<std::size_t>(found)];
        } else {
            // A literal "&&": look again before the pair.
            pos = found - 2;
            if (pos <= 0) return {};
            continue;
        }
        return std::wstring(1, static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(key))));
    }
}

}  // namespace aerobutton

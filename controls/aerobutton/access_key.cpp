// Finding the character a caption marks as its access key.
#include "controls/aerobutton/access_key.h"

namespace aerobutton {

std::wstring MarkedAccessKey(std::wstring_view caption) {
    // Read from the left as the caption's drawing reads it: "&&" stands for one ampersand and
    // "&" before any other character marks it. The last mark wins; nothing can be marked by
    // an "&" in the last position, as no character follows it.
    std::wstring key;
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;  // the pair's second ampersand is its own text, not a mark
            continue;
        }
        key.assign(1, caption[i + 1]);
        ++i;
    }
    return key;
}

std::wstring ShownCaption(std::wstring_view caption) {
    std::wstring shown;
    shown.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // The character after an "&" stands for itself: a marked letter or a literal "&".
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

}  // namespace aerobutton

// MarkedAccessKey on any caption: the key is empty or one character, never an ampersand, that
// follows an ampersand in the caption.
#include <cstdlib>

#include "controls/aerobutton/access_key.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::wstring caption = input.RestAsUtf16();
    const std::wstring key = aerobutton::MarkedAccessKey(caption);
    if (key.size() > 1) std::abort();
    if (!key.empty() && (key == L"&" || caption.find(L'&' + key) == std::wstring::npos)) std::abort();
    return 0;
}

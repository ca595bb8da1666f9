// The workbench's value parsing and printing with any text: parses either succeed or say no,
// printed text is quoted, and UTF-8 survives a round trip through UTF-16.
#include <cstdlib>

#include "tests/fuzz/fuzz_input.h"
#include "tools/aerolab/lab_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace aerolab;
    fuzz::Input input(data, size);
    const std::string text = input.RestAsBytes();
    (void)ParseInt32(text);
    (void)ParseBool(text);
    if (const auto number = ParseFloat(text)) {
        const auto again = ParseFloat(FormatFloat(*number));
        if (!again || *again != *number) std::abort();
    }
    const std::wstring wide = FromUtf8(text);
    const std::string printed = FormatText(wide);
    if (printed.size() < 2 || printed.front() != '"' || printed.back() != '"') std::abort();
    if (FromUtf8(ToUtf8(wide)) != wide) std::abort();
    return 0;
}

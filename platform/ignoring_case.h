// Comparing words of the program's own vocabulary without regard to case: property-bag keys,
// True and False, nan and inf, the workbench's words. They are ASCII words, so A to Z fold to
// a to z and every other character compares as it is: the same in every locale, and free of
// system calls, since the pure code is built natively too. (Access keys, which may be any
// letter, go by the system's rules instead: text_case.h.)
#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace platform {

namespace detail {
template <typename Char>
constexpr char32_t FoldAscii(Char c) {
    const auto code = static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(c));
    return code >= U'A' && code <= U'Z' ? code - U'A' + U'a' : code;
}
template <typename A, typename B>
constexpr bool EqualsFolded(std::basic_string_view<A> a, std::basic_string_view<B> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}
}  // namespace detail

constexpr bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) { return detail::EqualsFolded(a, b); }
// Wide text against a narrow ASCII word.
constexpr bool EqualsIgnoringCase(std::wstring_view a, std::string_view b) { return detail::EqualsFolded(a, b); }
constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return detail::EqualsFolded(a, b); }

}  // namespace platform

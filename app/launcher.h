// Opening the maker's home page: Run hands a file, program or address to the shell with
// the verb "Open", and the Homepage click reports what went wrong.
#pragma once

#include <windows.h>

#include <functional>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "app/home_page.h"

namespace app {

inline constexpr wchar_t kRunFailureText[] = L"Insufficent system memory or corrupt program file";

// The shell's entry point as Run calls it (ShellExecuteA's parameters); tests replace it.
// Null pointers stand for absent texts. An entry point that cannot be reached throws.
using ShellExecuteEntry = std::function<HINSTANCE(HWND owner, const char* operation, const char* file,
                                                  const char* parameters, const char* directory, int show)>;
ShellExecuteEntry SetShellExecuteEntry(ShellExecuteEntry entry);

// Thrown when the shell library or its entry point cannot be loaded.
class ShellUnavailable : public std::exception {
public:
    explicit ShellUnavailable(const char* message) : message_(message) {}  // a literal
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;
};

// Empty when the shell took the request, else the failure text. Absent texts go to the
// shell as null pointers, present ones converted to the ANSI code page.
std::wstring Run(std::wstring_view strFilePath, const std::optional<std::wstring>& strParms = std::nullopt,
                 const std::optional<std::wstring>& strDir = std::nullopt);

// The Homepage button's click: opens the home page; a failure reported by the shell shows
// its text, a fault during the call the connection box. Boxes are owned by owner.
void HomepageClick(HWND owner);

}  // namespace app

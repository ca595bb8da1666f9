// The modal message box: text, title, one icon and an OK button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr UINT kIconError = MB_ICONERROR;              // 0x10
inline constexpr UINT kIconInformation = MB_ICONINFORMATION;  // 0x40

// Shows the box modally over owner and returns when the user closes it.
void ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view title, UINT icon);

// Tests replace the box with a recorder; an empty function restores the real box.
using MessageBoxHook = std::function<void(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

}  // namespace platform

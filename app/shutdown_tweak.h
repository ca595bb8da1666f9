// The program's one job: the shutdown-timeout registry value, and the Apply click that writes it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/variant.h"

namespace app {

inline constexpr wchar_t kTweakKey[] = L"SYSTEM\\ControlSet001\\Control";
inline constexpr wchar_t kTweakField[] = L"WaitToKillServiceTimeout";
inline constexpr std::int32_t kTweakValue = 1000;

// The registry calls RegValueSet makes, replaceable so that tests can make each one fail.
// An empty member means the system's own call.
struct RegistryEntries {
    std::function<LONG(HKEY root, const char* key, DWORD options, REGSAM access, HKEY* opened)> open;
    std::function<LONG(HKEY key, const char* field, DWORD reserved, DWORD type, const BYTE* data, DWORD size)> setValue;
    std::function<LONG(HKEY key)> close;
};
// Puts entries in place and returns the ones they replace.
RegistryEntries SetRegistryEntries(RegistryEntries entries);

// Opens an existing key of root and writes one value: a 16- or 32-bit integer as REG_DWORD,
// a text as REG_SZ; other kinds write nothing. Returns 0 on success, else the Win32 error of
// opening the key, of the write, or of closing the key.
std::int32_t RegValueSet(HKEY root, std::wstring_view key, std::wstring_view field, const platform::Variant& value);

// The Apply click: writes the value and tells the user in a modal box whether it worked.
void ApplyShutdownTweak(HWND owner);

}  // namespace app

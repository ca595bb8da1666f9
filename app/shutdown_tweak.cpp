// The Apply action: WaitToKillServiceTimeout written to the registry, and the box that says how it went.
#include "app/shutdown_tweak.h"

#include <string>

#include "platform/ansi_text.h"
#include "platform/message_box.h"

namespace app {

namespace {
// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY |
// KEY_CREATE_LINK: enough to write a value, without the standard rights of KEY_ALL_ACCESS.
constexpr REGSAM kOpenAccess = 0x3F;

constexpr wchar_t kErrorText[] = L"Error";
constexpr wchar_t kErrorTitle[] = L"Error!";
constexpr wchar_t kSuccessText[] = L"Success...\r\nYour computer will Shutdown much faster from the next time.";
constexpr wchar_t kSuccessTitle[] = L"Success!";

RegistryEntries& Entries() {
    static RegistryEntries entries;
    return entries;
}

LONG Open(HKEY root, const char* key, HKEY* opened) {
    const auto& open = Entries().open;
    return open ? open(root, key, 0, kOpenAccess, opened) : RegOpenKeyExA(root, key, 0, kOpenAccess, opened);
}

LONG SetValue(HKEY key, const char* field, DWORD type, const BYTE* data, DWORD size) {
    const auto& setValue = Entries().setValue;
    return setValue ? setValue(key, field, 0, type, data, size) : RegSetValueExA(key, field, 0, type, data, size);
}

LONG Close(HKEY key) {
    const auto& close = Entries().close;
    return close ? close(key) : RegCloseKey(key);
}

LONG WriteValue(HKEY key, const std::string& field, const platform::Variant& value) {
    if (const auto* small = std::get_if<std::int16_t>(&value)) {
        const std::int32_t widened = *small;
        return SetValue(key, field.c_str(), REG_DWORD, reinterpret_cast<const BYTE*>(&widened), sizeof widened);
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return SetValue(key, field.c_str(), REG_DWORD, reinterpret_cast<const BYTE*>(number), sizeof *number);
    }
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        const std::string ansi = platform::ToAnsi(*text);
        // The data length counts the terminating zero.
        return SetValue(key, field.c_str(), REG_SZ, reinterpret_cast<const BYTE*>(ansi.c_str()),
                        static_cast<DWORD>(ansi.size() + 1));
    }
    return ERROR_SUCCESS;  // other kinds are accepted and write nothing
}
}  // namespace

RegistryEntries SetRegistryEntries(RegistryEntries entries) {
    RegistryEntries previous = std::move(Entries());
    Entries() = std::move(entries);
    return previous;
}

std::int32_t RegValueSet(HKEY root, std::wstring_view key, std::wstring_view field, const platform::Variant& value) {
    const std::string keyAnsi = platform::ToAnsi(key);
    const std::string fieldAnsi = platform::ToAnsi(field);
    HKEY opened = nullptr;
    const LONG openStatus = Open(root, keyAnsi.c_str(), &opened);
    if (openStatus != ERROR_SUCCESS) return openStatus;
    const LONG writeStatus = WriteValue(opened, fieldAnsi, value);
    const LONG closeStatus = Close(opened);
    // A failed write must not read as success, even when the key closes cleanly.
    return writeStatus != ERROR_SUCCESS ? writeStatus : closeStatus;
}

void ApplyShutdownTweak(HWND owner) {
    const std::int32_t status = RegValueSet(HKEY_LOCAL_MACHINE, kTweakKey, kTweakField, kTweakValue);
    if (status != 0)
        platform::ShowMessageBox(owner, kErrorText, kErrorTitle, platform::kIconError);
    else
        platform::ShowMessageBox(owner, kSuccessText, kSuccessTitle, platform::kIconInformation);
}

}  // namespace app

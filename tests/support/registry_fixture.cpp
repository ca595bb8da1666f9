#include "tests/support/registry_fixture.h"

namespace testing_support {

std::optional<RawValue> ReadRawValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExW(opened, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        status = RegQueryValueExW(opened, name.c_str(), nullptr, &value.type, value.data.data(), &size);
        value.data.resize(size);
    }
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

void DeleteKeyTree(HKEY root, const std::wstring& key) {
    // RegDeleteTreeW empties the key; the key itself goes with RegDeleteKeyW.
    RegDeleteTreeW(root, key.c_str());
    RegDeleteKeyW(root, key.c_str());
}

void CreateKey(HKEY root, const std::wstring& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr) == ERROR_SUCCESS)
        RegCloseKey(created);
}

ScratchKey::ScratchKey(const std::wstring& name) : path_(L"Software\\TarnwickTests\\" + name) {
    DeleteKeyTree(HKEY_CURRENT_USER, path_);
    CreateKey(HKEY_CURRENT_USER, path_);
}

ScratchKey::~ScratchKey() { DeleteKeyTree(HKEY_CURRENT_USER, path_); }

}  // namespace testing_support

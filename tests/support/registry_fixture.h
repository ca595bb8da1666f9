// Registry helpers for tests: a scratch key that is removed again, and raw value reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
};

// The value's type and bytes, or none when it does not exist.
std::optional<RawValue> ReadRawValue(HKEY root, const std::wstring& key, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& key);
void DeleteKeyTree(HKEY root, const std::wstring& key);
void CreateKey(HKEY root, const std::wstring& key);

// A fresh, empty key under HKEY_CURRENT_USER\Software\TarnwickTests, deleted on destruction.
class ScratchKey {
public:
    explicit ScratchKey(const std::wstring& name);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace testing_support

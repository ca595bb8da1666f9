#include "platform/property_bag.h"

#include <cwctype>

namespace platform {

bool KeysMatch(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::wstring, Variant>> stored) {
    for (const auto& [key, value] : stored) WriteProperty(key, value, Empty{});
}

const PropertyBag::Entry* PropertyBag::Find(std::wstring_view key) const {
    for (const auto& entry : entries_)
        if (KeysMatch(entry.key, key)) return &entry;
    return nullptr;
}

Variant PropertyBag::ReadProperty(std::wstring_view key, const Variant& defaultValue) const {
    const Entry* entry = Find(key);
    return entry ? entry->value : defaultValue;
}

void PropertyBag::WriteProperty(std::wstring_view key, Variant value, Variant defaultValue) {
    for (auto& entry : entries_) {
        if (KeysMatch(entry.key, key)) {
            entry.value = std::move(value);
            entry.defaultValue = std::move(defaultValue);
            return;
        }
    }
    entries_.push_back(Entry{std::wstring(key), std::move(value), std::move(defaultValue)});
}

bool PropertyBag::Contains(std::wstring_view key) const { return Find(key) != nullptr; }

}  // namespace platform

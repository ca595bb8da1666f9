// A property bag: named values with their defaults, in the order they were written.
#include "platform/property_bag.h"

#include "platform/ignoring_case.h"

namespace platform {

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::wstring, Variant>> stored) {
    for (const auto& [key, value] : stored) WriteProperty(key, value, Empty{});
}

const PropertyBag::Entry* PropertyBag::Find(std::wstring_view key) const {
    for (const auto& entry : entries_)
        if (EqualsIgnoringCase(entry.key, key)) return &entry;
    return nullptr;
}

Variant PropertyBag::ReadProperty(std::wstring_view key, const Variant& defaultValue) const {
    const Entry* entry = Find(key);
    return entry ? entry->value : defaultValue;
}

void PropertyBag::WriteProperty(std::wstring_view key, Variant value, Variant defaultValue) {
    for (auto& entry : entries_) {
        if (EqualsIgnoringCase(entry.key, key)) {
            entry.value = std::move(value);
            entry.defaultValue = std::move(defaultValue);
            return;
        }
    }
    entries_.push_back(Entry{std::wstring(key), std::move(value), std::move(defaultValue)});
}

bool PropertyBag::Contains(std::wstring_view key) const { return Find(key) != nullptr; }

}  // namespace platform

// A control's persisted form, kept by its container: named values, each written with a
// default and read with a default returned when the key is missing. Keys are matched
// without regard to case. Free of <windows.h>: tested natively.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace platform {

class PropertyBag {
public:
    struct Entry {
        std::wstring key;
        Variant value;
        Variant defaultValue;
    };

    PropertyBag() = default;
    // A stored definition: the given pairs, with empty defaults.
    PropertyBag(std::initializer_list<std::pair<std::wstring, Variant>> stored);

    // The stored value of key, or defaultValue when the bag has no such key.
    Variant ReadProperty(std::wstring_view key, const Variant& defaultValue) const;
    // Stores value under key (replacing a value stored under the same key in any case) and
    // keeps every write, a value equal to its default included, in the order written.
    void WriteProperty(std::wstring_view key, Variant value, Variant defaultValue);

    bool Contains(std::wstring_view key) const;
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    const Entry* Find(std::wstring_view key) const;

    std::vector<Entry> entries_;
};

}  // namespace platform

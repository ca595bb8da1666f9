// The kinds of value the workbench reads and prints, and the tables of the control's
// property-bag keys and public properties with the kind of each.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/aerobutton/aero_button.h"
#include "platform/variant.h"

namespace aerolab {

enum class Kind { Bool, Colour, Int32, Int16, Float, Text, Picture, Font, Handle };

// A bad command-line argument; its message is the one line the workbench prints.
class BadArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads `text` as a value of `kind`; throws BadArgument naming `what` when it does not parse
// (or, for a picture, when the file cannot be read).
platform::Variant ParseValue(Kind kind, std::string_view text, const std::string& what);
// The value in the workbench's output format for its kind.
std::string FormatValue(Kind kind, const platform::Variant& value);

struct BagKey {
    const wchar_t* key;
    Kind kind;
};
// The 23 keys of the persisted form, in the order they are saved.
const std::vector<BagKey>& BagKeys();
// The key (with its stored spelling) matching `name` without regard to case.
const BagKey* FindBagKey(std::wstring_view name);

struct PublicProperty {
    const wchar_t* name;
    Kind kind;
    std::function<platform::Variant(aerobutton::AeroButton&)> get;
    std::function<void(aerobutton::AeroButton&, const platform::Variant&)> set;  // empty: read-only
};
// The 29 public properties, BackColor first and Value last.
const std::vector<PublicProperty>& PublicProperties();
const PublicProperty* FindPublicProperty(std::wstring_view name);

}  // namespace aerolab

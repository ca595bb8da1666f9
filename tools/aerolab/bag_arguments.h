// KEY=VALUE arguments read into a property bag of the control's persisted form.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/property_bag.h"

namespace aerolab {

// Splits "NAME=VALUE" at its first "="; throws BadArgument when there is none or NAME is empty.
std::pair<std::string, std::string> SplitAssignment(std::string_view argument);
// Adds one KEY=VALUE to the bag under the key's stored spelling; throws BadArgument for an
// unknown key or a value that does not parse.
void AddBagArgument(platform::PropertyBag& bag, std::string_view argument);
// An argument that is none of a subcommand's own options: KEY=VALUE as AddBagArgument takes
// it; throws BadArgument for any other "--" option.
void AddBagArgumentOrRefuseOption(platform::PropertyBag& bag, std::string_view argument);

}  // namespace aerolab

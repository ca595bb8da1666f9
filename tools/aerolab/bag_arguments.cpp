#include "tools/aerolab/bag_arguments.h"

#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

std::pair<std::string, std::string> SplitAssignment(std::string_view argument) {
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw BadArgument("expected NAME=VALUE, got \"" + std::string(argument) + "\"");
    return {std::string(argument.substr(0, equals)), std::string(argument.substr(equals + 1))};
}

void AddBagArgument(platform::PropertyBag& bag, std::string_view argument) {
    const auto [name, value] = SplitAssignment(argument);
    const BagKey* key = FindBagKey(FromUtf8(name));
    if (!key) throw BadArgument("unknown key \"" + name + "\"");
    bag.WriteProperty(key->key, ParseValue(key->kind, value, name), platform::Empty{});
}

void AddBagArgumentOrRefuseOption(platform::PropertyBag& bag, std::string_view argument) {
    if (argument.rfind("--", 0) == 0) throw BadArgument("unknown option \"" + std::string(argument) + "\"");
    AddBagArgument(bag, argument);
}

}  // namespace aerolab

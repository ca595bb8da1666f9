// aerolab set: load one button from the given bag, run property setters and methods in
// order printing what each notifies and raises, then print every public property.
#include <memory>
#include <optional>

#include "controls/aerobutton/aero_button.h"
#include "tools/aerolab/bag_arguments.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {
struct Item {
    enum class What { Set, Refresh, TranslateColor } what = What::Set;
    const PublicProperty* property = nullptr;
    platform::Variant value;
    std::uint32_t colour = 0;
};

Item ParseItem(const std::string& argument) {
    if (argument == "Refresh") return {Item::What::Refresh};
    const auto [name, value] = SplitAssignment(argument);
    if (name == "TranslateColor") {
        const auto colour = ParseInt32(value);
        if (!colour) throw BadArgument("TranslateColor: \"" + value + "\" is not a colour");
        Item item{Item::What::TranslateColor};
        item.colour = static_cast<std::uint32_t>(*colour);
        return item;
    }
    const PublicProperty* property = FindPublicProperty(FromUtf8(name));
    if (!property) throw BadArgument("unknown property \"" + name + "\"");
    if (!property->set) throw BadArgument(name + " is read-only");
    Item item{Item::What::Set, property};
    item.value = ParseValue(property->kind, value, name);
    return item;
}
}  // namespace

int RunSet(const Arguments& args) {
    bool design = false;
    platform::PropertyBag bag;
    std::vector<Item> items;
    bool afterSeparator = false;
    for (const auto& argument : args) {
        if (afterSeparator) {
            items.push_back(ParseItem(argument));
        } else if (argument == "--") {
            afterSeparator = true;
        } else if (argument == "--design") {
            design = true;
        } else {
            AddBagArgumentOrRefuseOption(bag, argument);
        }
    }

    LabBench bench(!design);
    platform::FormControlSite& site = bench.site;
    // Only what the listed items notify and raise is printed, not what the load does.
    bool echo = false;
    site.onPropertyChanged = [&echo](std::wstring_view key) {
        if (echo) PrintLine("notify " + ToUtf8(key));
    };
    site.onEvent = [&echo](platform::ControlEvent& event) {
        if (echo) PrintLine("event " + ToUtf8(event.name));
    };
    aerobutton::AeroButton button(site, bench.form.hwnd(), 16, 16, 97, 25);
    site.SetControl(&button);
    button.ReadProperties(bag);
    echo = true;

    for (const auto& item : items) {
        switch (item.what) {
            case Item::What::Set:
                item.property->set(button, item.value);
                PrintLine(ToUtf8(item.property->name) + " = " +
                          FormatValue(item.property->kind, item.property->get(button)));
                break;
            case Item::What::Refresh:
                button.Refresh();
                PrintLine("Refresh");
                break;
            case Item::What::TranslateColor:
                PrintLine("TranslateColor = " + FormatColour(aerobutton::AeroButton::TranslateColor(item.colour)));
                break;
        }
    }
    echo = false;
    for (const auto& property : PublicProperties()) {
        PrintLine("get " + ToUtf8(property.name) + " = " + FormatValue(property.kind, property.get(button)));
    }
    return 0;
}

}  // namespace aerolab

// aerolab bag: create one button at design time, new or loaded from the given bag, save it
// to a fresh bag and print every write in order.
#include "controls/aerobutton/aero_button.h"
#include "tools/aerolab/bag_arguments.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

int RunBag(const Arguments& args) {
    bool fresh = false;
    platform::PropertyBag stored;
    for (const auto& argument : args) {
        if (argument == "--new") {
            fresh = true;
        } else {
            AddBagArgumentOrRefuseOption(stored, argument);
        }
    }

    LabBench bench(false);
    platform::FormControlSite& site = bench.site;
    aerobutton::AeroButton button(site, bench.form.hwnd(), 16, 16, 97, 25);
    site.SetControl(&button);
    if (fresh) {
        button.InitProperties();
    } else {
        button.ReadProperties(stored);
    }
    platform::PropertyBag saved;
    button.WriteProperties(saved);
    for (const auto& entry : saved.Entries()) {
        const BagKey* key = FindBagKey(entry.key);
        const Kind kind = key ? key->kind : Kind::Text;
        PrintLine("write " + ToUtf8(entry.key) + " = " + FormatValue(kind, entry.value) + " (default " +
                  FormatValue(kind, entry.defaultValue) + ")");
    }
    return 0;
}

}  // namespace aerolab

// aerolab window: a visible form with three buttons (push, toggle as the cancel button,
// push as the default button); every event of every button prints one line at once.
#include <memory>
#include <string>
#include <vector>

#include "controls/aerobutton/aero_button.h"
#include "platform/control_host.h"
#include "platform/form.h"
#include "platform/message_loop.h"
#include "platform/variant_convert.h"
#include "tools/aerolab/bag_arguments.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {

std::string EventArguments(const platform::ControlEvent& event) {
    std::string out;
    for (const auto& argument : event.arguments) {
        out += " ";
        if (const auto* single = std::get_if<float>(&argument)) {
            out += FormatFloat(*single);
        } else if (std::holds_alternative<platform::Empty>(argument)) {
            out += "none";
        } else {
            out += FormatInt(platform::ToInt32(argument));
        }
    }
    return out;
}

// The arguments printed for each event: mouse events all four, key events code and shift,
// KeyPress its character, CompleteDrag its effect; the others none.
std::string EventLine(const std::wstring& name, const platform::ControlEvent& event, aerobutton::AeroButton& button) {
    std::string line = ToUtf8(name) + " " + ToUtf8(event.name);
    if (event.name == L"Click") return line + " Value=" + FormatBool(button.Value());
    if (event.name == L"OLEDragDrop" || event.name == L"OLEDragOver") return line;
    return line + EventArguments(event);
}

}  // namespace

int RunWindow(const Arguments& args) {
    platform::PropertyBag pushBag{{L"Caption", std::wstring(L"&Push")}};
    for (const auto& argument : args) {
        if (argument.rfind("--", 0) == 0) throw BadArgument("unknown option \"" + argument + "\"");
        AddBagArgument(pushBag, argument);
    }

    LabForm window(L"AeroButton Lab", 260, 170);
    window.SetQuitOnUnload(true);
    platform::ControlHost host(window.hwnd());
    ConfigureLabHost(host, true);
    window.preTranslate = [&host](const MSG& message) { return host.PreTranslate(message); };

    struct Entry {
        const wchar_t* name;
        int top;
        platform::PropertyBag bag;
    };
    std::vector<Entry> entries;
    entries.push_back({L"btnPush", 16, pushBag});
    entries.push_back(
        {L"btnToggle", 56, {{L"Caption", std::wstring(L"&Toggle")}, {L"CheckBox", platform::Boolean{-1}}}});
    entries.push_back({L"btnOther", 96, {{L"Caption", std::wstring(L"&Other")}}});

    std::vector<std::unique_ptr<aerobutton::AeroButton>> buttons;
    std::vector<platform::FormControlSite*> sites;
    for (auto& entry : entries) {
        platform::FormControlSite& site = host.AddSite(entry.name);
        auto button = std::make_unique<aerobutton::AeroButton>(site, window.hwnd(), 16, entry.top, 97, 25);
        site.SetControl(button.get());
        aerobutton::AeroButton* raw = button.get();
        const std::wstring name = entry.name;
        site.onEvent = [name, raw](platform::ControlEvent& event) { PrintLine(EventLine(name, event, *raw)); };
        sites.push_back(&site);
        buttons.push_back(std::move(button));
    }
    host.SetCancel(sites[1]);
    host.SetDefault(sites[2]);
    // Loaded once the default and cancel buttons are known, so each paints its own look.
    for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i]->ReadProperties(entries[i].bag);

    window.ShowCentred();
    SetFocus(buttons[0]->hWnd());
    const int code = platform::RunMessageLoop();
    (void)code;  // closing the window is the one way out, and it ends with 0
    return 0;
}

}  // namespace aerolab

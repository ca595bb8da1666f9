// The workbench's container: a form holding the buttons, with the ambient properties the
// workbench promises.
#pragma once

#include <windows.h>

#include <string>

#include "platform/control_host.h"
#include "platform/form.h"

namespace aerolab {

// The host every subcommand uses: ambient font "MS Sans Serif" 8.25 pt, ambient fore colour
// the system's button text, run or design mode as asked.
void ConfigureLabHost(platform::ControlHost& host, bool userMode);

// The workbench's form for the buttons, of the given client size; invisible unless shown.
class LabForm : public platform::Form {
public:
    LabForm(const wchar_t* title, int clientWidth, int clientHeight);
};

// The bench of the one-button subcommands: the workbench form, its host configured as above
// and the site of the button under test, "btnPush".
struct LabBench {
    explicit LabBench(bool userMode);
    LabForm form{L"AeroButton Lab", 260, 170};
    platform::ControlHost host{form.hwnd()};
    platform::FormControlSite& site;
};

// Writes one line to standard output and flushes it.
void PrintLine(const std::string& line);

}  // namespace aerolab

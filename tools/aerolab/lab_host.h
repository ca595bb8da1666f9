// The workbench's container: a form holding the buttons, with the ambient properties the
// workbench promises.
#pragma once

#include <windows.h>

#include <string>

#include "platform/control_host.h"

namespace aerolab {

// The host every subcommand uses: ambient font "MS Sans Serif" 8.25 pt, ambient fore colour
// the system's button text, run or design mode as asked.
void ConfigureLabHost(platform::ControlHost& host, bool userMode);

// A top-level window for the buttons; invisible unless shown.
class LabForm {
public:
    LabForm(const wchar_t* title, int clientWidth, int clientHeight);
    ~LabForm();
    LabForm(const LabForm&) = delete;
    LabForm& operator=(const LabForm&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Writes one line to standard output and flushes it.
void PrintLine(const std::string& line);

}  // namespace aerolab

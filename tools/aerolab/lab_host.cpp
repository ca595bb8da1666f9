#include "tools/aerolab/lab_host.h"

#include <cstdio>

namespace aerolab {

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ConfigureLabHost(platform::ControlHost& host, bool userMode) {
    host.ambientFont = {L"MS Sans Serif", 8.25f};
    host.ambientForeColor = platform::kButtonTextColor;
    host.userMode = userMode;
}

namespace {
// The host is configured before the site joins it, so the site starts with the ambient values.
platform::FormControlSite& PushSite(platform::ControlHost& host, bool userMode) {
    ConfigureLabHost(host, userMode);
    return host.AddSite(L"btnPush");
}
}  // namespace

LabBench::LabBench(bool userMode) : site(PushSite(host, userMode)) {}

LabForm::LabForm(const wchar_t* title, int clientWidth, int clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, platform::kFormStyle, FALSE, 0);
    CreateForm(title, platform::kFormStyle, outer.right - outer.left, outer.bottom - outer.top);
}

}  // namespace aerolab

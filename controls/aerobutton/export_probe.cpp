// ProbeExport: module and export names go to the system in its ANSI code page.
#include "controls/aerobutton/export_probe.h"

#include <windows.h>

#include <string>

#include "platform/ansi_text.h"
#include "platform/module_owner.h"

namespace aerobutton {

bool ProbeExport(std::wstring_view functionName, std::wstring_view moduleName) {
    const std::string module = platform::ToAnsi(moduleName);
    const std::string function = platform::ToAnsi(functionName);
    platform::UniqueModule loadedHere;
    HMODULE handle = GetModuleHandleA(module.c_str());
    if (handle == nullptr) {
        loadedHere.reset(LoadLibraryA(module.c_str()));
        handle = loadedHere.get();
    }
    if (handle == nullptr) return false;
    return GetProcAddress(handle, function.c_str()) != nullptr;
}

namespace {
ExportProbeEntry& Entry() {
    static ExportProbeEntry entry;
    return entry;
}
}  // namespace

void SetExportProbeEntry(ExportProbeEntry entry) { Entry() = std::move(entry); }

bool ProbeExportThroughEntry(std::wstring_view functionName, std::wstring_view moduleName) {
    const ExportProbeEntry& entry = Entry();
    return entry ? entry(functionName, moduleName) : ProbeExport(functionName, moduleName);
}

}  // namespace aerobutton

// Asking whether a system module exports a function, without keeping the module loaded.
#pragma once

#include <functional>
#include <string_view>

namespace aerobutton {

// True when the module (already loaded, or loaded for the question) exports the function. A
// module loaded for the question is released again; one that was loaded already is left alone.
bool ProbeExport(std::wstring_view functionName, std::wstring_view moduleName);

// The probe a button's load asks: ProbeExport, unless a test has put another in its place
// (an empty function puts ProbeExport back).
using ExportProbeEntry = std::function<bool(std::wstring_view functionName, std::wstring_view moduleName)>;
void SetExportProbeEntry(ExportProbeEntry entry);
bool ProbeExportThroughEntry(std::wstring_view functionName, std::wstring_view moduleName);

}  // namespace aerobutton

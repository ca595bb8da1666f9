// RunProgram: the start-up of the main window, the message loop, and the error report.
#include "app/program.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <new>

#include "app/frm_dictionary.h"
#include "platform/control_error.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/number_text.h"
#include "platform/window.h"
#include "resources/resource_ids.h"

namespace app {

namespace {
constexpr wchar_t kErrorTitle[] = L"Brintel";
constexpr std::int32_t kErrorOutOfMemory = 7;

// Error messages are the program's literals and the system's texts, both in the ANSI code
// page; the box takes UTF-16.
std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// COM on the window thread for as long as the program runs: accessibility clients get the
// windows' objects through it.
struct ComApartment {
    ComApartment() = default;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(status)) CoUninitialize();
    }
    HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
};

int ReportStartupError(std::int32_t number, const char* message) {
    // No window of the program is left to own the box: the form went with the failure.
    platform::ShowMessageBox(nullptr, StartupErrorText(number, message), kErrorTitle, platform::kIconError);
    return kStartupFailedExitCode;
}
}  // namespace

std::wstring StartupErrorText(std::int32_t number, std::string_view message) {
    return L"Run-time error '" + platform::FormatInteger(number) + L"':\n\n" + Widen(message);
}

int RunProgram() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;  // outlives the form, whose objects clients may still hold
    platform::SetProgramIcon(IDI_APP);

    // An error that escaped would end the program without a word (the terminate handler
    // aborts): the user is told which error stopped it, and the exit code says it failed.
    try {
        FrmDictionary form;
        form.SetQuitOnUnload(true);
        form.Load();
        form.Show();
        return platform::RunMessageLoop();
    } catch (const platform::ControlError& error) {
        return ReportStartupError(error.Number(), error.what());
    } catch (const std::bad_alloc&) {
        return ReportStartupError(kErrorOutOfMemory, "Out of memory");
    } catch (const std::exception& error) {
        return ReportStartupError(-1, error.what());
    }
}

}  // namespace app

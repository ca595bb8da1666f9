// Opening the maker's home page through the shell, and the message box when that cannot be done.
#include "app/launcher.h"

#include <shellapi.h>

#include <new>
#include <type_traits>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/message_box.h"

namespace app {

namespace {

constexpr wchar_t kErrorTitle[] = L"Error!";
constexpr wchar_t kConnectionText[] =
    L"An error has occured while trying to connect to the internet\r\n"
    L"Please ensure that your internet connection is functioning correctly and try again.";

using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
// The entry is called through this type after GetProcAddress: on the 32-bit build a calling
// convention or parameter that differs from the system's would unbalance the stack.
static_assert(std::is_same_v<ShellExecuteAFn, decltype(&ShellExecuteA)>);

// The shell library is loaded on first use and kept for the life of the process: the
// browser it starts runs on its own, and the next click needs it again.
HINSTANCE SystemShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                             const char* directory, int show) {
    static const ShellExecuteAFn entry = []() -> ShellExecuteAFn {
        HMODULE shell = LoadLibraryW(L"shell32.dll");
        if (!shell) return nullptr;
        return reinterpret_cast<ShellExecuteAFn>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
    }();
    if (!entry) throw ShellUnavailable("ShellExecuteA cannot be loaded");
    return entry(owner, operation, file, parameters, directory, show);
}

ShellExecuteEntry& CurrentEntry() {
    static ShellExecuteEntry entry = SystemShellExecute;
    return entry;
}

}  // namespace

ShellExecuteEntry SetShellExecuteEntry(ShellExecuteEntry entry) {
    if (!entry) entry = SystemShellExecute;
    return std::exchange(CurrentEntry(), std::move(entry));
}

std::wstring Run(std::wstring_view strFilePath, const std::optional<std::wstring>& strParms,
                 const std::optional<std::wstring>& strDir) {
    const std::string file = platform::ToAnsi(strFilePath);
    const platform::OptionalAnsi parms(strParms);
    const platform::OptionalAnsi dir(strDir);
    const HINSTANCE result = CurrentEntry()(nullptr, "Open", file.c_str(), parms.c_str(), dir.c_str(), SW_SHOW);
    // The shell reports every failure, not only running out of memory, with a value of 32
    // or less; those are failures too, so the click can tell the user.
    if (reinterpret_cast<INT_PTR>(result) <= 32) return kRunFailureText;
    return {};
}

void HomepageClick(HWND owner) {
    std::wstring failure;
    try {
        failure = Run(kHomePageAddress);
    } catch (const ShellUnavailable&) {
        platform::ShowMessageBox(owner, kConnectionText, kErrorTitle, platform::kIconInformation);
        return;
    } catch (const std::bad_alloc&) {
        platform::ShowMessageBox(owner, kConnectionText, kErrorTitle, platform::kIconInformation);
        return;
    }
    if (!failure.empty()) platform::ShowMessageBox(owner, failure, kErrorTitle, platform::kIconInformation);
}

}  // namespace app

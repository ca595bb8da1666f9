// A stand-in web browser for end-to-end tests: registered as the test prefix's http handler,
// it appends the address it was asked to open to a record file and ends, showing nothing.
// usage: url_recorder.exe RECORD_FILE ADDRESS
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// UTF-8, so the test reads the record back whatever the ANSI code page.
std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

int Record(const wchar_t* recordFile, const wchar_t* address) {
    HANDLE file = CreateFileW(recordFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    const std::string line = Utf8(address) + "\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 3;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args) return 1;
    // Every argument after the record file is recorded, so a handler command that split the
    // address in two would show in the record.
    std::wstring address;
    for (int i = 2; i < count; ++i) address += (i > 2 ? L" " : L"") + std::wstring(args[i]);
    const int status = count >= 3 ? Record(args[1], address.c_str()) : 1;
    LocalFree(args);
    return status;
}

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
LRESULT CALLBACK LabFormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
}  // namespace

LabForm::LabForm(const wchar_t* title, int clientWidth, int clientHeight) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = LabFormProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = L"AeroLabForm";
        return RegisterClassExW(&wc);
    }();
    (void)atom;  // a failed registration shows as a failed creation below
    RECT rect{0, 0, clientWidth, clientHeight};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"AeroLabForm", title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

LabForm::~LabForm() {
    if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace aerolab

#include "tools/aerolab/lab_host.h"

#include "tools/aerolab/lab_format.h"

namespace aerolab {

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void LabSite::PropertyChanged(std::wstring_view key) {
    if (echo) PrintLine("notify " + ToUtf8(key));
}

void LabSite::RaiseEvent(platform::ControlEvent& event) {
    if (echo) PrintLine("event " + ToUtf8(event.name));
}

void LabSite::SendKeys(std::wstring_view keys) {
    INPUT inputs[4]{};
    int count = 0;
    const bool shifted = keys == L"+{TAB}";
    auto key = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (shifted) key(VK_SHIFT, false);
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (shifted) key(VK_SHIFT, true);
    // Queued for the active window; nothing waits for it.
    SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
}

void LabSite::DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
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

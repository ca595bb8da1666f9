#include "bench/minimal_window.h"

#include <windows.h>

namespace bench {

namespace {
HWND g_window = nullptr;

LRESULT CALLBACK MinimalProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        FillRect(ps.hdc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
}  // namespace

void MinimalStartup() {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MinimalProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"TarnwickBenchMinimal";
        return RegisterClassW(&wc);
    }();
    (void)registered;
    g_window =
        CreateWindowExW(0, L"TarnwickBenchMinimal", L"Minimal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, 363, 181, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(g_window, SW_SHOW);
    UpdateWindow(g_window);
}

void MinimalShutdown() {
    DestroyWindow(g_window);
    g_window = nullptr;
}

}  // namespace bench

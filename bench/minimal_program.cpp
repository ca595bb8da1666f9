// The minimal Win32 program the main program's memory is measured against: one registered
// class, one window shown and painted, a message loop.
#include <windows.h>

#if defined(TARNWICK_BENCH_COMMON_CONTROLS)
#include <commctrl.h>
#endif

#include "bench/minimal_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
#if defined(TARNWICK_BENCH_COMMON_CONTROLS)
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
#endif
    bench::MinimalStartup();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

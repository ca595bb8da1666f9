// The minimal Win32 program the main program's memory is measured against: one registered
// class, one window shown and painted, a message loop.
#include <windows.h>

#include "bench/minimal_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    bench::MinimalStartup();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

// Compile-time checks of the system structures and types this code hands to the window system
// by size or through pointer-sized parameters. The released program is the 32-bit build, which
// only runs under emulation here; a wrong header, packing or width fails the build instead.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>

namespace {

constexpr bool k64 = sizeof(void*) == 8;
static_assert(sizeof(void*) == (k64 ? 8 : 4));

// Values that carry pointers and handles between windows, timers and subclass hooks.
static_assert(sizeof(LONG_PTR) == sizeof(void*) && sizeof(UINT_PTR) == sizeof(void*));
static_assert(sizeof(WPARAM) == sizeof(void*) && sizeof(LPARAM) == sizeof(void*) && sizeof(LRESULT) == sizeof(void*));
static_assert(sizeof(INT_PTR) == sizeof(HINSTANCE));
// The registry value is written from a 32-bit integer of the program's own.
static_assert(sizeof(DWORD) == sizeof(std::int32_t) && sizeof(LONG) == 4);

// Structures whose size the system checks (cbSize) or uses to step through an array.
static_assert(sizeof(TRACKMOUSEEVENT) == (k64 ? 24 : 16));
static_assert(sizeof(TTTOOLINFOW) == (k64 ? 72 : 48));
static_assert(sizeof(WNDCLASSEXW) == (k64 ? 80 : 48));
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
static_assert(sizeof(MSG) == (k64 ? 48 : 28));

// Structures read from resources and files or filled by GetObject.
static_assert(sizeof(BITMAPINFOHEADER) == 40 && sizeof(RGBQUAD) == 4);
static_assert(sizeof(BITMAPFILEHEADER) == 14);
static_assert(sizeof(BITMAP) == (k64 ? 32 : 24));
static_assert(sizeof(ICONINFO) == (k64 ? 32 : 20));
// The version query's structure, whose size the button passes as the version record's.
static_assert(sizeof(OSVERSIONINFOA) == 148);

}  // namespace

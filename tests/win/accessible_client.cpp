// An accessibility client in a process of its own, as a screen reader is: it asks the system
// for a window's object and prints what the object says, one "KEY VALUE" line each.
//   accessible_client HWND CHILD [do] [watch]
// "do" runs the element's default action; "watch" then keeps the object and asks for its
// name every 50 ms until that fails (printing "gone 0x........") or 20 seconds pass.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr IID kIIDAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(const wchar_t* text, UINT length) {
    if (!text || length == 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr, nullptr);
    return out;
}

void PrintText(const char* key, HRESULT hr, BSTR text) {
    if (hr == S_OK) {
        std::string value = Utf8(text, SysStringLen(text));
        for (char& c : value) {
            if (c == '\r') c = '|';
            if (c == '\n') c = '/';
        }
        std::printf("%s %s\n", key, value.c_str());
    } else {
        std::printf("%s <0x%08lX>\n", key, static_cast<unsigned long>(hr));
    }
    SysFreeString(text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[1], nullptr, 10)));
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = std::strtol(argv[2], nullptr, 10);
    bool doAction = false;
    bool watch = false;
    for (int i = 3; i < argc; ++i) {
        doAction |= std::strcmp(argv[i], "do") == 0;
        watch |= std::strcmp(argv[i], "watch") == 0;
    }

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    const HRESULT got = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&object));
    std::printf("object 0x%08lX\n", static_cast<unsigned long>(got));
    if (FAILED(got) || !object) return 1;

    BSTR text = nullptr;
    HRESULT hr = object->get_accName(child, &text);
    PrintText("name", hr, text);
    text = nullptr;
    hr = object->get_accValue(child, &text);
    PrintText("value", hr, text);
    VARIANT v;
    VariantInit(&v);
    hr = object->get_accRole(child, &v);
    std::printf("role %ld\n", hr == S_OK && v.vt == VT_I4 ? v.lVal : -1L);
    VariantInit(&v);
    hr = object->get_accState(child, &v);
    std::printf("state 0x%lX\n", hr == S_OK && v.vt == VT_I4 ? static_cast<unsigned long>(v.lVal) : 0xFFFFFFFFul);
    text = nullptr;
    hr = object->get_accKeyboardShortcut(child, &text);
    PrintText("shortcut", hr, text);
    text = nullptr;
    hr = object->get_accDefaultAction(child, &text);
    PrintText("action", hr, text);
    long left = 0, top = 0, width = 0, height = 0;
    hr = object->accLocation(&left, &top, &width, &height, child);
    std::printf("location %ld %ld %ld %ld\n", left, top, width, height);
    if (doAction) std::printf("do 0x%08lX\n", static_cast<unsigned long>(object->accDoDefaultAction(child)));
    std::fflush(stdout);

    if (watch) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 20000) {
            text = nullptr;
            hr = object->get_accName(child, &text);
            SysFreeString(text);
            if (FAILED(hr)) {
                std::printf("gone 0x%08lX\n", static_cast<unsigned long>(hr));
                break;
            }
            Sleep(50);
        }
    }
    object->Release();
    CoUninitialize();
    return 0;
}

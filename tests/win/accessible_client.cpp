// An accessibility client in a process of its own, as a screen reader is: it asks the system
// for a window's object and prints what the object says, one "KEY VALUE" line each.
//   accessible_client HWND CHILD [do] [watch]
// "do" runs the element's default action; "watch" then keeps the object and asks for its
// name every 50 ms until that fails (printing "gone 0x........") or 20 seconds pass.
//   accessible_client tree TITLE [NAME]
// walks the children of the top-level window titled TITLE, one "element NAME|ROLE|ACTION"
// line each (a child window's simple elements follow it); then walks them again and runs the
// default action of the element named NAME.
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

std::string TextOf(HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, BSTR*), IAccessible* object, long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    BSTR text = nullptr;
    (object->*getter)(child, &text);
    std::string out = Utf8(text, SysStringLen(text));
    SysFreeString(text);
    return out;
}

long RoleOf(IAccessible* object, long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    VARIANT role;
    VariantInit(&role);
    return object->get_accRole(child, &role) == S_OK && role.vt == VT_I4 ? role.lVal : -1;
}

// Prints one element and runs its default action when its name is wanted.
void Visit(IAccessible* object, long id, const std::string& wanted) {
    const std::string name = TextOf(&IAccessible::get_accName, object, id);
    std::printf("element %s|%ld|%s\n", name.c_str(), RoleOf(object, id),
                TextOf(&IAccessible::get_accDefaultAction, object, id).c_str());
    if (!wanted.empty() && name == wanted) {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = id;
        std::printf("do 0x%08lX\n", static_cast<unsigned long>(object->accDoDefaultAction(child)));
    }
}

int Tree(const char* title, const std::string& wanted) {
    std::wstring wide(title, title + std::strlen(title));
    const HWND form = FindWindowW(nullptr, wide.c_str());
    IAccessible* window = nullptr;
    if (!form ||
        FAILED(AccessibleObjectFromWindow(form, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&window))))
        return 1;
    long count = 0;
    window->get_accChildCount(&count);
    VARIANT children[32];
    long got = 0;
    AccessibleChildren(window, 0, count < 32 ? count : 32, children, &got);
    for (long i = 0; i < got; ++i) {
        if (children[i].vt == VT_I4) {
            Visit(window, children[i].lVal, wanted);
        } else if (children[i].vt == VT_DISPATCH) {
            // A child window's object: its client area tells what the window is.
            IAccessible* child = nullptr;
            HWND hwnd = nullptr;
            if (SUCCEEDED(children[i].pdispVal->QueryInterface(kIIDAccessible, reinterpret_cast<void**>(&child)))) {
                WindowFromAccessibleObject(child, &hwnd);
                child->Release();
            }
            IAccessible* client = nullptr;
            if (hwnd && IsWindowVisible(hwnd) &&
                SUCCEEDED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, kIIDAccessible,
                                                     reinterpret_cast<void**>(&client)))) {
                Visit(client, CHILDID_SELF, wanted);
                long inner = 0;
                client->get_accChildCount(&inner);
                for (long id = 1; id <= inner; ++id) Visit(client, id, wanted);
                client->Release();
            }
        }
        VariantClear(&children[i]);
    }
    window->Release();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    if (std::strcmp(argv[1], "tree") == 0) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The whole tree first: the action may end the program.
        int status = Tree(argv[2], "");
        if (status == 0 && argc > 3) status = Tree(argv[2], argv[3]);
        std::fflush(stdout);
        CoUninitialize();
        return status;
    }
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
    const HRESULT got =
        AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&object));
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

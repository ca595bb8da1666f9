// Brintel.exe: the program starts with its main window and ends when it is unloaded.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/frm_dictionary.h"
#include "platform/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // COM on the window thread: accessibility clients get the windows' objects through it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    app::FrmDictionary form;
    form.SetQuitOnUnload(true);
    form.Load();
    form.Show();
    const int status = platform::RunMessageLoop();
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}

// Brintel.exe: the program starts with its main window and ends when it is unloaded.
#include <windows.h>
#include <commctrl.h>

#include "app/frm_dictionary.h"
#include "platform/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    app::FrmDictionary form;
    form.SetQuitOnUnload(true);
    form.Load();
    form.Show();
    return platform::RunMessageLoop();
}

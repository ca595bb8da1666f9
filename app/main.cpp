// Brintel.exe: the program starts with its main window and ends when it is unloaded.
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return app::RunProgram(); }

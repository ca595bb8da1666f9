// The program from start to end: the main window's start-up, its message loop, and the
// report of an error that stops the start-up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// Loads and shows the main window and runs until it is unloaded; the result is the exit
// code. An error raised while the window and its controls start up is shown in a modal
// message box, and the program then ends with kStartupFailedExitCode.
int RunProgram();

inline constexpr int kStartupFailedExitCode = 1;

// The error report's text: the error's number and its message.
std::wstring StartupErrorText(std::int32_t number, std::string_view message);

}  // namespace app

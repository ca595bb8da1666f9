// The baseline of the start-up figure: the least a Win32 program does to show a window.
#pragma once

namespace bench {

// Registers a class (once), creates and shows one window of the main window's outer size and
// completes its first paint. The window stays until MinimalShutdown.
void MinimalStartup();
void MinimalShutdown();

}  // namespace bench

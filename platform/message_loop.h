// The program's message loop.
#pragma once

namespace platform {

// Runs until WM_QUIT and returns its exit code. Keyboard navigation between the controls
// of a top-level window (Tab, access keys) is handled on the way.
int RunMessageLoop();

// Processes the messages already waiting, then returns.
void ProcessPendingMessages();

}  // namespace platform

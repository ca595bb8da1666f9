// Running one workbench command from its words, as the command line and the batch both do.
#pragma once

#include "tools/aerolab/commands.h"

namespace aerolab {

// Runs the command named by the first word with the words after it; a bad argument or an
// error of the control prints its one line on standard error. Returns the exit status.
// Inside a batch, the commands that read standard input or wait for a window are refused.
int RunCommand(Arguments args, bool inBatch);

}  // namespace aerolab

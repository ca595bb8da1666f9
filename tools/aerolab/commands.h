// The workbench's subcommands. Each takes the arguments after its name (UTF-8) and returns
// the exit status; a bad argument is thrown as BadArgument.
#pragma once

#include <string>
#include <vector>

namespace aerolab {

using Arguments = std::vector<std::string>;

int RunSet(const Arguments& args);
int RunBag(const Arguments& args);
int RunWindow(const Arguments& args);
int RunRender(const Arguments& args);
int RunBatch(const Arguments& args);
int RunDescribe(const Arguments& args);

}  // namespace aerolab

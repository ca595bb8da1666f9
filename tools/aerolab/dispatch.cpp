// The table of the workbench's commands and the one place that turns their failures into
// exit statuses and messages.
#include "tools/aerolab/dispatch.h"

#include <cstdio>
#include <map>
#include <string>

#include "platform/control_error.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {

void PrintError(const std::string& line) {
    std::fflush(stdout);  // the message follows the output that came before it
    std::fprintf(stderr, "aerolab: %s\n", line.c_str());
    std::fflush(stderr);
}

}  // namespace

int RunCommand(Arguments args, bool inBatch) {
    const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"set", RunSet},       {"bag", RunBag},           {"window", RunWindow},
        {"render", RunRender}, {"describe", RunDescribe}, {"batch", RunBatch},
    };
    if (args.empty() || !commands.count(args[0])) {
        std::string known;
        for (const auto& [name, run] : commands) known += (known.empty() ? "" : ", ") + name;
        PrintError((args.empty() ? std::string("no command given") : "unknown command \"" + args[0] + "\"") +
                   " (commands: " + known + ")");
        return 2;
    }
    if (inBatch && (args[0] == "batch" || args[0] == "window")) {
        PrintError("\"" + args[0] + "\" cannot run inside a batch");
        return 2;
    }
    const auto run = commands.at(args[0]);
    args.erase(args.begin());
    try {
        return run(args);
    } catch (const BadArgument& bad) {
        PrintError(bad.what());
        return 2;
    } catch (const platform::ControlError& error) {
        PrintError("error " + std::to_string(error.Number()) + ": " + error.what());
        return 1;
    } catch (const std::exception& error) {
        PrintError(error.what());
        return 1;
    }
}

}  // namespace aerolab

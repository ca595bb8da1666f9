// aerolab: the AeroButton workbench. Hosts buttons on a form of its own and shows in text
// (and pictures) what they do. Exit status 0 on success, 2 with one line on standard error
// for a bad argument, 1 when the control reports an error.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/control_error.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_values.h"

namespace {

void PrintError(const std::string& line) {
    std::fprintf(stderr, "aerolab: %s\n", line.c_str());
    std::fflush(stderr);
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        PrintError("cannot read the command line");
        return 2;
    }
    aerolab::Arguments args;
    for (int i = 1; i < count; ++i) args.push_back(aerolab::ToUtf8(wide[i]));
    LocalFree(wide);

    const std::map<std::string, int (*)(const aerolab::Arguments&)> commands = {
        {"set", aerolab::RunSet},
        {"bag", aerolab::RunBag},
        {"window", aerolab::RunWindow},
        {"render", aerolab::RunRender},
        {"describe", aerolab::RunDescribe},
    };
    if (args.empty() || !commands.count(args[0])) {
        std::string known;
        for (const auto& [name, run] : commands) known += (known.empty() ? "" : ", ") + name;
        PrintError((args.empty() ? std::string("no command given") : "unknown command \"" + args[0] + "\"") +
                   " (commands: " + known + ")");
        return 2;
    }
    const auto run = commands.at(args[0]);
    args.erase(args.begin());
    try {
        return run(args);
    } catch (const aerolab::BadArgument& bad) {
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

// aerolab: the AeroButton workbench. Hosts buttons on a form of its own and shows in text
// (and pictures) what they do. Exit status 0 on success, 2 with one line on standard error
// for a bad argument, 1 when the control reports an error.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#include "tools/aerolab/dispatch.h"
#include "tools/aerolab/lab_format.h"

int main() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        std::fprintf(stderr, "aerolab: cannot read the command line\n");
        return 2;
    }
    aerolab::Arguments args;
    for (int i = 1; i < count; ++i) args.push_back(aerolab::ToUtf8(wide[i]));
    LocalFree(wide);
    return aerolab::RunCommand(std::move(args), false);
}

// aerolab batch: many commands in one process, read from standard input one a line, for
// runtimes where starting a process costs far more than the command itself.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "tools/aerolab/batch_words.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/dispatch.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {

// One line without its line end (LF or CR LF); false at the end of the input with nothing read.
bool ReadLine(std::FILE* in, std::string& line) {
    line.clear();
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace

int RunBatch(const Arguments& args) {
    if (!args.empty()) throw BadArgument("batch takes no arguments; it reads its commands from standard input");
    // Bytes as they are: text mode would end the input at a Ctrl+Z inside a caption.
    _setmode(_fileno(stdin), _O_BINARY);
    std::string line;
    int number = 0;
    while (ReadLine(stdin, line)) {
        std::string error;
        const auto words = SplitWords(line, &error);
        // Blank lines separate groups of commands for the reader; they are not commands.
        if (words && words->empty()) continue;
        ++number;
        PrintLine("== " + std::to_string(number));
        int code = 2;
        if (words) {
            code = RunCommand(*words, true);
        } else {
            std::fflush(stdout);
            std::fprintf(stderr, "aerolab: %s\n", error.c_str());
            std::fflush(stderr);
        }
        PrintLine("== " + std::to_string(number) + " exit " + std::to_string(code));
    }
    return 0;
}

}  // namespace aerolab

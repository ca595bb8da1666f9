// The program's terminate handler. The C++ library's default one writes the type of an
// uncaught exception, demangled, to the standard error stream before aborting; a GUI
// program has no such stream, and the demangler alone is a sixth of the executable.
// Defined in the executable itself so that the library's own definition is never linked.
//
// What ties this to the compiler: libstdc++ (GCC 12 here) installs __gnu_cxx's
// __verbose_terminate_handler as the default handler, by this name. Should a later library
// rename it, its own handler and the demangler (46 KB, bench/RESULTS.md) are linked again:
// the program still ends on an uncaught exception, only larger, which `make bench` shows.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

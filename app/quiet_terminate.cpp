// The program's terminate handler. The C++ library's default one writes the type of an
// uncaught exception, demangled, to the standard error stream before aborting; a GUI
// program has no such stream, and the demangler alone is a sixth of the executable.
// Defined in the executable itself so that the library's own definition is never linked.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

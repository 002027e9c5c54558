// The handler std::terminate calls by default. The C++ library's own writes the uncaught
// exception's demangled type to standard error before aborting; a windowed program has no
// standard error, and its demangler would make up a tenth of the program's size. This one
// aborts at once, as that one ends.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

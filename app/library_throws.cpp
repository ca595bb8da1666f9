// The C++ library's throw helpers, which its containers, strings and casts call on a bad
// request. The library's own versions build std::length_error, std::out_of_range and the
// like, whose messages are reference-counted strings of the old string type: linking them
// brings in a second complete string implementation and with it more than a third of the
// executable. Defined here, in the executable, every one of them is ours, so the library's
// file of them is never linked. They throw the library's string-free exception types where
// it has one, and otherwise an exception carrying the library's own (literal) message;
// handlers for std::exception, std::bad_alloc and (...) catch them as before.
//
// What ties this to the compiler: the names and signatures are those libstdc++ declares in
// <bits/functexcept.h> for GCC 12 (Debian's MinGW-w64 g++ 12.2). A later library that adds a
// helper the code calls links the library's own file of them again: nothing breaks, but the
// program grows by the 91 KB this saves (bench/RESULTS.md), which the size check of
// `make bench` shows. One whose signature changed fails to link with a duplicate definition.
// tests/win/library_throws_test.cpp checks that each request still throws what it should.
#include <cstdarg>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryError final : public std::exception {
public:
    explicit LibraryError(const char* message) : message_(message) {}
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;  // the library passes literals
};

}  // namespace

namespace std {

[[noreturn]] void __throw_bad_alloc() { throw std::bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
[[noreturn]] void __throw_bad_cast() { throw std::bad_cast(); }
[[noreturn]] void __throw_bad_typeid() { throw std::bad_typeid(); }
[[noreturn]] void __throw_bad_exception() { throw std::bad_exception(); }
// A size beyond what a container can ever hold is memory that cannot be had.
[[noreturn]] void __throw_length_error(const char*) { throw std::bad_alloc(); }
[[noreturn]] void __throw_logic_error(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_domain_error(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_invalid_argument(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_out_of_range(const char* message) { throw LibraryError(message); }
// The message names the function that refused: the format itself, or the name the library
// passes first for a leading "%s". The index and size the format would print are left out.
[[noreturn]] void __throw_out_of_range_fmt(const char* format, ...) {
    const char* message = format;
    if (format[0] == '%' && format[1] == 's') {
        std::va_list arguments;
        va_start(arguments, format);
        message = va_arg(arguments, const char*);
        va_end(arguments);
    }
    throw LibraryError(message);
}
[[noreturn]] void __throw_runtime_error(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_range_error(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_overflow_error(const char* message) { throw LibraryError(message); }
[[noreturn]] void __throw_underflow_error(const char* message) { throw LibraryError(message); }

}  // namespace std

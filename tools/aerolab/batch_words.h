// Splitting one line of a batch into the words of a command, as a POSIX shell splits a command
// line (without expansions). No <windows.h>: built and tested natively too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolab {

// Words are separated by blanks (space, tab). 'single quotes' keep everything literally;
// "double quotes" keep everything but \" \\ \$ \` , which lose their backslash; outside quotes a
// backslash keeps the next character literally. Quotes join with what touches them, and ""
// alone is an empty word. None, with *error set, for an unterminated quote or a trailing
// backslash.
std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string* error);

}  // namespace aerolab

#pragma once
// The arguments a program was started with, for the entry points of tools.

#include <string>
#include <vector>

namespace velmar::platform {

// The arguments after the program's own name, UTF-8 encoded: on Windows taken
// from the wide command line, so that names with any letters survive whatever
// the ANSI code page; on POSIX as given.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace velmar::platform

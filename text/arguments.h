// What the system hands the program, in UTF-8 on every system: its command
// line and its environment. On Windows, argv and getenv give the ANSI code
// page, which cannot spell every file name ("Łódź") and is not the UTF-8 that
// the file functions take; both are read from the system's UTF-16 instead.
#pragma once

#include <string>
#include <vector>

namespace corrinom {

// The arguments after the program's name. `argc` and `argv` are main's: they
// are the arguments elsewhere than on Windows.
std::vector<std::string> ArgumentsProgramme(int argc, char** argv);

// An environment variable's value; empty when it is unset.
std::string VariableEnvironnement(const char* nom);

}  // namespace corrinom

// The folder of the running nshtml-inspect binary, from which its installed library and pages
// are found (../lib, ../share/nshtml-inspect).
#ifndef TOOLS_INSPECT_EXECUTABLEDIRECTORY_H
#define TOOLS_INSPECT_EXECUTABLEDIRECTORY_H

#include <string>

// "/usr/local/bin" for /usr/local/bin/nshtml-inspect; empty when it cannot be told.
std::string executableDirectory();

#endif

#pragma once

#include <string>

namespace Forms {

// The argument text of a full command line: the program's own name (quoted or not) and the blanks after
// it are dropped, the rest is kept unchanged.
std::string ArgumentsOf(const char* commandLine);

} // namespace Forms

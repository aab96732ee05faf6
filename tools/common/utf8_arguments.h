#pragma once

#include <string>
#include <vector>

namespace vantiq {

// The program's arguments after its name, in UTF-8. On Windows `argv` holds
// them in the ANSI code page, which cannot spell most file names, so they
// are taken from the UTF-16 command line instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace vantiq

#pragma once

#include <string>
#include <vector>

namespace vantiq {

// The program's arguments after its name, in UTF-8. On Windows `argv` holds
// them in the ANSI code page, which cannot spell most file names, so they
// are taken from the UTF-16 command line instead; the console is told to
// show the UTF-8 the tools write, and standard output is made binary, so
// that the CSV's CR LF line ends reach a file as they are, not as CR CR LF.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace vantiq

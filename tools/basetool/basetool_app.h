#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantiq {

// Runs `vantiq-basetool` with `args` (without the program name).
// Exit status 0 on success, 1 on a failure, 2 on bad arguments.
int RunBaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

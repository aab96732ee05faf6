#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "common/exit_status.h"

namespace vantiq {

// Runs `vantiq-cli` with `args` (without the program name): global options,
// then a command and its options. Results go to `out`, messages to `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantiq {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the catalogue or a named module is unusable
inline constexpr int kExitUsage = 2;    // the arguments are wrong

// Runs `vantiq-cli` with `args` (without the program name): global options,
// then a command and its options. Results go to `out`, messages to `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

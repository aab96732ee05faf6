#pragma once

namespace vantiq {

// Exit statuses of the command-line tools.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the catalogue or a named module is unusable
inline constexpr int kExitUsage = 2;    // the arguments are wrong

}  // namespace vantiq

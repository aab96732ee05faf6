#pragma once

#include <iosfwd>

#include "basetool/basetool_args.h"

namespace vantiq {

// Exit status of `check` when the file loads but has problems.
inline constexpr int kExitProblems = 3;

// The hot-side step `check` derives at unless --thot-step says otherwise, K.
inline constexpr int kDefaultThotStep = 10;

// `check Base.tmb [--thot-step K]`: prints every problem of the file, one a
// line, and a summary. Exit status 0 when there is none, 1 when the program
// would refuse the file (or it cannot be read), 3 for other problems.
int RunCheckCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

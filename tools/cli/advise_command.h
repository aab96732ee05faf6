#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace vantiq {

// `advise`: the operating point of every module that carries the load within
// the limits, as CSV in the order asked. When none does, the counts per
// reason go to `err` and the header stands alone; with --why only that
// module's row, or why it is not a result, is printed. Returns the exit
// status.
int RunAdviseCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace vantiq {

// `list`: every module in base order as CSV with its rated values.
int RunListCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

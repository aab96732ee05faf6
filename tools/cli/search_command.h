#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace vantiq {

// `search`: the modules that meet the requirements given as options, sorted
// as the window's list sorts them, as CSV with each row's position and its
// module's values. The criteria text goes to `err`, and with no match also
// the window's notice; the CSV then holds its header only.
int RunSearchCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

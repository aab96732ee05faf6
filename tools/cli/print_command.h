#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace vantiq {

// `print --module NAME --page datasheet|graphs [--dpi N] -o FILE.pdf`: one
// page of the named module as an A4 PDF, drawn without a display.
int RunPrintCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

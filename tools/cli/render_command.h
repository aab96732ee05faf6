#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace vantiq {

// `render`: what the view shows for a module (its four graphs or its
// datasheet picture) at a client size, written as a PNG. Draws without a
// display; an unknown or underivable module is a failure.
int RunRenderCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

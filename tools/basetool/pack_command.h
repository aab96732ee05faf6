#pragma once

#include <iosfwd>

#include "basetool/basetool_args.h"

namespace vantiq {

// `pack CATALOGUE.csv [--pictures DIR] [--draw-datasheets] -o Base.tmb`:
// builds the catalogue file. Errors name the source row; nothing is written
// unless every row is good.
int RunPackCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

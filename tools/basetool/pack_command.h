#pragma once

#include <iosfwd>

#include "basetool/basetool_args.h"

namespace vantiq {

// `pack SOURCE.csv... [--pictures DIR] [--draw-datasheets] [--mode M] -o
// Base.tmb`: builds the catalogue file from sources of the material form or
// the ratings form (told apart by their header; ratings are fitted), their
// modules in the order given. Errors name the source and row; nothing is
// written unless every row is good.
int RunPackCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

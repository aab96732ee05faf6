#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "basetool/basetool_args.h"

namespace vantiq {

// The catalogue a command works on: its operand, or when none is given the
// first Base.tmb in the folders the window program looks in. When none is
// there, says where it looked on `err` and returns nullopt.
std::optional<std::string> CatalogueOperand(const CommandArgs& args, std::ostream& err);

}  // namespace vantiq

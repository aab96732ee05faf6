#pragma once

#include <iosfwd>

#include "basetool/basetool_args.h"

namespace vantiq {

// `remove Base.tmb --name NAME`: writes the catalogue without the first
// module named NAME, keeping the previous file as Base.tmb.bak, as the
// window's File > "Remove module from catalogue..." does. Exit status 1,
// with the file as it was, when no module has the name or the file cannot
// be read or written.
int RunRemoveCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

#pragma once

#include <iosfwd>

#include "basetool/basetool_args.h"

namespace vantiq {

// `dump Base.tmb [--pictures DIR]`: writes the catalogue's source CSV to
// `out`; with DIR every non-empty picture goes to DIR/<index>.<format> and is
// named in the picture column. Exit status 1, after writing what it can,
// when the CSV would not pack back into the same modules (a name without its
// NUL, a picture beyond the end of the file) or a picture cannot be written.
int RunDumpCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

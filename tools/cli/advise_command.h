#pragma once

#include <iosfwd>
#include <string>

#include "cli/advise_options.h"
#include "cli/cli_options.h"
#include "core/advisor/advisor.h"
#include "core/base/tem_base.h"

namespace vantiq {

// `advise`: the operating point of every module that carries the load within
// the limits, as CSV in the order asked. When none does, the counts per
// reason go to `err` and the header stands alone; with --why only that
// module's row, or why it is not a result, is printed. Returns the exit
// status.
int RunAdviseCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

// What `advise` says on standard error when no module carries the load:
// "No module can carry this load within these limits", then, on a line of
// its own, the counts per reason where there are any. UTF-8, no line end.
std::string NothingFoundText(const AdviceRequest& request, const Advice& advice);

// --why on a base derived at `thot` (K): the row of module `request.why`
// when `advice` holds it, or one line saying why it is not a result. A name
// that is no module's goes to `err` with kExitFailure.
int ExplainAdvice(const TemBase& base, double thot, const AdviseRequest& request,
                  const Advice& advice, std::ostream& out, std::ostream& err);

}  // namespace vantiq

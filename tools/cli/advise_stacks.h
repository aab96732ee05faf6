#pragma once

#include <ostream>

#include "cli/advise_options.h"
#include "core/base/tem_base.h"

namespace vantiq {

// `advise --stages 2`: the stacks of `base` (derived at `thot`, K) for
// `request` as CSV on `out`, best first; when none carries the load, says so
// on `err` with the largest temperature difference stacks reach at a fixed
// hot side. Returns the exit status.
int AdviseStacks(const TemBase& base, double thot, const AdviseRequest& request, std::ostream& out,
                 std::ostream& err);

}  // namespace vantiq

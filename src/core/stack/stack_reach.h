#pragma once

#include <optional>

#include "core/base/tem_base.h"
#include "core/stack/stack_search.h"

namespace vantiq {

// The largest temperature difference, to within 0.5 K and no more than the
// request's, at which some stack of `base` (derived at the fixed hot side
// `thot`, K) carries the request's load within its limits; nullopt when none
// does at any difference. For telling a user how far stacks get.
std::optional<double> LargestStackDt(const TemBase& base, double thot, StackRequest request);

}  // namespace vantiq

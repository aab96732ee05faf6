#pragma once

#include <optional>
#include <string>

#include "core/base/tem_base.h"
#include "core/stack/stack_search.h"

namespace vantiq {

// The largest temperature difference, to within 0.5 K and no more than the
// request's, at which some stack of `base` (derived at the fixed hot side
// `thot`, K) carries the request's load within its limits; nullopt when none
// does at any difference. For telling a user how far stacks get.
std::optional<double> LargestStackDt(const TemBase& base, double thot, StackRequest request);

// What a user is told when no stack carries the request's load: "No stack
// can carry this load within these limits", and at a fixed hot side the
// largest dT stacks reach (": the best dT found is 74.5 K") or that they
// reach none. UTF-8.
std::string NoStackText(const TemBase& base, double thot, const StackRequest& request);

}  // namespace vantiq

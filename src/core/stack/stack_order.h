#pragma once

#include <vector>

#include "core/advisor/advice_order.h"
#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// Sorts `stacks` of modules of `base` by `order`: power, COP, the top's
// current or the top module's name in their natural directions (the other
// keys sort as power). Equal keys keep the order of the top module's index.
void SortStacks(const TemBase& base, std::vector<StackPoint>& stacks, AdviceOrder order);

}  // namespace vantiq

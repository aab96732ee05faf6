#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_pull_down.h"

namespace vantiq {

// The columns every export of stacks carries: row, index, name, modules,
// index_bottom, name_bottom, modules_bottom, current, voltage,
// current_bottom, voltage_bottom, power, cop, t_between, thot, dt, and
// currents ("separate" or "shared"); with pull-down times also
// pull_down_current, pull_down_current_bottom (each stage's current per
// module) and pull_down_s.
std::vector<std::string> StackColumns(bool withPullDown = false);

// One stack as those columns: `row` its place in the listed order, names in
// UTF-8, current and voltage per module of each stage, temperatures in
// degrees Celsius (K - 273), numbers in the shortest text that reads back
// exactly; with `pullDown` its currents and seconds, or "never" where those
// currents do not get there.
std::vector<std::string> StackFields(const TemBase& base, const StackPoint& p, std::size_t row,
                                     const StackPullDown* pullDown = nullptr);

// The stacks as CSV text (RFC 4180, CR LF line ends): the header, then one
// row per stack in the order given; with `pullDowns` (one per stack) the
// pull-down columns too.
std::string StackCsv(const TemBase& base, const std::vector<StackPoint>& stacks,
                     const std::vector<StackPullDown>* pullDowns = nullptr);

}  // namespace vantiq

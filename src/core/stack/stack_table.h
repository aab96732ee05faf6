#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// The columns every export of stacks carries: row, index, name, modules,
// index_bottom, name_bottom, modules_bottom, current, voltage,
// current_bottom, voltage_bottom, power, cop, t_between, thot, dt, and
// currents ("separate" or "shared").
std::vector<std::string> StackColumns();

// One stack as those columns: `row` its place in the listed order, names in
// UTF-8, current and voltage per module of each stage, temperatures in
// degrees Celsius (K - 273), numbers in the shortest text that reads back
// exactly.
std::vector<std::string> StackFields(const TemBase& base, const StackPoint& p, std::size_t row);

// The stacks as CSV text (RFC 4180, CR LF line ends): the header, then one
// row per stack in the order given.
std::string StackCsv(const TemBase& base, const std::vector<StackPoint>& stacks);

}  // namespace vantiq

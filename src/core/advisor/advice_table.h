#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The columns every export of operating points carries: row, index, name,
// modules, wiring, current, voltage, power, cop, heat_rejected, thot, dt,
// qmax_at_dt.
std::vector<std::string> AdviceColumns();

// One point as those columns: `row` its place in the listed order, the name
// in UTF-8, current and voltage per module, thot in degrees Celsius (K - 273),
// numbers in the shortest text that reads back exactly.
std::vector<std::string> AdviceFields(const TemBase& base, const OperatingPoint& point,
                                      std::size_t row);

}  // namespace vantiq
